#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// Starts the built program from `workingDir`, lets it run for a moment and returns what it
// wrote to standard error.
QString runFrom(const QString &program, const QString &workingDir)
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {});
    if (!process.waitForStarted(5000))
        return QStringLiteral("did not start");
    process.waitForFinished(2500);
    const bool stillRunning = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(5000);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    return stillRunning ? err : QStringLiteral("exited early: ") + err;
}

} // namespace

class ProgramFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void findsItsFilesFromAnotherWorkingDirectory()
    {
        QTemporaryDir elsewhere;
        const QString err = runFrom(QStringLiteral(EXAM_PROGRAM_FOLDER "/exam"), elsewhere.path());
        QVERIFY2(!err.contains(QStringLiteral("驾驶员理论考试系统：")) &&
                     !err.startsWith(QStringLiteral("exited")),
                 qPrintable(err));
    }

    void reportsAMissingBankBesideItself()
    {
        // The same program copied into an empty folder: it looks there, not in the working
        // directory, which holds a complete bank.
        QTemporaryDir alone;
        const QString copy = alone.filePath(QStringLiteral("exam"));
        QVERIFY(QFile::copy(QStringLiteral(EXAM_PROGRAM_FOLDER "/exam"), copy));
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ExeOwner);
        const QString err = runFrom(copy, QStringLiteral(EXAM_PROGRAM_FOLDER));
        QVERIFY2(err.contains(QStringLiteral("找不到题库文件")) && err.contains(alone.path()),
                 qPrintable(err));
        QVERIFY(!QFile::exists(alone.filePath(QStringLiteral("data.mdb"))));
    }
};

EXAM_TEST_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
