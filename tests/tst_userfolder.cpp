// A learner's own program folder made from a read-only installation, and brought up to date
// when the installation changes.

#include "data/banklock.h"
#include "data/errors.h"
#include "data/sqlfile.h"
#include "data/userfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <memory>

namespace {

const QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::WriteOther | QFileDevice::ExeOther;

const QByteArray kShippedSettings = "alltime=2700\r\nmark=90\r\n";

// An installed program folder: a bank with the given source hash, its pictures, pages,
// settings and an executable.
class Installation : public ProgramFolder
{
public:
    explicit Installation(const Bank &bank = sampleBank(), quint32 hash = 1,
                          const QByteArray &settings = kShippedSettings)
        : ProgramFolder(bank)
    {
        writeBankDatabase(bank, file(QStringLiteral("data.mdb")), hash);
        writeSettings(settings);
        for (const char *name : {"exam", "exam-bank"}) {
            QFile program(file(QLatin1String(name)));
            program.open(QIODevice::WriteOnly);
            program.write("#!/bin/sh\n");
        }
        QDir(path()).mkpath(QStringLiteral("html"));
        QFile page(file(QStringLiteral("html/dtjq.html")));
        page.open(QIODevice::WriteOnly);
        page.write("<html></html>");
    }
};

// A bank like examBank() with changes made by `change`.
Bank changedBank(const std::function<void(Bank &)> &change)
{
    Bank bank = examBank();
    change(bank);
    return bank;
}

BankQuestion *question(Bank &bank, qint64 subId)
{
    for (BankQuestion &q : bank.questions)
        if (q.subId == subId)
            return &q;
    return nullptr;
}

struct SheetRow {
    qint64 noteId, subId, optionId, isRight;
    bool operator==(const SheetRow &o) const
    {
        return noteId == o.noteId && subId == o.subId && optionId == o.optionId &&
               isRight == o.isRight;
    }
};

QList<SheetRow> sheetOf(const QString &data)
{
    SqlFile db(data, SqlFile::Read);
    QSqlQuery q = db.prepare(
        QStringLiteral("SELECT noteId, subId, optionid, isright FROM note ORDER BY noteId"));
    db.run(q);
    QList<SheetRow> rows;
    while (q.next())
        rows.append({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                     q.value(3).toLongLong()});
    return rows;
}

// The last exam of a learner in examBank(): true/false question 1001 answered right, the
// fourth option of multiple-choice question 1022 (a wrong one), 2002 unanswered, and 2030
// answered right.
const QList<SheetRow> kLastExam = {
    {1, 1001, 10011, 1}, {2, 1022, 10224, 0}, {3, 2002, 0, 0}, {4, 2030, 20303, 1}};

void writeSheet(const QString &data, const QList<SheetRow> &rows)
{
    SqlFile db(data, SqlFile::ReadWrite);
    db.exec(QStringLiteral("DELETE FROM note"));
    QSqlQuery q = db.prepare(QStringLiteral("INSERT INTO note VALUES (?, ?, ?, ?)"));
    for (const SheetRow &r : rows) {
        for (qint64 v : {r.noteId, r.subId, r.optionId, r.isRight})
            q.addBindValue(v);
        db.run(q);
    }
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

Q_DECLARE_METATYPE(Bank)
Q_DECLARE_METATYPE(QList<SheetRow>)

class UserFolderTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_folder;

    QString mine(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        m_folder = m_home->filePath(QStringLiteral("share/exam-trainer"));
    }

    void firstStartLinksTheProgramAndCopiesTheLearnersFiles()
    {
        Installation installed;
        ReadOnlyTree readOnly(installed.path());
        QVERIFY(readOnly.ok());
        const UserFolderReport report = prepareUserFolder(installed.path(), m_folder);
        QVERIFY(report.created);
        for (const char *name : {"exam", "exam-bank", "upload", "html"}) {
            QVERIFY2(QFileInfo(mine(QLatin1String(name))).isSymLink(), name);
            QCOMPARE(QFileInfo(mine(QLatin1String(name))).canonicalFilePath(),
                     QFileInfo(installed.file(QLatin1String(name))).canonicalFilePath());
        }
        // The folder and the copies are the learner's alone.
        QCOMPARE(QFileInfo(m_folder).permissions() & kOthers, QFileDevice::Permissions());
        for (const char *name : {"data.mdb", "Security.mdw", "system.ini"}) {
            const QFileInfo copy(mine(QLatin1String(name)));
            QVERIFY2(copy.isFile() && !copy.isSymLink(), name);
            QCOMPARE(contentOf(copy.filePath()), contentOf(installed.file(QLatin1String(name))));
            QCOMPARE(copy.permissions() & kOthers, QFileDevice::Permissions());
            QVERIFY(copy.permissions() & QFileDevice::WriteOwner);
        }
        QCOMPARE(storedSourceHash(mine(QStringLiteral("data.mdb"))), std::optional<quint32>(1));
    }

    void laterStartsKeepTheAnswersAndSettings()
    {
        Installation installed;
        prepareUserFolder(installed.path(), m_folder);
        writeSheet(mine(QStringLiteral("data.mdb")), kLastExam);
        writeFile(mine(QStringLiteral("system.ini")), "alltime=600\r\nmark=80\r\n");
        const UserFolderReport report = prepareUserFolder(installed.path(), m_folder);
        QVERIFY(!report.created && !report.bankReplaced && report.messages().isEmpty());
        QCOMPARE(sheetOf(mine(QStringLiteral("data.mdb"))), kLastExam);
        QCOMPARE(contentOf(mine(QStringLiteral("system.ini"))),
                 QByteArray("alltime=600\r\nmark=80\r\n"));
    }

    void aNewBankReplacesTheCopy_data()
    {
        QTest::addColumn<Bank>("bank");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QList<SheetRow>>("sheet");
        QTest::addRow("questions added") << changedBank([](Bank &b) {
            BankQuestion extra = b.questions.first();
            extra.subId = 1051;
            b.questions.append(extra);
        }) << true << kLastExam;
        QTest::addRow("a key moved: the answer is marked by the new key")
            << changedBank([](Bank &b) {
                   question(b, 1022)->options[2].key = false;
                   question(b, 1022)->options[3].key = true;
                   question(b, 1001)->options[0].key = false;
                   question(b, 1001)->options[1].key = true;
               })
            << true
            << QList<SheetRow>{
                   {1, 1001, 10011, 0}, {2, 1022, 10224, 1}, {3, 2002, 0, 0}, {4, 2030, 20303, 1}};
        QTest::addRow("an unanswered question of the paper gone") << changedBank([](Bank &b) {
            b.questions.erase(b.questions.begin() + (question(b, 2002) - b.questions.data()));
        }) << false << QList<SheetRow>{};
        QTest::addRow("the chosen option gone") << changedBank([](Bank &b) {
            question(b, 1022)->typeId = 1;
            question(b, 1022)->options = testOptions(1, 1, {});
        }) << false << QList<SheetRow>{};
    }

    void aNewBankReplacesTheCopy()
    {
        QFETCH(Bank, bank);
        QFETCH(bool, kept);
        QFETCH(QList<SheetRow>, sheet);
        {
            Installation before(examBank());
            prepareUserFolder(before.path(), m_folder);
        }
        writeSheet(mine(QStringLiteral("data.mdb")), kLastExam);
        Installation after(bank, 2);
        ReadOnlyTree readOnly(after.path());
        const UserFolderReport report = prepareUserFolder(after.path(), m_folder);
        QVERIFY(report.bankReplaced);
        QCOMPARE(report.lastExamKept, kept);
        QCOMPARE(report.lastExamDropped, !kept);
        QCOMPARE(storedSourceHash(mine(QStringLiteral("data.mdb"))), std::optional<quint32>(2));
        QCOMPARE(sheetOf(mine(QStringLiteral("data.mdb"))), sheet);
        QCOMPARE(validateBankDatabase(mine(QStringLiteral("data.mdb"))), QStringList());
        // The links follow the installation to where it is now.
        QCOMPARE(QFileInfo(mine(QStringLiteral("exam"))).canonicalFilePath(),
                 QFileInfo(after.file(QStringLiteral("exam"))).canonicalFilePath());
        QVERIFY(!QFileInfo::exists(mine(QStringLiteral("data.mdb.new"))));
        // Positions go on increasing after the carried rows.
        SqlFile db(mine(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
        db.exec(QStringLiteral("INSERT INTO note (subId) VALUES (1001)"));
        QCOMPARE(sheetOf(mine(QStringLiteral("data.mdb"))).last().noteId,
                 kept ? qint64(5) : qint64(1));
    }

    void settingsFollowTheInstallationUntilTheLearnerChangesThem_data()
    {
        QTest::addColumn<QByteArray>("learners");
        QTest::addColumn<QByteArray>("installedNext");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("keptAfterNext"); // through the upgrade after that
        const QByteArray newer = "alltime=3600\r\nmark=90\r\n";
        const QByteArray own = "alltime=600\r\nmark=80\r\n";
        QTest::addRow("unchanged copy, new settings installed")
            << kShippedSettings << newer << newer << false;
        QTest::addRow("changed by the learner, new settings installed")
            << own << newer << own << true;
        QTest::addRow("changed by the learner, installation the same")
            << own << kShippedSettings << own << true;
        QTest::addRow("changed to what the new installation has")
            << newer << newer << newer << false;
    }

    void settingsFollowTheInstallationUntilTheLearnerChangesThem()
    {
        QFETCH(QByteArray, learners);
        QFETCH(QByteArray, installedNext);
        QFETCH(QByteArray, expected);
        QFETCH(bool, keptAfterNext);
        {
            Installation before;
            prepareUserFolder(before.path(), m_folder);
        }
        writeFile(mine(QStringLiteral("system.ini")), learners);
        Installation after(sampleBank(), 1, installedNext);
        prepareUserFolder(after.path(), m_folder);
        QCOMPARE(contentOf(mine(QStringLiteral("system.ini"))), expected);
        const QByteArray latest = "alltime=1800\r\nmark=95\r\n";
        Installation later(sampleBank(), 1, latest);
        prepareUserFolder(later.path(), m_folder);
        QCOMPARE(contentOf(mine(QStringLiteral("system.ini"))), keptAfterNext ? learners : latest);
    }

    // A bank the learner imported is theirs; so is one that a running program has open, until
    // the program ends.
    void theBankIsLeftAloneWhenItIsNotAnOldCopyOrInUse()
    {
        {
            Installation before;
            prepareUserFolder(before.path(), m_folder);
        }
        Installation after(sampleBank(4), 2);
        writeSheet(mine(QStringLiteral("data.mdb")), kLastExam);
        {
            const BankLock running(mine(QStringLiteral("data.mdb")), BankLock::Shared);
            const UserFolderReport report = prepareUserFolder(after.path(), m_folder);
            QVERIFY(report.bankInUse && !report.bankReplaced);
            QCOMPARE(report.messages().size(), 1);
            QCOMPARE(storedSourceHash(mine(QStringLiteral("data.mdb"))), std::optional<quint32>(1));
        }
        QVERIFY(prepareUserFolder(after.path(), m_folder).bankReplaced);

        writeBankDatabase(sampleBank(2), mine(QStringLiteral("data.mdb")), 77); // an import
        Installation later(sampleBank(5), 3);
        const UserFolderReport report = prepareUserFolder(later.path(), m_folder);
        QVERIFY(report.ownBankKept && !report.bankReplaced);
        QCOMPARE(storedSourceHash(mine(QStringLiteral("data.mdb"))), std::optional<quint32>(77));
    }

    void anUnreadableBankIsSetAsideAndReplaced()
    {
        Installation installed;
        prepareUserFolder(installed.path(), m_folder);
        writeFile(mine(QStringLiteral("data.mdb")), QByteArray(5000, 'x'));
        const UserFolderReport report = prepareUserFolder(installed.path(), m_folder);
        QVERIFY(report.brokenBankSetAside && report.bankReplaced);
        QCOMPARE(contentOf(mine(QStringLiteral("data.mdb.broken"))), QByteArray(5000, 'x'));
        QCOMPARE(storedSourceHash(mine(QStringLiteral("data.mdb"))), std::optional<quint32>(1));
    }

    void linksFollowTheInstallationsEntries()
    {
        Installation installed;
        writeFile(installed.file(QStringLiteral("extra.txt")), "x");
        prepareUserFolder(installed.path(), m_folder);
        QVERIFY(QFileInfo(mine(QStringLiteral("extra.txt"))).isSymLink());
        // The learner's own pages instead of the link stay; a dropped entry's link goes.
        QFile::remove(mine(QStringLiteral("html")));
        QDir().mkpath(mine(QStringLiteral("html")));
        writeFile(mine(QStringLiteral("html/dtjq.html")), "mine");
        QFile::remove(installed.file(QStringLiteral("extra.txt")));
        QFile::remove(mine(QStringLiteral("exam")));
        prepareUserFolder(installed.path(), m_folder);
        QVERIFY(!QFileInfo(mine(QStringLiteral("extra.txt"))).isSymLink());
        QCOMPARE(contentOf(mine(QStringLiteral("html/dtjq.html"))), QByteArray("mine"));
        QVERIFY(QFileInfo(mine(QStringLiteral("exam"))).isSymLink());
    }

    void refusesWhatIsNoInstallationOrNoWritableFolder()
    {
        QTemporaryDir empty;
        QVERIFY(errorText([&] {
                    prepareUserFolder(empty.path(), m_folder);
                }).contains(QStringLiteral("不是考试程序的安装文件夹")));
        Installation installed;
        QDir().mkpath(m_home->filePath(QStringLiteral("share")));
        ReadOnly locked(m_home->filePath(QStringLiteral("share")));
        QVERIFY(locked.ok());
        QVERIFY(
            errorText([&] { prepareUserFolder(installed.path(), m_folder); }).contains(m_folder));
    }
};

EXAM_TEST_MAIN(UserFolderTest)
#include "tst_userfolder.moc"
