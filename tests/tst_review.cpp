#include "app/startup.h"
#include "data/F_ado.h"
#include "forms/F_ckct.h"
#include "forms/F_ksqr.h"
#include "forms/F_ksxz.h"
#include "forms/F_mnks.h"
#include "forms/F_xxts.h"
#include "testsupport.h"

#include <memory>

class ReviewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;
    Tckct *r = nullptr;

    // Sits an exam in which the positions in `wrong` are answered wrongly, those in `skipped`
    // not at all and every other one rightly, then opens the review.
    void review(const QList<int> &wrong, const QList<int> &skipped = {})
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        m_folder->activate();
        m_folder->writePaper(standardPaper());
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        createForm(exam::ksxz);
        Tmnks *w = createForm(exam::mnks);
        for (int position = 1; position <= 100; ++position) {
            if (skipped.contains(position))
                continue;
            w->CurrentNo = position;
            w->ShowQuestion();
            const int key = keySlot(standardPaper().at(position - 1));
            const int options = position <= 40 ? 2 : 4;
            const int slot = wrong.contains(position) ? (key + 1) % options : key;
            PushButton *buttons[] = {w->opt1, w->opt2, w->opt3, w->opt4};
            buttons[slot]->click();
        }
        w->bt_jjClick();
        exam::ksqr->Button1Click();
        exam::xxts->Button2Click();
        r = exam::ckct;
        QVERIFY(r && r->isVisible());
    }

    QList<bool> enabled() const
    {
        return {r->Button1->isEnabled(), r->Button2->isEnabled(), r->Button3->isEnabled(),
                r->Button4->isEnabled()};
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
        r = nullptr;
    }

    void showsWrongAnswersInPaperOrderNumberedFromOne()
    {
        review({45, 3, 72});
        QCOMPARE(r->ado_note->recordCount(), 3);
        QCOMPARE(r->note->caption(), QStringLiteral("第1题\r\r考题1003"));
        r->Button3Click();
        QCOMPARE(r->note->caption(), QStringLiteral("第2题\r\r考题1025"));
        r->Button3Click();
        QCOMPARE(r->note->caption(), QStringLiteral("第3题\r\r考题2022"));
        QCOMPARE(r->info->caption(), QStringLiteral("解析2022"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void marksTheChoiceAndTheKey()
    {
        review({45, 3});
        // 1003: the key is "正确"; "错误" was chosen.
        QCOMPARE(r->lb1->caption(), QStringLiteral("正确√"));
        QCOMPARE(r->lb1->fontColor(), 255);
        QCOMPARE(r->lb2->caption(), QStringLiteral("错误×"));
        QCOMPARE(r->lb2->fontColor(), 0);
        QVERIFY(r->lb3->isHidden() && r->lb4->isHidden());
        QVERIFY(!r->letters[2]->isHidden() && !r->letters[3]->isHidden());
        r->Button4Click();
        // 1025: the key is B (25 mod 4 = 1); C was chosen.
        QVERIFY(!r->lb3->isHidden() && !r->lb4->isHidden());
        QCOMPARE(r->lb1->caption(), QStringLiteral("答案1025-1"));
        QCOMPARE(r->lb2->caption(), QStringLiteral("答案1025-2√"));
        QCOMPARE(r->lb2->fontColor(), 255);
        QCOMPARE(r->lb3->caption(), QStringLiteral("答案1025-3×"));
        QCOMPARE(r->lb3->fontColor(), 0);
        QCOMPARE(r->lb4->caption(), QStringLiteral("答案1025-4"));
    }

    void unansweredQuestionsAreInTheSetWithoutACross()
    {
        review({}, {2, 60});
        QCOMPARE(r->ado_note->recordCount(), 2);
        QCOMPARE(r->lb1->caption(), QStringLiteral("正确"));
        QCOMPARE(r->lb2->caption(), QStringLiteral("错误√"));
        r->Button3Click();
        QCOMPARE(r->note->caption(), QStringLiteral("第2题\r\r考题1040"));
        for (TextLabel *row : {r->lb1, r->lb2, r->lb3, r->lb4})
            QVERIFY(!row->caption().contains(QStringLiteral("×")));
    }

    void navigatesSevenWrongAnswers()
    {
        review({1, 2, 3, 41, 42, 43, 99});
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        r->Button2Click(); // "上一题" on the first question
        QCOMPARE(r->CurrentNo, 1);
        QCOMPARE(enabled(), (QList<bool>{false, false, true, true}));
        r->Button4Click();
        QCOMPARE(r->CurrentNo, 7);
        QCOMPARE(r->note->caption(), QStringLiteral("第7题\r\r考题2049"));
        QCOMPARE(enabled(), (QList<bool>{true, true, false, false}));
        r->Button3Click();
        QCOMPARE(r->CurrentNo, 7);
        r->Button2Click();
        QCOMPARE(r->CurrentNo, 6);
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        r->Button1Click();
        QCOMPARE(r->CurrentNo, 1);
        QCOMPARE(enabled(), (QList<bool>{false, false, true, true}));
    }

    void oneWrongAnswerDisablesAllNavigation()
    {
        review({50});
        r->Button3Click();
        QCOMPARE(r->CurrentNo, 1);
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
        QCOMPARE(r->note->caption(), QStringLiteral("第1题\r\r考题1030"));
    }

    void noWrongAnswerSaysSo()
    {
        review({});
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(r->note->caption(), QStringLiteral("本次考试没有答错的题目，全部回答正确！"));
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
        QVERIFY(r->pic->isHidden());
        QVERIFY(r->Button5->isEnabled());
        r->Button5Click();
        QVERIFY(!r->isVisible());
    }

    void reviewLeavesThePaperAlone()
    {
        review({5});
        const auto before = m_folder->paper();
        r->Button4Click();
        r->Button1Click();
        QCOMPARE(m_folder->paper(), before);
    }
};

EXAM_TEST_MAIN(ReviewTest)
#include "tst_review.moc"
