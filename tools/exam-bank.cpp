// exam-bank: builds, checks, imports and exports the question bank of a program folder.
//
//   exam-bank build SOURCE_FOLDER PROGRAM_FOLDER   text source -> data.mdb, Security.mdw, upload/
//   exam-bank validate DATA.mdb                    every problem the windows would meet
//   exam-bank import FILE.csv PROGRAM_FOLDER       replaces the bank with a spreadsheet's questions
//   exam-bank export DATA.mdb FILE.csv             the bank as a spreadsheet
//   exam-bank lint DATA.mdb|SOURCE_FOLDER [GATES]  the quality report, checked against gates
//   exam-bank user-folder INSTALLATION FOLDER      a learner's own program folder, made or updated
//   exam-bank --help                               the guidance in brief, with examples

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

// What the school's administrator reads first: each command, what it does to the program
// folder, and an example per command that runs as written inside a program folder.
const char kHelp[] = R"(exam-bank：驾驶员理论考试系统的题库工具。
程序文件夹是程序 exam 所在的文件夹，其中有题库 data.mdb（也保存上一次考试的答题
记录）和试题图片文件夹 upload/。修改题库前请先退出考试程序，并备份 data.mdb。

命令：
  exam-bank export data.mdb 试题.csv
      把题库导出为电子表格（CSV，UTF-8 编码），可用 WPS 表格、Excel 或
      LibreOffice 打开、编辑，另存时选 CSV（UTF-8 或 GB18030/GBK 均可）。
  exam-bank import 试题.csv 程序文件夹
      用表格中的试题替换程序文件夹中的题库。先检查整个表格，有错误时逐行列出
      （文件名:行号：原因），原题库不做任何改动；导入后上一次的答题记录清空。
      表格中的图片须已放在程序文件夹的 upload/ 中。
  exam-bank validate data.mdb
      检查题库：每个车型的题量合计 100、每个分类的判断题和选择题够用、选项和
      答案、图片、答题记录表；列出每个问题，有问题时退出码为 1。
  exam-bank lint data.mdb|题库源文件夹 [门槛选项]
      质量报告：答案字母和长度的分布、判断题对错比例、没有解析或解析未说明依据
      的试题、近似重复的试题、相继两份试卷的平均重复题数；未达到门槛时退出码为
      1。门槛选项及默认值：--longest=30 --longest-or-tied=45 --key-letter=15-35
      --true=40-60（百分数）；--without-explanation=0 --repeating=0 --uncited=0
      --duplicates=0 --overlap=8（题数）；--similarity=0.65 --repeat=0.8（0 到 1）。
  exam-bank build 题库源文件夹 程序文件夹
      由文本格式的题库源文件（sort.txt、questions/*.txt、pictures/）生成
      data.mdb、Security.mdw 和 upload/；源文件没有改变时保留答题记录。
  exam-bank user-folder 安装文件夹 个人程序文件夹
      为一位学员建立（或更新）自己的程序文件夹：题库（连同答题记录）和
      system.ini 是学员自己的副本，程序、图片和页面链接到安装文件夹；安装了新
      题库时替换旧副本。安装包的启动程序每次启动时自动执行这一步。
  exam-bank --help
      显示本说明。

示例（在程序文件夹中执行）：
  ./exam-bank export data.mdb 试题.csv
  ./exam-bank import 试题.csv .
  ./exam-bank validate data.mdb
  ./exam-bank lint data.mdb
  ./exam-bank lint data.mdb --overlap=20 --uncited=10
  ./exam-bank build 题库源文件 .

完整的步骤、表格各列的含义和每条错误信息的改法，见《使用说明》（docs/使用说明.md）。)";

int usage()
{
    std::fputs(kHelp, stderr);
    std::fputc('\n', stderr);
    return 2;
}

int help()
{
    std::puts(kHelp);
    return 0;
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
    if (args.size() == 1 && (command == QLatin1String("--help") || command == QLatin1String("-h") ||
                             command == QLatin1String("help")))
        return help();
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
