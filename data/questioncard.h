#pragma once

#include <QString>
#include <array>

class PictureBox;
class TableObject;
class TextLabel;

// The steps that put one question on screen, shared by every window that shows questions.
// Each works on the shared table objects as the windows leave them.
namespace card {

using OptionLabels = std::array<TextLabel *, 4>;

// Moves `subject` to its first row, then forward by currentNo - 1 rows; returns the question
// id of that row.
qint64 positionSubject(TableObject &subject, int currentNo);

// The question type of the current row: 1 true/false, anything else (a null included)
// multiple choice.
int typeOf(const TableObject &subject);
// Whether the current option is the key: iskey 1; anything else, a null included, is not.
bool isKey(const TableObject &options);

// "第N题", a blank line, then the question text.
void showNumberAndText(TextLabel *note, int number, const QString &subtitle);

// The explanation, empty when it is null or "NULL".
void showExplanation(TextLabel *info, const TableObject &subject);

// The picture from the program folder's upload/ folder, or no picture for "NULL".
void showPicture(PictureBox *pic, const QString &subpic);

// Empties the option rows, so that a card that fails part-way shows no other question's
// options.
void clearRows(const OptionLabels &rows);

// A true/false question uses rows A and B only.
void showRowsByType(const OptionLabels &rows, int typeId);

// The options of question `subid` in rows A to D, the correct one red and marked "√";
// options past the fourth are not shown.
void showOptionsAndKey(TableObject &options, qint64 subid, const OptionLabels &rows);

// Puts the filter "subid=N" on a table (the options of a question, or the question itself),
// filtering on, at its first row.
void filterBySubId(TableObject &table, qint64 subid);

// The whole card as the browsers show it: question currentNo of `subject` as filtered and
// ordered now.
struct Controls {
    TextLabel *note = nullptr;
    PictureBox *pic = nullptr;
    OptionLabels lb{};
    TextLabel *info = nullptr;
};
void showQuestion(const Controls &controls, TableObject &subject, TableObject &options,
                  int currentNo);

} // namespace card
