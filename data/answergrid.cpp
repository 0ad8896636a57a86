#include "answergrid.h"

namespace answergrid {

QString recordedAnswer(const QString &text, int number)
{
    QString answer;
    for (const QString &mark : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                QStringLiteral("D"), QStringLiteral("√"), QStringLiteral("×")}) {
        if (text.contains(mark))
            answer = mark;
    }
    return text == QString::number(number) ? QString() : answer;
}

} // namespace answergrid
