// exam-bank: builds the question bank database from its text source.
//
//   exam-bank build SOURCE_FOLDER PROGRAM_FOLDER
//
// writes PROGRAM_FOLDER/data.mdb (unless it already holds this very source, so the answer
// sheet of the last exam survives a rebuild), PROGRAM_FOLDER/Security.mdw and the question
// pictures in PROGRAM_FOLDER/upload/.

#include "../data/bank.h"
#include "../data/errors.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int usage()
{
    std::fputs("用法：exam-bank build 题库源文件夹 程序文件夹\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args.at(0) == QLatin1String("build")) {
            const bool rewritten = buildBank(args.at(1), args.at(2));
            std::printf("%s\n", rewritten ? "data.mdb 已按题库源文件重新生成"
                                          : "data.mdb 已是最新，保留了答题记录");
            return 0;
        }
    } catch (const ExamError &e) {
        std::fprintf(stderr, "exam-bank: %s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return usage();
}
