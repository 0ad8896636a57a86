#include "sqlfile.h"

#include "errors.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

QAtomicInt g_connections;

bool canWrite(const QString &path)
{
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

// A journal that a writer left behind when it was stopped in the middle of a change.
bool hotJournalBeside(const QString &path)
{
    return QFileInfo(path + QStringLiteral("-journal")).size() > 0;
}

} // namespace

SqlFile::SqlFile(const QString &path, Mode mode)
    : m_path(path), m_name(QStringLiteral("exam-%1").arg(g_connections.fetchAndAddRelaxed(1)))
{
    // A connection that fails to open is not left registered behind.
    try {
        open(mode);
    } catch (...) {
        release();
        throw;
    }
}

void SqlFile::open(Mode mode)
{
    const QString &path = m_path;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid())
        fail(QStringLiteral("无法打开“%1”").arg(path), QStringLiteral("缺少 SQLite 数据库驱动"));
    // A URI with an explicit mode keeps SQLite from creating a missing file behind our back.
    m_readOnly = mode == Read && !canWrite(path);
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(QStringLiteral("mode=%1").arg(QLatin1String(m_readOnly       ? "ro"
                                                             : mode == Create ? "rwc"
                                                                              : "rw")));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open())
        fail(QStringLiteral("无法打开“%1”").arg(path), db.lastError().text());
    // Every answer is on disk when its post returns, even if the power fails right after.
    // The table objects hold their rows themselves; SQLite's own page cache would only hold
    // them a second time. A file that is no database fails here too, and its first statement
    // says so in its context; a bank locked by another program is reported now, after one
    // wait for the lock.
    for (const QString &pragma : {QStringLiteral("PRAGMA synchronous = EXTRA"),
                                  QStringLiteral("PRAGMA cache_size = -256")}) {
        if (m_readOnly && pragma.contains(QLatin1String("synchronous")))
            continue;
        QSqlQuery q(db);
        if (!q.exec(pragma) && q.lastError().text().contains(QLatin1String("locked")))
            fail(QStringLiteral("无法打开“%1”").arg(path), q.lastError().text());
    }
}

SqlFile::~SqlFile()
{
    release();
}

void SqlFile::release()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase SqlFile::database() const
{
    return QSqlDatabase::database(m_name, false);
}

sqlite3 *SqlFile::handle() const
{
    const QVariant v = database().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        fail(QStringLiteral("无法读取“%1”").arg(m_path), QStringLiteral("SQLite 驱动不可用"));
    return *static_cast<sqlite3 *const *>(v.constData());
}

void SqlFile::exec(const QString &sql)
{
    QSqlQuery q(database());
    if (!q.exec(sql))
        fail(QStringLiteral("访问“%1”失败").arg(m_path), q.lastError().text());
}

QSqlQuery SqlFile::prepare(const QString &sql, const QString &context)
{
    m_context = context;
    QSqlQuery q(database());
    if (!q.prepare(sql))
        fail(context.isEmpty() ? QStringLiteral("访问“%1”失败").arg(m_path) : context,
             q.lastError().text());
    return q;
}

void SqlFile::run(QSqlQuery &query)
{
    if (!query.exec())
        fail(m_context.isEmpty() ? QStringLiteral("访问“%1”失败").arg(m_path) : m_context,
             query.lastError().text());
}

void SqlFile::fail(const QString &what, const QString &detail) const
{
    if (detail.contains(QLatin1String("database is locked")) ||
        detail.contains(QLatin1String("database is busy")))
        throw ExamError(bankBusyMessage(m_path));
    if (detail.contains(QLatin1String("readonly"), Qt::CaseInsensitive) && hotJournalBeside(m_path))
        throw ExamError(QStringLiteral("题库文件“%1”上次写入时被中断，留下了日志文件“%1-journal”；"
                                       "所在文件夹不可写，无法恢复。请把题库放到可写的文件夹中"
                                       "打开一次，中断的修改就会被撤销。")
                            .arg(m_path));
    throw ExamError(detail.trimmed().isEmpty()
                        ? what + QStringLiteral("。")
                        : QStringLiteral("%1：%2").arg(what, detail.trimmed()));
}

QString bankBusyMessage(const QString &path)
{
    return QStringLiteral("题库文件“%1”正被其他程序占用（已锁定），请稍后再试。").arg(path);
}
