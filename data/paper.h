#pragma once

#include <QString>
#include <functional>

class TableObject;

// The random generator that draws a paper. It is seeded anew before every draw from a
// high-resolution counter; a test puts its own counter in to replay a paper.
class PaperRandom
{
public:
    using Counter = std::function<quint32()>;

    // The low 32 bits of the monotonic nanosecond counter, or the millisecond tick count
    // where that counter cannot be read.
    static quint32 systemCounter();

    explicit PaperRandom(Counter counter = systemCounter) : m_counter(std::move(counter)) {}

    void reseed() { m_seed = m_counter(); }
    // A number from 0 to range - 1: seed := seed * 134775813 + 1 (mod 2^32), then the upper
    // 32 bits of seed * range.
    quint32 below(quint32 range);
    quint32 seed() const { return m_seed; }

private:
    Counter m_counter;
    quint32 m_seed = 0;
};

// The generator the exam-notice screen draws with; tests replace the counter.
PaperRandom &paperRandom();

namespace paper {

// Names a category in messages: "“name”（编号 N）".
QString categoryLabel(qint64 sortId, const QString &name = {});

// Appends `count` questions of one category and type, drawn at random from `subject`, to
// `note`; a question already on the paper is drawn again, up to eleven draws in all.
// A positive count with no question to draw from raises an error naming the category.
void drawQuestions(TableObject &subject, TableObject &note, PaperRandom &random, int count,
                   qint64 sortId, int typeId, const QString &category);

// Empties `note` and draws a new paper for vehicle-class group `group`: for true/false, then
// multiple-choice questions, every category of `sort` in its order gives 40 % (rounded down)
// or the rest of its share. The paper is written whole or not at all; a group with no share
// raises an error before `note` is touched.
void drawPaper(TableObject &subject, TableObject &sort, TableObject &note, PaperRandom &random,
               int group, const QString &groupName);

// The count column of a vehicle-class group: "scale0", "scale1", "scale2".
QString countColumn(int group);

} // namespace paper
