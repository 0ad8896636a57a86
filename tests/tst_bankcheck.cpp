#include "app/startup.h"
#include "data/F_ado.h"
#include "data/bank.h"
#include "data/examgroups.h"
#include "data/paper.h"
#include "data/programfolder.h"
#include "data/sqlfile.h"
#include "data/tableobject.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringEncoder>
#include <memory>

namespace {

const QByteArray kHeader = "题号,分类编号,分类名称,C1题量,A2题量,A1题量,题型,题目,选项A,选项B,"
                           "选项C,选项D,答案,图片,解析,错误次数\n";

// A CSV of a complete small bank: one category giving all 100 questions of every paper,
// 40 true/false and 60 multiple-choice questions, and `extra` appended.
QByteArray completeCsv(const QByteArray &extra = {})
{
    QByteArray csv = kHeader;
    for (int n = 1; n <= 40; ++n)
        csv += QStringLiteral("%1,1,全部,100,100,100,判断,判断%1,,,,,%2,,解析,%3\n")
                   .arg(n)
                   .arg(n % 2 ? QStringLiteral("正确") : QStringLiteral("错误"))
                   .arg(n % 9)
                   .toUtf8();
    for (int n = 41; n <= 100; ++n)
        csv += QStringLiteral("%1,1,全部,100,100,100,选择,\"选择%1，含逗号, "
                              "与\"\"引号\"\"\",甲,乙,丙,丁,%2,,,%3\n")
                   .arg(n)
                   .arg(QChar(u'A' + n % 4))
                   .arg(n % 11)
                   .toUtf8();
    return csv + extra;
}

} // namespace

class BankCheckTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

    // Applies SQL to a fresh copy of a complete bank and returns what the validator says.
    QStringList validateAfter(const QStringList &statements)
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        {
            SqlFile db(m_folder->file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            for (const QString &sql : statements)
                db.exec(sql);
        }
        return validateBankDatabase(m_folder->file(QStringLiteral("data.mdb")));
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_folder.reset();
    }

    void aCompleteBankHasNoProblem() { QCOMPARE(validateAfter({}), QStringList()); }

    void validatorFindsEachKindOfProblem_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shares") << QStringList{"UPDATE sort SET scale0 = 35 WHERE sortId = 1"}
                                << "各分类题量合计为 95，应为 100";
        QTest::newRow("huge share")
            << QStringList{"UPDATE sort SET scale1 = 2000000000 WHERE sortId = 2"}
            << "各分类题量合计为 2000000070";
        QTest::newRow("negative share")
            << QStringList{"UPDATE sort SET scale2 = -1 WHERE sortId = 3"} << "不能为负数";
        QTest::newRow("too few true/false")
            << QStringList{"DELETE FROM subject WHERE sortId = 2 AND typeId = 1 AND subId > 2010"}
            << "有 10 道判断题，车型“C1、C2、C3、C4”的试卷需要 12 道";
        QTest::newRow("too few choice")
            << QStringList{"DELETE FROM subject WHERE subId BETWEEN 4021 AND 4040"}
            << "有 10 道选择题";
        QTest::newRow("option count") << QStringList{"DELETE FROM options WHERE optid = 10234"}
                                      << "subId=1023）：试题 1023 有 3 个选项，应为 4 个";
        QTest::newRow("no key") << QStringList{"UPDATE options SET iskey = 0 WHERE subid = 1030"}
                                << "试题 1030 有 0 个正确选项";
        QTest::newRow("two keys") << QStringList{"UPDATE options SET iskey = 1 WHERE subid = 1031"}
                                  << "试题 1031 有 4 个正确选项";
        QTest::newRow("key not 0 or 1")
            << QStringList{"UPDATE options SET iskey = 5 WHERE optid = 10322"} << "iskey 为 5";
        QTest::newRow("true/false order")
            << QStringList{"UPDATE options SET optcontent = '对' WHERE optid = 10011"}
            << "判断题 1001 的选项应依次为“正确”“错误”";
        QTest::newRow("bad type") << QStringList{"UPDATE subject SET typeId = 3 WHERE subId = 1002"}
                                  << "subId=1002）：题型 3 无效";
        QTest::newRow("null text")
            << QStringList{"CREATE TABLE s AS SELECT * FROM subject", "DROP TABLE subject",
                           "ALTER TABLE s RENAME TO subject",
                           "UPDATE subject SET subtitle = NULL WHERE subId = 1003"}
            << "列“subtitle”为空值";
        QTest::newRow("duplicate id")
            << QStringList{"CREATE TABLE s AS SELECT * FROM subject", "DROP TABLE subject",
                           "ALTER TABLE s RENAME TO subject",
                           "INSERT INTO subject SELECT * FROM subject WHERE subId = 1004"}
            << "题号 1004 重复";
        QTest::newRow("unknown category")
            << QStringList{"UPDATE subject SET sortId = 9 WHERE subId = 1005"}
            << "分类编号 9 不存在";
        QTest::newRow("option of no question")
            << QStringList{"INSERT INTO options VALUES (1, 77777, 'x', 0)"} << "试题 77777 不存在";
        QTest::newRow("duplicate option id")
            << QStringList{"UPDATE options SET optid = 10061 WHERE optid = 10062"}
            << "选项编号 10061 重复";
        QTest::newRow("missing picture")
            << QStringList{"UPDATE subject SET subpic = 'gone.jpg' WHERE subId = 1006"}
            << "找不到图片";
        QTest::newRow("picture path")
            << QStringList{"UPDATE subject SET subpic = '../data.mdb' WHERE subId = 1007"}
            << "图片名“../data.mdb”无效";
        QTest::newRow("empty picture name")
            << QStringList{"UPDATE subject SET subpic = '' WHERE subId = 1008"}
            << "没有图片时应为“NULL”";
        QTest::newRow("missing column")
            << QStringList{"ALTER TABLE sort DROP COLUMN scale2"} << "数据表“sort”缺少列“scale2”";
        QTest::newRow("missing table")
            << QStringList{"DROP TABLE options"} << "缺少数据表“options”";
        QTest::newRow("answer sheet default")
            << QStringList{"DROP TABLE note",
                           "CREATE TABLE note (noteId INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "subId INTEGER, optionid INTEGER, isright INTEGER DEFAULT 0)"}
            << "列“optionid”默认值应为 0";
        QTest::newRow("answer sheet key")
            << QStringList{"DROP TABLE note",
                           "CREATE TABLE note (noteId TEXT, subId INTEGER, "
                           "optionid INTEGER DEFAULT 0, isright INTEGER DEFAULT 0)"}
            << "自动递增的整数主键";
        QTest::newRow("answer sheet null")
            << QStringList{"DROP TABLE note",
                           "CREATE TABLE note (noteId INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "subId INTEGER, optionid INTEGER DEFAULT 0, isright INTEGER DEFAULT 0)",
                           "INSERT INTO note (subId, optionid) VALUES (1001, NULL)"}
            << "note 第 1 行：列“optionid”为空值";
        QTest::newRow("answer sheet question")
            << QStringList{"INSERT INTO note (subId) VALUES (999)"} << "试题 999 不存在";
    }

    void validatorFindsEachKindOfProblem()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, expected);
        const QStringList problems = validateAfter(statements);
        QVERIFY2(problems.join('\n').contains(expected), qPrintable(problems.join('\n')));
    }

    void brokenPictureAndNonBankFiles()
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        writeFile(m_folder->file(QStringLiteral("upload/e1010.jpg")), "not a picture");
        QVERIFY(validateBankDatabase(m_folder->file(QStringLiteral("data.mdb")))
                    .join('\n')
                    .contains(QStringLiteral("e1010.jpg")));
        writeFile(m_folder->file(QStringLiteral("data.mdb")), QByteArray(4096, 'x'));
        QVERIFY(validateBankDatabase(m_folder->file(QStringLiteral("data.mdb")))
                    .first()
                    .contains(QStringLiteral("不是有效的题库文件")));
        QVERIFY(validateBankDatabase(m_folder->file(QStringLiteral("none.mdb")))
                    .first()
                    .contains(QStringLiteral("找不到")));
    }

    void shippedBankValidates()
    {
        QTemporaryDir dir;
        buildBank(QStringLiteral(EXAM_SOURCE_DIR "/bank"), dir.path());
        const QStringList problems = validateBankDatabase(dir.filePath(QStringLiteral("data.mdb")));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void exportAndImportGiveTheSameBank()
    {
        QTemporaryDir dir;
        buildBank(QStringLiteral(EXAM_SOURCE_DIR "/bank"), dir.path());
        QStringList problems;
        const Bank shipped = readBankDatabase(dir.filePath(QStringLiteral("data.mdb")), &problems);
        QVERIFY(problems.isEmpty());
        const QString csv = dir.filePath(QStringLiteral("bank.csv"));
        writeBankCsv(shipped, csv);
        QTemporaryDir other;
        QVERIFY(QDir().rename(dir.filePath(QStringLiteral("upload")),
                              other.filePath(QStringLiteral("upload"))));
        importBank(csv, other.path());
        const Bank imported =
            readBankDatabase(other.filePath(QStringLiteral("data.mdb")), &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(imported.questions.size(), shipped.questions.size());
        QCOMPARE(imported.categories.size(), shipped.categories.size());
        for (int i = 0; i < shipped.questions.size(); ++i) {
            const BankQuestion &a = shipped.questions.at(i), &b = imported.questions.at(i);
            QCOMPARE(b.subId, a.subId);
            QCOMPARE(b.text, a.text);
            QCOMPARE(b.picture, a.picture);
            QCOMPARE(b.info, a.info);
            QCOMPARE(b.errorTimes, a.errorTimes);
            QCOMPARE(b.options.size(), a.options.size());
            for (int k = 0; k < a.options.size(); ++k) {
                QCOMPARE(b.options.at(k).text, a.options.at(k).text);
                QCOMPARE(b.options.at(k).key, a.options.at(k).key);
            }
        }
        QVERIFY(validateBankDatabase(other.filePath(QStringLiteral("data.mdb"))).isEmpty());
        const QString again = other.filePath(QStringLiteral("again.csv"));
        writeBankCsv(imported, again);
        QCOMPARE(readFile(again), readFile(csv));
    }

    void importReadsQuotesAndSpreadsheetEncodings()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.csv")), completeCsv());
        importBank(dir.filePath(QStringLiteral("a.csv")), dir.path());
        QStringList problems;
        Bank bank = readBankDatabase(dir.filePath(QStringLiteral("data.mdb")), &problems);
        QCOMPARE(bank.questions.size(), 100);
        QCOMPARE(bank.questions.at(41).text, QStringLiteral("选择42，含逗号, 与\"引号\""));
        QCOMPARE(bank.questions.at(0).options.at(0).text, QStringLiteral("正确"));
        QVERIFY(bank.questions.at(0).options.at(0).key);
        QVERIFY(!bank.questions.at(50).info.has_value());

        QStringEncoder gbk("GB18030");
        QVERIFY(gbk.isValid());
        const QByteArray gbkCsv = gbk(QString::fromUtf8(completeCsv()));
        writeFile(dir.filePath(QStringLiteral("gbk.csv")), gbkCsv);
        importBank(dir.filePath(QStringLiteral("gbk.csv")), dir.path());
        bank = readBankDatabase(dir.filePath(QStringLiteral("data.mdb")), &problems);
        QCOMPARE(bank.categories.first().name, QStringLiteral("全部"));
    }

    void brokenImportsNameTheLineAndWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("expected");
        QTest::newRow("header") << QByteArray("id,sort\n1,2\n") << ":1：第一行应为列名";
        QTest::newRow("columns") << completeCsv("101,1,全部,100,100,100,判断,x\n")
                                 << ":102：应有 16 列，实有 8 列";
        QTest::newRow("open quote") << completeCsv("101,1,全部,100,100,100,判断,\"x,,,,,正确,,,0\n")
                                    << ":102：引号没有结束";
        QTest::newRow("duplicate id")
            << completeCsv("7,1,全部,100,100,100,判断,重复,,,,,正确,,,0\n") << ":102：题号 7 重复";
        QTest::newRow("missing picture")
            << completeCsv("101,1,全部,100,100,100,判断,图,,,,,正确,none.jpg,,0\n") << "none.jpg";
        QTest::newRow("bad key") << completeCsv(
                                        "101,1,全部,100,100,100,选择,题,甲,乙,丙,丁,E,,,0\n")
                                 << ":102：答案“E”无效";
        QTest::newRow("bad number") << completeCsv("x1,1,全部,100,100,100,判断,题,,,,,正确,,,0\n")
                                    << ":102：题号“x1”应为 1 到";
        QTest::newRow("category disagrees")
            << completeCsv("101,1,其他,100,100,100,判断,题,,,,,正确,,,0\n")
            << ":102：分类编号 1 的名称或题量与";
        QTest::newRow("shares") << completeCsv("101,2,新,10,0,0,判断,题,,,,,正确,,,0\n")
                                << "题量合计为 110";
        QTest::newRow("type") << completeCsv("101,1,全部,100,100,100,问答,题,,,,,正确,,,0\n")
                              << ":102：题型应为";
    }

    void brokenImportsNameTheLineAndWriteNothing()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, expected);
        ProgramFolder folder;
        {
            SqlFile db(folder.file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            db.exec(QStringLiteral("INSERT INTO note (subId) VALUES (1001)"));
        }
        const QByteArray before = readFile(folder.file(QStringLiteral("data.mdb")));
        writeFile(folder.file(QStringLiteral("in.csv")), csv);
        const QString message =
            errorText([&] { importBank(folder.file(QStringLiteral("in.csv")), folder.path()); });
        QVERIFY2(message.contains(expected), qPrintable(message));
        QCOMPARE(readFile(folder.file(QStringLiteral("data.mdb"))), before);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("data.mdb.new"))));
    }

    void shippedBankDrawsPapersWithoutRepeats()
    {
        QTemporaryDir dir;
        buildBank(QStringLiteral(EXAM_SOURCE_DIR "/bank"), dir.path());
        setProgramFolder(dir.path());
        BoxAnswers boxes;
        createWindowSet();
        QVERIFY(boxes.shown().isEmpty());
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(exam::connstr);
        note.open();
        note.setSort(QStringLiteral("noteId"));
        quint32 seed = 1;
        QSet<QList<qint64>> papers;
        for (int group = 0; group < vehicleclass::kGroups; ++group) {
            for (int round = 0; round < 40; ++round) {
                PaperRandom random([&seed] { return seed++ * 2891336453u; });
                paper::drawPaper(*exam::ado->subject, *exam::ado->sort, note, random, group,
                                 vehicleclass::groupName(group));
                QList<qint64> ids;
                for (note.first(); !note.eof(); note.next())
                    ids.append(note.asInteger(QStringLiteral("subId")));
                QCOMPARE(ids.size(), 100);
                QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 100);
                papers.insert(ids);
            }
        }
        QCOMPARE(papers.size(), 120); // papers vary
    }
};

EXAM_TEST_MAIN(BankCheckTest)
#include "tst_bankcheck.moc"
