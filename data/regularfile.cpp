#include "regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void report(FileProblem *out, FileProblem problem)
{
    if (out)
        *out = problem;
}

} // namespace

bool isRegularFile(const QString &path)
{
    struct stat st {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes,
                                          FileProblem *problem)
{
    // Pictures compiled into the program are read through Qt's resource system.
    if (path.startsWith(QLatin1Char(':'))) {
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly)) {
            report(problem, FileProblem::Missing);
            return std::nullopt;
        }
        if (resource.size() > maxBytes) {
            report(problem, FileProblem::TooLarge);
            return std::nullopt;
        }
        return resource.readAll();
    }
    const QByteArray name = QFile::encodeName(path);
    // Opened without blocking, then checked on the descriptor itself: a file swapped for a
    // FIFO between a check and the open cannot hang the reader.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        report(problem, errno == ENOENT || errno == ENOTDIR ? FileProblem::Missing
                                                            : FileProblem::Unreadable);
        return std::nullopt;
    }
    struct stat st {
    };
    std::optional<QByteArray> content;
    if (::fstat(fd, &st) != 0) {
        report(problem, FileProblem::Unreadable);
    } else if (!S_ISREG(st.st_mode)) {
        report(problem, FileProblem::NotAFile);
    } else if (st.st_size > maxBytes) {
        report(problem, FileProblem::TooLarge);
    } else {
        QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        // A file that grows while it is read is read only up to the size it had.
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        bytes.truncate(done);
        if (done == st.st_size)
            content = std::move(bytes);
        else
            report(problem, FileProblem::Unreadable);
    }
    ::close(fd);
    return content;
}

QString describeFileProblem(FileProblem problem, const QString &path, const QString &what)
{
    switch (problem) {
    case FileProblem::Missing:
        return QStringLiteral("找不到%1“%2”。").arg(what, path);
    case FileProblem::NotAFile:
        return QStringLiteral("%1“%2”不是普通文件，拒绝读取。").arg(what, path);
    case FileProblem::TooLarge:
        return QStringLiteral("%1“%2”太大，拒绝读取。").arg(what, path);
    case FileProblem::Unreadable:
        break;
    }
    return QStringLiteral("无法读取%1“%2”。").arg(what, path);
}

void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
