// What a driving school does with the bank tool: every example of `exam-bank --help`, run as
// written in a copy of the program folder, and the spreadsheet template of the guide, which
// must import as it is and come back out unchanged.

#include "data/bank.h"
#include "data/bankquality.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>

namespace {

const QString kProgramFolder = QStringLiteral(EXAM_PROGRAM_FOLDER);
const QString kTemplate = QStringLiteral(EXAM_SOURCE_DIR "/docs/题库模板.csv");

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run run(const QString &program, const QStringList &args, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString &name : source.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString a = source.filePath(name), b = to + QLatin1Char('/') + name;
        if (QFileInfo(a).isDir() ? !copyTree(a, b) : !QFile::copy(a, b))
            return false;
    }
    return true;
}

// What a learner or a school gets: the program, the bank tool and the files beside them.
bool copyProgramFolder(const QString &to)
{
    for (const char *name : {"exam", "exam-bank", "data.mdb", "Security.mdw", "system.ini"})
        if (!QFile::copy(kProgramFolder + QLatin1Char('/') + QLatin1String(name),
                         to + QLatin1Char('/') + QLatin1String(name)))
            return false;
    return copyTree(kProgramFolder + QStringLiteral("/upload"), to + QStringLiteral("/upload")) &&
           copyTree(kProgramFolder + QStringLiteral("/html"), to + QStringLiteral("/html"));
}

// The example lines of the help: the indented commands after the line that starts them.
QList<QStringList> examples(const QString &help)
{
    QList<QStringList> out;
    bool inExamples = false;
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("示例")))
            inExamples = true;
        else if (inExamples && line.startsWith(QStringLiteral("  ./exam-bank ")))
            out.append(line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts));
        else if (inExamples && !line.trimmed().isEmpty())
            break;
    }
    return out;
}

// The first difference of two banks, or nothing when they hold the same categories and
// questions in the same order.
QString difference(const Bank &a, const Bank &b)
{
    if (a.categories.size() != b.categories.size())
        return QStringLiteral("%1 categories, then %2")
            .arg(a.categories.size())
            .arg(b.categories.size());
    for (int i = 0; i < a.categories.size(); ++i) {
        const BankCategory &x = a.categories.at(i), &y = b.categories.at(i);
        if (x.sortId != y.sortId || x.name != y.name || x.scale[0] != y.scale[0] ||
            x.scale[1] != y.scale[1] || x.scale[2] != y.scale[2])
            return QStringLiteral("category %1").arg(x.sortId);
    }
    if (a.questions.size() != b.questions.size())
        return QStringLiteral("%1 questions, then %2")
            .arg(a.questions.size())
            .arg(b.questions.size());
    for (int i = 0; i < a.questions.size(); ++i) {
        const BankQuestion &x = a.questions.at(i), &y = b.questions.at(i);
        bool same = x.subId == y.subId && x.sortId == y.sortId && x.typeId == y.typeId &&
                    x.errorTimes == y.errorTimes && x.picture == y.picture && x.text == y.text &&
                    x.info == y.info && x.options.size() == y.options.size();
        for (int k = 0; same && k < x.options.size(); ++k)
            same = x.options.at(k).text == y.options.at(k).text &&
                   x.options.at(k).key == y.options.at(k).key;
        if (!same)
            return QStringLiteral("question %1").arg(x.subId);
    }
    return {};
}

Bank readDatabase(const QString &folder)
{
    QStringList problems;
    Bank bank = readBankDatabase(folder + QStringLiteral("/data.mdb"), &problems);
    if (!problems.isEmpty())
        qWarning("%s", qPrintable(problems.join('\n')));
    return bank;
}

} // namespace

class BankToolTest : public QObject
{
    Q_OBJECT

    QString tool() const { return kProgramFolder + QStringLiteral("/exam-bank"); }

private slots:
    void helpIsTheSameWithAndWithoutArguments()
    {
        const Run help = run(tool(), {QStringLiteral("--help")}, kProgramFolder);
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("示例")));
        const Run bare = run(tool(), {}, kProgramFolder);
        QCOMPARE(bare.exitCode, 2);
        QCOMPARE(bare.err, help.out);
        // A call the tool cannot read gets the same guidance.
        QCOMPARE(
            run(tool(), {QStringLiteral("import"), QStringLiteral("a.csv")}, kProgramFolder).err,
            help.out);
    }

    // Run in the order the help gives them, each example works on what the one before left:
    // the export writes the spreadsheet the import reads.
    void everyHelpExampleRunsInACopiedProgramFolder()
    {
        const QList<QStringList> commands =
            examples(run(tool(), {QStringLiteral("--help")}, kProgramFolder).out);
        QSet<QString> covered;
        for (const QStringList &c : commands)
            covered.insert(c.value(1));
        QCOMPARE(covered, (QSet<QString>{"build", "validate", "lint", "import", "export"}));

        QTemporaryDir folder;
        QVERIFY(copyProgramFolder(folder.path()));
        for (const QStringList &command : commands) {
            const QString line = command.join(QLatin1Char(' '));
            const QStringList args = command.mid(1);
            // The example names the source folder it builds from; here it is the shipped one.
            if (args.first() == QLatin1String("build") &&
                !QFileInfo::exists(folder.filePath(args.at(1))))
                QVERIFY(
                    copyTree(QStringLiteral(EXAM_SOURCE_DIR "/bank"), folder.filePath(args.at(1))));
            const Run r = run(folder.filePath(command.first()), args, folder.path());
            if (args.first() == QLatin1String("lint")) {
                // The report is the result; its exit code says whether the gates are met.
                QVERIFY2(r.exitCode == 0 || r.exitCode == 1, qPrintable(line + "\n" + r.err));
                QVERIFY2(r.out.startsWith(QStringLiteral("题库质量报告")), qPrintable(line));
            } else {
                QVERIFY2(r.exitCode == 0, qPrintable(line + "\n" + r.out + r.err));
            }
            QVERIFY2(!r.err.contains(QStringLiteral("示例")), qPrintable(line));
            if (args.first() == QLatin1String("export"))
                QVERIFY(QFile::exists(folder.filePath(args.at(2))));
        }
        const QStringList problems =
            validateBankDatabase(folder.filePath(QStringLiteral("data.mdb")));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // A spreadsheet opens a CSV as UTF-8 only when it starts with a byte-order mark.
    void templateOpensInASpreadsheet()
    {
        QFile f(kTemplate);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString text = utf8(bytes);
        QVERIFY(!utf8.hasError());
        QVERIFY(text.contains(QStringLiteral("题号,分类编号,分类名称")));
    }

    void templateImportsAsItIsAndRoundTrips()
    {
        QTemporaryDir first, second;
        QVERIFY(copyProgramFolder(first.path()));
        QVERIFY(copyProgramFolder(second.path()));
        const Bank written = readBankCsv(kTemplate);
        importBank(kTemplate, first.path());
        const QStringList problems =
            validateBankDatabase(first.filePath(QStringLiteral("data.mdb")));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const Bank imported = readDatabase(first.path());
        QCOMPARE(imported.questions.size(), 100);
        QCOMPARE(difference(imported, written), QString());

        // Exported and imported again into another folder: the same bank, the same file.
        const QString exported = first.filePath(QStringLiteral("导出.csv"));
        writeBankCsv(imported, exported);
        importBank(exported, second.path());
        QCOMPARE(difference(readDatabase(second.path()), imported), QString());
        QCOMPARE(difference(readBankCsv(exported), written), QString());
    }

    // The guide shows the template's quality report: every gate is met but the overlap of
    // successive papers, which a bank only as large as one paper cannot avoid.
    void templateMeetsEveryQualityGateButPaperOverlap()
    {
        const Bank bank = readBankCsv(kTemplate);
        QualityGates gates;
        QStringList failures = assessBankQuality(bank, gates).failures;
        QCOMPARE(failures.size(), 3);
        for (const QString &f : failures)
            QVERIFY2(f.contains(QStringLiteral("相继两份试卷平均重复 100.0 题")), qPrintable(f));
        gates.maxPaperOverlap = 100;
        failures = assessBankQuality(bank, gates).failures;
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }
};

EXAM_TEST_MAIN(BankToolTest)
#include "tst_banktool.moc"
