#pragma once

#include <QHash>
#include <QString>

// The pieces of a connection string "Key=Value;Key=Value;...", keys without regard to case.
class ConnectionString
{
public:
    explicit ConnectionString(const QString &text);

    QString value(const QString &key) const { return m_values.value(key.toLower()); }
    QString dataSource() const { return value(QStringLiteral("Data Source")); }
    QString userId() const { return value(QStringLiteral("User ID")); }
    QString password() const { return value(QStringLiteral("Password")); }
    QString systemDatabase() const { return m_systemDatabase; }

private:
    QHash<QString, QString> m_values;
    QString m_systemDatabase;
};

// The one connection string of the program, built from the program folder.
QString buildConnectionString(const QString &programFolder);

class SqlFile;

// Checks the user of the connection string against its workgroup file and opens the
// question bank for reading and writing. Throws ExamError with a clear text when a file is
// missing, the user or password is wrong, or the file is not a database.
SqlFile *openQuestionBank(const QString &connectionString);

// Why the question bank of the connection string cannot take answers (its folder or the file
// itself is read-only), naming the one that is; empty when it can.
QString bankWriteProblem(const QString &connectionString);
// Throws ExamError with that text.
void requireWritableBank(const QString &connectionString);
