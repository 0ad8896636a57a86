#include "bank.h"

#include "errors.h"
#include "examgroups.h"
#include "picture.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace {

QString categoryName(const BankCategory &c)
{
    return QStringLiteral("分类“%1”（编号 %2）").arg(c.name).arg(c.sortId);
}

void checkCategories(const Bank &bank, QStringList &problems)
{
    QSet<int> ids;
    for (const BankCategory &c : bank.categories) {
        if (c.sortId <= 0)
            problems << QStringLiteral("%1：分类编号 %2 应为正整数").arg(c.origin).arg(c.sortId);
        if (ids.contains(c.sortId))
            problems << QStringLiteral("%1：分类编号 %2 重复").arg(c.origin).arg(c.sortId);
        ids.insert(c.sortId);
        if (c.name.trimmed().isEmpty())
            problems << QStringLiteral("%1：分类名称为空").arg(c.origin);
        for (int g = 0; g < vehicleclass::kGroups; ++g) {
            if (c.scale[g] < 0)
                problems << QStringLiteral("%1：%2 的题量 %3 不能为负数")
                                .arg(c.origin, vehicleclass::groupName(g))
                                .arg(c.scale[g]);
        }
    }
    for (int g = 0; g < vehicleclass::kGroups; ++g) {
        qint64 total = 0;
        for (const BankCategory &c : bank.categories)
            total += qMax(0, c.scale[g]);
        if (total != 100)
            problems << QStringLiteral("车型“%1”各分类题量合计为 %2，应为 100")
                            .arg(vehicleclass::groupName(g))
                            .arg(total);
    }
}

// Each positive share must be drawable without repeats: 40 % (rounded down) true/false
// questions, the rest multiple-choice questions.
void checkCapacity(const Bank &bank, QStringList &problems)
{
    QHash<int, int> trueFalse, choice;
    for (const BankQuestion &q : bank.questions)
        (q.typeId == 1 ? trueFalse : choice)[q.sortId]++;
    for (const BankCategory &c : bank.categories) {
        for (int g = 0; g < vehicleclass::kGroups; ++g) {
            const int a = c.scale[g];
            if (a <= 0)
                continue;
            const int t = int(qint64(a) * 4 / 10);
            if (trueFalse.value(c.sortId) < t)
                problems << QStringLiteral("%1：%2有 %3 道判断题，车型“%4”的试卷需要 %5 道")
                                .arg(c.origin, categoryName(c))
                                .arg(trueFalse.value(c.sortId))
                                .arg(vehicleclass::groupName(g))
                                .arg(t);
            if (choice.value(c.sortId) < a - t)
                problems << QStringLiteral("%1：%2有 %3 道选择题，车型“%4”的试卷需要 %5 道")
                                .arg(c.origin, categoryName(c))
                                .arg(choice.value(c.sortId))
                                .arg(vehicleclass::groupName(g))
                                .arg(a - t);
        }
    }
}

bool safePictureName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String("..") && name != QLatin1String(".");
}

void checkQuestion(const BankQuestion &q, const QSet<int> &categories, const QDir &upload,
                   QStringList &problems)
{
    const QString at = q.origin;
    if (q.subId <= 0)
        problems << QStringLiteral("%1：题号 %2 应为正整数").arg(at).arg(q.subId);
    if (q.subId > kMaxQuestionId)
        problems << QStringLiteral("%1：题号 %2 太大，最大为 %3")
                        .arg(at)
                        .arg(q.subId)
                        .arg(kMaxQuestionId);
    if (!categories.contains(q.sortId))
        problems << QStringLiteral("%1：分类编号 %2 不存在").arg(at).arg(q.sortId);
    if (q.typeId != 1 && q.typeId != 2)
        problems << QStringLiteral("%1：题型 %2 无效，只能是 1（判断）或 2（选择）")
                        .arg(at)
                        .arg(q.typeId);
    if (q.text.trimmed().isEmpty())
        problems << QStringLiteral("%1：题目文字为空").arg(at);
    if (q.errorTimes < 0)
        problems << QStringLiteral("%1：错误次数 %2 不能为负数").arg(at).arg(q.errorTimes);
    const int wanted = q.typeId == 1 ? 2 : 4;
    if (q.options.size() != wanted)
        problems << QStringLiteral("%1：试题 %2 有 %3 个选项，应为 %4 个")
                        .arg(at)
                        .arg(q.subId)
                        .arg(q.options.size())
                        .arg(wanted);
    int keys = 0;
    for (const BankOption &o : q.options) {
        keys += o.key ? 1 : 0;
        if (o.text.trimmed().isEmpty())
            problems << QStringLiteral("%1：试题 %2 有空选项").arg(at).arg(q.subId);
    }
    if (keys != 1)
        problems << QStringLiteral("%1：试题 %2 有 %3 个正确选项，应恰有 1 个")
                        .arg(at)
                        .arg(q.subId)
                        .arg(keys);
    // The exam window answers "√" with the first option and "×" with the second.
    if (q.typeId == 1 && q.options.size() == 2 &&
        (q.options.at(0).text != QStringLiteral("正确") ||
         q.options.at(1).text != QStringLiteral("错误")))
        problems << QStringLiteral("%1：判断题 %2 的选项应依次为“正确”“错误”").arg(at).arg(q.subId);
    if (q.picture.isEmpty())
        return;
    if (!safePictureName(q.picture)) {
        problems << QStringLiteral("%1：图片名“%2”无效").arg(at, q.picture);
        return;
    }
    try {
        loadPicture(upload.filePath(q.picture));
    } catch (const ExamError &e) {
        problems << QStringLiteral("%1：%2").arg(at, e.message());
    }
}

} // namespace

QStringList checkBank(const Bank &bank, const QString &uploadFolder)
{
    QStringList problems;
    checkCategories(bank, problems);
    QSet<int> categories;
    for (const BankCategory &c : bank.categories)
        categories.insert(c.sortId);
    QSet<qint64> ids;
    const QDir upload(uploadFolder);
    for (const BankQuestion &q : bank.questions) {
        if (ids.contains(q.subId))
            problems << QStringLiteral("%1：题号 %2 重复").arg(q.origin).arg(q.subId);
        ids.insert(q.subId);
        checkQuestion(q, categories, upload, problems);
    }
    checkCapacity(bank, problems);
    return problems;
}
