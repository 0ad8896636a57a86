#pragma once

#include <QProcess>
#include <QRect>
#include <QStringList>
#include <functional>

// An X server of the tests' own (Xvfb) and the xdotool calls that drive programs on it.
class XSession
{
public:
    ~XSession();

    // The tool of the three (Xvfb, xdotool, ImageMagick's import) that is not installed, or
    // an empty text.
    static QString missingTool();
    // Starts Xvfb on a free display with NumLock on, so that the keypad gives digits as on
    // the exam terminal; false when no display could be started.
    bool start();
    void stop();

    // The system environment with this display and Qt's X11 platform.
    QProcessEnvironment environment() const;
    // Runs a program on the display; returns what it printed.
    QString run(const QString &program, const QStringList &args) const;
    void key(const QStringList &keys) const;

    struct Window {
        QString id;
        QRect geometry;
    };
    // The visible windows of a process.
    QList<Window> windowsOf(qint64 pid) const;
    QString nameOf(const QString &id) const;

private:
    QProcess m_xvfb;
    QString m_display;
};

// Polls `condition` every 50 ms, handling events, for at most `timeoutMs`.
bool waitFor(const std::function<bool()> &condition, int timeoutMs = 8000);
