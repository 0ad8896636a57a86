// The portable archive: unpacked into a folder of its own, it holds the program folder and
// the libraries and plugins it needs, and starts from another working directory.

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString &program, const QStringList &args, const QString &dir = {},
            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(120000);
    return QString::fromLocal8Bit(p.readAll());
}

// Libraries every Linux desktop has, which the archive leaves to the system.
const QRegularExpression kSystemLibraries(QStringLiteral(
    "^(linux-vdso|ld-linux|libc|libm|libdl|libpthread|librt|libresolv|libgcc_s|libstdc\\+\\+|"
    "libGL|libGLX|libEGL|libGLdispatch|libdrm|libgbm|libX11|libX11-xcb|libXau|libXdmcp|"
    "libxcb|libfontconfig|libfreetype|libexpat|libz|libbz2|libpng16|libbrotli[a-z]*)[.-]"));

} // namespace

class PackageTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_unpacked;
    QString m_root;

private slots:
    void initTestCase()
    {
        const QString build = QStringLiteral(EXAM_PROGRAM_FOLDER);
        const QString out =
            run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("TGZ")}, build);
        const QString archive = build + QStringLiteral("/exam-trainer-0.1-linux-x86_64.tar.gz");
        QVERIFY2(QFile::exists(archive), qPrintable(out));
        run(QStringLiteral("tar"),
            {QStringLiteral("xzf"), archive, QStringLiteral("-C"), m_unpacked.path()});
        m_root = m_unpacked.filePath(QStringLiteral("exam-trainer-0.1-linux-x86_64"));
    }

    void holdsTheProgramFolder()
    {
        for (const char *name :
             {"exam", "exam-bank", "exam.sh", "exam.desktop", "exam.png", "qt.conf", "data.mdb",
              "Security.mdw", "system.ini", "upload/sign_stop.jpg", "html/dtjq.html",
              "plugins/platforms/libqxcb.so", "plugins/sqldrivers/libqsqlite.so",
              "fonts/wqy-zenhei.ttc"})
            QVERIFY2(QFile::exists(m_root + QLatin1Char('/') + QLatin1String(name)), name);
    }

    void bringsEveryLibraryButTheSystems()
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("LD_LIBRARY_PATH"), m_root + QStringLiteral("/lib"));
        const QString out = run(QStringLiteral("ldd"),
                                {m_root + QStringLiteral("/exam"),
                                 m_root + QStringLiteral("/plugins/platforms/libqxcb.so"),
                                 m_root + QStringLiteral("/plugins/sqldrivers/libqsqlite.so")},
                                {}, env);
        QVERIFY(!out.contains(QStringLiteral("not found")));
        for (const QString &line : out.split(QLatin1Char('\n'))) {
            const QString library = line.trimmed().section(QLatin1Char(' '), 0, 0);
            if (!line.contains(QStringLiteral("=>")) || line.contains(m_root))
                continue;
            QVERIFY2(kSystemLibraries.match(library).hasMatch(), qPrintable(line));
        }
    }

    void startsFromAnotherFolder()
    {
        QTemporaryDir elsewhere;
        QProcess exam;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        exam.setProcessEnvironment(env);
        exam.setWorkingDirectory(elsewhere.path());
        exam.start(m_root + QStringLiteral("/exam.sh"), {});
        QVERIFY(exam.waitForStarted(5000));
        exam.waitForFinished(2500);
        const bool running = exam.state() == QProcess::Running;
        exam.kill();
        exam.waitForFinished(5000);
        const QString err = QString::fromLocal8Bit(exam.readAllStandardError());
        QVERIFY2(running, qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("驾驶员理论考试系统：")), qPrintable(err));
    }
};

EXAM_TEST_MAIN(PackageTest)
#include "tst_package.moc"
