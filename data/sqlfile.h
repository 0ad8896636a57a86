#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;
struct sqlite3;

// One SQLite connection of its own, named uniquely and removed again on destruction.
// Every failure becomes an ExamError that names the file. A connection that may write commits
// durably: the journal's removal is synced to the folder before a commit returns.
class SqlFile
{
public:
    // Read opens read-write where the file and its folder can be written, so that a journal
    // left by a writer that was killed is rolled back first; read-only otherwise.
    enum Mode { Read, ReadWrite, Create };

    SqlFile(const QString &path, Mode mode);
    ~SqlFile();
    SqlFile(const SqlFile &) = delete;
    SqlFile &operator=(const SqlFile &) = delete;

    QSqlDatabase database() const;
    // The SQLite connection itself, for reading a whole table without the per-value cost of
    // the generic query layer.
    struct sqlite3 *handle() const;
    const QString &path() const { return m_path; }
    bool readOnly() const { return m_readOnly; }

    // Runs statements without values; throws with the driver's text.
    void exec(const QString &sql);
    // A prepared statement; failure is reported with `context` (or a generic text).
    QSqlQuery prepare(const QString &sql, const QString &context = {});
    void run(QSqlQuery &query);

private:
    void open(Mode mode);
    void release();
    [[noreturn]] void fail(const QString &what, const QString &detail) const;

    QString m_path;
    QString m_name;
    QString m_context;
    bool m_readOnly = false;
};

// How long a connection waits for another one's lock before the bank counts as busy.
constexpr int kBusyTimeoutMs = 500;

// What the learner reads when the bank at `path` stays locked by another program.
QString bankBusyMessage(const QString &path);
