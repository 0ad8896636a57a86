// exam-bank: builds, checks, imports and exports the question bank of a program folder.
//
//   exam-bank build SOURCE_FOLDER PROGRAM_FOLDER   text source -> data.mdb, Security.mdw, upload/
//   exam-bank validate DATA.mdb                    every problem the windows would meet
//   exam-bank import FILE.csv PROGRAM_FOLDER       replaces the bank with a spreadsheet's questions
//   exam-bank export DATA.mdb FILE.csv             the bank as a spreadsheet

#include "../data/bank.h"
#include "../data/errors.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void say(const QString &text, FILE *to = stdout)
{
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

int usage()
{
    say(QStringLiteral("用法：\n"
                       "  exam-bank build 题库源文件夹 程序文件夹\n"
                       "  exam-bank validate data.mdb\n"
                       "  exam-bank import 试题.csv 程序文件夹\n"
                       "  exam-bank export data.mdb 试题.csv"),
        stderr);
    return 2;
}

int validate(const QString &data)
{
    const QStringList problems = validateBankDatabase(data);
    for (const QString &problem : problems)
        say(problem, stderr);
    if (!problems.isEmpty()) {
        say(QStringLiteral("共发现 %1 个问题。").arg(problems.size()), stderr);
        return 1;
    }
    say(QStringLiteral("%1：没有发现问题。").arg(data));
    return 0;
}

int exportBank(const QString &data, const QString &csv)
{
    QStringList problems;
    const Bank bank = readBankDatabase(data, &problems);
    if (!problems.isEmpty())
        throw ExamError(problems.join(QLatin1Char('\n')));
    writeBankCsv(bank, csv);
    say(QStringLiteral("已导出 %1 道试题到“%2”。").arg(bank.questions.size()).arg(csv));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    try {
        if (command == QLatin1String("build") && args.size() == 3) {
            say(buildBank(args.at(1), args.at(2))
                    ? QStringLiteral("data.mdb 已按题库源文件重新生成")
                    : QStringLiteral("data.mdb 已是最新，保留了答题记录"));
            return 0;
        }
        if (command == QLatin1String("validate") && args.size() == 2)
            return validate(args.at(1));
        if (command == QLatin1String("import") && args.size() == 3) {
            importBank(args.at(1), args.at(2));
            say(QStringLiteral("已导入“%1”。").arg(args.at(1)));
            return 0;
        }
        if (command == QLatin1String("export") && args.size() == 3)
            return exportBank(args.at(1), args.at(2));
    } catch (const ExamError &e) {
        say(QStringLiteral("exam-bank：") + e.message(), stderr);
        return 1;
    }
    return usage();
}
