#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstdlib>
#include <sys/auxv.h>
#include <sys/stat.h>

namespace {

QString g_override;

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

QString realFolder(const QString &folder)
{
    char resolved[PATH_MAX];
    return ::realpath(QFile::encodeName(folder).constData(), resolved) ? QFile::decodeName(resolved)
                                                                       : QString();
}

// The path handed to execve(), which the kernel keeps for the process; unlike argv[0] the
// caller cannot make it name something else.
QString startedAs()
{
    const auto *path = reinterpret_cast<const char *>(::getauxval(AT_EXECFN));
    return path ? QFile::decodeName(path) : QString();
}

QString launchFolder()
{
    // Taken once, before anything could change the working directory a relative path needs.
    static const QString folder =
        invocationFolder(startedAs(), QDir::currentPath(), QStringLiteral("/proc/self/exe"));
    return folder;
}

} // namespace

QString invocationFolder(const QString &startedAs, const QString &workingDir,
                         const QString &executable)
{
    if (!startedAs.isEmpty()) {
        // Put together as text: Qt would fold "link/.." before the kernel resolves "link".
        const QString path = startedAs.startsWith(QLatin1Char('/'))
                                 ? startedAs
                                 : workingDir + QLatin1Char('/') + startedAs;
        // The folder's own links are resolved, the last entry's is not.
        const QString folder = realFolder(path.left(path.lastIndexOf(QLatin1Char('/')) + 1));
        // Started through /dev/fd/N (fexecve) there is no folder to speak of.
        if (!folder.isEmpty() && !folder.startsWith(QLatin1String("/proc/")) &&
            sameFile(path, executable))
            return folder;
    }
    return QFileInfo(QFileInfo(executable).canonicalFilePath()).absolutePath();
}

QString programFolder()
{
    const QString folder = g_override.isEmpty() ? launchFolder() : g_override;
    return QDir::cleanPath(QDir(folder).absolutePath()) + QLatin1Char('/');
}

void setProgramFolder(const QString &folder)
{
    g_override = folder;
}
