#include "picture.h"

#include "errors.h"

#include "regularfile.h"
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegError *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->text);
    std::longjmp(err->jump, 1);
}

// A warning (a truncated file, data after the end) means the picture is damaged.
void jpegWarning(j_common_ptr cinfo, int level)
{
    if (level < 0)
        (*cinfo->err->error_exit)(cinfo);
}

enum class JpegResult { Ok, Corrupt, TooLarge };

// Kept free of C++ objects with destructors: libjpeg reports errors by longjmp.
JpegResult decodeJpegInto(const unsigned char *data, unsigned long size, QImage *out, char *reason)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.emit_message = jpegWarning;
    err.text[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(reason, JMSG_LENGTH_MAX, "%s", err.text);
        return JpegResult::Corrupt;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 256L * 1024 * 1024;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
        cinfo.image_width > unsigned(kMaxPictureSide) ||
        cinfo.image_height > unsigned(kMaxPictureSide) ||
        qint64(cinfo.image_width) * cinfo.image_height > kMaxPicturePixels) {
        std::snprintf(reason, JMSG_LENGTH_MAX, "%u x %u", cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return JpegResult::TooLarge;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    *out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (out->isNull()) {
        std::snprintf(reason, JMSG_LENGTH_MAX, "out of memory");
        jpeg_destroy_decompress(&cinfo);
        return JpegResult::TooLarge;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted; four bytes a pixel fit the RGB32 line in place.
            for (unsigned x = 0; x < cinfo.output_width; ++x) {
                unsigned char *p = row + 4 * x;
                const unsigned k = p[3];
                const unsigned r = p[0] * k / 255, g = p[1] * k / 255, b = p[2] * k / 255;
                p[0] = (unsigned char)b;
                p[1] = (unsigned char)g;
                p[2] = (unsigned char)r;
                p[3] = 0xff;
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return JpegResult::Ok;
}

QString kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
        suffix == QLatin1String("jpe"))
        return QStringLiteral("jpeg");
    if (suffix == QLatin1String("bmp"))
        return QStringLiteral("bmp");
    return {};
}

QImage loadBitmap(const QByteArray &data, const QString &path)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid())
        throw ExamError(QStringLiteral("图片“%1”已损坏，无法读取。").arg(path));
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
        qint64(size.width()) * size.height() > kMaxPicturePixels)
        throw ExamError(QStringLiteral("图片“%1”太大（%2 x %3 像素），拒绝读取。")
                            .arg(path)
                            .arg(size.width())
                            .arg(size.height()));
    QImage image = reader.read();
    if (image.isNull())
        throw ExamError(
            QStringLiteral("图片“%1”已损坏，无法读取：%2").arg(path, reader.errorString()));
    return image;
}

QImage decodeJpeg(const QByteArray &data, const QString &name)
{
    QImage image;
    char reason[JMSG_LENGTH_MAX] = {};
    const auto result = decodeJpegInto(reinterpret_cast<const unsigned char *>(data.constData()),
                                       (unsigned long)data.size(), &image, reason);
    if (result == JpegResult::TooLarge)
        throw ExamError(QStringLiteral("图片“%1”太大（%2 像素），拒绝读取。")
                            .arg(name, QString::fromLatin1(reason)));
    if (result == JpegResult::Corrupt)
        throw ExamError(
            QStringLiteral("图片“%1”已损坏，无法读取：%2").arg(name, QString::fromLatin1(reason)));
    return image;
}

} // namespace

QImage decodePicture(const QByteArray &data, const QString &name)
{
    const QString kind = kindOf(name);
    if (kind.isEmpty())
        throw ExamError(
            QStringLiteral("不支持图片“%1”的格式，只能显示 JPEG 和 BMP 图片。").arg(name));
    if (data.isEmpty())
        throw ExamError(QStringLiteral("图片“%1”是空文件。").arg(name));
    return kind == QLatin1String("jpeg") ? decodeJpeg(data, name) : loadBitmap(data, name);
}

QImage loadPicture(const QString &path)
{
    if (kindOf(path).isEmpty())
        return decodePicture(QByteArray(), path);
    FileProblem problem = FileProblem::Unreadable;
    const auto content = readRegularFile(path, kMaxPictureFileBytes, &problem);
    if (!content)
        throw ExamError(describeFileProblem(problem, path, QStringLiteral("图片")));
    return decodePicture(*content, path);
}
