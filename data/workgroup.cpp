#include "workgroup.h"

#include "errors.h"
#include "sqlfile.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace workgroup {
namespace {

constexpr int kRounds = 2000;

QByteArray stretch(const QByteArray &salt, const QString &password, int rounds)
{
    QByteArray digest = salt + password.toUtf8();
    for (int i = 0; i < rounds; ++i)
        digest = QCryptographicHash::hash(salt + digest, QCryptographicHash::Sha256);
    return digest;
}

QString wrongUser(const QString &user)
{
    return QStringLiteral("用户名或密码无效：不能以用户“%1”打开题库。").arg(user);
}

} // namespace

void create(const QString &path, const QString &user, const QString &password)
{
    QFile::remove(path);
    SqlFile file(path, SqlFile::Create);
    file.exec(QStringLiteral("CREATE TABLE users (name TEXT PRIMARY KEY NOT NULL, salt BLOB NOT "
                             "NULL, hash BLOB NOT NULL, rounds INTEGER NOT NULL)"));
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), 4);
    QSqlQuery q = file.prepare(QStringLiteral("INSERT INTO users VALUES (?, ?, ?, ?)"));
    q.addBindValue(user);
    q.addBindValue(salt);
    q.addBindValue(stretch(salt, password, kRounds));
    q.addBindValue(kRounds);
    file.run(q);
}

void verify(const QString &path, const QString &user, const QString &password)
{
    if (!QFileInfo(path).isFile())
        throw ExamError(QStringLiteral("找不到工作组信息文件“%1”。").arg(path));
    SqlFile file(path, SqlFile::Read);
    QSqlQuery q =
        file.prepare(QStringLiteral("SELECT salt, hash, rounds FROM users WHERE name = ?"),
                     QStringLiteral("“%1”不是有效的工作组信息文件").arg(path));
    q.addBindValue(user);
    file.run(q);
    if (!q.next())
        throw ExamError(wrongUser(user));
    const QByteArray salt = q.value(0).toByteArray();
    const int rounds = q.value(2).toInt();
    if (rounds < 1 || rounds > 1000000 ||
        stretch(salt, password, rounds) != q.value(1).toByteArray())
        throw ExamError(wrongUser(user));
}

void ensure(const QString &path, const QString &user, const QString &password)
{
    try {
        verify(path, user, password);
    } catch (const ExamError &) {
        create(path, user, password);
    }
}

} // namespace workgroup
