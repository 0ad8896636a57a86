#include "userfolder.h"

#include "bank.h"
#include "banklock.h"
#include "errors.h"
#include "regularfile.h"
#include "sqlfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const QString kCopyRecord = QStringLiteral(".installed");

namespace {

const QString kBank = QStringLiteral("data.mdb");
const QString kWorkgroup = QStringLiteral("Security.mdw");
const QString kSettings = QStringLiteral("system.ini");

bool isCopied(const QString &name)
{
    return name == kBank || name == kWorkgroup || name == kSettings;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void cannotWrite(const QString &path)
{
    throw ExamError(QStringLiteral("无法写入“%1”：%2").arg(path, systemError()));
}

// What was copied from the installation the last time: the bank's source hash and the
// settings' content hash, so that a later start can tell an old copy from the learner's own.
struct CopyRecord {
    std::optional<quint32> bank;
    QByteArray settings;
};

CopyRecord readRecord(const QString &path)
{
    CopyRecord record;
    const auto content = readRegularFile(path, 4096);
    if (!content)
        return record;
    for (const QByteArray &line : content->split('\n')) {
        const int eq = line.indexOf('=');
        const QByteArray key = line.left(eq), value = line.mid(eq + 1).trimmed();
        bool ok = false;
        if (key == "bank") {
            const quint32 hash = value.toUInt(&ok);
            if (ok)
                record.bank = hash;
        } else if (key == kSettings.toLatin1()) {
            record.settings = value;
        }
    }
    return record;
}

void writeRecord(const QString &path, const CopyRecord &record)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        cannotWrite(path);
    if (record.bank)
        out.write("bank=" + QByteArray::number(*record.bank) + '\n');
    if (!record.settings.isEmpty())
        out.write(kSettings.toLatin1() + '=' + record.settings + '\n');
    if (!out.commit())
        cannotWrite(path);
}

std::optional<QByteArray> contentOf(const QString &path)
{
    // Settings and workgroup files are small; anything larger is no copy of ours.
    return readRegularFile(path, 1 << 20);
}

QByteArray hashOf(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

void renameOver(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        QFile::remove(from);
        cannotWrite(to);
    }
}

// A private copy: readable by its owner only, complete on disk before it takes the name.
void copyFile(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        throw ExamError(QStringLiteral("无法读取“%1”：%2").arg(from, in.errorString()));
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        cannotWrite(to);
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            cannotWrite(to);
    }
    if (!out.commit())
        cannotWrite(to);
}

// Holds the folder for one preparation at a time, so that two starts at once do not both
// copy; the lock goes with the process.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX) != 0)
            throw ExamError(QStringLiteral("无法使用文件夹“%1”：%2").arg(folder, systemError()));
    }
    ~FolderLock() { ::close(m_fd); }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd;
};

// Where a link points, as written in it.
QString linkTarget(const QString &path)
{
    QByteArray buffer(PATH_MAX, '\0');
    const ssize_t n =
        ::readlink(QFile::encodeName(path).constData(), buffer.data(), size_t(buffer.size()));
    return n > 0 ? QFile::decodeName(buffer.left(int(n))) : QString();
}

// Every entry of the installation but the copies, linked; a link the learner replaced by a
// file or folder of their own stays theirs.
void linkEntries(const QString &installation, const QString &folder)
{
    const QDir from(installation);
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QString &name : from.entryList(all)) {
        if (isCopied(name))
            continue;
        const QString link = folder + name;
        const QString target = installation + name;
        const QFileInfo existing(link);
        if (existing.isSymLink() && linkTarget(link) == target)
            continue;
        if (existing.exists() && !existing.isSymLink())
            continue;
        const QString temporary = link + QStringLiteral(".link");
        QFile::remove(temporary);
        if (::symlink(QFile::encodeName(target).constData(),
                      QFile::encodeName(temporary).constData()) != 0)
            cannotWrite(link);
        renameOver(temporary, link);
    }
    // What an earlier installation had and this one has not.
    for (const QFileInfo &entry : QDir(folder).entryInfoList(all)) {
        if (entry.isSymLink() && !entry.exists() &&
            linkTarget(entry.filePath()).startsWith(installation))
            QFile::remove(entry.filePath());
    }
}

void refreshWorkgroup(const QString &installation, const QString &folder)
{
    // The workgroup file holds the bank's user, not the learner's; it follows the installation.
    const QString mine = folder + kWorkgroup;
    if (!QFileInfo::exists(installation + kWorkgroup))
        return;
    if (QFileInfo::exists(mine) && contentOf(mine) == contentOf(installation + kWorkgroup))
        return;
    copyFile(installation + kWorkgroup, mine);
}

void refreshSettings(const QString &installation, const QString &folder, CopyRecord &record,
                     UserFolderReport &report)
{
    const auto installed = contentOf(installation + kSettings);
    if (!installed)
        return;
    const QString mine = folder + kSettings;
    const QByteArray installedHash = hashOf(*installed);
    if (QFileInfo::exists(mine)) {
        const auto current = contentOf(mine);
        const QByteArray currentHash = current ? hashOf(*current) : QByteArray();
        if (currentHash == installedHash) {
            record.settings = installedHash;
            return;
        }
        if (currentHash.isEmpty() || currentHash != record.settings) {
            report.settingsKept = true;
            return;
        }
    }
    copyFile(installation + kSettings, mine);
    record.settings = installedHash;
}

struct NoteRow {
    qint64 noteId, subId, optionId;
};

// The answer sheet of the learner's bank; none when it cannot be read.
QList<NoteRow> readSheet(const QString &path)
{
    QList<NoteRow> rows;
    try {
        SqlFile db(path, SqlFile::Read);
        QSqlQuery q =
            db.prepare(QStringLiteral("SELECT noteId, subId, optionid FROM note ORDER BY noteId"));
        db.run(q);
        while (q.next())
            rows.append(
                {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    } catch (const ExamError &) {
        rows.clear();
    }
    return rows;
}

// Writes the sheet into the new bank when every question of it is there with the option
// that was chosen; whether an answer is right then follows the new bank's key. Returns
// whether the sheet was kept.
bool carrySheet(const QList<NoteRow> &rows, const QString &newBank)
{
    SqlFile db(newBank, SqlFile::ReadWrite);
    QSqlQuery question = db.prepare(QStringLiteral("SELECT 1 FROM subject WHERE subId = ?"));
    QSqlQuery option =
        db.prepare(QStringLiteral("SELECT iskey FROM options WHERE optid = ? AND subid = ?"));
    QList<std::array<qint64, 4>> kept;
    for (const NoteRow &row : rows) {
        question.addBindValue(row.subId);
        db.run(question);
        if (!question.next())
            return false;
        qint64 right = 0;
        if (row.optionId != 0) {
            option.addBindValue(row.optionId);
            option.addBindValue(row.subId);
            db.run(option);
            if (!option.next())
                return false;
            right = option.value(0).toLongLong() == 1 ? 1 : 0;
        }
        kept.append({row.noteId, row.subId, row.optionId, right});
    }
    db.exec(QStringLiteral("BEGIN"));
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO note (noteId, subId, optionid, isright) VALUES (?, ?, ?, ?)"));
    for (const auto &row : kept) {
        for (qint64 value : row)
            insert.addBindValue(value);
        db.run(insert);
    }
    db.exec(QStringLiteral("COMMIT"));
    return true;
}

void refreshBank(const QString &installation, const QString &folder, CopyRecord &record,
                 UserFolderReport &report)
{
    const QString installed = installation + kBank;
    const std::optional<quint32> installedHash = storedSourceHash(installed);
    if (!installedHash)
        throw ExamError(QStringLiteral("“%1”不是有效的题库文件。").arg(installed));
    const QString mine = folder + kBank;
    if (!QFileInfo::exists(mine)) {
        copyFile(installed, mine);
        record.bank = installedHash;
        return;
    }
    // A running program of this learner holds its bank; the new one waits for the next start.
    const BankLock lock(mine, BankLock::Exclusive);
    if (!lock.held()) {
        report.bankInUse = true;
        return;
    }
    const std::optional<quint32> currentHash = storedSourceHash(mine);
    if (currentHash == installedHash) {
        record.bank = installedHash;
        return;
    }
    if (currentHash && currentHash != record.bank) {
        report.ownBankKept = true;
        return;
    }
    const QString fresh = mine + QStringLiteral(".new");
    QFile::remove(fresh);
    QFile::remove(fresh + QStringLiteral("-journal"));
    copyFile(installed, fresh);
    if (!currentHash) {
        report.brokenBankSetAside = true;
        QFile::remove(mine + QStringLiteral(".broken"));
        renameOver(mine, mine + QStringLiteral(".broken"));
    } else {
        const QList<NoteRow> sheet = readSheet(mine);
        try {
            const bool kept = sheet.isEmpty() || carrySheet(sheet, fresh);
            report.lastExamKept = kept && !sheet.isEmpty();
            report.lastExamDropped = !kept;
        } catch (...) {
            QFile::remove(fresh);
            QFile::remove(fresh + QStringLiteral("-journal"));
            throw;
        }
    }
    renameOver(fresh, mine);
    QFile::remove(mine + QStringLiteral("-journal"));
    syncFolder(folder);
    report.bankReplaced = true;
    record.bank = installedHash;
}

} // namespace

QStringList UserFolderReport::messages() const
{
    QStringList lines;
    if (bankReplaced && lastExamKept)
        lines << QStringLiteral("题库已更新为新安装的版本，上次考试的答题记录已保留。");
    else if (bankReplaced && lastExamDropped)
        lines << QStringLiteral("题库已更新为新安装的版本；上次考试的部分试题已不在新题库中，"
                                "答题记录没有保留。");
    else if (bankReplaced && brokenBankSetAside)
        lines << QStringLiteral("原题库文件无法读取，已改名为“data.mdb.broken”，"
                                "并换成了新安装的题库。");
    else if (bankReplaced)
        lines << QStringLiteral("题库已更新为新安装的版本。");
    if (bankInUse)
        lines << QStringLiteral("题库正被本用户的考试程序使用，新安装的题库将在下次启动时更新。");
    if (ownBankKept)
        lines << QStringLiteral("题库不是安装时复制的那一份（例如是导入的），已保留，"
                                "没有换成新安装的题库。");
    return lines;
}

UserFolderReport prepareUserFolder(const QString &installationPath, const QString &folderPath)
{
    const QString installation = QFileInfo(installationPath).canonicalFilePath();
    if (installation.isEmpty() || !QFileInfo::exists(installation + QStringLiteral("/exam")))
        throw ExamError(QStringLiteral("“%1”不是考试程序的安装文件夹。").arg(installationPath));
    const QString folder = QDir::cleanPath(QDir(folderPath).absolutePath());
    UserFolderReport report;
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        // The learner's answers are theirs alone, whatever the home folder allows.
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            cannotWrite(folder);
    }
    const FolderLock lock(folder);
    const QString from = installation + QLatin1Char('/');
    const QString to = folder + QLatin1Char('/');
    report.created = !QFileInfo::exists(to + kBank);
    CopyRecord record = readRecord(to + kCopyRecord);
    linkEntries(from, to);
    refreshWorkgroup(from, to);
    refreshSettings(from, to, record, report);
    refreshBank(from, to, record, report);
    writeRecord(to + kCopyRecord, record);
    return report;
}
