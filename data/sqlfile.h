#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

// One SQLite connection of its own, named uniquely and removed again on destruction.
// Every failure becomes an ExamError that names the file.
class SqlFile
{
public:
    enum Mode { ReadOnly, ReadWrite, Create };

    SqlFile(const QString &path, Mode mode);
    ~SqlFile();
    SqlFile(const SqlFile &) = delete;
    SqlFile &operator=(const SqlFile &) = delete;

    QSqlDatabase database() const;
    const QString &path() const { return m_path; }

    // Runs statements without values; throws with the driver's text.
    void exec(const QString &sql);
    // A prepared statement; failure is reported with `context` (or a generic text).
    QSqlQuery prepare(const QString &sql, const QString &context = {});
    void run(QSqlQuery &query);

private:
    [[noreturn]] void fail(const QString &what, const QString &detail) const;

    QString m_path;
    QString m_name;
    QString m_context;
};
