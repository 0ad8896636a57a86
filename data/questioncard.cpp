#include "questioncard.h"

#include "../app/controls.h"
#include "errors.h"
#include "programfolder.h"
#include "tableobject.h"

namespace card {
namespace {
const QString kNoValue = QStringLiteral("NULL");
const QString kKeyMark = QStringLiteral("√");
} // namespace

qint64 positionSubject(TableObject &subject, int currentNo)
{
    subject.first();
    subject.moveBy(currentNo - 1);
    return subject.asInteger(QStringLiteral("subid"));
}

int typeOf(const TableObject &subject)
{
    const QString column = QStringLiteral("typeId");
    return !subject.isNull(column) && subject.asInteger(column) == 1 ? 1 : 2;
}

bool isKey(const TableObject &options)
{
    const QString column = QStringLiteral("iskey");
    return !options.isNull(column) && options.asInteger(column) == 1;
}

void showNumberAndText(TextLabel *note, int number, const QString &subtitle)
{
    note->setCaption(QStringLiteral("第%1题\r\r%2").arg(number).arg(subtitle));
}

void showExplanation(TextLabel *info, const TableObject &subject)
{
    const QString text = subject.asText(QStringLiteral("info"));
    info->setCaption(subject.isNull(QStringLiteral("info")) || text == kNoValue ? QString() : text);
}

void showPicture(PictureBox *pic, const QString &subpic)
{
    // A picture that fails leaves no other question's picture on display.
    pic->hide();
    if (subpic == kNoValue)
        return;
    // A picture name is a file inside upload/, never a path out of it.
    if (subpic.isEmpty() || subpic.contains(QLatin1Char('/')) ||
        subpic.contains(QLatin1Char('\\')) || subpic == QLatin1String("..") ||
        subpic == QLatin1String("."))
        throw ExamError(QStringLiteral("图片名“%1”无效。").arg(subpic));
    pic->loadFromFile(programFolder() + QStringLiteral("upload/") + subpic);
    pic->show();
}

void clearRows(const OptionLabels &rows)
{
    for (TextLabel *row : rows)
        row->setCaption(QString());
}

void showRowsByType(const OptionLabels &rows, int typeId)
{
    rows[2]->setVisible(typeId != 1);
    rows[3]->setVisible(typeId != 1);
}

void filterBySubId(TableObject &table, qint64 subid)
{
    table.setFiltered(false);
    table.setFilter(QStringLiteral("subid=%1").arg(subid));
    table.setFiltered(true);
    table.first();
}

void showOptionsAndKey(TableObject &options, qint64 subid, const OptionLabels &rows)
{
    filterBySubId(options, subid);
    for (int k = 0; !options.eof(); ++k, options.next()) {
        if (k >= int(rows.size()))
            continue;
        const bool key = isKey(options);
        QString text = options.asText(QStringLiteral("optcontent"));
        if (key)
            text += kKeyMark;
        rows[k]->setFontColor(key ? kRed : kBlack);
        rows[k]->setCaption(text);
    }
}

void showQuestion(const Controls &c, TableObject &subject, TableObject &options, int currentNo)
{
    clearRows(c.lb);
    const qint64 subid = positionSubject(subject, currentNo);
    showNumberAndText(c.note, subject.recNo(), subject.asText(QStringLiteral("subtitle")));
    showExplanation(c.info, subject);
    const QString picture = subject.asText(QStringLiteral("subpic"));
    showRowsByType(c.lb, typeOf(subject));
    showOptionsAndKey(options, subid, c.lb);
    // Last: a picture that cannot be shown is reported with the rest of the card in place.
    showPicture(c.pic, picture);
}

} // namespace card
