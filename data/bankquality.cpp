#include "bankquality.h"

#include "examgroups.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

bool hasExplanation(const BankQuestion &q)
{
    return q.info && !q.info->trimmed().isEmpty() && q.info->trimmed() != QLatin1String("NULL");
}

int keyIndex(const BankQuestion &q)
{
    for (int i = 0; i < q.options.size(); ++i)
        if (q.options.at(i).key)
            return i;
    return -1;
}

QString keyText(const BankQuestion &q)
{
    const int k = keyIndex(q);
    return k < 0 ? QString() : q.options.at(k).text.trimmed();
}

// Characters that carry meaning: punctuation, symbols and blanks are left out.
QString meaningful(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

// Sorted character bigrams, repeats kept, so that two texts can be compared as multisets.
std::vector<quint32> bigrams(const QString &text)
{
    const QString t = meaningful(text);
    std::vector<quint32> out;
    for (int i = 0; i + 1 < t.size(); ++i)
        out.push_back(quint32(t.at(i).unicode()) << 16 | t.at(i + 1).unicode());
    std::sort(out.begin(), out.end());
    return out;
}

// Bigrams weighted by how rare they are in the bank, so that the phrasing every question
// shares ("不得超过每小时多少公里") does not make two different rules look alike.
class BigramWeights
{
public:
    explicit BigramWeights(const std::vector<std::vector<quint32>> &texts)
    {
        for (const auto &grams : texts) {
            std::vector<quint32> distinct = grams;
            distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
            for (quint32 b : distinct)
                ++m_documents[b];
        }
        m_count = double(std::max<size_t>(texts.size(), 1));
    }
    double weight(quint32 bigram) const
    {
        return std::log(m_count / std::max(1, m_documents.value(bigram)));
    }
    double total(const std::vector<quint32> &grams) const
    {
        double sum = 0;
        for (quint32 b : grams)
            sum += weight(b);
        return sum;
    }
    double common(const std::vector<quint32> &a, const std::vector<quint32> &b) const
    {
        double sum = 0;
        auto i = a.begin(), j = b.begin();
        while (i != a.end() && j != b.end()) {
            if (*i < *j)
                ++i;
            else if (*j < *i)
                ++j;
            else
                sum += weight(*i), ++i, ++j;
        }
        return sum;
    }

private:
    QHash<quint32, int> m_documents;
    double m_count = 1;
};

// How much of the explanation is the question and its key said again.
double repeatedShare(const BankQuestion &q)
{
    const std::vector<quint32> said = bigrams(*q.info);
    if (said.empty())
        return 1;
    std::vector<quint32> asked = bigrams(q.text + QLatin1Char('|') + keyText(q));
    asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
    int found = 0;
    for (quint32 b : said)
        found += std::binary_search(asked.begin(), asked.end(), b);
    return double(found) / double(said.size());
}

void count(QualityFigures &f, const BankQuestion &q)
{
    const int key = keyIndex(q);
    if (key < 0)
        return;
    if (q.typeId == 1) {
        ++f.trueFalse;
        f.keyedTrue += key == 0;
        return;
    }
    ++f.choice;
    if (key < 4)
        ++f.keyLetter[key];
    const int keyLength = int(meaningful(q.options.at(key).text).size());
    int longestOther = 0;
    for (int i = 0; i < q.options.size(); ++i)
        if (i != key)
            longestOther = std::max(longestOther, int(meaningful(q.options.at(i).text).size()));
    f.keyStrictlyLongest += keyLength > longestOther;
    f.keyLongestOrTied += keyLength >= longestOther;
}

double share(int part, int whole)
{
    return whole == 0 ? 0 : double(part) / whole;
}

QString percent(double fraction)
{
    return QString::number(100 * fraction, 'f', 1) + QLatin1Char('%');
}

QString figuresLine(const QualityFigures &f)
{
    return QStringLiteral(
               "选择题 %1 道，答案最长 %2，最长或并列最长 %3；答案 A/B/C/D：%4/%5/%6/%7；"
               "判断题 %8 道，正确/错误：%9/%10")
        .arg(f.choice)
        .arg(percent(share(f.keyStrictlyLongest, f.choice)),
             percent(share(f.keyLongestOrTied, f.choice)))
        .arg(f.keyLetter[0])
        .arg(f.keyLetter[1])
        .arg(f.keyLetter[2])
        .arg(f.keyLetter[3])
        .arg(f.trueFalse)
        .arg(f.keyedTrue)
        .arg(f.trueFalse - f.keyedTrue);
}

// The categories whose questions can meet on one paper: those with a share in a common group.
bool samePool(const QHash<int, const BankCategory *> &categories, int a, int b)
{
    const BankCategory *ca = categories.value(a), *cb = categories.value(b);
    if (!ca || !cb)
        return false;
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        if (ca->scale[g] > 0 && cb->scale[g] > 0)
            return true;
    return false;
}

// What a question asks and answers: the stem, and for a multiple-choice question its key.
QString askedAndAnswered(const BankQuestion &q)
{
    return q.typeId == 1 ? q.text : q.text + QLatin1Char('|') + keyText(q);
}

// Two questions give each other away when one states what the other asks: the same type with
// the same key, or a true/false statement of what a multiple-choice question asks.
bool couldGiveAway(const BankQuestion &a, const BankQuestion &b)
{
    if (a.typeId != b.typeId)
        return true;
    return a.typeId == 1 ? keyIndex(a) == keyIndex(b) : keyText(a) == keyText(b);
}

QStringList findNearDuplicates(const Bank &bank, double threshold)
{
    QHash<int, const BankCategory *> categories;
    for (const BankCategory &c : bank.categories)
        categories.insert(c.sortId, &c);
    std::vector<std::vector<quint32>> grams;
    for (const BankQuestion &q : bank.questions)
        grams.push_back(bigrams(askedAndAnswered(q)));
    const BigramWeights weights(grams);
    std::vector<double> totals;
    for (const auto &g : grams)
        totals.push_back(weights.total(g));

    QStringList pairs;
    const auto &qs = bank.questions;
    for (int i = 0; i < qs.size(); ++i) {
        for (int j = i + 1; j < qs.size(); ++j) {
            const BankQuestion &a = qs.at(i), &b = qs.at(j);
            if (a.picture != b.picture || !couldGiveAway(a, b) ||
                !samePool(categories, a.sortId, b.sortId))
                continue;
            const double sum = totals[i] + totals[j];
            if (sum > 0 && 2 * weights.common(grams[i], grams[j]) / sum >= threshold)
                pairs << QStringLiteral("%1/%2")
                             .arg(qMin(a.subId, b.subId))
                             .arg(qMax(a.subId, b.subId));
        }
    }
    pairs.sort();
    return pairs;
}

QString idList(const QStringList &ids)
{
    constexpr int kShown = 60;
    QString text = ids.mid(0, kShown).join(QLatin1Char(' '));
    if (ids.size() > kShown)
        text += QStringLiteral(" …（另 %1 个）").arg(ids.size() - kShown);
    return text;
}

void section(QString &text, const QString &title, const QStringList &ids)
{
    text += QStringLiteral("%1：%2\n").arg(title).arg(ids.size());
    if (!ids.isEmpty())
        text += QStringLiteral("  ") + idList(ids) + QLatin1Char('\n');
}

void gateAtMost(QStringList &failures, const QString &what, int value, int limit)
{
    if (value > limit)
        failures << QStringLiteral("%1为 %2，上限 %3").arg(what).arg(value).arg(limit);
}

void gateShare(QStringList &failures, const QString &what, double value, double low, double high)
{
    if (value < low || value > high)
        failures << QStringLiteral("%1为 %2，应在 %3 至 %4 之间")
                        .arg(what, percent(value), percent(low), percent(high));
}

} // namespace

bool namesItsSource(const QString &explanation)
{
    static const QRegularExpression source(QStringLiteral(
        "《|第[一二三四五六七八九十百零〇两0-9]+条|GB\\s*/?\\s*T?\\s*[0-9]|GA\\s*/?\\s*T?\\s*[0-9]|"
        "公安部令|道路交通安全法|实施条例|管理条例"));
    return source.match(explanation).hasMatch();
}

double expectedPaperOverlap(const Bank &bank, int group)
{
    QHash<int, int> trueFalse, choice;
    for (const BankQuestion &q : bank.questions)
        (q.typeId == 1 ? trueFalse : choice)[q.sortId]++;
    // A question of a paper is on the next one with the chance share / pool.
    auto expected = [](int drawn, int pool) {
        return drawn <= 0 ? 0.0 : drawn * std::min(1.0, double(drawn) / std::max(pool, 1));
    };
    double total = 0;
    for (const BankCategory &c : bank.categories) {
        const int a = c.scale[group];
        if (a <= 0)
            continue;
        const int t = int(qint64(a) * 4 / 10);
        total += expected(t, trueFalse.value(c.sortId)) + expected(a - t, choice.value(c.sortId));
    }
    return total;
}

QualityReport assessBankQuality(const Bank &bank, const QualityGates &gates)
{
    QualityReport r;
    std::map<int, QualityFigures> perCategory;
    QStringList strictlyLongest;
    for (const BankQuestion &q : bank.questions) {
        count(r.whole, q);
        count(perCategory[q.sortId], q);
        const QString id = QString::number(q.subId);
        if (!hasExplanation(q)) {
            r.withoutExplanation << id;
            continue;
        }
        if (repeatedShare(q) >= gates.repeatShare)
            r.repeatingExplanation << id;
        if (!namesItsSource(*q.info))
            r.uncitedExplanation << id;
    }
    r.nearDuplicates = findNearDuplicates(bank, gates.similarity);
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        r.paperOverlap[g] = expectedPaperOverlap(bank, g);

    QString &t = r.text;
    t += QStringLiteral("题库质量报告：%1 道试题\n").arg(bank.questions.size());
    t += QStringLiteral("全部：") + figuresLine(r.whole) + QLatin1Char('\n');
    for (const auto &[sortId, figures] : perCategory)
        t += QStringLiteral("分类 %1：").arg(sortId) + figuresLine(figures) + QLatin1Char('\n');
    for (const BankQuestion &q : bank.questions) {
        QualityFigures one;
        count(one, q);
        if (one.keyStrictlyLongest)
            strictlyLongest << QString::number(q.subId);
    }
    section(t, QStringLiteral("答案为最长选项的选择题"), strictlyLongest);
    section(t, QStringLiteral("没有解析的试题"), r.withoutExplanation);
    section(t, QStringLiteral("解析只是重复题目和答案的试题"), r.repeatingExplanation);
    section(t, QStringLiteral("解析未说明依据（法律、法规、规章或标准）的试题"),
            r.uncitedExplanation);
    section(t, QStringLiteral("同一试卷范围内答案相同的近似重复试题对"), r.nearDuplicates);
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        t += QStringLiteral("车型“%1”：相继两份试卷平均重复 %2 题\n")
                 .arg(vehicleclass::groupName(g))
                 .arg(r.paperOverlap[g], 0, 'f', 1);

    const QualityFigures &w = r.whole;
    if (share(w.keyStrictlyLongest, w.choice) > gates.maxKeyStrictlyLongest)
        r.failures << QStringLiteral("答案为最长选项的选择题占 %1，上限 %2")
                          .arg(percent(share(w.keyStrictlyLongest, w.choice)),
                               percent(gates.maxKeyStrictlyLongest));
    if (share(w.keyLongestOrTied, w.choice) > gates.maxKeyLongestOrTied)
        r.failures << QStringLiteral("答案为最长或并列最长选项的选择题占 %1，上限 %2")
                          .arg(percent(share(w.keyLongestOrTied, w.choice)),
                               percent(gates.maxKeyLongestOrTied));
    if (w.choice > 0)
        for (int k = 0; k < 4; ++k)
            gateShare(r.failures, QStringLiteral("答案为 %1 的选择题比例").arg(QChar(u'A' + k)),
                      share(w.keyLetter[k], w.choice), gates.minKeyLetterShare,
                      gates.maxKeyLetterShare);
    if (w.trueFalse > 0)
        gateShare(r.failures, QStringLiteral("答案为“正确”的判断题比例"),
                  share(w.keyedTrue, w.trueFalse), gates.minTrueShare, gates.maxTrueShare);
    gateAtMost(r.failures, QStringLiteral("没有解析的试题数"), int(r.withoutExplanation.size()),
               gates.maxWithoutExplanation);
    gateAtMost(r.failures, QStringLiteral("解析只是重复题目的试题数"),
               int(r.repeatingExplanation.size()), gates.maxRepeatingExplanations);
    gateAtMost(r.failures, QStringLiteral("解析未说明依据的试题数"),
               int(r.uncitedExplanation.size()), gates.maxUncitedExplanations);
    gateAtMost(r.failures, QStringLiteral("近似重复试题对数"), int(r.nearDuplicates.size()),
               gates.maxNearDuplicates);
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        if (r.paperOverlap[g] > gates.maxPaperOverlap)
            r.failures << QStringLiteral("车型“%1”相继两份试卷平均重复 %2 题，上限 %3")
                              .arg(vehicleclass::groupName(g))
                              .arg(r.paperOverlap[g], 0, 'f', 1)
                              .arg(gates.maxPaperOverlap, 0, 'f', 1);
    return r;
}
