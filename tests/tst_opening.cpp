#include "data/F_ado.h"
#include "data/bank.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/programfolder.h"
#include "data/sqlfile.h"
#include "data/tableobject.h"
#include "data/workgroup.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace {

QString openError(const QString &connectionString, const QString &table = QStringLiteral("subject"))
{
    TableObject t(table);
    t.setConnectionString(connectionString);
    return errorText([&] { t.open(); });
}

QString bankSourceError(const QString &questions,
                        const QString &sort = QStringLiteral("1|a|100|100|100\n"))
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("questions"));
    writeFile(dir.filePath(QStringLiteral("sort.txt")), sort.toUtf8());
    writeFile(dir.filePath(QStringLiteral("questions/a.txt")), questions.toUtf8());
    return errorText([&] { readBankSource(dir.path()); });
}

} // namespace

class OpeningTest : public QObject
{
    Q_OBJECT
private slots:
    void connectionStringHasItsPiecesInOrder()
    {
        const QString cs = buildConnectionString(QStringLiteral("/opt/exam/"));
        QCOMPARE(cs,
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/exam/data.mdb;"
                                "Mode=ReadWrite;Persist Security Info=False;"
                                "Password=qxbtrmwlnpa;User ID=examuser;"
                                "Jet OLEDB:System database=/opt/exam/Security.mdw"));
        const ConnectionString parsed(cs);
        QCOMPARE(parsed.dataSource(), QStringLiteral("/opt/exam/data.mdb"));
        QCOMPARE(parsed.userId(), QStringLiteral("examuser"));
        QCOMPARE(parsed.password(), QStringLiteral("qxbtrmwlnpa"));
        QCOMPARE(parsed.systemDatabase(), QStringLiteral("/opt/exam/Security.mdw"));
    }

    void missingBankIsReportedAndNeverCreated()
    {
        ProgramFolder folder;
        QFile::remove(folder.file(QStringLiteral("data.mdb")));
        const QString message = openError(folder.connectionString());
        QVERIFY2(message.contains(QStringLiteral("找不到题库文件")) &&
                     message.contains(QStringLiteral("data.mdb")),
                 qPrintable(message));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("data.mdb"))));
    }

    void missingWorkgroupFile()
    {
        ProgramFolder folder;
        QFile::remove(folder.file(QStringLiteral("Security.mdw")));
        const QString message = openError(folder.connectionString());
        QVERIFY2(message.contains(QStringLiteral("Security.mdw")), qPrintable(message));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Security.mdw"))));
    }

    void wrongPasswordOrUser()
    {
        ProgramFolder folder;
        QString cs = folder.connectionString();
        QString message = openError(
            QString(cs).replace(QStringLiteral("qxbtrmwlnpa"), QStringLiteral("qxbtrmwlnpb")));
        QVERIFY2(message.contains(QStringLiteral("用户名或密码无效")), qPrintable(message));
        message =
            openError(QString(cs).replace(QStringLiteral("examuser"), QStringLiteral("guest")));
        QVERIFY2(message.contains(QStringLiteral("用户名或密码无效")), qPrintable(message));
        QVERIFY(openError(cs).isEmpty());
    }

    void workgroupFileHoldsNoPassword()
    {
        ProgramFolder folder;
        QFile f(folder.file(QStringLiteral("Security.mdw")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.readAll().contains("qxbtrmwlnpa"));
    }

    void filesThatAreNotABank()
    {
        ProgramFolder folder;
        const QString data = folder.file(QStringLiteral("data.mdb"));
        QByteArray noise(64 * 1024, '\0');
        QRandomGenerator gen(7);
        gen.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        writeFile(data, noise);
        QString message = openError(folder.connectionString());
        QVERIFY2(message.contains(QStringLiteral("不是有效的题库文件")), qPrintable(message));

        QFile::remove(data);
        {
            SqlFile other(data, SqlFile::Create);
            other.exec(QStringLiteral("CREATE TABLE people (name TEXT)"));
        }
        message = openError(folder.connectionString());
        QVERIFY2(message.contains(QStringLiteral("不是题库文件")) &&
                     message.contains(QStringLiteral("subject")),
                 qPrintable(message));

        writeFile(folder.file(QStringLiteral("Security.mdw")), "not a workgroup file");
        message = openError(folder.connectionString());
        QVERIFY2(message.contains(QStringLiteral("工作组信息文件")), qPrintable(message));
    }

    void truncatedBank()
    {
        ProgramFolder folder;
        QFile f(folder.file(QStringLiteral("data.mdb")));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 3);
        f.close();
        QVERIFY(!openError(folder.connectionString()).isEmpty());
    }

    void dataModuleOpensTheSharedTables()
    {
        ProgramFolder folder;
        folder.activate();
        Tado ado;
        ado.DataModuleCreate();
        QCOMPARE(exam::connstr, folder.connectionString());
        QVERIFY(ado.subject->isOpen() && ado.sort->isOpen() && ado.options->isOpen());
        QCOMPARE(ado.sort->sort(), QStringLiteral("sortId"));
        QCOMPARE(ado.subject->asInteger(QStringLiteral("subId")), 1001);
        QCOMPARE(ado.options->recordCount(), 3 * (4 * 2 + 6 * 4));
        exam::connstr.clear();
    }

    void dataModuleStopsAtTheFirstFailure()
    {
        ProgramFolder folder;
        folder.activate();
        QFile::remove(folder.file(QStringLiteral("data.mdb")));
        Tado ado;
        QVERIFY_THROWS_EXCEPTION(ExamError, ado.DataModuleCreate());
        QVERIFY(!ado.subject->isOpen());
        QVERIFY(!ado.sort->isOpen());
        exam::connstr.clear();
    }

    void bankSourceProblemsNameFileAndLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        const QString ok =
            QStringLiteral("id: 1\nsort: 1\ntype: 判断\nerrors: 3\nq: 题\n+ 正确\n- 错误\n");
        QTest::newRow("valid") << ok << QString();
        QTest::newRow("two keys") << QString(ok).replace(QStringLiteral("- 错误"),
                                                         QStringLiteral("+ 错误"))
                                  << QStringLiteral("a.txt:1");
        QTest::newRow("three options")
            << ok + QStringLiteral("- 不知道\n") << QStringLiteral("应有 2 个选项");
        QTest::newRow("unknown type")
            << QString(ok).replace(QStringLiteral("判断"), QStringLiteral("问答"))
            << QStringLiteral("a.txt:3");
        QTest::newRow("duplicate id")
            << ok + QStringLiteral("\n") + ok << QStringLiteral("a.txt:9");
        QTest::newRow("unknown category")
            << QString(ok).replace(QStringLiteral("sort: 1"), QStringLiteral("sort: 7"))
            << QStringLiteral("分类编号 7");
        QTest::newRow("missing picture")
            << ok + QStringLiteral("pic: none.jpg\n") << QStringLiteral("none.jpg");
        QTest::newRow("missing key line")
            << QString(ok).replace(QStringLiteral("errors: 3\n"), QString())
            << QStringLiteral("errors");
        QTest::newRow("bad line") << ok + QStringLiteral("whatever\n") << QStringLiteral("a.txt:8");
    }

    void bankSourceProblemsNameFileAndLine()
    {
        QFETCH(QString, source);
        QFETCH(QString, expected);
        const QString message = bankSourceError(source);
        if (expected.isEmpty())
            QVERIFY2(message.isEmpty(), qPrintable(message));
        else
            QVERIFY2(message.contains(expected), qPrintable(message));
    }

    void shippedBankReadsAndHashStaysPut()
    {
        const QString source = QStringLiteral(EXAM_SOURCE_DIR "/bank");
        const Bank bank = readBankSource(source);
        QVERIFY(bank.questions.size() >= 150);
        for (int g = 0; g < 3; ++g) {
            int total = 0;
            for (const BankCategory &c : bank.categories)
                total += c.scale[g];
            QCOMPARE(total, 100);
        }
        QCOMPARE(bankSourceHash(source), bankSourceHash(source));
    }

    void rebuildingKeepsTheAnswerSheetUntilTheSourceChanges()
    {
        QTemporaryDir source, target;
        const QString bankDir = QStringLiteral(EXAM_SOURCE_DIR "/bank");
        QDir(source.path()).mkpath(QStringLiteral("questions"));
        QDir(source.path()).mkpath(QStringLiteral("pictures"));
        QStringList files = {QStringLiteral("sort.txt")};
        for (const QString &f : QDir(bankDir + QStringLiteral("/questions")).entryList(QDir::Files))
            files.append(QStringLiteral("questions/") + f);
        for (const QString &f : QDir(bankDir + QStringLiteral("/pictures")).entryList(QDir::Files))
            files.append(QStringLiteral("pictures/") + f);
        for (const QString &f : files)
            QVERIFY(QFile::copy(bankDir + QLatin1Char('/') + f, source.filePath(f)));

        QVERIFY(buildBank(source.path(), target.path()));
        const QString data = target.filePath(QStringLiteral("data.mdb"));
        auto noteRows = [&] {
            SqlFile db(data, SqlFile::Read);
            QSqlQuery q = db.prepare(QStringLiteral("SELECT count(*) FROM note"));
            db.run(q);
            q.next();
            return q.value(0).toInt();
        };
        {
            SqlFile db(data, SqlFile::ReadWrite);
            db.exec(QStringLiteral("INSERT INTO note (subId) VALUES (1001)"));
        }
        QVERIFY(!buildBank(source.path(), target.path()));
        QCOMPARE(noteRows(), 1);
        QVERIFY(QFile::exists(target.filePath(QStringLiteral("upload/sign_stop.jpg"))));

        QFile sort(source.filePath(QStringLiteral("sort.txt")));
        QVERIFY(sort.open(QIODevice::Append));
        sort.write("# changed\n");
        sort.close();
        QVERIFY(buildBank(source.path(), target.path()));
        QCOMPARE(noteRows(), 0);
        QCOMPARE(storedSourceHash(target.filePath(QStringLiteral("Security.mdw"))), std::nullopt);
    }

    void brokenSourceLeavesTheOldBankInPlace()
    {
        QTemporaryDir source, target;
        QDir(source.path()).mkpath(QStringLiteral("questions"));
        writeFile(source.filePath(QStringLiteral("sort.txt")), "1|a|100|100|100\n");
        writeFile(source.filePath(QStringLiteral("questions/a.txt")),
                  "id: 1\nsort: 1\ntype: 判断\nerrors: 0\nq: 题\n+ 正确\n- 错误\n");
        QVERIFY(buildBank(source.path(), target.path()));
        const auto before = storedSourceHash(target.filePath(QStringLiteral("data.mdb")));
        writeFile(source.filePath(QStringLiteral("questions/a.txt")), "id: x\n");
        QVERIFY_THROWS_EXCEPTION(ExamError, buildBank(source.path(), target.path()));
        QCOMPARE(storedSourceHash(target.filePath(QStringLiteral("data.mdb"))), before);
    }
};

EXAM_TEST_MAIN(OpeningTest)
#include "tst_opening.moc"
