// The picture loader: any bytes decode or are refused with an ExamError. The first byte
// chooses JPEG or Windows bitmap.
#include "data/errors.h"
#include "data/picture.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString name = data[0] & 1 ? QStringLiteral("fuzz.bmp") : QStringLiteral("fuzz.jpg");
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const QImage image = decodePicture(bytes, name);
        if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
            __builtin_trap();
    } catch (const ExamError &) {
    }
    return 0;
}
