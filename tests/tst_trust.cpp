// The answer sheet can be trusted: every answer is stored against its own question, whatever
// goes wrong while a question is shown, and nothing a learner or a school puts beside the
// program (a broken picture, a FIFO, a locked or busy bank, huge ids, a spreadsheet with
// formulas) scores, loses or hangs anything.

#include "app/startup.h"
#include "data/F_ado.h"
#include "data/bank.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/sqlfile.h"
#include "data/tableobject.h"
#include "forms/F_ckct.h"
#include "forms/F_ksqr.h"
#include "forms/F_ksxz.h"
#include "forms/F_lxxc.h"
#include "forms/F_main.h"
#include "forms/F_mnks.h"
#include "forms/F_xxts.h"
#include "testsupport.h"

#include "data/examgroups.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <sys/stat.h>

namespace {

// Position 41 of the standard paper is multiple-choice question 1021; position 2 is
// true/false question 1002.
constexpr int kChoicePosition = 41;
constexpr qint64 kChoiceQuestion = 1021;

} // namespace

class TrustTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void start(const Bank &bank, const QList<qint64> &paper = standardPaper())
    {
        m_folder = std::make_unique<ProgramFolder>(bank);
        m_folder->activate();
        m_folder->writePaper(paper);
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
    }

    // The bank of examBank(), but question `subId` shows the picture file `name`, whatever
    // is (or is not) in upload/ under that name.
    void startWithPicture(qint64 subId, const QString &name)
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        {
            SqlFile db(m_folder->file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            QSqlQuery q =
                db.prepare(QStringLiteral("UPDATE subject SET subpic = ? WHERE subId = ?"));
            q.addBindValue(name);
            q.addBindValue(subId);
            db.run(q);
        }
        m_folder->activate();
        m_folder->writePaper(standardPaper());
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    void pictureFaultLeavesTheQuestionsOwnOptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("write");
        const QByteArray jpeg = jpegBytes(60, 40);
        QByteArray png;
        {
            QImage image(20, 20, QImage::Format_RGB32);
            image.fill(Qt::green);
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        QTest::newRow("missing") << QStringLiteral("gone.jpg") << QByteArray() << false;
        QTest::newRow("zero bytes") << QStringLiteral("empty.jpg") << QByteArray() << true;
        QTest::newRow("truncated")
            << QStringLiteral("cut.jpg") << jpeg.left(jpeg.size() / 2) << true;
        QTest::newRow("bogus bitmap header")
            << QStringLiteral("bogus.bmp") << QByteArray("BM\xff\xff\xff\x7f garbage", 16) << true;
        QTest::newRow("png named jpg") << QStringLiteral("png.jpg") << png << true;
        QTest::newRow("path out of upload")
            << QStringLiteral("../data.mdb") << QByteArray() << false;
    }

    // The picture's error is reported, and the answer that follows is one of this question's
    // options, not the last question's.
    void pictureFaultLeavesTheQuestionsOwnOptions()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, write);
        startWithPicture(kChoiceQuestion, name);
        if (write)
            writeFile(m_folder->file(QStringLiteral("upload/") + name), content);
        Tmnks *w = openExam(MockExam);
        QVERIFY(m_boxes->shown().isEmpty());
        QTest::keyClick(w->StringGrid1, Qt::Key_8, Qt::KeypadModifier); // question 41
        QCOMPARE(w->CurrentNo, kChoicePosition);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts().first().contains(name), qPrintable(m_boxes->texts().first()));
        QVERIFY(w->pic->isHidden());
        QVERIFY(w->lb2->caption().contains(QStringLiteral("答案%1").arg(kChoiceQuestion)));
        QCOMPARE(w->opt2->text(), QStringLiteral("B"));

        QTest::keyClick(w->StringGrid1, Qt::Key_2, Qt::KeypadModifier); // B
        const auto row = m_folder->paper().at(kChoicePosition - 1);
        QCOMPARE(row[0], kChoiceQuestion);
        QCOMPARE(row[1], kChoiceQuestion * 10 + 2);
        QCOMPARE(row[2], qint64(keySlot(kChoiceQuestion) == 1 ? 1 : 0));
    }

    // A question that cannot be shown at all (its row of the paper names no question of the
    // bank) takes no answer: nothing is stored in its row.
    void questionThatFailsToShowTakesNoAnswer()
    {
        QList<qint64> paper = standardPaper();
        paper[1] = 999999; // not in the bank
        start(examBank(), paper);
        Tmnks *w = openExam(MockExam);
        QTest::keyClick(w->StringGrid1, Qt::Key_4, Qt::KeypadModifier); // question 1, then 2
        QCOMPARE(w->CurrentNo, 2);
        QCOMPARE(m_boxes->shown().size(), 1);
        QTest::keyClick(w->StringGrid1, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(m_boxes->shown().size(), 2);
        QVERIFY2(m_boxes->texts().last().contains(QStringLiteral("没有保存")),
                 qPrintable(m_boxes->texts().last()));
        const auto sheet = m_folder->paper();
        QCOMPARE(sheet.at(0)[1], 10011);
        QCOMPARE(sheet.at(1)[1], 0);
        QCOMPARE(sheet.at(1)[2], 0);
    }

    // The review shows the options of the question whose picture failed, not the last one's.
    void reviewAfterAPictureFaultShowsItsOwnOptions()
    {
        startWithPicture(kChoiceQuestion, QStringLiteral("gone.jpg"));
        Tmnks *w = openExam(MockExam);
        for (int position = 1; position <= 100; ++position) {
            if (position == 1 || position == kChoicePosition)
                continue; // left unanswered: wrong
            w->CurrentNo = position;
            w->ShowQuestion();
            const int slot = keySlot(standardPaper().at(position - 1));
            PushButton *buttons[] = {w->opt1, w->opt2, w->opt3, w->opt4};
            buttons[slot]->click();
        }
        w->bt_jjClick();
        exam::ksqr->Button1Click();
        exam::xxts->Button2Click();
        Tckct *r = exam::ckct;
        QVERIFY(r->lb1->caption().contains(QStringLiteral("正确")));
        const auto boxes = m_boxes->shown().size();
        r->Button3->click(); // the multiple-choice question with the broken picture
        QCOMPARE(m_boxes->shown().size(), boxes + 1);
        QVERIFY(r->lb1->caption().startsWith(QStringLiteral("答案%1").arg(kChoiceQuestion)));
        QVERIFY(r->lb4->isVisible());
        QVERIFY(r->pic->isHidden());
    }

    // Ids beyond 32 bits are carried whole: the answer stored is the option's own id.
    void idsAboveTwoToTheThirtyOneEndToEnd()
    {
        const qint64 big = 3'000'000'000LL;
        Bank bank = examBank();
        for (BankQuestion &q : bank.questions) {
            if (q.subId == 1001)
                q.subId = big;
            if (q.subId == kChoiceQuestion)
                q.subId = big + 1;
        }
        QList<qint64> paper = standardPaper();
        paper[0] = big;
        paper[kChoicePosition - 1] = big + 1;
        start(bank, paper);
        QVERIFY(validateBankDatabase(m_folder->file(QStringLiteral("data.mdb"))).isEmpty());
        Tmnks *w = openExam(MockExam);
        QVERIFY2(m_boxes->shown().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
        QCOMPARE(w->OptIds[0], big * 10 + 1);
        QTest::keyClick(w->StringGrid1, Qt::Key_6, Qt::KeypadModifier); // ×: wrong for 1001's
        QTest::keyClick(w->StringGrid1, Qt::Key_8, Qt::KeypadModifier);
        QTest::keyClick(w->StringGrid1, Qt::Key_3, Qt::KeypadModifier); // C
        const auto sheet = m_folder->paper();
        QCOMPARE(sheet.at(0)[1], big * 10 + 2);
        QCOMPARE(sheet.at(kChoicePosition - 1)[1], (big + 1) * 10 + 3);
        QVERIFY(m_boxes->shown().isEmpty());

        w->bt_jjClick();
        exam::ksqr->Button1Click();
        exam::xxts->Button2Click();
        QVERIFY(exam::ckct->lb2->caption().contains(QStringLiteral("×")));
    }

    void idsTooLargeForTheProgramAreRefused()
    {
        Bank bank = examBank();
        bank.questions.first().subId = kMaxQuestionId + 1;
        const QStringList problems = checkBank(bank, QString());
        QVERIFY(!problems.filter(QStringLiteral("题号")).isEmpty());

        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("big.csv"));
        writeBankCsv(examBank(), csv);
        QByteArray content = readFile(csv);
        content.replace("\r\n1001,", "\r\n99999999999999999999,");
        writeFile(csv, content);
        const QString message = errorText([&] { readBankCsv(csv); });
        QVERIFY2(message.contains(QStringLiteral("题号“99999999999999999999”")),
                 qPrintable(message));
    }

    // A school's import while an exam is open changes nothing and says why; once the
    // program has ended the same import goes through.
    void importIsRefusedWhileTheBankIsInUse()
    {
        start(examBank());
        openExam(MockExam);
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("bank.csv"));
        Bank other = examBank();
        other.questions.removeLast();
        writeBankCsv(other, csv);
        const QString data = m_folder->file(QStringLiteral("data.mdb"));
        const QByteArray before = readFile(data);
        const QString message = errorText([&] { importBank(csv, m_folder->path()); });
        QVERIFY2(message.contains(QStringLiteral("正在被考试程序使用")), qPrintable(message));
        QCOMPARE(readFile(data), before);
        QVERIFY(!QFile::exists(data + QStringLiteral(".new")));
        QCOMPARE(m_folder->paper().size(), 100);

        destroyWindowSet();
        QCOMPARE(errorText([&] { importBank(csv, m_folder->path()); }), QString());
        QCOMPARE(m_folder->paper().size(), 0);
    }

    // A write that fails half-way leaves the old bank whole and no temporary file behind.
    void failedRebuildLeavesTheOldBank()
    {
        ProgramFolder folder(examBank());
        const QString data = folder.file(QStringLiteral("data.mdb"));
        const QByteArray before = readFile(data);
        Bank broken = examBank();
        broken.questions.append(broken.questions.first()); // the same id twice: the insert fails
        QVERIFY(!errorText([&] { writeBankDatabase(broken, data, 2); }).isEmpty());
        QCOMPARE(readFile(data), before);
        QVERIFY(!QFile::exists(data + QStringLiteral(".new")));
    }

    // Another process holding the bank locked gives a busy message at once, not a freeze and
    // not "invalid"; when the lock is gone the program goes on without a restart.
    void lockedBankAtStartUpRecovers()
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        auto other = std::make_unique<SqlFile>(m_folder->file(QStringLiteral("data.mdb")),
                                               SqlFile::ReadWrite);
        other->exec(QStringLiteral("BEGIN EXCLUSIVE"));
        QElapsedTimer timer;
        timer.start();
        createWindowSet();
        // One short wait for the lock (kBusyTimeoutMs), not the seconds it used to freeze.
        QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(m_boxes->shown().size() == 1, qPrintable(m_boxes->texts().join('\n')));
        QVERIFY2(m_boxes->texts().first().contains(QStringLiteral("正被其他程序占用")),
                 qPrintable(m_boxes->texts().first()));
        QVERIFY(!m_boxes->texts().first().contains(QStringLiteral("不是有效")));

        other->exec(QStringLiteral("ROLLBACK"));
        other.reset();
        exam::main->Image6Click(); // the practice chooser lists the categories
        QVERIFY2(m_boxes->shown().size() == 1, qPrintable(m_boxes->texts().join(QLatin1Char(10))));
        QCOMPARE(exam::lxxc->rgp->items().size(), 3);
        QVERIFY(exam::ado->subject->isOpen());
    }

    // A failure inside a transaction is reported as itself, not as the rollback's failure.
    void failedTransactionReportsTheFirstError()
    {
        ProgramFolder folder(examBank());
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(folder.connectionString());
        note.open();
        const QString message = errorText(
            [&] { note.transaction([] { throw ExamError(QStringLiteral("抽题失败")); }); });
        QCOMPARE(message, QStringLiteral("抽题失败"));
        QVERIFY(note.isOpen());
    }

    void settingsThatAreNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
        QTest::newRow("folder") << QStringLiteral("folder");
    }

    // A FIFO, an endless device or a folder as system.ini gives the defaults at once.
    void settingsThatAreNoFile()
    {
        QFETCH(QString, kind);
        start(examBank());
        const QString ini = m_folder->file(QStringLiteral("system.ini"));
        QFile::remove(ini);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        else if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ini));
        else
            QVERIFY(QDir().mkpath(ini));
        QElapsedTimer timer;
        timer.start();
        Tmnks *w = openExam(MockExam);
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(w->atime->caption(), QStringLiteral("90:00"));
        QCOMPARE(w->PassMark, 90);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void picturesThatAreNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
    }

    void picturesThatAreNoFile()
    {
        QFETCH(QString, kind);
        const QString name = QStringLiteral("odd.jpg");
        startWithPicture(kChoiceQuestion, name);
        const QString path = m_folder->file(QStringLiteral("upload/") + name);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        Tmnks *w = openExam(MockExam);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(w->StringGrid1, Qt::Key_8, Qt::KeypadModifier);
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts().first().contains(QStringLiteral("“%1”不是普通文件").arg(path)),
                 qPrintable(m_boxes->texts().first()));
    }

    void extremeDurationsNeverWrap_data()
    {
        QTest::addColumn<QByteArray>("alltime");
        QTest::newRow("lowest int") << QByteArray("-2147483648");
        QTest::newRow("negative") << QByteArray("-5");
        QTest::newRow("zero") << QByteArray("0");
    }

    // A duration of 0 or less is an exam without a time limit: ticks change nothing.
    void extremeDurationsNeverWrap()
    {
        QFETCH(QByteArray, alltime);
        start(examBank());
        m_folder->writeSettings("alltime=" + alltime + "\nmark=90\n");
        Tmnks *w = openExam(MockExam);
        const int start = w->TimeLeft;
        const QString shown = w->atime->caption();
        for (int i = 0; i < 5; ++i)
            w->Timer1Timer();
        QCOMPARE(w->TimeLeft, start);
        QCOMPARE(w->atime->caption(), shown);
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(!exam::xxts);
    }

    // Cells that a spreadsheet would run as a formula are exported as text and imported back
    // as they were.
    void formulaCellsSurviveExportAndImport()
    {
        Bank bank = examBank();
        const QStringList risky = {QStringLiteral("=1+1"),      QStringLiteral("+86 110"),
                                   QStringLiteral("-5℃以下"),   QStringLiteral("@全部"),
                                   QStringLiteral("'=SUM(A1)"), QStringLiteral("'普通文字")};
        BankQuestion &q = bank.questions[30]; // a multiple-choice question
        for (int k = 0; k < 4; ++k)
            q.options[k].text = risky.at(k);
        q.text = risky.at(4);
        q.info = risky.at(5);
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        writeBankCsv(bank, csv);
        const QString text = QString::fromUtf8(readFile(csv));
        QVERIFY(text.contains(QStringLiteral(",'=1+1,")));
        QVERIFY(text.contains(QStringLiteral(",'+86 110,")));
        QVERIFY(!text.contains(QStringLiteral(",=1+1")));
        const Bank back = readBankCsv(csv);
        const BankQuestion &r = back.questions.at(30);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(r.options.at(k).text, risky.at(k));
        QCOMPARE(r.text, risky.at(4));
        QCOMPARE(r.info.value_or(QString()), risky.at(5));
    }

    // One stray byte in a UTF-8 spreadsheet is reported at its line.
    void strayByteInUtf8IsReportedAtItsLine()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("stray.csv"));
        writeBankCsv(examBank(), csv);
        QByteArray content = readFile(csv);
        int line = 1;
        qsizetype at = 0;
        for (; line < 37; ++line)
            at = content.indexOf('\n', at) + 1;
        content.insert(at + 2, '\xff');
        writeFile(csv, content);
        const QString message = errorText([&] { readBankCsv(csv); });
        QVERIFY2(message.contains(QStringLiteral(":37：")) &&
                     message.contains(QStringLiteral("UTF-8")),
                 qPrintable(message));
    }

    // The files a writer killed in the middle of a change leaves: the bank with some of the
    // change written into it, and the journal that undoes it.
    void crashImage(const QString &folder)
    {
        ProgramFolder bank(examBank());
        const QString data = bank.file(QStringLiteral("data.mdb"));
        SqlFile writer(data, SqlFile::ReadWrite);
        writer.exec(QStringLiteral("PRAGMA cache_size = 2")); // the change spills into the file
        writer.exec(QStringLiteral("BEGIN"));
        writer.exec(QStringLiteral("UPDATE subject SET subtitle = 'half' || subtitle"));
        writer.exec(QStringLiteral("UPDATE options SET optcontent = 'half'"));
        QVERIFY(QFileInfo(data + QStringLiteral("-journal")).size() > 0);
        for (const QString &name : {QStringLiteral("data.mdb"), QStringLiteral("data.mdb-journal"),
                                    QStringLiteral("Security.mdw")})
            QVERIFY(QFile::copy(bank.file(name), folder + QLatin1Char('/') + name));
        QDir(folder).mkpath(QStringLiteral("upload"));
        for (const QString &name : QDir(bank.file(QStringLiteral("upload"))).entryList(QDir::Files))
            QFile::copy(bank.file(QStringLiteral("upload/") + name),
                        folder + QStringLiteral("/upload/") + name);
        writer.exec(QStringLiteral("ROLLBACK"));
    }

    // The bank tool, like the program, rolls a killed writer's half change back before it
    // reads: validate and export see the bank as it was.
    void readersRecoverAHotJournal()
    {
        QTemporaryDir dir;
        crashImage(dir.path());
        const QString data = dir.filePath(QStringLiteral("data.mdb"));
        {
            // Without its journal the file would show the half change.
            QTemporaryDir bare;
            QFile::copy(data, bare.filePath(QStringLiteral("data.mdb")));
            QStringList problems;
            const Bank torn =
                readBankDatabase(bare.filePath(QStringLiteral("data.mdb")), &problems);
            bool half = false;
            for (const BankQuestion &q : torn.questions)
                half = half || q.text.startsWith(QLatin1String("half"));
            QVERIFY(half);
        }
        QCOMPARE(validateBankDatabase(data), QStringList());
        QVERIFY(!QFileInfo(data + QStringLiteral("-journal")).exists() ||
                QFileInfo(data + QStringLiteral("-journal")).size() == 0);
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        QStringList problems;
        writeBankCsv(readBankDatabase(data, &problems), csv);
        QVERIFY(problems.isEmpty());
        const QByteArray exported = readFile(csv);
        QVERIFY(!exported.contains("half"));
        QVERIFY(exported.contains("考题1001"));
    }

    // In a folder that cannot be written the journal cannot be played back: the message says
    // so and names it, instead of calling the bank broken.
    void hotJournalInAReadOnlyFolderIsNamed()
    {
        QTemporaryDir dir;
        crashImage(dir.path());
        const QString data = dir.filePath(QStringLiteral("data.mdb"));
        ReadOnly lock(dir.path());
        if (!lock.ok())
            QSKIP("this machine cannot make a folder read-only for the test (no chattr for root)");
        const QString message = validateBankDatabase(data).join(QLatin1Char('\n'));
        QVERIFY2(message.contains(data + QStringLiteral("-journal")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("不可写")), qPrintable(message));
    }

    // A table far larger than any bank is refused at once with the limit named, instead of
    // filling the memory while the learner waits.
    void tableBeyondTheLimitIsRefused()
    {
        ProgramFolder folder(examBank());
        {
            SqlFile db(folder.file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            db.exec(QStringLiteral("BEGIN"));
            db.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n "
                                   "WHERE x < %1) INSERT INTO note (subId) SELECT 1001 FROM n")
                        .arg(TableObject::kMaxRows + 1));
            db.exec(QStringLiteral("COMMIT"));
        }
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(folder.connectionString());
        QElapsedTimer timer;
        timer.start();
        const QString message = errorText([&] { note.open(); });
        QVERIFY2(message.contains(QString::number(TableObject::kMaxRows)), qPrintable(message));
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(!note.isOpen());
    }

    // Every connection the program and the tool open commits durably.
    void everyWritingConnectionSyncsItsCommits()
    {
        start(examBank());
        openExam(MockExam);
        SqlFile created(m_folder->file(QStringLiteral("other.db")), SqlFile::Create);
        SqlFile reading(m_folder->file(QStringLiteral("data.mdb")), SqlFile::Read);
        const QStringList names = QSqlDatabase::connectionNames();
        QVERIFY(names.size() >= 6); // subject, sort, options, note, and the two above
        for (const QString &name : names) {
            QSqlQuery q(QSqlDatabase::database(name));
            QVERIFY(q.exec(QStringLiteral("PRAGMA synchronous")) && q.next());
            QVERIFY2(q.value(0).toInt() == 3,
                     qPrintable(name + QLatin1Char(32) +
                                QSqlDatabase::database(name).databaseName())); // EXTRA
        }
    }
};

EXAM_TEST_MAIN(TrustTest)
#include "tst_trust.moc"
