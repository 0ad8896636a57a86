#include "app/errorbox.h"
#include "app/form.h"
#include "app/keys.h"
#include "app/shell.h"
#include "app/startup.h"
#include "data/F_ado.h"
#include "data/errors.h"
#include "forms/F_dtjq.h"
#include "forms/F_jtbz.h"
#include "forms/F_jxjs.h"
#include "forms/F_main.h"
#include "forms/F_xccx.h"
#include "testsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

namespace {

// A window whose handlers fail, and which counts the keys it previews.
class ProbeForm : public TForm
{
public:
    ProbeForm()
    {
        KeyPreview = true;
        edit = new QLineEdit(this);
        button = new QPushButton(this);
        onEvent(button, &QPushButton::clicked, this, &ProbeForm::buttonClick);
    }
    void FormCreate() override
    {
        created = true;
        throw ExamError(QStringLiteral("创建失败"));
    }
    void FormKeyDown(int key, Qt::KeyboardModifiers) override
    {
        keys.append(key);
        if (key == vk::Divide)
            throw ExamError(QStringLiteral("按键失败"));
    }
    void buttonClick() { throw ExamError(QStringLiteral("点击失败")); }

    QLineEdit *edit;
    QPushButton *button;
    QList<int> keys;
    bool created = false;
};

QPointer<ProbeForm> probe;

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;
    QList<QUrl> m_opened;

    void start(bool withBank = true)
    {
        m_folder = std::make_unique<ProgramFolder>();
        if (!withBank)
            QFile::remove(m_folder->file(QStringLiteral("data.mdb")));
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
        createWindowSet();
        exam::main->Show();
    }

    QList<QWidget *> visibleWindows() const
    {
        QList<QWidget *> out;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                out.append(w);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        shell::setOpener([this](const QUrl &url) { m_opened.append(url); });
    }

    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
        m_opened.clear();
    }

    void windowsAreCreatedInOrderAndOnlyTheMainOneShows()
    {
        start();
        const QList<QObject *> expected = {exam::main, exam::jtbz, exam::jxjs,
                                           exam::xccx, exam::ado,  exam::dtjq};
        QCOMPARE(adoptedWindows(), expected);
        QCOMPARE(visibleWindows(), QList<QWidget *>{exam::main});
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(exam::connstr, m_folder->connectionString());
        QVERIFY(exam::ado->subject->isOpen());
        QCOMPARE(exam::main->size(), QSize(792, 576));
        QVERIFY(exam::main->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(exam::main->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(exam::jtbz->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(exam::dtjq->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(exam::xccx->windowTitle(), QStringLiteral("选择车型"));
    }

    void missingBankShowsOneErrorBoxThenTheMainWindow()
    {
        start(false);
        QCOMPARE(m_boxes->shown().size(), 1);
        const msgbox::Request box = m_boxes->shown().first();
        QCOMPARE(box.title, QStringLiteral("驾驶员理论考试系统"));
        QCOMPARE(box.icon, msgbox::Icon::Stop);
        QCOMPARE(box.buttons, msgbox::Buttons::Ok);
        QVERIFY2(box.text.contains(QStringLiteral("找不到题库文件")), qPrintable(box.text));
        QVERIFY(exam::dtjq); // start-up went on
        QCOMPARE(visibleWindows(), QList<QWidget *>{exam::main});
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("data.mdb"))));
    }

    void studyAndMockExamButtonsSetTheModeOfTheChooser()
    {
        start();
        exam::main->Image9Click();
        QCOMPARE(exam::xccx->Tag, 1);
        QVERIFY(exam::xccx->isVisible());
        exam::main->Image8Click(); // before confirming: the mock exam wins
        QCOMPARE(exam::xccx->Tag, 2);
        Txccx *chooser = exam::xccx;
        exam::xccx->close();
        QVERIFY(!exam::xccx->isVisible());
        exam::main->Image9Click();
        QCOMPARE(exam::xccx.data(), chooser); // created once, only shown again
        QCOMPARE(exam::xccx->Tag, 1);
    }

    void keypadMultiplyOpensTheChooserForAMockExam()
    {
        start();
        exam::main->Image9Click();
        QTest::keyClick(exam::main, Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(exam::xccx->Tag, 2);
        QVERIFY(exam::xccx->isVisible());

        exam::xccx->close();
        QTest::keyClick(exam::main, Qt::Key_Asterisk); // the main keyboard's * is not the keypad's
        QVERIFY(!exam::xccx->isVisible());
        QTest::keyClick(exam::main, Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(!exam::xccx->isVisible());
    }

    void pageButtonsShowTheirWindows()
    {
        start();
        const QList<QPair<void (Tmain::*)(), QWidget *>> pages = {
            {&Tmain::Image10Click, exam::dtjq},
            {&Tmain::Image4Click, exam::jtbz},
            {&Tmain::Image5Click, exam::jxjs}};
        for (const auto &[click, window] : pages) {
            (exam::main->*click)();
            QVERIFY(window->isVisible());
            window->close();
            QVERIFY(!window->isVisible());
            (exam::main->*click)();
            QVERIFY(window->isVisible());
        }
        QCOMPARE(adoptedWindows().size(), 6); // shown again, never created again
    }

    void clickingTheButtonPicturesRunsTheirActions()
    {
        start();
        QTest::mouseClick(exam::main->Image8, Qt::LeftButton);
        QCOMPARE(exam::xccx->Tag, 2);
        QVERIFY(exam::xccx->isVisible());
        QTest::mouseClick(exam::main->Label1, Qt::LeftButton);
        QCOMPARE(m_opened, QList<QUrl>{QUrl(Tmain::kContactUrl)});
        QCOMPARE(exam::main->Image3->cursor().shape(), Qt::PointingHandCursor);
    }

    void exitAnsweredNoLeavesEverythingAsItWas()
    {
        start();
        exam::main->Image9Click();
        m_boxes->queue(msgbox::Answer::No);
        exam::main->Image3Click();
        QCOMPARE(m_boxes->shown().size(), 1);
        const msgbox::Request box = m_boxes->shown().first();
        QCOMPARE(box.text, QStringLiteral("你确定要退出本程序吗?"));
        QCOMPARE(box.title, QStringLiteral("提示"));
        QCOMPARE(box.icon, msgbox::Icon::Question);
        QCOMPARE(box.buttons, msgbox::Buttons::YesNo);
        QVERIFY(exam::main->isVisible());
        QVERIFY(exam::xccx->isVisible());
    }

    void exitAnsweredYesEndsTheProgram()
    {
        start();
        m_boxes->queue(msgbox::Answer::Yes);
        bool timedOut = false;
        QTimer::singleShot(0, exam::main,
                           [] { QTest::mouseClick(exam::main->Image3, Qt::LeftButton); });
        QTimer::singleShot(5000, qApp, [&] {
            timedOut = true;
            qApp->quit();
        });
        qApp->exec();
        QVERIFY(!timedOut);
        QVERIFY(!exam::main->isVisible());
        QCOMPARE(m_boxes->shown().size(), 1);
    }

    void endOfTheRunClearsTheConnectionString()
    {
        start();
        QPointer<QObject> chooser = exam::xccx.data();
        destroyWindowSet();
        QVERIFY(chooser.isNull());
        QVERIFY(exam::connstr.isEmpty());
        QVERIFY(adoptedWindows().isEmpty());
    }

    void errorsInHandlersShowOneBoxAndTheProgramGoesOn()
    {
        BoxAnswers boxes;
        createForm(probe);
        QVERIFY(probe->created);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("创建失败")});
        QCOMPARE(boxes.shown().first().title, kApplicationTitle);
        QCOMPARE(boxes.shown().first().icon, msgbox::Icon::Stop);

        probe->Show();
        QTest::mouseClick(probe->button, Qt::LeftButton);
        QCOMPARE(boxes.texts().size(), 2);
        QCOMPARE(boxes.texts().last(), QStringLiteral("点击失败"));

        probe->edit->setFocus();
        QTest::keyClick(probe->edit, Qt::Key_Slash, Qt::KeypadModifier);
        QCOMPARE(boxes.texts().size(), 3);
        QCOMPARE(boxes.texts().last(), QStringLiteral("按键失败"));
        QTest::mouseClick(probe->button, Qt::LeftButton);
        QCOMPARE(boxes.texts().size(), 4);
        destroyAdoptedWindows();
    }

    void keyPreviewSeesEachKeyOnceBeforeTheControl()
    {
        BoxAnswers boxes;
        createForm(probe);
        probe->Show();
        probe->edit->setFocus();
        QTest::keyClick(probe->edit, Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Return);
        QTest::keyClick(probe->edit, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Delete, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_0, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_9, Qt::KeypadModifier);
        QTest::keyClick(probe->edit, Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ShiftModifier);
        const QList<int> expected = {101, 13, 13, 110, 110, 107, 109, 96, 105, 16, 106};
        QCOMPARE(probe->keys, expected);
        QVERIFY2(probe->edit->text().startsWith(QStringLiteral("5")),
                 qPrintable(probe->edit->text()));
        destroyAdoptedWindows();
    }
};

EXAM_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
