// Filter and order expressions: any text is read or refused with an ExamError, and a filter
// that is read can be applied to a row.
#include "data/errors.h"
#include "data/expression.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const ColumnSet columns({QStringLiteral("subId"), QStringLiteral("sortId"),
                                    QStringLiteral("typeId"), QStringLiteral("info"),
                                    QStringLiteral("errorTimes")});
    static const Value row[] = {Value::integer(12), Value::integer(3), Value::integer(1),
                                Value::text(QStringLiteral("解析")), Value::null()};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        FilterExpression::parse(text, columns).matches(row);
    } catch (const ExamError &) {
    }
    try {
        parseOrder(text, columns);
    } catch (const ExamError &) {
    }
    return 0;
}
