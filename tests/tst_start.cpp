// The README's start command: it is tools/start, the script configures, builds only the targets
// it names and starts the program, and those targets build what running it needs and nothing
// of the tests, benchmarks, fuzz targets or drawing tools. Building for real would take a
// minute; the script runs here against a recording cmake, and the targets are checked in the
// project's own target graph.

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString kSource = QStringLiteral(EXAM_SOURCE_DIR);

QString readText(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

bool writeScript(const QString &path, const QByteArray &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text);
    f.close();
    return f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// The fenced shell blocks of the README, each as its lines.
QList<QStringList> shellBlocks(const QString &markdown)
{
    QList<QStringList> blocks;
    const QRegularExpression fence(QStringLiteral("```sh\\n(.*?)```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    for (auto it = fence.globalMatch(markdown); it.hasNext();)
        blocks.append(it.next().captured(1).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    return blocks;
}

QStringList scriptTargets()
{
    const QRegularExpression line(QStringLiteral("^targets=\"([^\"]*)\"$"),
                                  QRegularExpression::MultilineOption);
    return line.match(readText(kSource + QStringLiteral("/tools/start")))
        .captured(1)
        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

// The project's targets and their direct dependencies, by name, as cmake's file API reports
// them for a fresh configuration.
struct TargetGraph {
    QHash<QString, QStringList> dependencies;
    QString error;
};

TargetGraph configureAndReadTargets(const QString &buildFolder)
{
    TargetGraph graph;
    const QString api = buildFolder + QStringLiteral("/.cmake/api/v1");
    QDir().mkpath(api + QStringLiteral("/query"));
    QFile(api + QStringLiteral("/query/codemodel-v2")).open(QIODevice::WriteOnly);
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(EXAM_CMAKE),
                {QStringLiteral("-S"), kSource, QStringLiteral("-B"), buildFolder,
                 QStringLiteral("-G"), QStringLiteral(EXAM_CMAKE_GENERATOR)});
    if (!cmake.waitForFinished(180000) || cmake.exitCode() != 0) {
        graph.error = QString::fromLocal8Bit(cmake.readAll());
        return graph;
    }
    const QDir reply(api + QStringLiteral("/reply"));
    const QStringList indexes = reply.entryList({QStringLiteral("index-*.json")}, QDir::Files);
    if (indexes.isEmpty()) {
        graph.error = QStringLiteral("cmake wrote no file-API reply");
        return graph;
    }
    const QJsonObject index = readJson(reply.filePath(indexes.last()));
    const QString codemodelFile = index.value(QStringLiteral("reply"))
                                      .toObject()
                                      .value(QStringLiteral("codemodel-v2"))
                                      .toObject()
                                      .value(QStringLiteral("jsonFile"))
                                      .toString();
    const QJsonObject codemodel = readJson(reply.filePath(codemodelFile));
    const QJsonArray targets = codemodel.value(QStringLiteral("configurations"))
                                   .toArray()
                                   .first()
                                   .toObject()
                                   .value(QStringLiteral("targets"))
                                   .toArray();
    QHash<QString, QString> nameOfId;
    QHash<QString, QString> fileOfName;
    for (const QJsonValue &t : targets) {
        const QJsonObject o = t.toObject();
        nameOfId.insert(o.value(QStringLiteral("id")).toString(),
                        o.value(QStringLiteral("name")).toString());
        fileOfName.insert(o.value(QStringLiteral("name")).toString(),
                          o.value(QStringLiteral("jsonFile")).toString());
    }
    for (auto it = fileOfName.cbegin(); it != fileOfName.cend(); ++it) {
        QStringList deps;
        const QJsonObject target = readJson(reply.filePath(it.value()));
        for (const QJsonValue &d : target.value(QStringLiteral("dependencies")).toArray())
            deps.append(nameOfId.value(d.toObject().value(QStringLiteral("id")).toString()));
        graph.dependencies.insert(it.key(), deps);
    }
    return graph;
}

QSet<QString> closure(const TargetGraph &graph, const QStringList &roots)
{
    QSet<QString> seen;
    QStringList todo = roots;
    while (!todo.isEmpty()) {
        const QString name = todo.takeLast();
        if (seen.contains(name))
            continue;
        seen.insert(name);
        todo += graph.dependencies.value(name);
    }
    return seen;
}

} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    void readmeStartsTheProgramWithTheScript()
    {
        const QList<QStringList> blocks =
            shellBlocks(readText(kSource + QStringLiteral("/README.md")));
        QVERIFY(blocks.size() >= 2);
        // The first command of the README starts the program, the second runs the tests.
        QCOMPARE(blocks.at(0), QStringList{QStringLiteral("tools/start")});
        QCOMPARE(blocks.at(1),
                 QStringList{QStringLiteral(
                     "tools/install-deps && cmake -S . -B build && cmake --build build -j2 && "
                     "ctest --test-dir build --output-on-failure")});
        QVERIFY(readText(kSource + QStringLiteral("/.ci/run")).contains(blocks.at(1).first()));
    }

    // The script as written, with cmake, install-deps and the program replaced by recorders:
    // it installs, configures, builds the named targets in the build folder and starts the
    // program there with the arguments it was given, in that order.
    void scriptInstallsConfiguresBuildsItsTargetsAndStarts()
    {
        const QStringList targets = scriptTargets();
        QCOMPARE(targets, (QStringList{QStringLiteral("exam"), QStringLiteral("exam-bank"),
                                       QStringLiteral("bank")}));
        QTemporaryDir tree, bin, build;
        const QString log = tree.filePath(QStringLiteral("log"));
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("tools")));
        QVERIFY(QFile::copy(kSource + QStringLiteral("/tools/start"),
                            tree.filePath(QStringLiteral("tools/start"))));
        const QByteArray record =
            "#!/bin/sh\necho \"$(basename \"$0\") $*\" >> '" + QFile::encodeName(log) + "'\n";
        QVERIFY(writeScript(tree.filePath(QStringLiteral("tools/install-deps")), record));
        QVERIFY(writeScript(bin.filePath(QStringLiteral("cmake")), record));
        QVERIFY(writeScript(build.filePath(QStringLiteral("exam")), record));

        QProcess start;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), bin.path() + QLatin1Char(':') + env.value("PATH"));
        env.insert(QStringLiteral("EXAM_BUILD"), build.path());
        start.setProcessEnvironment(env);
        start.setProcessChannelMode(QProcess::MergedChannels);
        start.start(tree.filePath(QStringLiteral("tools/start")), {QStringLiteral("--一个参数")});
        QVERIFY(start.waitForFinished(30000));
        QVERIFY2(start.exitCode() == 0, start.readAll().constData());

        const QStringList calls = readText(log).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(calls.size(), 4);
        QCOMPARE(calls.at(0), QStringLiteral("install-deps "));
        QCOMPARE(calls.at(1), QStringLiteral("cmake -S %1 -B %2").arg(tree.path(), build.path()));
        const QRegularExpression buildOnly(
            QStringLiteral("^cmake --build %1 --parallel [1-9][0-9]* --target %2$")
                .arg(QRegularExpression::escape(build.path()),
                     QRegularExpression::escape(targets.join(QLatin1Char(' ')))));
        QVERIFY2(buildOnly.match(calls.at(2)).hasMatch(), qPrintable(calls.at(2)));
        QCOMPARE(calls.at(3), QStringLiteral("exam --一个参数"));
    }

    // A fresh configuration: the script's targets are the project's, they pull in the library,
    // the bank tool and the bank, and none of the tests, benchmarks, fuzz targets or drawing
    // tools. What else the program reads (settings and pages) is in place before any build.
    void scriptTargetsBuildWhatRunningNeedsAndNothingElse()
    {
        QTemporaryDir build;
        const TargetGraph graph = configureAndReadTargets(build.path());
        QVERIFY2(graph.error.isEmpty(), qPrintable(graph.error));
        const QStringList targets = scriptTargets();
        for (const QString &t : targets)
            QVERIFY2(graph.dependencies.contains(t), qPrintable(t + " is not a target"));

        const QSet<QString> built = closure(graph, targets);
        for (const char *needed : {"exam", "exam-bank", "bank", "examcore"})
            QVERIFY2(built.contains(QLatin1String(needed)), needed);
        QVERIFY(closure(graph, {QStringLiteral("bank")}).contains(QStringLiteral("exam-bank")));
        const QRegularExpression notForRunning(
            QStringLiteral("^(tst_|bench_|draw-|fuzz|examtestsupport)"));
        QStringList extra;
        for (const QString &name : built)
            if (notForRunning.match(name).hasMatch())
                extra.append(name);
        QVERIFY2(extra.isEmpty(), qPrintable(extra.join(' ')));
        // The full build has all of these; the start leaves them out.
        int leftOut = 0;
        for (auto it = graph.dependencies.cbegin(); it != graph.dependencies.cend(); ++it)
            leftOut += notForRunning.match(it.key()).hasMatch() ? 1 : 0;
        QVERIFY(leftOut > 20);

        QVERIFY(QFile::exists(build.filePath(QStringLiteral("system.ini"))));
        for (const QString &page : QDir(kSource + QStringLiteral("/html")).entryList(QDir::Files))
            QVERIFY2(QFile::exists(build.filePath(QStringLiteral("html/") + page)),
                     qPrintable(page));
    }
};

EXAM_TEST_MAIN(StartTest)
#include "tst_start.moc"
