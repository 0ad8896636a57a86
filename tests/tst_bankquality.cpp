// The quality report: each figure on a bank built to break it, and the shipped bank against
// its gates, its pictures and its papers, so that the bank cannot slip back.

#include "app/startup.h"
#include "data/F_ado.h"
#include "data/bank.h"
#include "data/bankquality.h"
#include "data/examgroups.h"
#include "data/paper.h"
#include "data/picture.h"
#include "data/programfolder.h"
#include "data/tableobject.h"
#include "testsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace {

BankQuestion trueFalse(qint64 id, const QString &text, bool right, const QString &info)
{
    BankQuestion q;
    q.subId = id;
    q.sortId = 1;
    q.typeId = 1;
    q.text = text;
    q.info = info;
    q.options = {{QStringLiteral("正确"), right}, {QStringLiteral("错误"), !right}};
    return q;
}

BankQuestion choice(qint64 id, const QString &text, const QStringList &options, int key,
                    const QString &info)
{
    BankQuestion q;
    q.subId = id;
    q.sortId = 1;
    q.typeId = 2;
    q.text = text;
    q.info = info;
    for (int k = 0; k < options.size(); ++k)
        q.options.append({options.at(k), k == key});
    return q;
}

Bank oneCategory(const QVector<BankQuestion> &questions, int share = 100)
{
    Bank bank;
    bank.categories.append({1, QStringLiteral("全部"), {share, share, share}, {}});
    bank.questions = questions;
    return bank;
}

const QString kCited = QStringLiteral("依据《道路交通安全法》第四十二条，夜间应当降低行驶速度。");

Bank shippedBank()
{
    return readBankSource(QStringLiteral(EXAM_SOURCE_DIR "/bank"));
}

} // namespace

class BankQualityTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { destroyWindowSet(); }

    // A key longer than every distractor, or as long as the longest, is counted; a short key
    // is not.
    void keyLengthIsMeasured()
    {
        const Bank bank = oneCategory({
            choice(1, QStringLiteral("甲"), {"短", "短", "很长很长的答案", "短"}, 2, kCited),
            choice(2, QStringLiteral("乙"), {"一样长", "一样长", "短", "短"}, 0, kCited),
            choice(3, QStringLiteral("丙"), {"短", "很长的干扰项", "短", "短"}, 0, kCited),
            choice(4, QStringLiteral("丁"), {"中等长度", "短", "短", "短"}, 3, kCited),
        });
        const QualityReport r = assessBankQuality(bank);
        QCOMPARE(r.whole.choice, 4);
        QCOMPARE(r.whole.keyStrictlyLongest, 1);
        QCOMPARE(r.whole.keyLongestOrTied, 2);
        QCOMPARE(r.whole.keyLetter[0], 2);
        QCOMPARE(r.whole.keyLetter[2], 1);
        QCOMPARE(r.whole.keyLetter[3], 1);
        QVERIFY(r.text.contains(QStringLiteral("答案为最长选项的选择题：1\n  1\n")));
        // 25 % strictly longest passes 30 %; 50 % longest-or-tied misses 45 %.
        QCOMPARE(r.failures.filter(QStringLiteral("最长或并列最长")).size(), 1);
        QCOMPARE(r.failures.filter(QStringLiteral("答案为最长选项")).size(), 0);
    }

    void keysAreSpreadOverTheLetters()
    {
        QVector<BankQuestion> all;
        for (int n = 1; n <= 10; ++n)
            all.append(choice(n, QStringLiteral("题%1").arg(n), {"甲", "乙", "丙", "丁"},
                              n <= 7 ? 0 : n - 7, kCited));
        for (int n = 11; n <= 20; ++n)
            all.append(trueFalse(n, QStringLiteral("判断%1").arg(n), n <= 18, kCited));
        const QualityReport r = assessBankQuality(oneCategory(all));
        QVERIFY(!r.failures.filter(QStringLiteral("答案为 A")).isEmpty());
        QVERIFY(!r.failures.filter(QStringLiteral("答案为 D")).isEmpty()); // 10 % under 15 %
        QVERIFY(!r.failures.filter(QStringLiteral("“正确”")).isEmpty());   // 80 % over 60 %
    }

    // Missing, repeated and uncited explanations, each listed by id.
    void explanationsAreChecked()
    {
        BankQuestion missing = trueFalse(1, QStringLiteral("夜间应当降低车速。"), true, {});
        missing.info.reset();
        const Bank bank = oneCategory({
            missing,
            trueFalse(2, QStringLiteral("雾天应当开启雾灯。"), true, QStringLiteral("NULL")),
            trueFalse(3, QStringLiteral("驾驶机动车在雾天应当开启雾灯和危险报警闪光灯。"), true,
                      QStringLiteral("雾天驾驶机动车应当开启雾灯和危险报警闪光灯。")),
            trueFalse(4, QStringLiteral("高速公路最高车速每小时120公里。"), true,
                      QStringLiteral("车速太快容易出事故，要慢一点开。")),
            trueFalse(5, QStringLiteral("夜间会车应当改用近光灯。"), true,
                      QStringLiteral("《道路交通安全法实施条例》第四十八条规定夜间会车在距对向来车"
                                     "150米以外改用近光灯，以免对方眩目。")),
        });
        const QualityReport r = assessBankQuality(bank);
        QCOMPARE(r.withoutExplanation, (QStringList{"1", "2"}));
        QCOMPARE(r.repeatingExplanation, QStringList{"3"});
        QCOMPARE(r.uncitedExplanation, (QStringList{"3", "4"}));
        QVERIFY(namesItsSource(QStringLiteral("见GB 5768.2。")));
        QVERIFY(namesItsSource(QStringLiteral("按公安部令第163号记3分。")));
        QVERIFY(!namesItsSource(QStringLiteral("这样做比较安全。")));
    }

    // Two questions that give each other away on one paper are listed; questions on
    // different pictures, of categories that never meet, or of different keys are not.
    void nearDuplicatesInOnePaperPool()
    {
        BankQuestion a = trueFalse(
            1,
            QStringLiteral("机动车在高速公路上发生故障时，警告标志应当设置在来车方向150米以外。"),
            true, kCited);
        BankQuestion b = choice(
            2, QStringLiteral("机动车在高速公路上发生故障时，警告标志应当设置在来车方向多远以外？"),
            {"50米", "100米", "150米", "200米"}, 2, kCited);
        BankQuestion c =
            trueFalse(3, QStringLiteral("如图所示，这个标志表示禁止向左转弯。"), true, kCited);
        c.picture = QStringLiteral("a.jpg");
        BankQuestion d =
            trueFalse(4, QStringLiteral("如图所示，这个标志表示禁止向左转弯。"), true, kCited);
        d.picture = QStringLiteral("b.jpg");
        BankQuestion e =
            trueFalse(5, QStringLiteral("驾驶人饮酒后可以驾驶机动车上道路行驶。"), false, kCited);
        BankQuestion f =
            trueFalse(6, QStringLiteral("驾驶人饮酒后可以驾驶机动车在道路上行驶。"), false, kCited);
        f.sortId = 2; // a category of another paper pool
        BankQuestion g =
            trueFalse(7, QStringLiteral("驾驶人饮酒后可以驾驶机动车上道路行驶吗"), true, kCited);
        // Category 1 is on the papers of groups 0 and 1, category 2 only on group 2's.
        Bank bank = oneCategory({a, b, c, d, e, f, g});
        bank.categories[0].scale[2] = 0;
        bank.categories.append({2, QStringLiteral("大车"), {0, 0, 100}, {}});
        const QualityReport r = assessBankQuality(bank);
        QCOMPARE(r.nearDuplicates, QStringList{"1/2"});
    }

    // Two papers share, on average, share * share / pool questions of each category and type.
    void paperOverlapIsTheExpectedCommonShare()
    {
        QVector<BankQuestion> all;
        for (int n = 1; n <= 80; ++n)
            all.append(trueFalse(n, QStringLiteral("判断%1").arg(n), n % 2, kCited));
        for (int n = 81; n <= 200; ++n)
            all.append(choice(n, QStringLiteral("选择%1").arg(n), {"甲", "乙", "丙", "丁"}, n % 4,
                              kCited));
        const Bank bank = oneCategory(all);
        // 40 of 80 true/false and 60 of 120 choice questions: 40 * 40 / 80 + 60 * 60 / 120.
        QCOMPARE(expectedPaperOverlap(bank, 0), 50.0);
        QualityGates gates;
        gates.maxPaperOverlap = 49;
        QCOMPARE(assessBankQuality(bank, gates).failures.filter(QStringLiteral("平均重复")).size(),
                 3);
    }

    // The bank as shipped meets every gate of the report.
    void shippedBankMeetsTheGates()
    {
        const QualityReport r = assessBankQuality(shippedBank());
        QVERIFY2(r.failures.isEmpty(), qPrintable(r.failures.join(QLatin1Char('\n'))));
        QVERIFY2(r.paperOverlap[0] <= 8, qPrintable(QString::number(r.paperOverlap[0])));
    }

    // The size and spread the exam needs: 1,500 questions for the small-car paper, 300 in each
    // large-vehicle category, 450 with pictures, true/false questions in proportion, and a
    // frequently-missed list with a long tail.
    void shippedBankHasTheSizeOfTheRealOne()
    {
        const Bank bank = shippedBank();
        QHash<int, int> questions, trueFalse;
        int pictures = 0;
        QList<int> errors;
        for (const BankQuestion &q : bank.questions) {
            ++questions[q.sortId];
            trueFalse[q.sortId] += q.typeId == 1;
            pictures += !q.picture.isEmpty();
            errors.append(q.errorTimes);
        }
        int smallCar = 0;
        for (const BankCategory &c : bank.categories) {
            if (c.scale[0] > 0)
                smallCar += questions.value(c.sortId);
            const double share = double(trueFalse.value(c.sortId)) / questions.value(c.sortId);
            QVERIFY2(share >= 0.35 && share <= 0.5,
                     qPrintable(QStringLiteral("%1: %2").arg(c.sortId).arg(share)));
        }
        QVERIFY2(smallCar >= 1500, qPrintable(QString::number(smallCar)));
        QVERIFY2(questions.value(5) >= 300, qPrintable(QString::number(questions.value(5))));
        QVERIFY2(questions.value(6) >= 300, qPrintable(QString::number(questions.value(6))));
        QVERIFY2(pictures >= 450, qPrintable(QString::number(pictures)));
        std::sort(errors.begin(), errors.end(), std::greater<int>());
        // The 200th most-missed count is shared (ties), and most questions are missed rarely.
        QVERIFY(errors.size() > 400);
        QVERIFY(errors.at(199) == errors.at(200) || errors.at(199) == errors.at(198));
        QVERIFY(errors.at(errors.size() / 2) * 3 < errors.at(100));
    }

    // Every picture decodes and fits the exam window's box; every question that speaks of a
    // picture shows one, and every picture is used.
    void shippedPicturesFitTheirQuestions()
    {
        const Bank bank = shippedBank();
        const QDir pictures(QStringLiteral(EXAM_SOURCE_DIR "/bank/pictures"));
        QSet<QString> used;
        static const QRegularExpression speaksOfPicture(
            QStringLiteral("如图|这个标志|图中|这种标志|这个手势|这种手势"));
        for (const BankQuestion &q : bank.questions) {
            if (!q.picture.isEmpty())
                used.insert(q.picture);
            QVERIFY2(!q.text.contains(speaksOfPicture) || !q.picture.isEmpty(),
                     qPrintable(QString::number(q.subId)));
        }
        for (const QString &name : pictures.entryList(QDir::Files)) {
            const QImage image = loadPicture(pictures.filePath(name));
            QVERIFY2(image.width() <= 225 && image.height() <= 137, qPrintable(name));
            QVERIFY2(used.contains(name), qPrintable(name + QStringLiteral(" is not used")));
        }
    }

    // A paper can be drawn for every group from the shipped bank: 100 questions, true/false
    // first, no question twice.
    void shippedBankGivesEveryGroupAPaper()
    {
        QTemporaryDir copy;
        for (const QString &name : {QStringLiteral("data.mdb"), QStringLiteral("Security.mdw")})
            QVERIFY(
                QFile::copy(QStringLiteral(EXAM_PROGRAM_FOLDER "/") + name, copy.filePath(name)));
        setProgramFolder(copy.path());
        BoxAnswers boxes;
        createWindowSet();
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
        PaperRandom random;
        for (int group = 0; group < vehicleclass::kGroups; ++group) {
            TableObject note(QStringLiteral("note"));
            note.setConnectionString(exam::connstr);
            note.open();
            note.setSort(QStringLiteral("noteId"));
            paper::drawPaper(*exam::ado->subject, *exam::ado->sort, note, random, group,
                             vehicleclass::groupName(group));
            QCOMPARE(note.recordCount(), 100);
            QSet<qint64> ids;
            TableObject &subject = *exam::ado->subject;
            subject.setFiltered(false);
            int lastType = 1;
            for (note.first(); !note.eof(); note.next()) {
                const qint64 id = note.asInteger(QStringLiteral("subId"));
                ids.insert(id);
                QVERIFY(subject.locate(QStringLiteral("subId"), id));
                const int type = int(subject.asInteger(QStringLiteral("typeId")));
                QVERIFY(type >= lastType);
                lastType = type;
            }
            QCOMPARE(ids.size(), 100);
        }
    }
};

EXAM_TEST_MAIN(BankQualityTest)
#include "tst_bankquality.moc"
