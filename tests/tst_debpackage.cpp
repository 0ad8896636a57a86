// The Debian package: what it holds and depends on, what lintian and the desktop's validators
// say of it, and the installed program, read-only, run by two learners at once on a real X
// server, then upgraded to a package with a changed bank.

#include "data/bank.h"
#include "data/sqlfile.h"
#include "testsupport.h"
#include "xsession.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("驾驶员理论考试系统");
const QSize kFullScreen(792, 576);
const QSize kChooser(373, 257);

struct Output {
    int code = -1;
    QString text;
};

Output run(const QString &program, const QStringList &args, const QString &dir = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

bool installed(const char *tool)
{
    return !QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty();
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
    }
}

// Every entry under a folder with a hash of its content, to tell whether it changed.
QStringList inventory(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const QByteArray hash =
            !it.fileInfo().isSymLink() && it.fileInfo().isFile() && f.open(QIODevice::ReadOnly)
                ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex()
                : QFile::encodeName(it.fileInfo().symLinkTarget());
        out << path + QLatin1Char(' ') + QString::fromLatin1(hash);
    }
    out.sort();
    return out;
}

// (subId, typeId, optionid) of the answer sheet of a bank, in paper order.
QList<std::array<qint64, 3>> sheetOf(const QString &data)
{
    QList<std::array<qint64, 3>> rows;
    try {
        SqlFile db(data, SqlFile::Read);
        QSqlQuery q = db.prepare(QStringLiteral("SELECT n.subId, s.typeId, n.optionid FROM note n "
                                                "JOIN subject s ON s.subId = n.subId "
                                                "ORDER BY n.noteId"));
        db.run(q);
        while (q.next())
            rows.append(
                {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    } catch (const std::exception &) {
    }
    return rows;
}

int answered(const QString &data)
{
    int n = 0;
    for (const auto &row : sheetOf(data))
        n += row[2] != 0 ? 1 : 0;
    return n;
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A learner with a home of their own, who starts the installed program through its launcher.
struct Learner {
    QTemporaryDir home;
    std::unique_ptr<QProcess> program;
    QString mainId, noticeId, examId;

    QString folder() const { return home.filePath(QStringLiteral("data/exam-trainer")); }
    QString file(const QString &name) const { return folder() + QLatin1Char('/') + name; }
    QString bank() const { return file(QStringLiteral("data.mdb")); }
};

} // namespace

class DebPackageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_deb;
    QString m_root;
    std::unique_ptr<ReadOnlyTree> m_readOnly;
    XSession m_x;
    bool m_hasDisplay = false;
    Learner m_a, m_b;

    QString installation(const QString &root) const
    {
        return root + QStringLiteral("/usr/lib/exam-trainer");
    }

    QString unpack(const QString &name)
    {
        const QString root = m_work.filePath(name);
        const Output out = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, root});
        return out.code == 0 ? root : QString();
    }

    QList<XSession::Window> windowsOf(const Learner &l) const
    {
        return l.program ? m_x.windowsOf(l.program->processId()) : QList<XSession::Window>();
    }

    QStringList idsOf(const Learner &l, const QSize &size) const
    {
        QStringList ids;
        for (const auto &w : windowsOf(l))
            if (w.geometry.size() == size)
                ids << w.id;
        return ids;
    }

    // Starts the launcher of the package unpacked at `root` for a learner, and waits for the
    // main menu.
    bool launch(Learner &l, const QString &root)
    {
        l.program = std::make_unique<QProcess>();
        QProcessEnvironment env = m_x.environment();
        env.insert(QStringLiteral("HOME"), l.home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), l.home.filePath(QStringLiteral("data")));
        l.program->setProcessEnvironment(env);
        l.program->setWorkingDirectory(QStringLiteral("/"));
        l.program->start(root + QStringLiteral("/usr/bin/exam-trainer"), {});
        if (!l.program->waitForStarted(5000) ||
            !waitFor([&] { return idsOf(l, kFullScreen).size() == 1; }, 15000)) {
            qWarning().noquote() << l.program->readAllStandardError();
            return false;
        }
        l.mainId = idsOf(l, kFullScreen).first();
        return true;
    }

    void quit(Learner &l)
    {
        if (!l.program)
            return;
        l.program->kill();
        l.program->waitForFinished(5000);
        l.program.reset();
    }

    // Keypad * and two Enters: from the main menu to question 1 of a new paper.
    bool startExam(Learner &l)
    {
        m_x.key({"KP_Multiply"});
        if (!waitFor([&] {
                for (const auto &w : windowsOf(l))
                    if (w.geometry.size() == kChooser)
                        return true;
                return false;
            }))
            return false;
        m_x.key({"Return"});
        if (!waitFor([&] { return idsOf(l, kFullScreen).size() == 2; }))
            return false;
        for (const QString &id : idsOf(l, kFullScreen))
            if (id != l.mainId)
                l.noticeId = id;
        m_x.key({"Return"});
        return waitFor([&] {
                   for (const QString &id : idsOf(l, kFullScreen))
                       if (id != l.mainId && id != l.noticeId)
                           l.examId = id;
                   return !l.examId.isEmpty();
               }) &&
               sheetOf(l.bank()).size() == 100;
    }

    // Answers positions from..to: √ for a true/false question, A for a multiple-choice one.
    bool answer(const Learner &l, int from, int to)
    {
        QStringList keys;
        const auto sheet = sheetOf(l.bank());
        if (sheet.size() < to)
            return false;
        for (int p = from; p <= to; ++p)
            keys << (sheet.at(p - 1)[1] == 1 ? QStringLiteral("KP_4") : QStringLiteral("KP_1"));
        m_x.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", l.examId});
        m_x.key(keys);
        return waitFor([&] { return answered(l.bank()) == to; });
    }

private slots:
    void initTestCase()
    {
        if (!installed("dpkg-deb"))
            QSKIP("dpkg-deb is not installed: the Debian package cannot be checked");
        const Output out =
            run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB")},
                QStringLiteral(EXAM_PROGRAM_FOLDER));
        m_deb = QRegularExpression(QStringLiteral("package: (\\S+\\.deb) generated"))
                    .match(out.text)
                    .captured(1);
        QVERIFY2(out.code == 0 && QFile::exists(m_deb), qPrintable(out.text));
        m_root = unpack(QStringLiteral("root"));
        QVERIFY(!m_root.isEmpty());
    }

    void cleanupTestCase()
    {
        quit(m_a);
        quit(m_b);
        m_readOnly.reset();
        m_x.stop();
    }

    void holdsTheProgramFolderAndTheDesktopFiles()
    {
        const QString program = installation(m_root);
        for (const char *name : {"exam", "exam-bank"})
            QVERIFY2(QFileInfo(program + QLatin1Char('/') + QLatin1String(name)).isExecutable(),
                     name);
        // The installation is a program folder of its own, its data kept under /usr/share.
        for (const char *name : {"data.mdb", "Security.mdw", "system.ini", "upload", "html"}) {
            const QFileInfo entry(program + QLatin1Char('/') + QLatin1String(name));
            QVERIFY2(entry.isSymLink() && entry.exists(), name);
            QVERIFY(entry.canonicalFilePath().startsWith(
                QDir(m_root + QStringLiteral("/usr/share/exam-trainer")).canonicalPath()));
        }
        QVERIFY(QFile::exists(program + QStringLiteral("/upload/sign_stop.jpg")));
        QVERIFY(QFile::exists(program + QStringLiteral("/html/dtjq.html")));
        QVERIFY(QFileInfo(m_root + QStringLiteral("/usr/bin/exam-trainer")).isExecutable());
        for (const char *name :
             {"share/applications/exam-trainer.desktop",
              "share/metainfo/example.hechuan_jiakao.exam_trainer.metainfo.xml",
              "share/doc/exam-trainer/copyright", "share/doc/exam-trainer/changelog.gz",
              "share/man/man1/exam-trainer.1.gz"})
            QVERIFY2(QFile::exists(m_root + QStringLiteral("/usr/") + QLatin1String(name)), name);
        // The bank is the shipped one with an empty answer sheet, not the build's last run.
        const QString bank = program + QStringLiteral("/data.mdb");
        QCOMPARE(storedSourceHash(bank),
                 std::optional<quint32>(bankSourceHash(QStringLiteral(EXAM_SOURCE_DIR "/bank")) &
                                        0x7fffffff));
        QCOMPARE(sheetOf(bank).size(), 0);
        QCOMPARE(validateBankDatabase(bank), QStringList());
    }

    void iconsAreDrawnAtTheirThemeSizes()
    {
        const QString theme = m_root + QStringLiteral("/usr/share/icons/hicolor");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QImage icon(
                QStringLiteral("%1/%2x%2/apps/exam-trainer.png").arg(theme).arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            // The corners are transparent, the centre (the wheel's hub) is opaque.
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
            QCOMPARE(icon.pixelColor(size / 2, size / 2).alpha(), 255);
        }
    }

    void dependsOnDebianPackagesInsteadOfBundlingThem()
    {
        const Output depends = run(QStringLiteral("dpkg-deb"),
                                   {QStringLiteral("-f"), m_deb, QStringLiteral("Depends")});
        for (const char *package :
             {"libqt6widgets6", "libqt6sql6", "libqt6sql6-sqlite", "libqt6gui6", "libjpeg62-turbo",
              "fonts-wqy-zenhei", "fonts-arphic-uming"})
            QVERIFY2(
                QRegularExpression(QStringLiteral("(^|, )%1( |,|$)")
                                       .arg(QRegularExpression::escape(QLatin1String(package))))
                    .match(depends.text.trimmed())
                    .hasMatch(),
                qPrintable(QLatin1String(package) + QStringLiteral(" in ") + depends.text));
        // No library, no system font, no Qt configuration of its own; the one font file is the
        // program's Song face, cut from Debian's and declared in the copyright file.
        const Output contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), m_deb});
        QString listed = contents.text;
        listed.remove(QStringLiteral("fonts/exam-song.ttf"));
        QVERIFY2(!listed.contains(
                     QRegularExpression(QStringLiteral("\\.so(\\.|\\s)|\\.tt[cf]\\s|qt\\.conf"))),
                 qPrintable(listed));
        // The programs take Debian's libraries: no search path of their own, nothing missing.
        for (const char *name : {"exam", "exam-bank"}) {
            const QString binary = installation(m_root) + QLatin1Char('/') + QLatin1String(name);
            const Output dynamic = run(QStringLiteral("readelf"), {QStringLiteral("-d"), binary});
            QVERIFY2(dynamic.code == 0 && !dynamic.text.contains(QStringLiteral("PATH")),
                     qPrintable(dynamic.text));
            const Output ldd = run(QStringLiteral("ldd"), {binary});
            QVERIFY2(!ldd.text.contains(QStringLiteral("not found")), qPrintable(ldd.text));
        }
    }

    void lintianReportsNoError()
    {
        if (!installed("lintian"))
            QSKIP("lintian is not installed (tools/install-deps installs it)");
        const Output out =
            run(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error"),
                                            QStringLiteral("--display-info"), m_deb});
        qInfo().noquote() << "lintian:" << out.text.trimmed();
        QVERIFY2(out.code == 0, qPrintable(out.text));
        QVERIFY2(!out.text.contains(QRegularExpression(QStringLiteral("^E: "),
                                                       QRegularExpression::MultilineOption)),
                 qPrintable(out.text));
    }

    void desktopEntryAndMetainfoValidate()
    {
        if (!installed("desktop-file-validate") || !installed("appstreamcli"))
            QSKIP("desktop-file-validate or appstreamcli is not installed (tools/install-deps "
                  "installs them)");
        const QString desktop =
            m_root + QStringLiteral("/usr/share/applications/exam-trainer.desktop");
        const QString metainfo =
            m_root +
            QStringLiteral("/usr/share/metainfo/example.hechuan_jiakao.exam_trainer.metainfo.xml");
        Output out = run(QStringLiteral("desktop-file-validate"), {desktop});
        QVERIFY2(out.code == 0 && out.text.trimmed().isEmpty(), qPrintable(out.text));
        out = run(QStringLiteral("appstreamcli"),
                  {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(out.code == 0, qPrintable(out.text));
        // The tree as installed: the metainfo's desktop entry and icon are where it says.
        out = run(QStringLiteral("appstreamcli"),
                  {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_root});
        QVERIFY2(out.code == 0, qPrintable(out.text));

        QSettings entry(desktop, QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("exam-trainer"));
        QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), QStringLiteral("exam-trainer"));
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")).toString(),
                 QStringLiteral("exam-trainer"));
        QCOMPARE(entry.value(QStringLiteral("Name[zh_CN]")).toString(), kTitle);
        const QString xml = QString::fromUtf8(contentOf(metainfo));
        for (const QString &part :
             {QStringLiteral("<name xml:lang=\"zh-CN\">驾驶员理论考试系统</name>"),
              QStringLiteral("<summary xml:lang=\"zh-CN\">"),
              QStringLiteral("<p xml:lang=\"zh-CN\">"),
              QStringLiteral("<launchable type=\"desktop-id\">exam-trainer.desktop</launchable>"),
              QStringLiteral("main-menu.png</image>")})
            QVERIFY2(xml.contains(part), qPrintable(part));
    }

    // Two learners sit an exam at the same time, each from a folder of their own; the windows
    // carry the id the desktop entry names, and the title.
    void twoLearnersAtOnce()
    {
        const QString missing = XSession::missingTool();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing + QStringLiteral(" is not installed (tools/install-deps)")));
        if (!m_x.start())
            QSKIP("Xvfb could not start a display");
        m_hasDisplay = true;
        const QStringList before = inventory(m_root);
        m_readOnly = std::make_unique<ReadOnlyTree>(m_root);
        QVERIFY(m_readOnly->ok());

        QVERIFY(launch(m_a, m_root));
        const QStringList ids =
            m_x.run(QStringLiteral("xdotool"), {"search", "--class", "^exam-trainer$"})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(ids.contains(m_a.mainId), qPrintable(ids.join(QLatin1Char(' '))));
        QCOMPARE(m_x.nameOf(m_a.mainId), kTitle);
        QVERIFY(startExam(m_a));
        QCOMPARE(m_x.nameOf(m_a.examId), kTitle);
        QVERIFY(answer(m_a, 1, 3));

        QVERIFY(launch(m_b, m_root));
        QVERIFY(startExam(m_b));
        QVERIFY(answer(m_b, 1, 4));
        QVERIFY(answer(m_a, 4, 5));
        QCOMPARE(answered(m_a.bank()), 5);
        QCOMPARE(answered(m_b.bank()), 4);
        QVERIFY(sheetOf(m_a.bank()) != sheetOf(m_b.bank()));

        for (const Learner *l : {&m_a, &m_b}) {
            QVERIFY(QFileInfo(l->file(QStringLiteral("exam"))).isSymLink());
            QCOMPARE(QFileInfo(l->folder()).permissions() &
                         (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                     QFileDevice::Permissions());
        }
        quit(m_a);
        quit(m_b);
        m_readOnly.reset();
        QCOMPARE(inventory(m_root), before);
    }

    // A package with a bank that has one more question: each learner's copy is replaced at
    // their next start and keeps the last exam; a system.ini the learner changed stays, an
    // unchanged one takes the new package's.
    void upgradeToAChangedBankKeepsTheLastExam()
    {
        if (!m_hasDisplay)
            QSKIP("needs the learners of the run on X");
        const auto sheetA = sheetOf(m_a.bank());
        const auto sheetB = sheetOf(m_b.bank());
        const QByteArray own = "alltime=1234\r\nmark=80\r\n";
        writeFile(m_a.file(QStringLiteral("system.ini")), own);

        // The new package: the shipped bank with a question added, longer exams.
        const QString source = m_work.filePath(QStringLiteral("bank"));
        copyTree(QStringLiteral(EXAM_SOURCE_DIR "/bank"), source);
        writeFile(source + QStringLiteral("/questions/9-added.txt"),
                  "id: 1999\nsort: 1\ntype: 判断\nerrors: 0\n"
                  "q: 驾驶机动车在高速公路上行驶，遇有雾天能见度低时应当开启雾灯。\n"
                  "+ 正确\n- 错误\ninfo: 雾天行驶应当开启雾灯和危险报警闪光灯。\n");
        const QString built = m_work.filePath(QStringLiteral("built"));
        const Output bankOut = run(QStringLiteral(EXAM_PROGRAM_FOLDER "/exam-bank"),
                                   {QStringLiteral("build"), source, built});
        QVERIFY2(bankOut.code == 0, qPrintable(bankOut.text));
        const QString root = unpack(QStringLiteral("root-upgraded"));
        const QString share = root + QStringLiteral("/usr/share/exam-trainer/");
        QVERIFY(QFile::remove(share + QStringLiteral("data.mdb")));
        QVERIFY(
            QFile::copy(built + QStringLiteral("/data.mdb"), share + QStringLiteral("data.mdb")));
        const QByteArray newer = "alltime=3000\r\nmark=90\r\n";
        writeFile(share + QStringLiteral("system.ini"), newer);
        const std::optional<quint32> newHash = storedSourceHash(share + QStringLiteral("data.mdb"));
        QVERIFY(newHash && newHash != storedSourceHash(m_a.bank()));
        const ReadOnlyTree readOnly(root);
        QVERIFY(readOnly.ok());

        for (Learner *l : {&m_a, &m_b}) {
            QVERIFY(launch(*l, root));
            QVERIFY2(QString::fromUtf8(l->program->readAllStandardOutput())
                         .contains(QStringLiteral("上次考试的答题记录已保留")),
                     "the launcher says the last exam was kept");
            quit(*l);
            QCOMPARE(storedSourceHash(l->bank()), newHash);
            QVERIFY(QFileInfo(l->file(QStringLiteral("exam"))).symLinkTarget().startsWith(root));
        }
        QCOMPARE(sheetOf(m_a.bank()), sheetA);
        QCOMPARE(sheetOf(m_b.bank()), sheetB);
        QCOMPARE(contentOf(m_a.file(QStringLiteral("system.ini"))), own);
        QCOMPARE(contentOf(m_b.file(QStringLiteral("system.ini"))), newer);
    }
};

EXAM_TEST_MAIN(DebPackageTest)
#include "tst_debpackage.moc"
