#include "app/startup.h"
#include "data/F_ado.h"
#include "forms/F_ksxz.h"
#include "forms/F_mnks.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QFile>
#include <QTimer>
#include <memory>

class ExamWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;
    Tmnks *w = nullptr;

    void start(int mode = 2, const QByteArray &settings = "alltime=2700\nmark=90\n",
               const QList<qint64> &paper = standardPaper(), const Bank &bank = examBank())
    {
        m_folder = std::make_unique<ProgramFolder>(bank);
        m_folder->activate();
        m_folder->writePaper(paper);
        m_folder->writeSettings(settings);
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        w = openExam(mode);
        QVERIFY2(m_boxes->shown().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    }

    void key(Qt::Key k) { QTest::keyClick(w->StringGrid1, k, Qt::KeypadModifier); }

    std::array<qint64, 3> row(int position) const { return m_folder->paper().at(position - 1); }

    QString cell(int number) const
    {
        return w->StringGrid1->cellText((number - 1) / 20, (number - 1) % 20);
    }

    void clickCell(int number)
    {
        const QRect r = w->StringGrid1->visualItemRect(
            w->StringGrid1->item((number - 1) / 20, (number - 1) % 20));
        QTest::mouseClick(w->StringGrid1->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
        w = nullptr;
    }

    void startsOnQuestionOne()
    {
        start();
        QCOMPARE(w->CurrentNo, 1);
        QCOMPARE(w->Note->caption(), QStringLiteral("1、考题1001"));
        QVERIFY(!w->bt_Prior->isEnabled());
        QVERIFY(w->bt_next->isEnabled());
        QCOMPARE(w->StringGrid1->currentRow(), 0);
        QCOMPARE(w->StringGrid1->currentColumn(), 0);
        QCOMPARE(w->da->caption(), QString());
        QCOMPARE(w->info->caption(), QStringLiteral("判断题，请判断对错"));
        QCOMPARE(w->opt1->text(), QStringLiteral("√"));
        QCOMPARE(w->opt2->text(), QStringLiteral("×"));
        QVERIFY(w->opt3->isHidden() && w->opt4->isHidden());
        QVERIFY(w->lb1->isHidden() && w->lb2->isHidden());
        QVERIFY(w->autoshow->isHidden() && w->bt_show->isHidden());
        QCOMPARE(w->atime->caption(), QStringLiteral("45:00"));
        QCOMPARE(w->PassMark, 90);
        QCOMPARE(cell(1), QStringLiteral("1"));
        QCOMPARE(cell(100), QStringLiteral("100"));
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 1000);
        QCOMPARE(w->size(), QSize(792, 576)); // a 1-pixel frame around the client area
        QCOMPARE(w->client->geometry(), QRect(1, 1, 790, 574));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void keypadAnswersTrueFalseQuestions()
    {
        start();
        key(Qt::Key_4); // question 1001: the statement is right
        QCOMPARE(cell(1), QStringLiteral("1√"));
        QCOMPARE(row(1), (std::array<qint64, 3>{1001, 10011, 1}));
        QCOMPARE(w->CurrentNo, 2);
        QCOMPARE(w->StringGrid1->currentColumn(), 1);
        QCOMPARE(w->da->caption(), QString());
        key(Qt::Key_4); // question 1002 is wrong: "√" is a wrong answer
        QCOMPARE(row(2), (std::array<qint64, 3>{1002, 10021, 0}));
        key(Qt::Key_6);
        QCOMPARE(cell(3), QStringLiteral("3×"));
        QCOMPARE(row(3), (std::array<qint64, 3>{1003, 10032, 0}));
        QCOMPARE(w->CurrentNo, 4);
        for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_5})
            key(k); // choice keys do nothing on a true/false question
        QCOMPARE(w->CurrentNo, 4);
        QCOMPARE(row(4), (std::array<qint64, 3>{1004, 0, 0}));
    }

    void keypadAnswersChoiceQuestions()
    {
        start();
        key(Qt::Key_8);
        QCOMPARE(w->CurrentNo, 41);
        QCOMPARE(w->info->caption(), QStringLiteral("选择题，请选择你认为正确的答案"));
        QCOMPARE(w->lb1->caption(), QStringLiteral("A 答案1021-1"));
        QVERIFY(!w->lb4->isHidden() && !w->opt3->isHidden() && !w->opt4->isHidden());
        const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_5};
        const QString letters[] = {"A", "B", "C", "D"};
        for (int slot = 0; slot < 4; ++slot) {
            const int position = 41 + slot;
            const int subId = 1021 + slot;
            key(keys[slot]);
            QCOMPARE(cell(position), QString::number(position) + letters[slot]);
            QCOMPARE(row(position), (std::array<qint64, 3>{subId, subId * 10 + slot + 1,
                                                           keySlot(subId) == slot ? 1 : 0}));
        }
        QCOMPARE(w->CurrentNo, 45);
        key(Qt::Key_4);
        key(Qt::Key_6); // true/false keys do nothing here
        QCOMPARE(w->CurrentNo, 45);
    }

    void buttonsAnswerAndAnsweringAgainOverwrites()
    {
        start();
        key(Qt::Key_8);
        QTest::mouseClick(w->opt1, Qt::LeftButton);
        QCOMPARE(w->CurrentNo, 42);
        key(Qt::Key_Minus);
        QCOMPARE(w->CurrentNo, 41);
        QCOMPARE(w->da->caption(), QStringLiteral("A"));
        QTest::mouseClick(w->opt3, Qt::LeftButton);
        QCOMPARE(cell(41), QStringLiteral("41C"));
        QCOMPARE(row(41), (std::array<qint64, 3>{1021, 10213, 0}));
        key(Qt::Key_Minus);
        QTest::mouseClick(w->opt2, Qt::LeftButton); // 1021's key is B
        QCOMPARE(row(41), (std::array<qint64, 3>{1021, 10212, 1}));
        QCOMPARE(cell(41), QStringLiteral("41B"));
    }

    void gridClicksChooseQuestions()
    {
        start();
        key(Qt::Key_9);
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Minus); // question 67
        key(Qt::Key_3);
        QCOMPARE(cell(67), QStringLiteral("67C"));
        key(Qt::Key_7);
        clickCell(67);
        QCOMPARE(w->CurrentNo, 67);
        QCOMPARE(w->da->caption(), QStringLiteral("C"));
        QCOMPARE(w->Note->caption(), QStringLiteral("67、考题1047"));
        clickCell(68);
        QCOMPARE(w->CurrentNo, 68);
        QCOMPARE(w->da->caption(), QString());
        clickCell(68); // the cell under the cursor redraws its question
        QCOMPARE(w->CurrentNo, 68);
        QVERIFY(w->bt_Prior->isEnabled());
    }

    void gridCursorKeysChooseQuestions()
    {
        start();
        w->StringGrid1->setFocus();
        QTest::keyClick(w->StringGrid1, Qt::Key_Right);
        QCOMPARE(w->CurrentNo, 2);
        QTest::keyClick(w->StringGrid1, Qt::Key_Down);
        QCOMPARE(w->CurrentNo, 22);
        QCOMPARE(w->Note->caption(), QStringLiteral("22、考题2002"));
        QTest::keyClick(w->StringGrid1, Qt::Key_Home);
        QCOMPARE(w->CurrentNo, 21);
    }

    void answeringTwentyMovesToTheNextRow()
    {
        start();
        for (int i = 1; i < 20; ++i)
            key(Qt::Key_Plus);
        QCOMPARE(w->StringGrid1->currentColumn(), 19);
        key(Qt::Key_4);
        QCOMPARE(w->CurrentNo, 21);
        QCOMPARE(w->StringGrid1->currentRow(), 1);
        QCOMPARE(w->StringGrid1->currentColumn(), 0);
    }

    void questionHundredIsTheEnd()
    {
        start();
        key(Qt::Key_9);
        for (int i = 71; i < 100; ++i)
            key(Qt::Key_Plus);
        QCOMPARE(w->CurrentNo, 100);
        QVERIFY(!w->bt_next->isEnabled());
        QVERIFY(w->bt_Prior->isEnabled());
        key(Qt::Key_Plus);
        QCOMPARE(w->CurrentNo, 100);
        key(Qt::Key_1);
        QCOMPARE(cell(100), QStringLiteral("100A"));
        QCOMPARE(row(100)[1], 20501);
        QCOMPARE(w->CurrentNo, 100);
        QCOMPARE(w->da->caption(), QString()); // display, da and cursor stay
        QCOMPARE(w->Note->caption(), QStringLiteral("100、考题2050"));
        key(Qt::Key_7);
        QCOMPARE(w->CurrentNo, 1);
        key(Qt::Key_8);
        QCOMPARE(w->CurrentNo, 41);
    }

    void mockExamNeverShowsTheKey()
    {
        start();
        key(Qt::Key_8);
        for (TextLabel *row : {w->lb1, w->lb2, w->lb3, w->lb4}) {
            QCOMPARE(row->fontColor(), 0);
            QVERIFY(!row->caption().contains(QStringLiteral("√")));
        }
    }

    void studyRunShowsTheKeyOnRequest()
    {
        start(1);
        QVERIFY(!w->autoshow->isHidden() && !w->bt_show->isHidden());
        key(Qt::Key_Plus); // question 1002: the key is the second option, "错误"
        QTest::mouseClick(w->bt_show, Qt::LeftButton);
        QVERIFY(w->lb1->isHidden());
        QVERIFY(!w->lb2->isHidden());
        QCOMPARE(w->lb2->caption(), QStringLiteral("错误"));
        QCOMPARE(w->lb2->fontColor(), 255);
        QVERIFY(!w->ShowKey);
        key(Qt::Key_Plus); // the next question comes without its answer
        QVERIFY(w->lb1->isHidden() && w->lb2->isHidden());

        key(Qt::Key_8);
        QTest::mouseClick(w->bt_show, Qt::LeftButton);
        QCOMPARE(w->lb2->caption(), QStringLiteral("B 答案1021-2√"));
        clickCell(41); // redrawing takes the marked answer away
        QCOMPARE(w->lb2->caption(), QStringLiteral("B 答案1021-2"));
        QCOMPARE(w->lb2->fontColor(), 0);

        QTest::mouseClick(w->autoshow, Qt::LeftButton);
        QVERIFY(w->autoshow->isChecked());
        QVERIFY(!w->bt_show->isEnabled());
        QCOMPARE(w->lb2->caption(), QStringLiteral("B 答案1021-2√"));
        key(Qt::Key_1); // after the automatic advance the next answer is marked too
        QCOMPARE(w->CurrentNo, 42);
        QCOMPARE(w->lb3->caption(), QStringLiteral("C 答案1022-3√"));
        QTest::mouseClick(w->autoshow, Qt::LeftButton);
        QVERIFY(w->bt_show->isEnabled());
        QCOMPARE(w->lb3->caption(), QStringLiteral("C 答案1022-3"));
    }

    void shortPaperGivesAClearErrorAndNoCrash()
    {
        start(2, "alltime=2700\nmark=90\n", standardPaper().mid(0, 90));
        key(Qt::Key_9);
        for (int i = 71; i < 90; ++i)
            key(Qt::Key_Plus);
        QCOMPARE(w->CurrentNo, 90);
        QVERIFY(!w->bt_next->isEnabled());
        key(Qt::Key_2);
        QCOMPARE(w->CurrentNo, 90);
        QCOMPARE(cell(90), QStringLiteral("90B"));
        clickCell(95);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts().first().contains(QStringLiteral("第 95 题")),
                 qPrintable(m_boxes->texts().first()));
        QCOMPARE(w->CurrentNo, 90);
        QCOMPARE(w->StringGrid1->currentColumn(), 9);
    }

    void onlyFourOptionsAreShownAndAnswerable()
    {
        Bank bank = examBank();
        for (BankQuestion &q : bank.questions) {
            if (q.subId == 1021)
                q.options.append({QStringLiteral("第五个"), false});
        }
        start(2, "alltime=2700\nmark=90\n", standardPaper(), bank);
        key(Qt::Key_8);
        for (TextLabel *row : {w->lb1, w->lb2, w->lb3, w->lb4})
            QVERIFY(!row->caption().contains(QStringLiteral("第五个")));
        QCOMPARE(w->OptIds, (std::array<qint64, 4>{10211, 10212, 10213, 10214}));
    }

    void clockCountsDownToTimeUp()
    {
        start(2, "alltime=65\nmark=80\n");
        QCOMPARE(w->atime->caption(), QStringLiteral("1:05"));
        QCOMPARE(w->PassMark, 80);
        w->Timer1Timer();
        QCOMPARE(w->atime->caption(), QStringLiteral("1:04"));
        for (int i = 0; i < 5; ++i)
            w->Timer1Timer();
        QCOMPARE(w->atime->caption(), QStringLiteral("0:59"));
        for (int i = 0; i < 58; ++i)
            w->Timer1Timer();
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(w->isVisible());
        w->Timer1Timer(); // the sixty-fifth tick
        QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("时间到！")});
        QCOMPARE(m_boxes->shown().first().buttons, msgbox::Buttons::Ok);
        QCOMPARE(w->atime->caption(), QStringLiteral("0:00"));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->Timer1->isActive());
        w->Timer1Timer();
        QCOMPARE(m_boxes->shown().size(), 1);
    }

    void zeroDurationNeverTimesOut()
    {
        start(2, "alltime=0\nmark=90\n");
        QCOMPARE(w->atime->caption(), QStringLiteral("0:00"));
        for (int i = 0; i < 100; ++i)
            w->Timer1Timer();
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(w->atime->caption(), QStringLiteral("0:00"));
        QVERIFY(w->isVisible());
    }

    void missingSettingsGiveNinetyMinutes()
    {
        start(2, "");
        QFile::remove(m_folder->file(QStringLiteral("system.ini")));
        destroyWindowSet();
        createWindowSet();
        createForm(exam::ksxz);
        w = createForm(exam::mnks);
        QCOMPARE(w->atime->caption(), QStringLiteral("90:00"));
        QCOMPARE(w->TimeLeft, 5400);
        QCOMPARE(w->PassMark, 90);
    }
};

EXAM_TEST_MAIN(ExamWindowTest)
#include "tst_examwindow.moc"
