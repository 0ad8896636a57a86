#include "data/programfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace {

// Starts the built program from `workingDir`, lets it run for a moment and returns what it
// wrote to standard error.
QString runFrom(const QString &program, const QString &workingDir, const QStringList &args = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForStarted(5000))
        return QStringLiteral("did not start");
    process.waitForFinished(2500);
    const bool stillRunning = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(5000);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    return stillRunning ? err : QStringLiteral("exited early: ") + err;
}

void link(const QString &target, const QString &name)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QVERIFY(QFile::link(target, name));
}

} // namespace

class ProgramFolderTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tree;

    QString at(const QString &relative) const { return m_tree.filePath(relative); }

private slots:
    // real/exam is the executable; the other folders reach it through links.
    void initTestCase()
    {
        QDir().mkpath(at(QStringLiteral("real")));
        QFile exe(at(QStringLiteral("real/exam")));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.write("program");
        exe.close();
        QFile other(at(QStringLiteral("real/other")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        link(at(QStringLiteral("real/exam")), at(QStringLiteral("mine/exam")));
        link(at(QStringLiteral("mine/exam")), at(QStringLiteral("chain/exam")));
        link(QStringLiteral("../real/exam"), at(QStringLiteral("relative/exam")));
        QDir().mkpath(at(QStringLiteral("b/deep")));
        link(at(QStringLiteral("real/exam")), at(QStringLiteral("b/exam")));
        link(at(QStringLiteral("b/deep")), at(QStringLiteral("a/sub")));
    }

    void folderOfTheStartingPath_data()
    {
        QTest::addColumn<QString>("startedAs");
        QTest::addColumn<QString>("workingDir");
        QTest::addColumn<QString>("folder");
        QTest::addRow("the executable itself") << at("real/exam") << QString() << at("real");
        QTest::addRow("a link to it") << at("mine/exam") << QString() << at("mine");
        QTest::addRow("a link to a link") << at("chain/exam") << QString() << at("chain");
        QTest::addRow("a relative link") << at("relative/exam") << QString() << at("relative");
        QTest::addRow("relative to the working directory")
            << QStringLiteral("mine/exam") << m_tree.path() << at("mine");
        QTest::addRow("dot-dot after a linked folder, as the kernel reads it")
            << at("a/sub/../exam") << QString() << at("b");
        QTest::addRow("a path to another file") << at("real/other") << QString() << at("real");
        QTest::addRow("a path to nothing") << at("gone/exam") << QString() << at("real");
        QTest::addRow("no path") << QString() << QString() << at("real");
    }

    void folderOfTheStartingPath()
    {
        QFETCH(QString, startedAs);
        QFETCH(QString, workingDir);
        QFETCH(QString, folder);
        QCOMPARE(invocationFolder(startedAs, workingDir, at(QStringLiteral("mine/exam"))),
                 QDir(folder).canonicalPath());
    }

    void startedThroughADescriptorUsesTheExecutablesFolder()
    {
        QFile exe(at(QStringLiteral("real/exam")));
        QVERIFY(exe.open(QIODevice::ReadOnly));
        const QString descriptor = QStringLiteral("/dev/fd/%1").arg(exe.handle());
        QCOMPARE(invocationFolder(descriptor, QString(), at(QStringLiteral("real/exam"))),
                 QDir(at(QStringLiteral("real"))).canonicalPath());
    }

    // The program reached through a link in a folder of its own looks in that folder, the way
    // the launcher of the installed package starts it; what argv[0] claims does not count.
    void startedThroughALinkLooksBesideTheLink()
    {
        QTemporaryDir mine;
        link(QStringLiteral(EXAM_PROGRAM_FOLDER "/exam"), mine.filePath(QStringLiteral("exam")));
        const QString err =
            runFrom(QStringLiteral("/bin/bash"), QStringLiteral("/"),
                    {QStringLiteral("-c"),
                     QStringLiteral("exec -a /elsewhere/exam %1/exam").arg(mine.path())});
        QVERIFY2(err.contains(QStringLiteral("找不到题库文件")) && err.contains(mine.path()),
                 qPrintable(err));
    }

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
