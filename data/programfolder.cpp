#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_override;
}

QString programFolder()
{
    const QString folder =
        g_override.isEmpty() ? QCoreApplication::applicationDirPath() : g_override;
    return QDir::cleanPath(QDir(folder).absolutePath()) + QLatin1Char('/');
}

void setProgramFolder(const QString &folder)
{
    g_override = folder;
}
