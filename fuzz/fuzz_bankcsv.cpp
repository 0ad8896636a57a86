// The bank import: any spreadsheet text is read and checked, or refused with an ExamError.
#include "data/bank.h"
#include "data/errors.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const Bank bank = parseBankCsv(content, QStringLiteral("fuzz.csv"));
        (void)checkBank(bank, QStringLiteral("/nonexistent-upload"));
    } catch (const ExamError &) {
    }
    return 0;
}
