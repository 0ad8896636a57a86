#include "xsession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

XSession::~XSession()
{
    stop();
}

QString XSession::missingTool()
{
    for (const char *tool : {"Xvfb", "xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QLatin1String(tool);
    }
    return {};
}

bool XSession::start()
{
    for (int n = 91; n < 120; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        m_display = QStringLiteral(":%1").arg(n);
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {m_display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        if (waitFor([&] { return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)); },
                    5000)) {
            key({"Num_Lock"});
            return true;
        }
        m_xvfb.kill();
        m_xvfb.waitForFinished();
        m_display.clear();
    }
    return false;
}

void XSession::stop()
{
    if (m_xvfb.state() == QProcess::NotRunning)
        return;
    m_xvfb.terminate();
    m_xvfb.waitForFinished(5000);
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QString XSession::run(const QString &program, const QStringList &args) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void XSession::key(const QStringList &keys) const
{
    run(QStringLiteral("xdotool"), QStringList{"key", "--delay", "15"} + keys);
}

QList<XSession::Window> XSession::windowsOf(qint64 pid) const
{
    QList<Window> out;
    const QStringList ids =
        run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--pid", QString::number(pid)})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &id : ids) {
        int x0 = 0, y0 = 0, w = 0, h = 0;
        for (const QString &line :
             run(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", id}).split('\n')) {
            const QString value = line.section(QLatin1Char('='), 1);
            if (line.startsWith(QLatin1String("X=")))
                x0 = value.toInt();
            else if (line.startsWith(QLatin1String("Y=")))
                y0 = value.toInt();
            else if (line.startsWith(QLatin1String("WIDTH=")))
                w = value.toInt();
            else if (line.startsWith(QLatin1String("HEIGHT=")))
                h = value.toInt();
        }
        out.append({id, QRect(x0, y0, w, h)});
    }
    return out;
}

QString XSession::nameOf(const QString &id) const
{
    return run(QStringLiteral("xdotool"), {"getwindowname", id}).trimmed();
}
