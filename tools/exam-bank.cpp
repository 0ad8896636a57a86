// exam-bank: builds, checks, imports and exports the question bank of a program folder.
//
//   exam-bank build SOURCE_FOLDER PROGRAM_FOLDER   text source -> data.mdb, Security.mdw, upload/
//   exam-bank validate DATA.mdb                    every problem the windows would meet
//   exam-bank import FILE.csv PROGRAM_FOLDER       replaces the bank with a spreadsheet's questions
//   exam-bank export DATA.mdb FILE.csv             the bank as a spreadsheet
//   exam-bank lint DATA.mdb|SOURCE_FOLDER [GATES]  the quality report, checked against gates
//   exam-bank user-folder INSTALLATION FOLDER      a learner's own program folder, made or updated

#include "../data/bank.h"
#include "../data/bankquality.h"
#include "../data/errors.h"
#include "../data/userfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void say(const QString &text, FILE *to = stdout)
{
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

int usage()
{
    say(QStringLiteral(
            "用法：\n"
            "  exam-bank build 题库源文件夹 程序文件夹\n"
            "  exam-bank validate data.mdb\n"
            "  exam-bank import 试题.csv 程序文件夹\n"
            "  exam-bank export data.mdb 试题.csv\n"
            "  exam-bank lint data.mdb|题库源文件夹 [--longest=30] [--longest-or-tied=45]\n"
            "      [--key-letter=15-35] [--true=40-60] [--without-explanation=0]\n"
            "      [--repeating=0] [--uncited=0] [--duplicates=0] [--overlap=8]\n"
            "      [--similarity=0.65] [--repeat=0.8]\n"
            "  exam-bank user-folder 安装文件夹 个人程序文件夹"),
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

// A bank source folder holds sort.txt; anything else is read as a bank database.
Bank readAnyBank(const QString &path)
{
    if (QFileInfo(path).isDir() &&
        QFileInfo::exists(QDir(path).filePath(QStringLiteral("sort.txt"))))
        return readBankSource(path);
    QString data = path;
    if (QFileInfo(path).isDir())
        data = QDir(path).filePath(QStringLiteral("data.mdb"));
    QStringList problems;
    Bank bank = readBankDatabase(data, &problems);
    if (!problems.isEmpty())
        throw ExamError(problems.join(QLatin1Char('\n')));
    return bank;
}

// Gate options: --name=value, shares in per cent, ranges as low-high.
QualityGates parseGates(const QStringList &options)
{
    QualityGates g;
    for (const QString &option : options) {
        const int eq = option.indexOf(QLatin1Char('='));
        const QString name = option.left(eq), value = option.mid(eq + 1);
        const QStringList range = value.split(QLatin1Char('-'));
        bool ok = eq > 2 && option.startsWith(QLatin1String("--"));
        auto number = [&](const QString &text) {
            bool good = false;
            const double v = text.toDouble(&good);
            ok = ok && good && v >= 0;
            return v;
        };
        auto low = [&] { return number(range.value(0)) / 100; };
        auto high = [&] {
            return range.size() == 2 ? number(range.at(1)) / 100 : (ok = false, 0.0);
        };
        if (name == QLatin1String("--longest"))
            g.maxKeyStrictlyLongest = number(value) / 100;
        else if (name == QLatin1String("--longest-or-tied"))
            g.maxKeyLongestOrTied = number(value) / 100;
        else if (name == QLatin1String("--key-letter"))
            g.minKeyLetterShare = low(), g.maxKeyLetterShare = high();
        else if (name == QLatin1String("--true"))
            g.minTrueShare = low(), g.maxTrueShare = high();
        else if (name == QLatin1String("--without-explanation"))
            g.maxWithoutExplanation = int(number(value));
        else if (name == QLatin1String("--repeating"))
            g.maxRepeatingExplanations = int(number(value));
        else if (name == QLatin1String("--uncited"))
            g.maxUncitedExplanations = int(number(value));
        else if (name == QLatin1String("--duplicates"))
            g.maxNearDuplicates = int(number(value));
        else if (name == QLatin1String("--overlap"))
            g.maxPaperOverlap = number(value);
        else if (name == QLatin1String("--similarity"))
            g.similarity = number(value);
        else if (name == QLatin1String("--repeat"))
            g.repeatShare = number(value);
        else
            ok = false;
        if (!ok)
            throw ExamError(QStringLiteral("无法识别的选项“%1”").arg(option));
    }
    return g;
}

int lint(const QString &path, const QStringList &options)
{
    const QualityGates gates = parseGates(options);
    const QualityReport report = assessBankQuality(readAnyBank(path), gates);
    std::fputs(report.text.toLocal8Bit().constData(), stdout);
    if (report.failures.isEmpty()) {
        say(QStringLiteral("全部质量门槛均已达到。"));
        return 0;
    }
    say(QStringLiteral("未达到的质量门槛："), stderr);
    for (const QString &failure : report.failures)
        say(QStringLiteral("  ") + failure, stderr);
    return 1;
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
        if (command == QLatin1String("lint") && args.size() >= 2)
            return lint(args.at(1), args.mid(2));
        if (command == QLatin1String("export") && args.size() == 3)
            return exportBank(args.at(1), args.at(2));
        if (command == QLatin1String("user-folder") && args.size() == 3) {
            for (const QString &line : prepareUserFolder(args.at(1), args.at(2)).messages())
                say(line);
            return 0;
        }
    } catch (const ExamError &e) {
        say(QStringLiteral("exam-bank：") + e.message(), stderr);
        return 1;
    }
    return usage();
}
