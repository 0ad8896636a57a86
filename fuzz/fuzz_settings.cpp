// The settings file: any content gives a duration and a pass mark, never a failure.
#include "data/settings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const ExamSettings settings = parseExamSettings(content);
    (void)clockText(settings.timeLeft);
    (void)parseWholeNumber(content);
    return 0;
}
