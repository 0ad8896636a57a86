#include "app/startup.h"
#include "data/F_ado.h"
#include "forms/F_ckct.h"
#include "forms/F_ksqr.h"
#include "forms/F_ksxz.h"
#include "forms/F_main.h"
#include "forms/F_mnks.h"
#include "forms/F_xccx.h"
#include "forms/F_xxts.h"
#include "testsupport.h"

#include <QFile>
#include <QTimer>
#include <memory>

class ResultTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;
    QPointer<Tmnks> w;

    void start(int mode = MockExamMode, const QByteArray &settings = "alltime=2700\nmark=90\n")
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        m_folder->activate();
        m_folder->writePaper(standardPaper());
        m_folder->writeSettings(settings);
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        exam::main->Show();
        w = openExam(mode);
    }

    // Answers the first `right` positions correctly and the next `wrong` ones wrongly.
    void answer(int right, int wrong = 0)
    {
        for (int position = 1; position <= right + wrong; ++position) {
            w->CurrentNo = position;
            w->ShowQuestion();
            const int key = keySlot(standardPaper().at(position - 1));
            const int options = position <= 40 ? 2 : 4;
            const int slot = position <= right ? key : (key + 1) % options;
            PushButton *buttons[] = {w->opt1, w->opt2, w->opt3, w->opt4};
            buttons[slot]->click();
        }
    }

    Txxts *handIn()
    {
        w->bt_jjClick();
        exam::ksqr->Button1Click();
        return exam::xxts;
    }

    QStringList rowCaptions(Tckct *review) const
    {
        QStringList out;
        for (TextLabel *row : {review->lb1, review->lb2, review->lb3, review->lb4})
            out.append(row->isHidden() ? QStringLiteral("-") : row->caption());
        return out;
    }

    static constexpr int StudyRunMode = 1;
    static constexpr int MockExamMode = 2;

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    void scoreAndVerdict_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("verdict");
        const QString pass = QStringLiteral("恭喜您，考试合格！！");
        const QString fail = QStringLiteral("考试不合格，还需要努力！！");
        QTest::newRow("nothing answered") << QByteArray("alltime=2700\nmark=90") << 0 << 0 << fail;
        QTest::newRow("89 right") << QByteArray("alltime=2700\nmark=90") << 89 << 11 << fail;
        QTest::newRow("90 right") << QByteArray("alltime=2700\nmark=90") << 90 << 0 << pass;
        QTest::newRow("no settings: mark 90") << QByteArray() << 89 << 0 << fail;
        QTest::newRow("80 right, mark 80")
            << QByteArray("alltime=2700\nmark=80") << 80 << 20 << pass;
        QTest::newRow("79 right, mark 80")
            << QByteArray("alltime=2700\nmark=80") << 79 << 0 << fail;
    }

    void scoreAndVerdict()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, verdict);
        start(MockExamMode, settings);
        answer(right, wrong);
        Txxts *result = handIn();
        QVERIFY(result && result->isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(result->lbksfs->caption(), QString::number(right));
        QCOMPARE(result->lb_ksjg->caption(), verdict);
        QCOMPARE(result->lb_tsxx->caption(), QStringLiteral("您的本次模拟考试成绩为："));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void studyRunHeading()
    {
        start(StudyRunMode);
        Txxts *result = handIn();
        QCOMPARE(result->lb_tsxx->caption(), QStringLiteral("您的本次学习成绩为："));
        QCOMPARE(result->lbksfs->caption(), QStringLiteral("0"));
    }

    void onlyTheLastAnswerCounts()
    {
        start();
        answer(0, 1);
        answer(1);
        QCOMPARE(handIn()->lbksfs->caption(), QStringLiteral("1"));
    }

    void submissionKeys()
    {
        start();
        answer(3);
        w->CurrentNo = 17;
        w->ShowQuestion();
        const int timeLeft = w->TimeLeft;
        QTest::keyClick(w->StringGrid1, Qt::Key_Slash, Qt::KeypadModifier);
        Tksqr *dialog = exam::ksqr;
        QVERIFY(dialog && dialog->isVisible());
        w->Timer1Timer(); // the clock runs on under the dialog
        QTest::keyClick(dialog, Qt::Key_Period, Qt::KeypadModifier);
        QVERIFY(!dialog->isVisible());
        QVERIFY(w->isVisible());
        QCOMPARE(w->CurrentNo, 17);
        QCOMPARE(w->TimeLeft, timeLeft - 1);
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->StringGrid1->cellText(0, 2), QStringLiteral("3√"));
        QVERIFY(!exam::xxts);

        w->bt_jjClick();
        QTest::keyClick(exam::ksqr, Qt::Key_0, Qt::KeypadModifier);
        QVERIFY(exam::xxts && exam::xxts->isVisible());
        QCOMPARE(exam::xxts->lbksfs->caption(), QStringLiteral("3"));
        QVERIFY(!w->Timer1->isActive()); // handed in: the clock has stopped
    }

    void resultKeysEndTheExam()
    {
        start();
        Txxts *result = handIn();
        QPointer<Tksxz> notice = exam::ksxz.data();
        QTest::keyClick(result, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(w.isNull());
        QVERIFY(notice.isNull());
        QVERIFY(!result->isVisible());
        QVERIFY(!exam::ckct);
        QVERIFY(exam::main->isVisible());

        start();
        answer(0, 2);
        result = handIn();
        QTest::keyClick(result, Qt::Key_Period, Qt::KeypadModifier);
        QVERIFY(w.isNull());
        QVERIFY(exam::ckct && exam::ckct->isVisible());
        QCOMPARE(exam::ckct->ado_note->recordCount(), 100);
    }

    void timeUpGivesTheSameResultOnce()
    {
        start(MockExamMode, "alltime=3\nmark=90\n");
        answer(2);
        w->bt_jjClick(); // a submission dialog is open when the time runs out
        QPointer<Tksqr> dialog = exam::ksqr.data();
        for (int i = 0; i < 3; ++i)
            w->Timer1Timer();
        QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("时间到！")});
        QVERIFY(exam::xxts && exam::xxts->isVisible());
        QCOMPARE(exam::xxts->lbksfs->caption(), QStringLiteral("2"));
        QVERIFY(!w->isVisible());
        QVERIFY(dialog.isNull() || !dialog->isVisible());
        Txxts *result = exam::xxts;
        w->Timer1Timer();
        w->HandIn();
        QCOMPARE(exam::xxts.data(), result); // one result per exam
        QCOMPARE(m_boxes->shown().size(), 1);
    }

    void windowsAreDestroyedOnceWhateverTheOrder()
    {
        start();
        w->bt_jjClick();
        QPointer<Tksqr> first = exam::ksqr.data();
        w->bt_jjClick(); // a second submission dialog replaces the first
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        Tksqr *second = exam::ksqr;
        second->Button1Click();
        Txxts *result = exam::xxts;
        result->Button1Click();
        result->Button2Click(); // pressed again: the exam is already gone
        QVERIFY(w.isNull());
        QVERIFY(exam::ckct);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void anOldResultLeavesANewExamAlone()
    {
        start();
        Txxts *old = handIn();
        createForm(exam::ksxz);
        Tmnks *next = createForm(exam::mnks);
        old->Button1Click();
        QCOMPARE(exam::mnks.data(), next);
        QVERIFY(exam::ksxz);
    }
};

EXAM_TEST_MAIN(ResultTest)
#include "tst_result.moc"
