#include "app/controls.h"
#include "data/errors.h"
#include "data/questioncard.h"
#include "data/tableobject.h"
#include "testsupport.h"

#include <memory>

namespace {

// 130 true/false questions in category 1 (so position 125 exists), then a category of
// choice questions with some odd ones: two keys, five options, no explanation.
Bank cardBank()
{
    Bank bank;
    bank.categories = {{1, QStringLiteral("判断"), {50, 50, 50}, {}},
                       {2, QStringLiteral("选择"), {50, 50, 50}, {}}};
    for (int n = 1; n <= 130; ++n) {
        BankQuestion q;
        q.subId = n;
        q.sortId = 1;
        q.typeId = 1;
        q.text = QStringLiteral("判断题%1").arg(n);
        q.info = QStringLiteral("解析%1").arg(n);
        q.picture = n == 2 ? QStringLiteral("p2.jpg") : QString();
        q.options = {{QStringLiteral("正确"), false}, {QStringLiteral("错误"), true}};
        bank.questions.append(q);
    }
    auto choice = [&](int id, QVector<BankOption> options, std::optional<QString> info) {
        BankQuestion q;
        q.subId = id;
        q.sortId = 2;
        q.typeId = 2;
        q.text = QStringLiteral("选择题%1").arg(id);
        q.info = info;
        q.picture = id == 501 ? QStringLiteral("p501.bmp") : QString();
        q.options = options;
        bank.questions.append(q);
    };
    choice(501, {{"甲", false}, {"乙", false}, {"丙", true}, {"丁", false}},
           QStringLiteral("NULL"));
    choice(502, {{"一", true}, {"二", false}, {"三", true}, {"四", false}}, std::nullopt);
    choice(503, {{"A1", false}, {"B1", false}, {"C1", false}, {"D1", true}, {"E1", true}},
           QStringLiteral("很长的解析"));
    return bank;
}

} // namespace

class CardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<TableObject> m_subject;
    std::unique_ptr<TableObject> m_options;
    std::unique_ptr<QWidget> m_window;
    card::Controls m_card;

    void filterSubject(const QString &filter)
    {
        m_subject->setFiltered(false);
        m_subject->setFilter(filter);
        m_subject->setFiltered(true);
    }

    void show(int currentNo) { card::showQuestion(m_card, *m_subject, *m_options, currentNo); }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>(cardBank());
        m_folder->activate();
        for (auto *t : {&m_subject, &m_options}) {
            *t = std::make_unique<TableObject>(t == &m_subject ? QStringLiteral("subject")
                                                               : QStringLiteral("options"));
            (*t)->setConnectionString(m_folder->connectionString());
            (*t)->open();
        }
        m_window = std::make_unique<QWidget>();
        m_card.note = new TextLabel(m_window.get(), {10, 10, 400, 80});
        m_card.pic = new PictureBox(m_window.get(), {420, 10, 241, 185}, PictureBox::Fit::Centre);
        for (int k = 0; k < 4; ++k)
            m_card.lb[k] = new TextLabel(m_window.get(), {10, 100 + 20 * k, 400, 16});
        m_card.info = new TextLabel(m_window.get(), {10, 200, 400, 60});
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_subject.reset();
        m_options.reset();
        m_folder.reset();
    }

    void numberLineBlankLineAndText()
    {
        filterSubject(QStringLiteral("sortId=1"));
        show(1);
        QCOMPARE(m_card.note->caption(), QStringLiteral("第1题\r\r判断题1"));
        QCOMPARE(m_card.note->text(), QStringLiteral("第1题\n\n判断题1"));
        show(125);
        QCOMPARE(m_card.note->caption(), QStringLiteral("第125题\r\r判断题125"));
        QCOMPARE(m_card.info->caption(), QStringLiteral("解析125"));
    }

    void trueFalseUsesRowsAAndBWithTheKeyInRed()
    {
        filterSubject(QStringLiteral("sortId=1"));
        show(1);
        QVERIFY(m_card.lb[0]->isVisible() && m_card.lb[1]->isVisible());
        QVERIFY(!m_card.lb[2]->isVisible() && !m_card.lb[3]->isVisible());
        QCOMPARE(m_card.lb[0]->caption(), QStringLiteral("正确"));
        QCOMPARE(m_card.lb[0]->fontColor(), 0);
        QCOMPARE(m_card.lb[1]->caption(), QStringLiteral("错误√"));
        QCOMPARE(m_card.lb[1]->fontColor(), 255);
        QCOMPARE(m_card.lb[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void choiceRowsShowAgainAndKeysAreMarked()
    {
        filterSubject(QStringLiteral("sortId=1"));
        show(1);
        filterSubject(QStringLiteral("sortId=2"));
        show(1);
        for (auto *row : m_card.lb)
            QVERIFY(row->isVisible());
        QCOMPARE(m_card.lb[2]->caption(), QStringLiteral("丙√"));
        QCOMPARE(m_card.lb[3]->caption(), QStringLiteral("丁"));
        QCOMPARE(m_card.lb[3]->fontColor(), 0);

        show(2); // two keys: both red and marked
        QCOMPARE(m_card.lb[0]->caption(), QStringLiteral("一√"));
        QCOMPARE(m_card.lb[2]->caption(), QStringLiteral("三√"));
        QCOMPARE(m_card.lb[0]->fontColor(), 255);
        QCOMPARE(m_card.lb[2]->fontColor(), 255);

        show(3); // five options: the fifth appears nowhere
        QCOMPARE(m_card.lb[3]->caption(), QStringLiteral("D1√"));
        for (auto *row : m_card.lb)
            QVERIFY(!row->caption().contains(QStringLiteral("E1")));
    }

    void explanationNullOrTextNullIsEmpty()
    {
        filterSubject(QStringLiteral("sortId=2"));
        show(3);
        QCOMPARE(m_card.info->caption(), QStringLiteral("很长的解析"));
        show(1); // "NULL"
        QCOMPARE(m_card.info->caption(), QString());
        show(3);
        show(2); // database null
        QCOMPARE(m_card.info->caption(), QString());
    }

    void pictureHidesForNullAndComesBack()
    {
        filterSubject(QStringLiteral("sortId=1"));
        show(2);
        QVERIFY(m_card.pic->isVisible());
        QCOMPARE(m_card.pic->picture().size(), QSize(60, 40));
        show(3);
        QVERIFY(!m_card.pic->isVisible());
        QCOMPARE(m_card.pic->picture().size(), QSize(60, 40)); // kept while hidden
        filterSubject(QStringLiteral("sortId=2"));
        show(1);
        QVERIFY(m_card.pic->isVisible());
        QCOMPARE(m_card.pic->picture().size(), QSize(40, 30)); // the bitmap
    }

    void brokenPictureRaisesAnErrorNamingTheFile()
    {
        QFile::remove(m_folder->file(QStringLiteral("upload/p2.jpg")));
        filterSubject(QStringLiteral("sortId=1"));
        try {
            show(2);
            QFAIL("no error");
        } catch (const ExamError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("p2.jpg")), qPrintable(e.message()));
        }
        QVERIFY_THROWS_EXCEPTION(ExamError,
                                 card::showPicture(m_card.pic, QStringLiteral("../data.mdb")));
        QVERIFY_THROWS_EXCEPTION(ExamError, card::showPicture(m_card.pic, QString()));
    }

    void positionSetsTheRowAndTheOptionsFilter()
    {
        filterSubject(QStringLiteral("sortId=2"));
        QCOMPARE(card::positionSubject(*m_subject, 2), 502);
        QCOMPARE(m_subject->recNo(), 2);
        card::showOptionsAndKey(*m_options, 503, m_card.lb);
        QCOMPARE(m_options->filter(), QStringLiteral("subid=503"));
        QVERIFY(m_options->filtered());
    }

    void cardIgnoresWhatAnotherWindowLeftOnOptions()
    {
        m_options->setFilter(QStringLiteral("iskey=1"));
        m_options->setFiltered(true);
        filterSubject(QStringLiteral("sortId=2"));
        show(1);
        QCOMPARE(m_card.lb[0]->caption(), QStringLiteral("甲"));
    }
};

EXAM_TEST_MAIN(CardTest)
#include "tst_card.moc"
