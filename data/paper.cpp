#include "paper.h"

#include "errors.h"
#include "tableobject.h"

#include <QElapsedTimer>
#include <ctime>

quint32 PaperRandom::systemCounter()
{
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) == 0)
        return quint32(quint64(now.tv_sec) * 1000000000ull + quint64(now.tv_nsec));
    static QElapsedTimer ticks;
    if (!ticks.isValid())
        ticks.start();
    return quint32(ticks.elapsed());
}

quint32 PaperRandom::below(quint32 range)
{
    m_seed = m_seed * 134775813u + 1u;
    return quint32((quint64(m_seed) * range) >> 32);
}

PaperRandom &paperRandom()
{
    static PaperRandom random;
    return random;
}

namespace paper {
namespace {

const QString kSubId = QStringLiteral("subid");
constexpr int kPaperQuestions = 100;

QString typeName(int typeId)
{
    return typeId == 1 ? QStringLiteral("判断题") : QStringLiteral("选择题");
}

} // namespace

QString categoryLabel(qint64 sortId, const QString &name)
{
    return name.isEmpty() ? QStringLiteral("编号 %1").arg(sortId)
                          : QStringLiteral("“%1”（编号 %2）").arg(name).arg(sortId);
}

QString countColumn(int group)
{
    return QStringLiteral("scale%1").arg(group);
}

void drawQuestions(TableObject &subject, TableObject &note, PaperRandom &random, int count,
                   qint64 sortId, int typeId, const QString &category)
{
    subject.setFiltered(false);
    subject.setFilter(QStringLiteral("(sortid=%1) and (typeId=%2)").arg(sortId).arg(typeId));
    subject.setFiltered(true);
    subject.first();
    const int n = subject.recordCount();
    if (count <= 0)
        return;
    if (n == 0)
        throw ExamError(
            QStringLiteral("分类%1中没有%2，无法抽取试卷。").arg(category, typeName(typeId)));
    for (int i = 0; i < count; ++i) {
        qint64 id = 0;
        for (int attempt = 1;; ++attempt) {
            random.reseed();
            subject.first();
            subject.moveBy(int(random.below(quint32(n))));
            id = subject.asInteger(kSubId);
            // A question already on the paper is drawn again, ten times at most.
            if (!note.locate(QStringLiteral("subId"), id) || attempt > 10)
                break;
        }
        note.append();
        note.setValue(kSubId, id);
    }
}

void drawPaper(TableObject &subject, TableObject &sort, TableObject &note, PaperRandom &random,
               int group, const QString &groupName)
{
    const QString column = countColumn(group);
    subject.setFiltered(false);
    sort.setFiltered(false);
    bool anyShare = false;
    for (sort.first(); !sort.eof(); sort.next()) {
        const qint64 share = sort.asInteger(column);
        // No share can be larger than the paper; a broken bank must not draw for ever.
        if (share > kPaperQuestions)
            throw ExamError(QStringLiteral("分类%1的题量 %2 超过了试卷的 %3 题，无法组卷。")
                                .arg(categoryLabel(sort.asInteger(QStringLiteral("sortID")),
                                                   sort.asText(QStringLiteral("sortname"))))
                                .arg(share)
                                .arg(kPaperQuestions));
        anyShare = anyShare || share > 0;
    }
    if (!anyShare)
        throw ExamError(QStringLiteral("题库中没有“%1”车型的考题，无法组卷。").arg(groupName));

    // The new paper replaces the old one whole: a draw that fails leaves the last paper.
    note.transaction([&] {
        for (note.first(); !note.eof();)
            note.deleteRecord();
        for (int typeId = 1; typeId <= 2; ++typeId) {
            for (sort.first(); !sort.eof(); sort.next()) {
                // At most kPaperQuestions here: larger shares were refused above.
                const qint64 share = sort.asInteger(column);
                if (share <= 0)
                    continue;
                const int a = int(share);
                const int t = (a * 4) / 10;
                const qint64 sortId = sort.asInteger(QStringLiteral("sortID"));
                drawQuestions(subject, note, random, typeId == 1 ? t : a - t, sortId, typeId,
                              categoryLabel(sortId, sort.asText(QStringLiteral("sortname"))));
            }
        }
        note.post();
    });
}

} // namespace paper
