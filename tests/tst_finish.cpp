// The windows as they are drawn: text set to its boxes, the answer grid, the keys and the
// mouse as a learner uses them, windows centred to the pixel.

#include "app/application.h"
#include "app/controls.h"
#include "app/startup.h"
#include "data/F_ado.h"
#include "data/examgroups.h"
#include "data/programfolder.h"
#include "data/sqlfile.h"
#include "forms/F_ksqr.h"
#include "forms/F_ksxz.h"
#include "forms/F_llst.h"
#include "forms/F_lxxc.h"
#include "forms/F_main.h"
#include "forms/F_mnks.h"
#include "forms/F_xxts.h"
#include "forms/F_ycst.h"
#include "testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QRawFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <memory>

namespace {

// The rows of a picture holding anything darker than the background.
QList<bool> inkRows(const QImage &image)
{
    QList<bool> rows;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
        rows.append(ink);
    }
    return rows;
}

// The columns holding ink, first to last; -1, -1 when there is none.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return {first, last};
}

// Whether a label shows its text whole: made taller, it shows no ink below its height.
bool showsWhole(TextLabel *label)
{
    const QSize size = label->size();
    label->resize(size.width(), size.height() + 12);
    const QList<bool> rows = inkRows(label->grab().toImage());
    label->resize(size);
    for (int y = size.height(); y < rows.size(); ++y)
        if (rows.at(y))
            return false;
    return rows.mid(0, size.height()).contains(true);
}

} // namespace

class FinishTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void start(const Bank &bank = examBank())
    {
        m_folder = std::make_unique<ProgramFolder>(bank);
        m_folder->activate();
        m_folder->writePaper(standardPaper());
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        exam::main->Show();
    }

    Tllst *browseFirstCategory()
    {
        exam::main->Image6Click();
        exam::lxxc->Button1Click();
        return exam::llst;
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    // "第N题", one blank line, then the text: three lines of 16 pixels, the second empty.
    void numberLineLeavesOneBlankLine()
    {
        start();
        Tllst *b = browseFirstCategory();
        b->note->setCaption(QStringLiteral("第1题\r\r题目的文字"));
        const QList<bool> rows = inkRows(b->note->grab().toImage());
        QVERIFY(rows.mid(0, 16).contains(true));
        QVERIFY(!rows.mid(16, 16).contains(true));
        QVERIFY(rows.mid(32, 16).contains(true));
        QVERIFY(!rows.mid(48).contains(true));
    }

    void centredToThePixel()
    {
        start();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (QWidget *w : {static_cast<QWidget *>(exam::main), static_cast<QWidget *>(openExam(2))})
            QCOMPARE(w->pos(), QPoint((screen.width() - w->width()) / 2,
                                      (screen.height() - w->height()) / 2));
    }

    // Choosing the group already shown rebuilds the list and selects its first entry again.
    void choosingTheSameGroupRebuildsTheList()
    {
        start();
        exam::main->Image6Click();
        Tlxxc *c = exam::lxxc;
        c->rgp->setItemIndex(2);
        emit c->cbx->activated(c->cbx->currentIndex());
        QCOMPARE(c->rgp->itemIndex(), 0);
        QCOMPARE(c->rgp->items().size(), 3);
    }

    // Enter clicks the focused button in the browsers, the review and the practice chooser.
    void enterClicksTheFocusedButton()
    {
        start();
        Tllst *b = browseFirstCategory();
        b->Button3->setFocus();
        QTest::keyClick(b->Button3, Qt::Key_Return);
        QCOMPARE(b->CurrentNo, 2);
        QTest::keyClick(b->Button3, Qt::Key_Enter);
        QCOMPARE(b->CurrentNo, 3);
        b->close();
        exam::lxxc->Button2->setFocus();
        QTest::keyClick(exam::lxxc->Button2, Qt::Key_Return);
        QVERIFY(exam::lxxc->isHidden());
    }

    // The grid's cursor is always the question on display: a right-click moves nothing, a
    // press-and-drag shows the question it was pressed on.
    void gridCursorIsTheQuestionOnDisplay()
    {
        start();
        Tmnks *w = openExam(MockExam);
        CellGrid *g = w->StringGrid1;
        auto centre = [g](int row, int column) {
            return QPoint(g->columnViewportPosition(column) + 18, g->rowViewportPosition(row) + 18);
        };
        QTest::mouseClick(g->viewport(), Qt::RightButton, {}, centre(0, 6));
        QCOMPARE(w->CurrentNo, 1);
        QCOMPARE(g->currentColumn(), 0);

        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, centre(1, 4)); // question 25
        QMouseEvent move(QEvent::MouseMove, centre(2, 9), g->viewport()->mapToGlobal(centre(2, 9)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(g->viewport(), &move);
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, centre(2, 9));
        QCOMPARE(w->CurrentNo, 25);
        QCOMPARE(g->currentRow(), 1);
        QCOMPARE(g->currentColumn(), 4);

        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre(3, 0)); // question 61
        QCOMPARE(w->CurrentNo, 61);
        QTest::keyClick(g, Qt::Key_Right); // the grid's own keys run the same rule
        QCOMPARE(w->CurrentNo, 62);
        QCOMPARE(g->currentColumn(), 1);
    }

    // Cells of 37 pixels with a line of one pixel between and around them fill the grid's
    // box, so its margins in "答题信息" are equal; an answered 100 reads in full.
    void answerGridShowsItsTextWhole()
    {
        start();
        Tmnks *w = openExam(MockExam);
        CellGrid *g = w->StringGrid1;
        const int right = g->columnViewportPosition(19) + g->columnWidth(19);
        QCOMPARE(right, 761);
        QCOMPARE(w->GroupBox3->width() - (g->x() + right), g->x());
        QCOMPARE(g->rowViewportPosition(4) + g->rowHeight(4), 191);

        g->setCellText(4, 19, QStringLiteral("100A"));
        g->setCellText(4, 18, QStringLiteral("99"));
        const QImage shot = g->grab().toImage();
        const QRect cell(g->columnViewportPosition(19), g->rowViewportPosition(4), 37, 37);
        const auto [first, last] = inkColumns(shot.copy(cell.adjusted(1, 1, -1, -1)));
        QVERIFY2(first >= 0 && last - first >= 26,
                 qPrintable(QStringLiteral("%1..%2").arg(first).arg(last)));
    }

    // Labels sized to their text keep the height of their type.
    void labelsSizedToTheirTextKeepTheirHeight()
    {
        start();
        Tmnks *w = openExam(MockExam);
        w->bt_jjClick();
        exam::ksqr->Button1Click();
        Txxts *r = exam::xxts;
        for (TextLabel *label : {r->lb_tsxx, r->lbksfs, r->lb_ksjg}) {
            QCOMPARE(label->height(), 21);
            QVERIFY(label->width() > 10);
            QVERIFY(showsWhole(label));
        }
        r->Button1Click();
        Tllst *b = browseFirstCategory();
        QCOMPARE(b->noteinfo->height(), 14);
        QVERIFY(showsWhole(b->noteinfo));
    }

    // The headings on the banners show their characters whole.
    void bannerHeadingsShowWhole()
    {
        start();
        exam::main->Image7Click();
        QVERIFY(showsWhole(exam::ycst->Label6));
        exam::ycst->close();
        exam::main->Image6Click();
        QVERIFY(showsWhole(exam::lxxc->Label6));
    }

    // The texts designed in 宋体 are set in the program's own Song face when it is beside the
    // program, and lines one type size apart leave room between them.
    void songTextsUseTheProgramsSongFace()
    {
        setProgramFolder(QStringLiteral(EXAM_PROGRAM_FOLDER));
        if (!QFile::exists(QStringLiteral(EXAM_PROGRAM_FOLDER "/fonts/exam-song.ttf")))
            QSKIP("the Song face was not cut (python3-fonttools missing)");
        addProgramFonts();
        QCOMPARE(QFontInfo(designFont(kSongTi, 16, true)).family(), QStringLiteral("ExamSong"));
        // The digits and letters of a Song line are in the face too: a line needs no second
        // face (and none of its memory) for "第100题" or "A、".
        const QRawFont face(QStringLiteral(EXAM_PROGRAM_FOLDER "/fonts/exam-song.ttf"), 16);
        for (const QChar c : QStringLiteral("第100题 ABCD：√×（）A、xyz"))
            QVERIFY2(face.supportsCharacter(c), qPrintable(QString(c)));
        TextLabel label(nullptr, {0, 0, 200, 48}, QStringLiteral("驾驶\r驾驶\r驾驶"),
                        designFont(kSongTi, 16, true));
        const QList<bool> rows = inkRows(label.grab().toImage());
        for (int line = 1; line < 3; ++line)
            QVERIFY2(!rows.at(line * 16) || !rows.at(line * 16 - 1),
                     qPrintable(QStringLiteral("lines %1 and %2 touch").arg(line).arg(line + 1)));
    }

    // A null key flag is "not the key", a null type is multiple choice; the card shows the
    // question rather than an error.
    void nullsTheCardTolerates()
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        {
            SqlFile db(m_folder->file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
            for (const char *table : {"subject", "options"}) {
                const QString t = QLatin1String(table);
                db.exec(QStringLiteral("CREATE TABLE copy AS SELECT * FROM %1").arg(t));
                db.exec(QStringLiteral("DROP TABLE %1").arg(t));
                db.exec(QStringLiteral("ALTER TABLE copy RENAME TO %1").arg(t));
            }
            db.exec(QStringLiteral("UPDATE options SET iskey = NULL WHERE subid = 1021"));
            db.exec(QStringLiteral("UPDATE subject SET typeId = NULL WHERE subId = 1022"));
        }
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        Tllst *b = browseFirstCategory();
        b->Button4Click();
        for (int i = 0; i < 29; ++i)
            b->Button2Click(); // back to question 21 of the category: 1021
        QCOMPARE(b->CurrentNo, 21);
        for (TextLabel *row : {b->lb1, b->lb2, b->lb3, b->lb4}) {
            QCOMPARE(row->fontColor(), kBlack);
            QVERIFY(!row->caption().endsWith(QStringLiteral("√")));
        }
        b->Button3Click();
        QVERIFY(b->lb3->isVisible() && b->lb4->isVisible());
        QVERIFY(m_boxes->shown().isEmpty());
    }
};

EXAM_TEST_MAIN(FinishTest)
#include "tst_finish.moc"
