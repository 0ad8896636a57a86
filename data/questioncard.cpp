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

int positionSubject(TableObject &subject, int currentNo)
{
    subject.first();
    subject.moveBy(currentNo - 1);
    return int(subject.asInteger(QStringLiteral("subid")));
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
    if (subpic == kNoValue) {
        pic->hide();
        return;
    }
    // A picture name is a file inside upload/, never a path out of it.
    if (subpic.isEmpty() || subpic.contains(QLatin1Char('/')) ||
        subpic.contains(QLatin1Char('\\')) || subpic == QLatin1String("..") ||
        subpic == QLatin1String("."))
        throw ExamError(QStringLiteral("图片名“%1”无效。").arg(subpic));
    pic->loadFromFile(programFolder() + QStringLiteral("upload/") + subpic);
    pic->show();
}

void showRowsByType(const OptionLabels &rows, int typeId)
{
    rows[2]->setVisible(typeId != 1);
    rows[3]->setVisible(typeId != 1);
}

void filterBySubId(TableObject &table, int subid)
{
    table.setFiltered(false);
    table.setFilter(QStringLiteral("subid=%1").arg(subid));
    table.setFiltered(true);
    table.first();
}

void showOptionsAndKey(TableObject &options, int subid, const OptionLabels &rows)
{
    filterBySubId(options, subid);
    for (int k = 0; !options.eof(); ++k, options.next()) {
        if (k >= int(rows.size()))
            continue;
        const bool key = options.asInteger(QStringLiteral("iskey")) == 1;
        QString text = options.asText(QStringLiteral("optcontent"));
        if (key)
            text += kKeyMark;
        rows[k]->setFontColor(key ? kRed : kBlack);
        rows[k]->setCaption(text);
    }
}

void showQuestion(const Controls &c, TableObject &subject, TableObject &options, int currentNo)
{
    const int subid = positionSubject(subject, currentNo);
    showNumberAndText(c.note, subject.recNo(), subject.asText(QStringLiteral("subtitle")));
    showExplanation(c.info, subject);
    showPicture(c.pic, subject.asText(QStringLiteral("subpic")));
    showRowsByType(c.lb, int(subject.asInteger(QStringLiteral("typeId"))));
    showOptionsAndKey(options, subid, c.lb);
}

} // namespace card
