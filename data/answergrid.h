#pragma once

#include <QString>

// The exam window's answer grid: 20 columns by 5 rows, question N in row (N - 1) div 20,
// column (N - 1) mod 20; a cell reads the question number, followed by the answer given.
namespace answergrid {

constexpr int kColumns = 20;
constexpr int kRows = 5;
constexpr int kQuestions = kColumns * kRows;

inline int rowOf(int number)
{
    return (number - 1) / kColumns;
}
inline int columnOf(int number)
{
    return (number - 1) % kColumns;
}
inline int numberAt(int row, int column)
{
    return row * kColumns + column + 1;
}

inline QString cellText(int number, const QString &answer = {})
{
    return QString::number(number) + answer;
}

// The answer a cell records: the last of "A", "B", "C", "D", "√", "×" (in that order) found
// in its text, or nothing while the cell holds only its number.
QString recordedAnswer(const QString &cellText, int number);

} // namespace answergrid
