#include "app/startup.h"
#include "data/F_ado.h"
#include "forms/F_ksxz.h"
#include "forms/F_main.h"
#include "forms/F_mnks.h"
#include "forms/F_xccx.h"
#include "testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <memory>

class HostileTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<BoxAnswers> m_boxes;

    void prepare()
    {
        m_folder = std::make_unique<ProgramFolder>(examBank());
        m_folder->writePaper(standardPaper());
        m_folder->activate();
        m_boxes = std::make_unique<BoxAnswers>();
    }

private slots:
    void cleanup()
    {
        destroyWindowSet();
        m_boxes.reset();
        m_folder.reset();
    }

    // The message names the read-only file, not its folder, which can be written.
    void readOnlyBankIsReportedAtStartAndTheExamGoesOn()
    {
        prepare();
        const QString data = m_folder->file(QStringLiteral("data.mdb"));
        ReadOnly lock(data);
        if (!lock.ok())
            QSKIP("this machine cannot make a file read-only for the test (no chattr for root)");
        createWindowSet();
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(
            m_boxes->texts().first().contains(QStringLiteral("题库文件“%1”是只读的").arg(data)),
            qPrintable(m_boxes->texts().first()));

        createForm(exam::ksxz);
        Tmnks *w = createForm(exam::mnks);
        QCOMPARE(m_boxes->shown().size(), 1);
        QTest::keyClick(w->StringGrid1, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(m_boxes->shown().size(), 2);
        QVERIFY2(m_boxes->texts().last().contains(QStringLiteral("只读")),
                 qPrintable(m_boxes->texts().last()));
        QCOMPARE(w->CurrentNo, 1);
        QCOMPARE(w->StringGrid1->cellText(0, 0),
                 QStringLiteral("1")); // no answer shown that is not kept
        QTest::keyClick(w->StringGrid1, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(w->CurrentNo, 2);
        QVERIFY(w->Timer1->isActive());
    }

    void readOnlyFolderIsReportedAtStart()
    {
        prepare();
        ReadOnly lock(m_folder->path());
        if (!lock.ok())
            QSKIP("this machine cannot make a folder read-only for the test (no chattr for root)");
        createWindowSet();
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY(m_boxes->texts().first().contains(QStringLiteral("不可写")));
        QVERIFY(exam::ado->subject->isOpen()); // reading still works
    }

    void randomBytesInsteadOfABank()
    {
        prepare();
        QFile f(m_folder->file(QStringLiteral("data.mdb")));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QByteArray noise(32 * 1024, '\0');
        QRandomGenerator(11).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        f.write(noise);
        f.close();
        createWindowSet();
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY(m_boxes->texts().first().contains(QStringLiteral("不是有效的题库文件")));
        exam::main->Show();
        QVERIFY(exam::main->isVisible());
        exam::main->Image8Click();
        exam::xccx->Button1Click();
        exam::ksxz->BitBtn1->click(); // the exam cannot start; it says so and nothing breaks
        QVERIFY(m_boxes->shown().size() >= 2);
        QVERIFY(!exam::mnks);
    }

    void megabyteOfGarbageInTheSettings()
    {
        prepare();
        QFile ini(m_folder->file(QStringLiteral("system.ini")));
        ini.open(QIODevice::WriteOnly);
        QByteArray garbage(1024 * 1024, '\0');
        QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(garbage.data()),
                                      garbage.size() / 4);
        ini.write(garbage);
        ini.close();
        createWindowSet();
        createForm(exam::ksxz);
        Tmnks *w = createForm(exam::mnks);
        QCOMPARE(w->atime->caption(), QStringLiteral("90:00"));
        QCOMPARE(w->PassMark, 90);
        QVERIFY(m_boxes->shown().isEmpty());
    }
};

EXAM_TEST_MAIN(HostileTest)
#include "tst_hostile.moc"
