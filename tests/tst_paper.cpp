#include "app/startup.h"
#include "data/F_ado.h"
#include "data/errors.h"
#include "data/examgroups.h"
#include "data/paper.h"
#include "data/tableobject.h"
#include "forms/F_ksxz.h"
#include "forms/F_main.h"
#include "forms/F_mnks.h"
#include "forms/F_xccx.h"
#include "testsupport.h"

#include <QComboBox>
#include <QMap>
#include <memory>

namespace {

// A counter that counts up from a fixed start, so that a paper can be replayed.
struct FixedCounter {
    quint32 next;
    int calls = 0;
    quint32 operator()()
    {
        ++calls;
        return next++ * 2654435761u;
    }
};

int categoryOf(qint64 subId)
{
    return int(subId / 1000);
}

bool isTrueFalse(qint64 subId)
{
    return subId % 1000 <= 20;
}

} // namespace

class PaperTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void start(const Bank &bank = examBank())
    {
        m_folder = std::make_unique<ProgramFolder>(bank);
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // Draws a paper for `group` on the open tables of the data module.
    void draw(int group, PaperRandom &random)
    {
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(exam::connstr);
        note.open();
        note.setSort(QStringLiteral("noteId"));
        paper::drawPaper(*exam::ado->subject, *exam::ado->sort, note, random, group,
                         vehicleclass::groupName(group));
    }

    QList<qint64> paperIds() const
    {
        QList<qint64> ids;
        for (const auto &row : m_folder->paper())
            ids.append(row[0]);
        return ids;
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    void generatorFollowsTheLinearCongruence()
    {
        PaperRandom random([] { return 1u; });
        random.reseed();
        QCOMPARE(random.below(100), quint32((quint64(134775814u) * 100) >> 32));
        QCOMPARE(random.seed(), 134775814u);
        random.reseed();
        for (int i = 0; i < 1000; ++i)
            QVERIFY(random.below(7) < 7);
        QCOMPARE(random.below(1), 0u);
        QVERIFY(PaperRandom::systemCounter() != PaperRandom::systemCounter());
    }

    void papersFollowTheSharesOfEachGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("shares");
        QTest::newRow("C1") << 0 << QList<int>{40, 30, 30, 0};
        QTest::newRow("A2") << 1 << QList<int>{40, 30, 30, 0};
        QTest::newRow("A1") << 2 << QList<int>{40, 30, 0, 30};
    }

    void papersFollowTheSharesOfEachGroup()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, shares);
        start();
        FixedCounter counter{17};
        PaperRandom random(std::ref(counter));
        draw(group, random);
        const QList<qint64> ids = paperIds();
        QCOMPARE(ids.size(), 100);
        QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 100); // no repeats
        QMap<int, int> trueFalse, choice;
        for (qint64 id : ids)
            (isTrueFalse(id) ? trueFalse : choice)[categoryOf(id)]++;
        for (int s = 1; s <= 4; ++s) {
            const int a = shares.at(s - 1);
            QCOMPARE(trueFalse.value(s), a * 4 / 10);
            QCOMPARE(choice.value(s), a - a * 4 / 10);
        }
        // The true/false block first, each block in ascending category order.
        QList<int> order;
        for (qint64 id : ids)
            order.append((isTrueFalse(id) ? 0 : 10) + categoryOf(id));
        QVERIFY(std::is_sorted(order.begin(), order.end()));
        QVERIFY(counter.calls >= 100);
    }

    void fortyPercentRoundsDown()
    {
        Bank bank = examBank();
        const int shares[] = {1, 3, 5, 10};
        for (int s = 0; s < 4; ++s)
            bank.categories[s].scale[0] = shares[s];
        start(bank);
        PaperRandom random;
        draw(0, random);
        QMap<int, QPair<int, int>> counts;
        for (qint64 id : paperIds())
            (isTrueFalse(id) ? counts[categoryOf(id)].first : counts[categoryOf(id)].second)++;
        QCOMPARE(counts.value(1), qMakePair(0, 1));
        QCOMPARE(counts.value(2), qMakePair(1, 2));
        QCOMPARE(counts.value(3), qMakePair(2, 3));
        QCOMPARE(counts.value(4), qMakePair(4, 6));
    }

    void aReplayedSeedGivesTheSamePaper()
    {
        start();
        FixedCounter first{99};
        PaperRandom a(std::ref(first));
        draw(0, a);
        const QList<qint64> paper = paperIds();
        FixedCounter second{99};
        PaperRandom b(std::ref(second));
        draw(0, b);
        QCOMPARE(paperIds(), paper);
        FixedCounter other{5};
        PaperRandom c(std::ref(other));
        draw(0, c);
        QVERIFY(paperIds() != paper);
        QCOMPARE(paperIds().size(), 100); // only the last paper is in the sheet
    }

    void aOneQuestionSetRepeatsAfterElevenDraws()
    {
        Bank bank = examBank();
        bank.categories[3].scale[0] = 2; // two multiple-choice questions from one
        bank.categories[0].scale[0] = 38;
        bank.questions.erase(
            std::remove_if(bank.questions.begin(), bank.questions.end(),
                           [](const BankQuestion &q) { return q.sortId == 4 && q.subId != 4021; }),
            bank.questions.end());
        start(bank);
        PaperRandom plain;
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(exam::connstr);
        note.open();
        FixedCounter counter{3};
        PaperRandom random(std::ref(counter));
        paper::drawQuestions(*exam::ado->subject, note, random, 2, 4, 2, QStringLiteral("四"));
        note.post();
        QCOMPARE(counter.calls, 1 + 11);
        QCOMPARE(paperIds(), (QList<qint64>{4021, 4021}));
        Q_UNUSED(plain);
    }

    void aCategoryWithoutQuestionsOfATypeStopsTheDraw()
    {
        Bank bank = examBank();
        bank.questions.erase(
            std::remove_if(bank.questions.begin(), bank.questions.end(),
                           [](const BankQuestion &q) { return q.sortId == 2 && q.typeId == 1; }),
            bank.questions.end());
        start(bank);
        m_folder->writePaper({1001, 1002, 1003});
        PaperRandom random;
        TableObject note(QStringLiteral("note"));
        note.setConnectionString(exam::connstr);
        note.open();
        note.setSort(QStringLiteral("noteId"));
        const QString message = errorText([&] {
            paper::drawPaper(*exam::ado->subject, *exam::ado->sort, note, random, 0,
                             vehicleclass::groupName(0));
        });
        QVERIFY2(message.contains(QStringLiteral("考试分类2")) &&
                     message.contains(QStringLiteral("判断题")),
                 qPrintable(message));
        // Nothing of the broken draw is kept: the last paper stands, in the file and the table.
        QCOMPARE(paperIds(), (QList<qint64>{1001, 1002, 1003}));
        QCOMPARE(note.recordCount(), 3);
        QCOMPARE(note.asInteger(QStringLiteral("subId")), 1001);
    }

    void aGroupWithoutSharesKeepsTheLastPaper()
    {
        Bank bank = examBank();
        for (BankCategory &c : bank.categories)
            c.scale[1] = 0;
        bank.categories[0].scale[2] = -5;
        start(bank);
        m_folder->writePaper({1001, 1002});
        PaperRandom random;
        QString message = errorText([&] { draw(1, random); });
        QVERIFY2(message.contains(QStringLiteral("A2、B2")), qPrintable(message));
        QCOMPARE(paperIds(), (QList<qint64>{1001, 1002}));
        draw(2, random); // negative shares give nothing; the rest still draws
        QCOMPARE(paperIds().size(), 60);
    }

    void aShareLargerThanThePaperIsRefused()
    {
        Bank bank = examBank();
        bank.categories[1].scale[0] = 2000000000;
        bank.categories[2].scale[0] = -2000000000;
        start(bank);
        m_folder->writePaper({1001});
        PaperRandom random;
        const QString message = errorText([&] { draw(0, random); });
        QVERIFY2(message.contains(QStringLiteral("2000000000")) &&
                     message.contains(QStringLiteral("考试分类2")),
                 qPrintable(message));
        QCOMPARE(paperIds(), QList<qint64>{1001});
    }

    void chooserKeysCycleConfirmAndCancel()
    {
        start();
        exam::main->Image8Click();
        Txccx *chooser = exam::xccx;
        QCOMPARE(chooser->ComboBox1->currentIndex(), 0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(chooser->ComboBox1, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(chooser->ComboBox1->currentIndex(), 0);
        QTest::keyClick(chooser->ComboBox1, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(chooser->ComboBox1, Qt::Key_Period, Qt::KeypadModifier);
        QVERIFY(!chooser->isVisible());
        QVERIFY(!exam::ksxz);

        exam::main->Image9Click();
        QCOMPARE(chooser->ComboBox1->currentIndex(), 1); // kept between uses
        QTest::keyClick(chooser->ComboBox1, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(chooser->ComboBox1, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(chooser->ComboBox1->currentIndex(), 0);
        QTest::keyClick(chooser->ComboBox1, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!chooser->isVisible());
        QVERIFY(exam::ksxz && exam::ksxz->isVisible());
        QCOMPARE(exam::ksxz->Tag, 1);
    }

    void enterOnTheNoticeStartsTheExam_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("label");
        QTest::newRow("C1 mock exam") << 0 << 2 << "考试车型：C1";
        QTest::newRow("A2 mock exam") << 1 << 2 << "考试车型：A2";
        QTest::newRow("A2 study run") << 1 << 1 << "考试车型：A2";
        QTest::newRow("A1 study run") << 2 << 1 << "考试车型：A1";
    }

    void enterOnTheNoticeStartsTheExam()
    {
        QFETCH(int, group);
        QFETCH(int, mode);
        QFETCH(QString, label);
        start();
        (mode == 1 ? exam::main->Image9Click() : exam::main->Image8Click());
        exam::xccx->ComboBox1->setCurrentIndex(group);
        exam::xccx->Button1Click();
        Tksxz *notice = exam::ksxz;
        QCOMPARE(notice->focusWidget(), notice->BitBtn1);
        QTest::keyClick(notice->BitBtn1, Qt::Key_Return);
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(!notice->isVisible());
        QVERIFY(!notice->ADO_note->isOpen());
        QVERIFY(exam::mnks && exam::mnks->isVisible());
        QCOMPARE(exam::mnks->lb_kscx->caption(), label);
        QCOMPARE(exam::mnks->Tag, mode);
        QCOMPARE(paperIds().size(), 100);
    }

    void aFailedDrawOpensNoExamWindow()
    {
        Bank bank = examBank();
        bank.questions.erase(std::remove_if(bank.questions.begin(), bank.questions.end(),
                                            [](const BankQuestion &q) { return q.sortId == 3; }),
                             bank.questions.end());
        start(bank);
        exam::main->Image8Click();
        exam::xccx->Button1Click();
        exam::ksxz->BitBtn1->click();
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts().first().contains(QStringLiteral("考试分类3")),
                 qPrintable(m_boxes->texts().first()));
        QVERIFY(!exam::mnks);
        QVERIFY(exam::ksxz->isVisible());
    }
};

EXAM_TEST_MAIN(PaperTest)
#include "tst_paper.moc"
