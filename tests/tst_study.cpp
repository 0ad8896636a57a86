#include "app/pagewindow.h"
#include "app/startup.h"
#include "data/F_ado.h"
#include "data/sqlfile.h"
#include "data/tableobject.h"
#include "forms/F_dtjq.h"
#include "forms/F_jtbz.h"
#include "forms/F_jxjs.h"
#include "forms/F_llst.h"
#include "forms/F_lxxc.h"
#include "forms/F_main.h"
#include "forms/F_ycst.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QScrollBar>
#include <memory>

namespace {

// The learner picks an item of a drop-down list, as with the mouse or the keyboard.
void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Categories 1 to 4 with `sizes` questions each (alternately true/false and choice), shares
// that leave category 2 out of group 1 and category 4 out of groups 0 and 1; the miss count of
// question n of category s is given by `errors`.
Bank studyBank(const QList<int> &sizes, const std::function<int(int, int)> &errors)
{
    Bank bank;
    const int shares[4][3] = {{50, 50, 40}, {20, 0, 20}, {30, 50, 20}, {0, 0, 20}};
    for (int s = 1; s <= sizes.size(); ++s) {
        bank.categories.append({s,
                                QStringLiteral("类别%1").arg(s),
                                {shares[s - 1][0], shares[s - 1][1], shares[s - 1][2]},
                                {}});
        for (int n = 1; n <= sizes.at(s - 1); ++n) {
            BankQuestion q;
            q.subId = s * 1000 + n;
            q.sortId = s;
            q.typeId = n % 2 ? 1 : 2;
            q.errorTimes = errors(s, n);
            q.text = QStringLiteral("题%1").arg(q.subId);
            q.info = QStringLiteral("析%1").arg(q.subId);
            if (q.typeId == 1) {
                q.options = {{QStringLiteral("正确"), true}, {QStringLiteral("错误"), false}};
            } else {
                for (int k = 0; k < 4; ++k)
                    q.options.append({QStringLiteral("项%1").arg(k), k == 2});
            }
            bank.questions.append(q);
        }
    }
    return bank;
}

int noErrors(int, int)
{
    return 0;
}

} // namespace

class StudyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void start(const Bank &bank)
    {
        m_folder = std::make_unique<ProgramFolder>(bank);
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        exam::main->Show();
    }

    Tllst *browse(int entry)
    {
        exam::main->Image6Click();
        exam::lxxc->rgp->setItemIndex(entry);
        exam::lxxc->Button1Click();
        return exam::llst;
    }

    static QList<bool> enabled(const QuestionStepper *w)
    {
        return {w->Button1->isEnabled(), w->Button2->isEnabled(), w->Button3->isEnabled(),
                w->Button4->isEnabled()};
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    void chooserListsTheGroupsCategories()
    {
        start(studyBank({3, 5, 2, 4}, noErrors));
        exam::main->Image6Click();
        Tlxxc *chooser = exam::lxxc;
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->rgp->items(),
                 (QStringList{"类别1 (3 题)", "类别2 (5 题)", "类别3 (2 题)"}));
        QCOMPARE(chooser->SortIds, (QVector<qint64>{1, 2, 3}));
        QCOMPARE(chooser->rgp->itemIndex(), 0);

        chooser->rgp->setItemIndex(2);
        choose(chooser->cbx, 1); // a share of 0 leaves a category out
        QCOMPARE(chooser->rgp->items(), (QStringList{"类别1 (3 题)", "类别3 (2 题)"}));
        QCOMPARE(chooser->SortIds, (QVector<qint64>{1, 3}));
        QCOMPARE(chooser->rgp->itemIndex(), 0); // the selection starts again
        choose(chooser->cbx, 2);
        QCOMPARE(chooser->rgp->items(),
                 (QStringList{"类别1 (3 题)", "类别2 (5 题)", "类别3 (2 题)", "类别4 (4 题)"}));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void chooserKeepsEveryCategoryPastTwentyOne()
    {
        Bank bank = studyBank({2, 2, 2, 2}, noErrors);
        for (int s = 5; s <= 30; ++s)
            bank.categories.append({s, QStringLiteral("附加%1").arg(s), {1, 1, 1}, {}});
        start(bank);
        exam::main->Image6Click();
        QCOMPARE(exam::lxxc->SortIds.size(), 29);
        QCOMPARE(exam::lxxc->rgp->items().last(), QStringLiteral("附加30 (0 题)"));
    }

    void chooserWithoutEntriesBrowsesNothing()
    {
        Bank bank = studyBank({2, 2, 2, 2}, noErrors);
        for (BankCategory &c : bank.categories)
            c.scale[1] = 0;
        start(bank);
        exam::main->Image6Click();
        choose(exam::lxxc->cbx, 1);
        QVERIFY(exam::lxxc->rgp->items().isEmpty());
        QCOMPARE(exam::lxxc->rgp->itemIndex(), -1);
        exam::lxxc->Button1Click();
        QVERIFY(!exam::llst);
    }

    void aBrokenCategoryRowKeepsTheEntriesBeforeIt()
    {
        start(studyBank({3, 5, 2, 4}, noErrors));
        {
            SqlFile db(m_folder->file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            db.exec(QStringLiteral("CREATE TABLE s AS SELECT * FROM sort"));
            db.exec(QStringLiteral("DROP TABLE sort"));
            db.exec(QStringLiteral("ALTER TABLE s RENAME TO sort"));
            db.exec(QStringLiteral("UPDATE sort SET scale0 = NULL WHERE sortId = 3"));
        }
        destroyWindowSet();
        createWindowSet();
        exam::main->Image6Click();
        QCOMPARE(exam::lxxc->rgp->items(), (QStringList{"类别1 (3 题)", "类别2 (5 题)"}));
        QCOMPARE(exam::lxxc->rgp->itemIndex(), -1); // a list cut short has nothing selected
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY(m_boxes->texts().first().contains(QStringLiteral("scale0")));
    }

    void browserShowsTheChosenCategory()
    {
        start(studyBank({3, 5, 2, 4}, noErrors));
        Tllst *browser = browse(1);
        QVERIFY(browser->isVisible());
        QCOMPARE(exam::lxxc->Tag, 2);
        QCOMPARE(browser->noteinfo->caption(), QStringLiteral("试题类型：类别2 (5 题)"));
        QCOMPARE(browser->note->caption(), QStringLiteral("第1题\r\r题2001"));
        QCOMPARE(browser->lb1->caption(), QStringLiteral("正确√"));
        QCOMPARE(browser->info->caption(), QStringLiteral("析2001"));
        QCOMPARE(enabled(browser), (QList<bool>{true, true, true, true}));
        browser->Button2Click();
        QCOMPARE(browser->CurrentNo, 1);
        QCOMPARE(enabled(browser), (QList<bool>{false, false, true, true}));
        browser->Button3Click();
        QCOMPARE(browser->note->caption(), QStringLiteral("第2题\r\r题2002"));
        QCOMPARE(browser->lb3->caption(), QStringLiteral("项2√"));
        browser->Button4Click();
        QCOMPARE(browser->note->caption(), QStringLiteral("第5题\r\r题2005"));
        QCOMPARE(enabled(browser), (QList<bool>{true, true, false, false}));
        browser->Button3Click();
        QCOMPARE(browser->CurrentNo, 5);
        browser->Button5Click();
        QVERIFY(!browser->isVisible());
        QVERIFY(exam::lxxc->isVisible());
    }

    void browserOfALargeAndAOneQuestionCategory()
    {
        start(studyBank({312, 1, 2, 2}, noErrors));
        Tllst *browser = browse(0);
        QVERIFY(browser->noteinfo->caption().endsWith(QStringLiteral("312 题)")));
        browser->Button4Click();
        QCOMPARE(browser->note->caption(), QStringLiteral("第312题\r\r题1312"));
        QCOMPARE(enabled(browser), (QList<bool>{true, true, false, false}));
        browser->Button5Click();

        browser = browse(1);
        for (void (QuestionStepper::*press)() :
             {&QuestionStepper::Button3Click, &QuestionStepper::Button1Click}) {
            (browser->*press)();
            QCOMPARE(browser->note->caption(), QStringLiteral("第1题\r\r题2001"));
            QCOMPARE(enabled(browser), (QList<bool>{false, false, false, false}));
        }
    }

    void emptyCategoryShowsAnEmptyCard()
    {
        start(studyBank({3, 0, 2, 4}, noErrors));
        Tllst *browser = browse(1);
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(browser->note->caption(), QStringLiteral("本类试题暂无题目。"));
        QCOMPARE(enabled(browser), (QList<bool>{false, false, false, false}));
        QVERIFY(browser->pic->isHidden());
    }

    void frequentlyMissedTakesTiesWithTheTwoHundredth()
    {
        // 1500 questions: 200 with 7 or more misses ... plus 15 more at exactly 7.
        auto errors = [](int s, int n) {
            const int index = (s - 1) * 375 + n; // 1 to 1500
            if (index <= 185)
                return 8 + index % 50;
            if (index <= 215)
                return 7;
            return index % 7;
        };
        start(studyBank({375, 375, 375, 375}, errors));
        exam::main->Image7Click();
        Tycst *w = exam::ycst;
        QVERIFY(w->isVisible());
        QCOMPARE(exam::ado->subject->recordCount(), 215);
        QCOMPARE(w->Label6->caption(), QStringLiteral("易错试题(200题)"));
        int previous = INT_MAX;
        for (int n = 1; n <= 215; n += 1) {
            exam::ado->subject->setRecNo(n);
            const int e = int(exam::ado->subject->asInteger(QStringLiteral("errorTimes")));
            QVERIFY(e <= previous && e >= 7);
            previous = e;
        }
        QCOMPARE(w->note->caption().left(5), QStringLiteral("第1题\r\r"));
        w->Button4Click();
        QVERIFY(w->note->caption().startsWith(QStringLiteral("第215题")));
    }

    void frequentlyMissedOfASmallBankHoldsAll()
    {
        start(studyBank({50, 50, 50, 0}, [](int s, int n) { return (s * 7 + n * 13) % 40; }));
        exam::main->Image7Click();
        QCOMPARE(exam::ado->subject->recordCount(), 150);
        exam::ado->subject->first();
        QCOMPARE(exam::ado->subject->asInteger(QStringLiteral("errorTimes")), 39);
        QCOMPARE(exam::ycst->Label6->caption(), QStringLiteral("易错试题(200题)"));
    }

    void frequentlyMissedStartsAgainEachTime()
    {
        start(studyBank({30, 30, 30, 30}, [](int, int n) { return n; }));
        exam::main->Image7Click();
        Tycst *first = exam::ycst;
        first->Button3Click();
        first->Button3Click();
        first->Button5Click();
        exam::main->Image7Click();
        QVERIFY(exam::ycst.data() != first);
        QCOMPARE(exam::ycst->CurrentNo, 1);
        QVERIFY(exam::ycst->note->caption().startsWith(QStringLiteral("第1题")));
    }

    void frequentlyMissedOfAnEmptyBank()
    {
        start(studyBank({0, 0, 0, 0}, noErrors));
        exam::main->Image7Click();
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(exam::ycst->note->caption(), QStringLiteral("题库中暂无试题。"));
        QCOMPARE(enabled(exam::ycst), (QList<bool>{false, false, false, false}));
    }

    void aFilterLeftByOneWindowDoesNotDisturbTheNext()
    {
        start(studyBank({3, 5, 2, 4}, [](int s, int) { return s; }));
        exam::main->Image7Click(); // leaves "errorTimes>=" on the questions
        exam::ycst->Button5Click();
        Tllst *browser = browse(2);
        QCOMPARE(browser->note->caption(), QStringLiteral("第1题\r\r题3001"));
        QCOMPARE(exam::ado->subject->recordCount(), 2);
    }
};

class PagesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void start(bool withPages)
    {
        m_folder = std::make_unique<ProgramFolder>();
        if (withPages) {
            QDir(m_folder->path()).mkpath(QStringLiteral("html"));
            for (const QString &page :
                 {QStringLiteral("dtjq.html"), QStringLiteral("jiaojingshoushi.html"),
                  QStringLiteral("zhanshi.html")})
                QFile::copy(QStringLiteral(EXAM_SOURCE_DIR "/html/") + page,
                            m_folder->file(QStringLiteral("html/") + page));
        }
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        exam::main->Show();
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    // The pages start loading at start-up and load while the message loop runs; the main
    // menu comes first.
    void pagesLoadAtStartAndStayAsLeft()
    {
        start(true);
        QVERIFY(!exam::dtjq->pageLoaded());
        QTRY_VERIFY(exam::dtjq->pageLoaded() && exam::jtbz->pageLoaded() &&
                    exam::jxjs->pageLoaded());
        QCOMPARE(exam::dtjq->WebBrowser1->source(),
                 QUrl::fromLocalFile(m_folder->file(QStringLiteral("html/dtjq.html"))));
        QCOMPARE(exam::dtjq->WebBrowser1->documentTitle(), QStringLiteral("答题技巧"));
        QCOMPARE(exam::jtbz->WebBrowser1->documentTitle(), QStringLiteral("交通标志与交警手势"));
        QCOMPARE(exam::jxjs->WebBrowser1->documentTitle(), QStringLiteral("驾校介绍"));
        QCOMPARE(exam::dtjq->WebBrowser1->geometry(), QRect(1, 1, 816, 559));
        // Kept inside the 821 x 560 client area, so the scroll bar's last arrow shows whole.
        QCOMPARE(exam::jtbz->WebBrowser1->geometry(), QRect(1, 2, 816, 558));
        for (PageWindow *w :
             {static_cast<PageWindow *>(exam::dtjq), static_cast<PageWindow *>(exam::jtbz),
              static_cast<PageWindow *>(exam::jxjs)}) {
            w->Show();
            QCOMPARE(w->WebBrowser1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            w->close();
        }

        exam::main->Image4Click();
        Tjtbz *page = exam::jtbz;
        QScrollBar *bar = page->WebBrowser1->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        page->close();
        exam::main->Image4Click();
        QCOMPARE(exam::jtbz.data(), page);
        QVERIFY(page->isVisible());
        QCOMPARE(bar->value(), bar->maximum() / 2);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // A page window shown before its page has loaded shows the page at once.
    void pageShownBeforeItLoadedIsWhole()
    {
        start(true);
        exam::main->Image5Click();
        QVERIFY(exam::jxjs->pageLoaded());
        QCOMPARE(exam::jxjs->WebBrowser1->documentTitle(), QStringLiteral("驾校介绍"));
    }

    void enlargingTheSchoolPageKeepsTheBrowserSize()
    {
        start(true);
        exam::main->Image5Click();
        exam::jxjs->resize(1000, 800);
        QCOMPARE(exam::jxjs->WebBrowser1->size(), QSize(825, 545));
    }

    void missingPagesDoNotDisturbStartUp()
    {
        start(false);
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(exam::main->isVisible());
        exam::main->Image10Click();
        QVERIFY(exam::dtjq->isVisible());
        QVERIFY(exam::dtjq->WebBrowser1->toPlainText().isEmpty());
    }

    void pagePicturesGoThroughTheLoader()
    {
        start(true);
        QDir(m_folder->path()).mkpath(QStringLiteral("upload"));
        QFile f(m_folder->file(QStringLiteral("upload/sign_stop.jpg")));
        f.open(QIODevice::WriteOnly);
        f.write(jpegBytes(20, 10));
        f.close();
        const QVariant image = exam::jtbz->WebBrowser1->loadResource(
            QTextDocument::ImageResource, QUrl::fromLocalFile(f.fileName()));
        QCOMPARE(image.value<QImage>().size(), QSize(20, 10));
        const QVariant broken = exam::jtbz->WebBrowser1->loadResource(
            QTextDocument::ImageResource,
            QUrl::fromLocalFile(m_folder->file(QStringLiteral("upload/none.jpg"))));
        QVERIFY(!broken.isValid());
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    StudyTest study;
    PagesTest pages;
    return QTest::qExec(&study, argc, argv) | QTest::qExec(&pages, argc, argv);
}

#include "tst_study.moc"
