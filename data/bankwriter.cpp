#include "bank.h"

#include "banklock.h"
#include "errors.h"
#include "regularfile.h"
#include "sqlfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

const QString kBankUser = QStringLiteral("examuser");
const QString kBankPassword = QStringLiteral("qxbtrmwlnpa");

namespace {

// Marks a database as a question bank of this program ("EXAM").
constexpr qint32 kApplicationId = 0x4558414d;

const char *const kSchema[] = {
    "CREATE TABLE subject (subId INTEGER PRIMARY KEY NOT NULL, subtitle TEXT NOT NULL, "
    "subpic TEXT NOT NULL DEFAULT 'NULL', typeId INTEGER NOT NULL, sortId INTEGER NOT NULL, "
    "info TEXT, errorTimes INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE options (optid INTEGER NOT NULL, subid INTEGER NOT NULL, "
    "optcontent TEXT NOT NULL, iskey INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE sort (sortId INTEGER PRIMARY KEY NOT NULL, sortname TEXT NOT NULL, "
    "scale0 INTEGER NOT NULL DEFAULT 0, scale1 INTEGER NOT NULL DEFAULT 0, "
    "scale2 INTEGER NOT NULL DEFAULT 0)",
    // AUTOINCREMENT: positions keep increasing even after the rows are deleted.
    "CREATE TABLE note (noteId INTEGER PRIMARY KEY AUTOINCREMENT, subId INTEGER NOT NULL, "
    "optionid INTEGER NOT NULL DEFAULT 0, isright INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX options_subid ON options (subid)",
};

void writeCategories(SqlFile &db, const Bank &bank)
{
    QSqlQuery q = db.prepare(QStringLiteral("INSERT INTO sort VALUES (?, ?, ?, ?, ?)"));
    for (const BankCategory &c : bank.categories) {
        q.addBindValue(c.sortId);
        q.addBindValue(c.name);
        for (int g = 0; g < 3; ++g)
            q.addBindValue(c.scale[g]);
        db.run(q);
    }
}

void writeQuestions(SqlFile &db, const Bank &bank)
{
    QSqlQuery subject =
        db.prepare(QStringLiteral("INSERT INTO subject VALUES (?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery option = db.prepare(QStringLiteral("INSERT INTO options VALUES (?, ?, ?, ?)"));
    for (const BankQuestion &question : bank.questions) {
        subject.addBindValue(question.subId);
        subject.addBindValue(question.text);
        subject.addBindValue(question.picture.isEmpty() ? QStringLiteral("NULL")
                                                        : question.picture);
        subject.addBindValue(question.typeId);
        subject.addBindValue(question.sortId);
        subject.addBindValue(question.info ? QVariant(*question.info)
                                           : QVariant(QMetaType(QMetaType::QString)));
        subject.addBindValue(question.errorTimes);
        db.run(subject);
        for (int k = 0; k < question.options.size(); ++k) {
            option.addBindValue(qint64(question.subId) * 10 + k + 1);
            option.addBindValue(question.subId);
            option.addBindValue(question.options.at(k).text);
            option.addBindValue(question.options.at(k).key ? 1 : 0);
            db.run(option);
        }
    }
}

} // namespace

void writeBankDatabase(const Bank &bank, const QString &path, quint32 sourceHash)
{
    // A running program keeps its bank marked as in use; replacing it would empty the answer
    // sheet under the exam.
    const BankLock lock(path, BankLock::Exclusive);
    if (QFileInfo::exists(path) && !lock.held())
        throw ExamError(QStringLiteral("题库“%1”正在被考试程序使用，没有做任何修改。"
                                       "请先退出考试程序，再导入或重建题库。")
                            .arg(path));
    // Written beside the target and renamed over it in one step, so that at every moment
    // there is either the old bank or the new one, never none and never half of one.
    const QString temporary = path + QStringLiteral(".new");
    auto removeTemporary = [&] {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
    };
    removeTemporary();
    try {
        SqlFile db(temporary, SqlFile::Create);
        db.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        db.exec(QStringLiteral("PRAGMA user_version = %1").arg(qint32(sourceHash & 0x7fffffff)));
        db.exec(QStringLiteral("BEGIN"));
        for (const char *statement : kSchema)
            db.exec(QString::fromLatin1(statement));
        writeCategories(db, bank);
        writeQuestions(db, bank);
        db.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        removeTemporary();
        throw;
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) !=
        0) {
        removeTemporary();
        throw ExamError(QStringLiteral("无法写入“%1”：%2")
                            .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    syncFolder(QFileInfo(path).absolutePath());
}

std::optional<quint32> storedSourceHash(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    try {
        SqlFile db(path, SqlFile::Read);
        QSqlQuery q = db.prepare(QStringLiteral("PRAGMA application_id"));
        db.run(q);
        if (!q.next() || q.value(0).toInt() != kApplicationId)
            return std::nullopt;
        QSqlQuery v = db.prepare(QStringLiteral("PRAGMA user_version"));
        db.run(v);
        if (!v.next())
            return std::nullopt;
        return quint32(v.value(0).toLongLong());
    } catch (const ExamError &) {
        return std::nullopt;
    }
}
