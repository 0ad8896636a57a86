#include "connection.h"

#include "errors.h"
#include "regularfile.h"
#include "sqlfile.h"
#include "workgroup.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSqlQuery>
#include <memory>

ConnectionString::ConnectionString(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = part.mid(eq + 1).trimmed();
        m_values.insert(key, value);
        if (key.endsWith(QLatin1String("system database")))
            m_systemDatabase = value;
    }
}

QString buildConnectionString(const QString &programFolder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + programFolder +
           QStringLiteral("data.mdb;Mode=ReadWrite;Persist Security Info=False;") +
           QStringLiteral("Password=qxbtrmwlnpa;User ID=examuser;") +
           QStringLiteral("Jet OLEDB:System database=") + programFolder +
           QStringLiteral("Security.mdw");
}

namespace {

// Each table object opens its own connection; the workgroup check is done once per file,
// user and password for the run, since the stretched hash takes a few milliseconds.
void verifyUser(const ConnectionString &cs)
{
    static QMutex mutex;
    static QSet<QString> verified;
    const QString mdw = cs.systemDatabase();
    if (mdw.isEmpty())
        throw ExamError(QStringLiteral("连接字符串中没有指定工作组信息文件。"));
    const QFileInfo info(mdw);
    const QString key = info.absoluteFilePath() + QLatin1Char('\n') +
                        QString::number(info.lastModified().toMSecsSinceEpoch()) +
                        QLatin1Char('\n') + cs.userId() + QLatin1Char('\n') + cs.password();
    QMutexLocker lock(&mutex);
    if (verified.contains(key))
        return;
    workgroup::verify(mdw, cs.userId(), cs.password());
    verified.insert(key);
}

} // namespace

SqlFile *openQuestionBank(const QString &connectionString)
{
    const ConnectionString cs(connectionString);
    const QString path = cs.dataSource();
    if (path.isEmpty())
        throw ExamError(QStringLiteral("连接字符串中没有指定题库文件。"));
    if (!QFileInfo::exists(path))
        throw ExamError(QStringLiteral("找不到题库文件“%1”。").arg(path));
    if (!isRegularFile(path))
        throw ExamError(QStringLiteral("题库文件“%1”不是普通文件。").arg(path));
    verifyUser(cs);
    auto file = std::make_unique<SqlFile>(path, SqlFile::ReadWrite);
    QSqlQuery probe = file->prepare(QStringLiteral("SELECT count(*) FROM sqlite_master"),
                                    QStringLiteral("“%1”不是有效的题库文件").arg(path));
    file->run(probe);
    return file.release();
}

QString bankWriteProblem(const QString &connectionString)
{
    const QFileInfo bank(ConnectionString(connectionString).dataSource());
    const QString folder = bank.absolutePath();
    // SQLite writes its journal beside the bank, so the folder must take new files too.
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("程序文件夹“%1”不可写，答题记录无法保存。"
                              "请把程序放到可写的文件夹后再运行。")
            .arg(folder);
    if (bank.exists() && !bank.isWritable())
        return QStringLiteral("题库文件“%1”是只读的，答题记录无法保存。"
                              "请取消该文件的只读属性后再运行。")
            .arg(bank.filePath());
    return {};
}

void requireWritableBank(const QString &connectionString)
{
    const QString problem = bankWriteProblem(connectionString);
    if (!problem.isEmpty())
        throw ExamError(problem);
}
