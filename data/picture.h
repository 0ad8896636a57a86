#pragma once

#include <QImage>
#include <QString>

// Largest picture accepted, checked from the file header before any pixel memory is taken.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 24 * 1024 * 1024;
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// Loads a picture by its extension: JPEG (.jpg, .jpeg, .jpe) through libjpeg, Windows bitmap
// (.bmp) through Qt. Throws ExamError naming the file when it is missing, of another kind,
// corrupt or truncated, or larger than the bounds above.
QImage loadPicture(const QString &path);

// The same for a picture already in memory; `name` gives the kind and is used in error texts.
QImage decodePicture(const QByteArray &data, const QString &name);
