// exam-bank: builds the question bank database from its text source.
//
//   exam-bank build SOURCE_FOLDER PROGRAM_FOLDER
//
// writes PROGRAM_FOLDER/data.mdb (unless it already holds this very source, so the answer
// sheet of the last exam survives a rebuild), PROGRAM_FOLDER/Security.mdw and the question
// pictures in PROGRAM_FOLDER/upload/.

#include "../data/bank.h"
#include "../data/errors.h"
#include "../data/workgroup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: exam-bank build SOURCE_FOLDER PROGRAM_FOLDER\n", stderr);
    return 2;
}

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

int build(const QString &source, const QString &target)
{
    const Bank bank = readBankSource(source);
    QDir().mkpath(target);
    const quint32 hash = bankSourceHash(source) & 0x7fffffff;
    const QString data = target + QStringLiteral("/data.mdb");
    if (storedSourceHash(data) == hash) {
        std::printf("data.mdb is up to date; the answer sheet is kept\n");
    } else {
        writeBankDatabase(bank, data, hash);
        std::printf("data.mdb: %d categories, %d questions\n", int(bank.categories.size()),
                    int(bank.questions.size()));
    }
    const QString mdw = target + QStringLiteral("/Security.mdw");
    try {
        workgroup::verify(mdw, kBankUser, kBankPassword);
    } catch (const ExamError &) {
        workgroup::create(mdw, kBankUser, kBankPassword);
        std::printf("Security.mdw written\n");
    }
    copyPictures(source, target);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args.at(0) == QLatin1String("build"))
            return build(args.at(1), args.at(2));
    } catch (const ExamError &e) {
        std::fprintf(stderr, "exam-bank: %s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return usage();
}
