#include "bank.h"

#include "errors.h"
#include "workgroup.h"

#include <QDir>
#include <QFile>

namespace {

bool sameFile(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    return fa.readAll() == fb.readAll();
}

void copyPictures(const QString &source, const QString &target)
{
    QDir(target).mkpath(QStringLiteral("upload"));
    const QDir pictures(source + QStringLiteral("/pictures"));
    for (const QString &name : pictures.entryList(QDir::Files)) {
        const QString from = pictures.filePath(name);
        const QString to = target + QStringLiteral("/upload/") + name;
        if (sameFile(from, to))
            continue;
        QFile::remove(to);
        if (!QFile::copy(from, to))
            throw ExamError(QStringLiteral("无法复制图片到“%1”。").arg(to));
    }
}

} // namespace

bool buildBank(const QString &source, const QString &target)
{
    const Bank bank = readBankSource(source);
    QDir().mkpath(target);
    const quint32 hash = bankSourceHash(source) & 0x7fffffff;
    const QString data = target + QStringLiteral("/data.mdb");
    const bool rewrite = storedSourceHash(data) != hash;
    if (rewrite)
        writeBankDatabase(bank, data, hash);
    workgroup::ensure(target + QStringLiteral("/Security.mdw"), kBankUser, kBankPassword);
    copyPictures(source, target);
    return rewrite;
}
