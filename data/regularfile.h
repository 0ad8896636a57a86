#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Why a file could not be read whole.
enum class FileProblem { Missing, NotAFile, TooLarge, Unreadable };

// The content of a regular file of at most `maxBytes` bytes. Anything else (a FIFO, a device,
// a directory, a link to one of them) is refused before it is opened, so that reading never
// blocks or runs away with memory.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes,
                                          FileProblem *problem = nullptr);

// Whether the path names a regular file, links followed.
bool isRegularFile(const QString &path);

// The problem in words, naming the file: "找不到…", "…不是普通文件", ...
QString describeFileProblem(FileProblem problem, const QString &path, const QString &what);

// Makes a rename in the folder durable: the new name survives a power cut.
void syncFolder(const QString &folder);
