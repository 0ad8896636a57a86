// The built program on a real X server (Xvfb), driven by real key and mouse events (xdotool)
// from another working directory; the outcome is read from data.mdb and from the windows on
// the screen. Screenshots of the main windows are left in the build folder's screenshots/.

#include "data/sqlfile.h"
#include "testsupport.h"
#include "xsession.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <memory>

namespace {

const QSize kChooser(373, 257);
// The main menu, the exam notice and the exam window (its frame around 790 x 574) share a
// size; they are told apart by their window ids.
const QSize kFullScreen(792, 576);
const QSize kSubmission(459, 402);
const QSize kResult(458, 431);
const QSize kReview(795, 576);
const QSize kBrowser(795, 585);
const QSize kPractice(798, 586);

void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
    }
}

// A program folder of its own: the built program with its bank, settings, pictures, pages.
class ProgramCopy
{
public:
    explicit ProgramCopy(const QByteArray &settings = {})
    {
        const QString from = QStringLiteral(EXAM_PROGRAM_FOLDER);
        for (const QString &name : {QStringLiteral("exam"), QStringLiteral("data.mdb"),
                                    QStringLiteral("Security.mdw"), QStringLiteral("system.ini")})
            QFile::copy(from + QLatin1Char('/') + name, m_dir.filePath(name));
        copyFolder(from + QStringLiteral("/upload"), m_dir.filePath(QStringLiteral("upload")));
        copyFolder(from + QStringLiteral("/html"), m_dir.filePath(QStringLiteral("html")));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("exam")),
                              QFile::permissions(m_dir.filePath(QStringLiteral("exam"))) |
                                  QFileDevice::ExeOwner);
        if (!settings.isEmpty()) {
            QFile ini(m_dir.filePath(QStringLiteral("system.ini")));
            ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
            ini.write(settings);
        }
    }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    // (typeId, optionid, isright) of every position of the paper.
    QList<std::array<qint64, 3>> sheet() const
    {
        SqlFile db(file(QStringLiteral("data.mdb")), SqlFile::Read);
        QSqlQuery q =
            db.prepare(QStringLiteral("SELECT s.typeId, n.optionid, n.isright FROM note n "
                                      "JOIN subject s ON s.subId = n.subId ORDER BY n.noteId"));
        db.run(q);
        QList<std::array<qint64, 3>> rows;
        while (q.next())
            rows.append(
                {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
        return rows;
    }

    int answered() const
    {
        int n = 0;
        for (const auto &row : sheet())
            n += row[1] != 0 ? 1 : 0;
        return n;
    }

    QString integrity() const
    {
        SqlFile db(file(QStringLiteral("data.mdb")), SqlFile::Read);
        QSqlQuery q = db.prepare(QStringLiteral("PRAGMA integrity_check"));
        db.run(q);
        return q.next() ? q.value(0).toString() : QString();
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT

    XSession m_x;
    std::unique_ptr<QProcess> m_exam;
    QTemporaryDir m_elsewhere;
    QString m_shots = QStringLiteral(EXAM_PROGRAM_FOLDER "/screenshots");
    QString m_mainId;
    QString m_noticeId;

    QProcessEnvironment environment() const { return m_x.environment(); }
    QString x(const QString &program, const QStringList &args) { return m_x.run(program, args); }
    void key(const QStringList &keys) { m_x.key(keys); }

    // Starts the program from another working directory; returns the milliseconds it took
    // until the main window was on the screen.
    qint64 launch(const ProgramCopy &program)
    {
        m_exam = std::make_unique<QProcess>();
        m_exam->setProcessEnvironment(environment());
        m_exam->setWorkingDirectory(m_elsewhere.path());
        QElapsedTimer timer;
        timer.start();
        m_exam->start(program.file(QStringLiteral("exam")), {});
        if (!waitFor([&] { return visible().contains(kFullScreen); }, 15000))
            return -1;
        const qint64 elapsed = timer.elapsed();
        m_mainId = idsOf(kFullScreen).value(0);
        m_noticeId.clear();
        return elapsed;
    }

    void quit()
    {
        if (!m_exam)
            return;
        m_exam->kill();
        m_exam->waitForFinished(5000);
        m_exam.reset();
    }

    using Window = XSession::Window;

    QList<Window> windows()
    {
        return m_exam ? m_x.windowsOf(m_exam->processId()) : QList<Window>();
    }

    QList<QSize> visible()
    {
        QList<QSize> sizes;
        for (const Window &w : windows())
            sizes.append(w.geometry.size());
        return sizes;
    }

    QStringList idsOf(const QSize &size)
    {
        QStringList ids;
        for (const Window &w : windows())
            if (w.geometry.size() == size)
                ids.append(w.id);
        return ids;
    }

    // The exam window: full size, and neither the main menu nor the notice screen.
    QRect examPlace()
    {
        for (const Window &w : windows())
            if (w.geometry.size() == kFullScreen && w.id != m_mainId && w.id != m_noticeId)
                return w.geometry;
        return {};
    }
    bool examShown() { return !examPlace().isNull(); }

    QRect placeOf(const QSize &size)
    {
        for (const Window &w : windows()) {
            if (w.geometry.size() == size)
                return w.geometry;
        }
        return {};
    }

    void click(const QPoint &at)
    {
        x(QStringLiteral("xdotool"),
          {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    QImage screen()
    {
        const QString path = m_elsewhere.filePath(QStringLiteral("screen.png"));
        x(QStringLiteral("import"), {"-window", "root", path});
        return QImage(path);
    }

    void shoot(const QString &name, const QSize &window)
    {
        QDir().mkpath(m_shots);
        screen().copy(placeOf(window)).save(m_shots + QLatin1Char('/') + name);
    }

    void shootExam(const QString &name)
    {
        QDir().mkpath(m_shots);
        screen().copy(examPlace()).save(m_shots + QLatin1Char('/') + name);
    }

    void shootWindow(const QString &name, const QString &id)
    {
        QDir().mkpath(m_shots);
        for (const Window &w : windows())
            if (w.id == id)
                screen().copy(w.geometry).save(m_shots + QLatin1Char('/') + name);
    }

    // Enter in the chooser, then (unless `draw` is false) Enter on the notice screen, which
    // draws the paper and opens the exam window.
    void enterExam(bool draw = true)
    {
        key({"Return"});
        QVERIFY(waitFor([&] { return visible().count(kFullScreen) == 2; }));
        for (const QString &id : idsOf(kFullScreen))
            if (id != m_mainId)
                m_noticeId = id;
        if (!draw)
            return;
        key({"Return"});
        QVERIFY(waitFor([&] { return examShown(); }));
    }

    // Keypad * and two Enters: from the main menu to question 1 of a new paper.
    void startMockExam()
    {
        key({"KP_Multiply"});
        QVERIFY(waitFor([&] { return visible().contains(kChooser); }));
        enterExam();
    }

    // Keys answering positions from..to of the paper: 4 (√) for true/false, 1 (A) otherwise.
    QStringList answerKeys(const ProgramCopy &program, int from, int to)
    {
        QStringList keys;
        const auto sheet = program.sheet();
        for (int p = from; p <= to; ++p)
            keys << (sheet.at(p - 1)[0] == 1 ? QStringLiteral("KP_4") : QStringLiteral("KP_1"));
        return keys;
    }

private slots:
    void initTestCase()
    {
        const QString missing = XSession::missingTool();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed: the end-to-end run needs Xvfb, "
                                            "xdotool and ImageMagick (tools/install-deps "
                                            "installs them)")
                                 .arg(missing)));
        if (!m_x.start())
            QSKIP("Xvfb could not start a display: the end-to-end run is skipped");
    }

    void cleanup() { quit(); }

    void cleanupTestCase()
    {
        quit();
        m_x.stop();
    }

    void mockExamFromTheKeypad()
    {
        ProgramCopy program;
        const qint64 startup = launch(program);
        QVERIFY(startup > 0);
        qInfo("start-up to the main window: %lld ms", startup);
        shoot(QStringLiteral("main-menu.png"), kFullScreen);
        key({"KP_Multiply"});
        QVERIFY(waitFor([&] { return visible().contains(kChooser); }));
        shoot(QStringLiteral("chooser.png"), kChooser);
        enterExam(false);
        shootWindow(QStringLiteral("notice.png"), m_noticeId);
        key({"Return"});
        QVERIFY(waitFor([&] { return examShown(); }));
        QCOMPARE(program.sheet().size(), 100);
        QCOMPARE(program.answered(), 0);

        for (int from = 1; from <= 100; from += 20) {
            key(answerKeys(program, from, from + 19));
            QVERIFY2(waitFor([&] { return program.answered() == from + 19; }),
                     qPrintable(QStringLiteral("answered %1").arg(program.answered())));
            if (from == 41)
                shootExam(QStringLiteral("exam-window.png"));
        }
        key({"KP_Subtract", "KP_Subtract", "KP_Add"}); // moving about stores nothing
        QCOMPARE(program.answered(), 100);

        key({"KP_Divide"});
        QVERIFY(waitFor([&] { return visible().contains(kSubmission); }));
        shoot(QStringLiteral("submission.png"), kSubmission);
        key({"KP_Decimal"}); // back to the exam, nothing handed in
        QVERIFY(waitFor([&] { return !visible().contains(kSubmission); }));
        QVERIFY(examShown());
        key({"KP_Divide"});
        QVERIFY(waitFor([&] { return visible().contains(kSubmission); }));
        key({"KP_0"});
        QVERIFY(waitFor([&] { return visible().contains(kResult) && !examShown(); }));
        shoot(QStringLiteral("result.png"), kResult);

        int wrong = 0;
        for (const auto &row : program.sheet())
            wrong += row[2] == 0 ? 1 : 0;
        key({"KP_Decimal"});
        QVERIFY(
            waitFor([&] { return visible().contains(kReview) && !visible().contains(kResult); }));
        shoot(QStringLiteral("review.png"), kReview);
        QVERIFY(wrong > 0); // √ and A cannot all be right

        QFile status(QStringLiteral("/proc/%1/status").arg(m_exam->processId()));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM"))
                    qInfo("peak memory of the exam: %s", line.simplified().constData());
            }
        }
    }

    void studyRunShowsTheKeyWhenAsked()
    {
        ProgramCopy program;
        QVERIFY(launch(program) > 0);
        const QRect menu = placeOf(kFullScreen);
        click(menu.topLeft() + QPoint(576 + 110, 102 + 23)); // 试题学习
        QVERIFY(waitFor([&] { return visible().contains(kChooser); }));
        enterExam();
        // The client area inside the exam window's 1-pixel frame.
        const QRect exam = examPlace().adjusted(1, 1, -1, -1);
        // The option rows of the question area: red only while the key is shown.
        const QRect rows = QRect(157 + 24, 8 + 112, 365, 115).translated(exam.topLeft());
        auto redPixels = [&] {
            const QImage shot = screen().copy(rows);
            int red = 0;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x0 = 0; x0 < shot.width(); ++x0) {
                    const QColor c = shot.pixelColor(x0, y);
                    red += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
                }
            }
            return red;
        };
        QCOMPARE(redPixels(), 0);
        click(exam.topLeft() + QPoint(600 + 8, 272 + 8)); // 自动显示答案
        QVERIFY(waitFor([&] { return redPixels() > 20; }));
        key(answerKeys(program, 1, 1));
        QVERIFY(waitFor([&] { return program.answered() == 1; }));
        QVERIFY(waitFor([&] { return redPixels() > 20; })); // the next question shows its key too
    }

    void timeUpHandsThePaperIn()
    {
        ProgramCopy program("alltime=8\r\nmark=90\r\n");
        QVERIFY(launch(program) > 0);
        startMockExam();
        key(answerKeys(program, 1, 2));
        QVERIFY(waitFor([&] { return program.answered() == 2; }));
        // "时间到！" comes in a box of its own; its OK leads to the result.
        QVERIFY(waitFor(
            [&] {
                for (const QSize &s : visible()) {
                    if (s != kFullScreen)
                        return true;
                }
                return false;
            },
            15000));
        key({"Return"});
        QVERIFY(waitFor([&] { return visible().contains(kResult) && !examShown(); }));
        QCOMPARE(program.answered(), 2);
    }

    void browserFromTheMenu()
    {
        ProgramCopy program;
        QVERIFY(launch(program) > 0);
        const QRect menu = placeOf(kFullScreen);
        click(menu.topLeft() + QPoint(576 + 110, 274 + 23)); // 浏览题库
        QVERIFY(waitFor([&] { return visible().contains(kPractice); }));
        shoot(QStringLiteral("practice-chooser.png"), kPractice);
        click(placeOf(kPractice).topLeft() + QPoint(296 + 40, 545 + 12)); // 浏览题库
        QVERIFY(waitFor([&] { return visible().contains(kBrowser); }));
        click(placeOf(kBrowser).topLeft() + QPoint(356 + 40, 544 + 12)); // 下一题
        QTest::qWait(300);
        shoot(QStringLiteral("browser.png"), kBrowser);
    }

    // The frequently-missed browser and the three pages, each opened from its menu button.
    void errorsBrowserAndPagesFromTheMenu()
    {
        ProgramCopy program;
        QVERIFY(launch(program) > 0);
        const QRect menu = placeOf(kFullScreen);
        click(menu.topLeft() + QPoint(576 + 110, 216 + 23)); // 易错试题
        QVERIFY(waitFor([&] { return visible().contains(kBrowser); }));
        QTest::qWait(300);
        shoot(QStringLiteral("errors-browser.png"), kBrowser);
        click(placeOf(kBrowser).topLeft() + QPoint(560 + 40, 536 + 12)); // 返回主窗口
        QVERIFY(waitFor([&] { return !visible().contains(kBrowser); }));
        const struct {
            int top;
            QSize size;
            const char *shot;
        } pages[] = {{331, QSize(819, 567), "page-tips.png"},
                     {389, QSize(821, 560), "page-signs.png"},
                     {446, QSize(829, 563), "page-school.png"}};
        for (const auto &page : pages) {
            click(menu.topLeft() + QPoint(576 + 110, page.top + 23));
            QVERIFY2(waitFor([&] { return visible().contains(page.size); }), page.shot);
            QTest::qWait(400);
            shoot(QLatin1String(page.shot), page.size);
            for (const QString &id : idsOf(page.size)) // no window manager to close it
                x(QStringLiteral("xdotool"), {"windowunmap", id});
            QTest::qWait(200);
        }
    }

    void killedMidExamKeepsEveryAnswerGiven()
    {
        ProgramCopy program;
        QVERIFY(launch(program) > 0);
        startMockExam();
        key(answerKeys(program, 1, 30));
        QVERIFY(waitFor([&] { return program.answered() == 30; }));
        m_exam->kill(); // SIGKILL
        m_exam->waitForFinished(5000);
        QCOMPARE(program.integrity(), QStringLiteral("ok"));
        QCOMPARE(program.answered(), 30);

        // Killed at a random moment while keys are still coming, or while the paper is being
        // drawn, twenty times: the sheet is always whole and holds a run of answers from the
        // first question on, however the kill falls.
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments drawn with seed %u", seed);
        QRandomGenerator moments(seed);
        for (int round = 0; round < 20; ++round) {
            QVERIFY2(launch(program) > 0, m_exam->readAllStandardError().constData());
            const bool whileDrawing = round % 4 == 3;
            const int after = int(moments.bounded(whileDrawing ? 300 : 1500));
            QProcess typing;
            if (whileDrawing) {
                key({"KP_Multiply"});
                QVERIFY(waitFor([&] { return visible().contains(kChooser); }));
                enterExam(false);
                key({"Return"});
            } else {
                startMockExam();
                typing.setProcessEnvironment(environment());
                typing.start(QStringLiteral("xdotool"),
                             QStringList{"key", "--delay", "20"} + answerKeys(program, 1, 60));
            }
            QTest::qWait(after);
            m_exam->kill();
            m_exam->waitForFinished(5000);
            typing.kill();
            typing.waitForFinished();
            const QString where = QStringLiteral("round %1, killed %2 ms after %3")
                                      .arg(round)
                                      .arg(after)
                                      .arg(whileDrawing ? QStringLiteral("the paper was asked for")
                                                        : QStringLiteral("the keys began"));
            QVERIFY2(program.integrity() == QLatin1String("ok"), qPrintable(where));
            const auto sheet = program.sheet();
            QVERIFY2(sheet.size() == 100, qPrintable(where));
            const int given = program.answered();
            for (int p = 0; p < 100; ++p)
                QVERIFY2((sheet.at(p)[1] != 0) == (p < given), qPrintable(where));
        }
        m_exam.reset();
    }
};

EXAM_TEST_MAIN(EndToEndTest)
#include "tst_e2e.moc"
