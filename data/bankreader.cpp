#include "bank.h"

#include "errors.h"
#include "sqlfile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>
#include <memory>

namespace {

struct Column {
    QString type;
    QString defaultValue;
    bool primaryKey = false;
};

// The columns of a table by lower-case name; empty when the table is missing.
QHash<QString, Column> columnsOf(SqlFile &db, const QString &table)
{
    QHash<QString, Column> columns;
    QSqlQuery q =
        db.prepare(QStringLiteral("SELECT name, type, dflt_value, pk FROM pragma_table_info(?)"));
    q.addBindValue(table);
    db.run(q);
    while (q.next())
        columns.insert(q.value(0).toString().toLower(),
                       {q.value(1).toString(), q.value(2).toString(), q.value(3).toInt() > 0});
    return columns;
}

// One table read row by row, with its values looked up by name and checked as they are read.
class RowReader
{
public:
    RowReader(SqlFile &db, const QString &table, const QStringList &required, QStringList &problems)
        : m_table(table), m_problems(problems)
    {
        const auto columns = columnsOf(db, table);
        if (columns.isEmpty()) {
            problems << QStringLiteral("缺少数据表“%1”").arg(table);
            return;
        }
        for (const QString &c : required) {
            if (!columns.contains(c.toLower()))
                problems << QStringLiteral("数据表“%1”缺少列“%2”").arg(table, c);
        }
        for (const QString &c : required) {
            if (!columns.contains(c.toLower()))
                return;
        }
        m_query = std::make_unique<QSqlQuery>(
            db.prepare(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table)));
        db.run(*m_query);
        const QSqlRecord record = m_query->record();
        for (int i = 0; i < record.count(); ++i)
            m_index.insert(record.fieldName(i).toLower(), i);
    }

    bool next()
    {
        if (!m_query || !m_query->next())
            return false;
        ++m_row;
        m_rowOk = true;
        return true;
    }

    int row() const { return m_row; }
    bool rowOk() const { return m_rowOk; }
    QVariant raw(const QString &column) const
    {
        return m_query->value(m_index.value(column.toLower()));
    }

    // An id the windows read without a null test; a null or a text is a problem.
    qint64 id(const QString &column, const QString &where)
    {
        const QVariant v = raw(column);
        bool ok = false;
        const qlonglong i = v.isNull() ? 0 : v.toString().trimmed().toLongLong(&ok);
        if (!ok) {
            m_problems << QStringLiteral("%1：列“%2”%3")
                              .arg(where, column,
                                   v.isNull() ? QStringLiteral("为空值")
                                              : QStringLiteral("不是整数"));
            m_rowOk = false;
        }
        return i;
    }

    // A count, a type or a flag: an id that must also fit the program's 32-bit integers.
    int integer(const QString &column, const QString &where)
    {
        const qint64 i = id(column, where);
        if (m_rowOk &&
            (i < std::numeric_limits<int>::min() || i > std::numeric_limits<int>::max())) {
            m_problems << QStringLiteral("%1：列“%2”的值 %3 超出范围").arg(where, column).arg(i);
            m_rowOk = false;
        }
        return int(i);
    }

    QString text(const QString &column, const QString &where)
    {
        const QVariant v = raw(column);
        if (v.isNull()) {
            m_problems << QStringLiteral("%1：列“%2”为空值").arg(where, column);
            m_rowOk = false;
        }
        return v.toString();
    }

    std::optional<QString> optionalText(const QString &column) const
    {
        const QVariant v = raw(column);
        return v.isNull() ? std::nullopt : std::optional<QString>(v.toString());
    }

    QString where(const QString &key = {}) const
    {
        return key.isEmpty() ? QStringLiteral("%1 第 %2 行").arg(m_table).arg(m_row)
                             : QStringLiteral("%1 第 %2 行（%3）").arg(m_table).arg(m_row).arg(key);
    }

private:
    QString m_table;
    QStringList &m_problems;
    std::unique_ptr<QSqlQuery> m_query;
    QHash<QString, int> m_index;
    int m_row = 0;
    bool m_rowOk = true;
};

void readCategories(SqlFile &db, Bank &bank, QStringList &problems)
{
    RowReader r(db, QStringLiteral("sort"),
                {QStringLiteral("sortId"), QStringLiteral("sortname"), QStringLiteral("scale0"),
                 QStringLiteral("scale1"), QStringLiteral("scale2")},
                problems);
    while (r.next()) {
        BankCategory c;
        const QString at =
            r.where(QStringLiteral("sortId=%1").arg(r.raw(QStringLiteral("sortId")).toString()));
        c.origin = at;
        c.sortId = r.integer(QStringLiteral("sortId"), at);
        c.name = r.text(QStringLiteral("sortname"), at);
        for (int g = 0; g < 3; ++g)
            c.scale[g] = r.integer(QStringLiteral("scale%1").arg(g), at);
        if (r.rowOk())
            bank.categories.append(c);
    }
}

void readQuestions(SqlFile &db, Bank &bank, QStringList &problems)
{
    RowReader r(db, QStringLiteral("subject"),
                {QStringLiteral("subId"), QStringLiteral("subtitle"), QStringLiteral("subpic"),
                 QStringLiteral("typeId"), QStringLiteral("sortId"), QStringLiteral("info"),
                 QStringLiteral("errorTimes")},
                problems);
    while (r.next()) {
        BankQuestion q;
        const QString at =
            r.where(QStringLiteral("subId=%1").arg(r.raw(QStringLiteral("subId")).toString()));
        q.origin = at;
        q.subId = r.id(QStringLiteral("subId"), at);
        q.text = r.text(QStringLiteral("subtitle"), at);
        const QString pic = r.text(QStringLiteral("subpic"), at);
        q.picture = pic == QLatin1String("NULL") ? QString() : pic;
        if (pic.isEmpty() && r.rowOk())
            problems << QStringLiteral("%1：图片名为空（没有图片时应为“NULL”）").arg(at);
        q.typeId = r.integer(QStringLiteral("typeId"), at);
        q.sortId = r.integer(QStringLiteral("sortId"), at);
        q.info = r.optionalText(QStringLiteral("info"));
        q.errorTimes = r.integer(QStringLiteral("errorTimes"), at);
        if (r.rowOk())
            bank.questions.append(q);
    }
}

void readOptions(SqlFile &db, Bank &bank, QStringList &problems)
{
    QHash<qint64, int> byId;
    for (int i = 0; i < bank.questions.size(); ++i)
        byId.insert(bank.questions.at(i).subId, i);
    QHash<qint64, QSet<qint64>> optionIds;
    RowReader r(db, QStringLiteral("options"),
                {QStringLiteral("optid"), QStringLiteral("subid"), QStringLiteral("optcontent"),
                 QStringLiteral("iskey")},
                problems);
    while (r.next()) {
        const QString at =
            r.where(QStringLiteral("optid=%1").arg(r.raw(QStringLiteral("optid")).toString()));
        const qint64 optid = r.id(QStringLiteral("optid"), at);
        const qint64 subid = r.id(QStringLiteral("subid"), at);
        const QString text = r.text(QStringLiteral("optcontent"), at);
        const int key = r.integer(QStringLiteral("iskey"), at);
        if (!r.rowOk())
            continue;
        if (key != 0 && key != 1)
            problems << QStringLiteral("%1：iskey 为 %2，只能是 0 或 1").arg(at).arg(key);
        if (!byId.contains(subid)) {
            problems << QStringLiteral("%1：试题 %2 不存在").arg(at).arg(subid);
            continue;
        }
        if (optionIds[subid].contains(optid))
            problems
                << QStringLiteral("%1：试题 %2 的选项编号 %3 重复").arg(at).arg(subid).arg(optid);
        optionIds[subid].insert(optid);
        bank.questions[byId.value(subid)].options.append({text, key == 1});
    }
}

void checkAnswerSheet(SqlFile &db, const Bank &bank, QStringList &problems)
{
    const auto columns = columnsOf(db, QStringLiteral("note"));
    if (columns.contains(QStringLiteral("noteid")) &&
        !(columns.value(QStringLiteral("noteid")).primaryKey &&
          columns.value(QStringLiteral("noteid"))
                  .type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0))
        problems << QStringLiteral("数据表“note”的列“noteId”应为自动递增的整数主键");
    for (const char *column : {"optionid", "isright"}) {
        const QString name = QLatin1String(column);
        if (columns.contains(name) &&
            columns.value(name).defaultValue.trimmed() != QLatin1String("0"))
            problems << QStringLiteral("数据表“note”的列“%1”默认值应为 0").arg(name);
    }
    QSet<qint64> ids;
    for (const BankQuestion &q : bank.questions)
        ids.insert(q.subId);
    RowReader r(db, QStringLiteral("note"),
                {QStringLiteral("noteId"), QStringLiteral("subId"), QStringLiteral("optionid"),
                 QStringLiteral("isright")},
                problems);
    while (r.next()) {
        const QString at = r.where();
        const qint64 subId = r.id(QStringLiteral("subId"), at);
        r.id(QStringLiteral("optionid"), at);
        r.integer(QStringLiteral("isright"), at);
        if (r.rowOk() && !ids.contains(subId))
            problems << QStringLiteral("%1：试题 %2 不存在").arg(at).arg(subId);
    }
}

std::unique_ptr<SqlFile> openForReading(const QString &path, QStringList &problems)
{
    if (!QFileInfo(path).isFile()) {
        problems << QStringLiteral("找不到题库文件“%1”").arg(path);
        return nullptr;
    }
    try {
        auto db = std::make_unique<SqlFile>(path, SqlFile::Read);
        db->exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        return db;
    } catch (const ExamError &e) {
        problems << QStringLiteral("“%1”不是有效的题库文件：%2").arg(path, e.message());
        return nullptr;
    }
}

Bank readTables(SqlFile &db, QStringList &problems)
{
    Bank bank;
    readCategories(db, bank, problems);
    readQuestions(db, bank, problems);
    readOptions(db, bank, problems);
    return bank;
}

} // namespace

Bank readBankDatabase(const QString &dataPath, QStringList *problems)
{
    auto db = openForReading(dataPath, *problems);
    return db ? readTables(*db, *problems) : Bank();
}

QStringList validateBankDatabase(const QString &dataPath)
{
    QStringList problems;
    auto db = openForReading(dataPath, problems);
    if (!db)
        return problems;
    const Bank bank = readTables(*db, problems);
    checkAnswerSheet(*db, bank, problems);
    problems += checkBank(bank, QFileInfo(dataPath).absolutePath() + QStringLiteral("/upload"));
    return problems;
}
