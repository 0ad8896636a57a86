#include "sqlfile.h"

#include "errors.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {
QAtomicInt g_connections;
}

SqlFile::SqlFile(const QString &path, Mode mode)
    : m_path(path), m_name(QStringLiteral("exam-%1").arg(g_connections.fetchAndAddRelaxed(1)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid())
        fail(QStringLiteral("无法打开“%1”").arg(path), QStringLiteral("缺少 SQLite 数据库驱动"));
    // A URI with an explicit mode keeps SQLite from creating a missing file behind our back.
    static const char *const modes[] = {"ro", "rw", "rwc"};
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(QStringLiteral("mode=%1").arg(QLatin1String(modes[mode])));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        fail(QStringLiteral("无法打开“%1”").arg(path), db.lastError().text());
}

SqlFile::~SqlFile()
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
    throw ExamError(detail.trimmed().isEmpty()
                        ? what + QStringLiteral("。")
                        : QStringLiteral("%1：%2").arg(what, detail.trimmed()));
}
