#include "tableobject.h"

#include "connection.h"
#include "errors.h"
#include "sqlfile.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <sqlite3.h>

namespace {

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

TableObject::TableObject(const QString &tableName) : m_tableName(tableName) {}

TableObject::~TableObject() = default;

void TableObject::open()
{
    if (m_file)
        return;
    m_wanted = true;
    std::unique_ptr<SqlFile> file(openQuestionBank(m_connectionString));
    QSqlQuery find = file->prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = "
                                                  "'table' AND lower(name) = lower(?)"));
    find.addBindValue(m_tableName);
    file->run(find);
    if (!find.next())
        throw ExamError(QStringLiteral("“%1”不是题库文件：其中没有数据表“%2”。")
                            .arg(file->path(), m_tableName));
    m_tableName = find.value(0).toString();
    m_file = std::move(file);
    try {
        load();
        m_filter =
            m_filtered ? FilterExpression::parse(m_filterText, m_columns) : FilterExpression();
        m_order = parseOrder(m_sortText, m_columns);
    } catch (...) {
        close();
        throw;
    }
    rebuildView(-1);
    first();
}

namespace {

// A cell as the table object keeps it: integers (and reals that are whole numbers) as
// integers, everything else as text.
void appendCell(TableCells &cells, sqlite3_stmt *row, int column)
{
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_NULL:
        cells.appendNull();
        break;
    case SQLITE_INTEGER:
        cells.appendInteger(sqlite3_column_int64(row, column));
        break;
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(row, column);
        if (std::abs(d) < 9.2e18 && d == double(qint64(d)))
            cells.appendInteger(qint64(d));
        else
            cells.append(Value::text(QString::number(d, 'g', 15)));
        break;
    }
    default: {
        const char *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
        cells.appendUtf8(QByteArrayView(text, sqlite3_column_bytes(row, column)));
    }
    }
}

ValueView cellOfRow(const void *cells, int row, int column)
{
    return static_cast<const TableCells *>(cells)->at(row, column);
}

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

} // namespace

void TableObject::load()
{
    sqlite3 *db = m_file->handle();
    auto failed = [&](const char *step) {
        if (sqlite3_errcode(db) == SQLITE_BUSY || sqlite3_errcode(db) == SQLITE_LOCKED)
            throw ExamError(bankBusyMessage(m_file->path()));
        throw ExamError(
            QStringLiteral("无法读取数据表“%1”：%2（%3）")
                .arg(m_tableName, QString::fromUtf8(sqlite3_errmsg(db)), QLatin1String(step)));
    };
    auto prepare = [&](Statement &statement, const QString &sql) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement.stmt, nullptr) !=
            SQLITE_OK)
            failed("prepare");
    };
    const QString table = quoted(m_tableName);

    // A table far larger than any question bank is refused before it fills the memory.
    Statement count;
    prepare(count, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    if (sqlite3_step(count.stmt) != SQLITE_ROW)
        failed("count");
    const qint64 rows = sqlite3_column_int64(count.stmt, 0);
    if (rows > kMaxRows)
        throw ExamError(QStringLiteral("数据表“%1”有 %2 行，超过了本程序能打开的上限 %3 行"
                                       "（约 %4 道试题的题库）。")
                            .arg(m_tableName)
                            .arg(rows)
                            .arg(kMaxRows)
                            .arg(kMaxRows / 4));

    Statement shape;
    prepare(shape, QStringLiteral("SELECT * FROM %1").arg(table));
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(shape.stmt); ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(shape.stmt, i)));
    m_columns = ColumnSet(names);
    m_stride = int(names.size());
    const int key = m_indexField.isEmpty() ? -1 : columnIndex(m_indexField);

    // Opened on its index: SQLite hands the rows over in that order already.
    // Read through a memory map: no system call for every page of a large table.
    sqlite3_exec(db, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
    Statement query;
    prepare(query, QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2rowid")
                       .arg(table, key < 0 ? QString() : quoted(names.at(key)) + QLatin1Char(',')));
    m_cells.clear();
    m_rowids.clear();
    m_cells.setStride(m_stride);
    m_cells.reserveRows(qsizetype(rows));
    m_rowids.reserve(qsizetype(rows));
    int step;
    while ((step = sqlite3_step(query.stmt)) == SQLITE_ROW) {
        m_rowids.append(sqlite3_column_int64(query.stmt, 0));
        for (int c = 1; c <= m_stride; ++c)
            appendCell(m_cells, query.stmt, c);
    }
    if (step != SQLITE_DONE)
        failed("step");
    // The rows are in memory now: the map goes, so that the bank's pages are not held twice.
    sqlite3_reset(query.stmt);
    sqlite3_exec(db, "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr);
    if (key >= 0)
        keepIndexOrder(key);
}

// SQLite orders texts and mixed types its own way; where that differs from the table
// object's order (texts without regard to case), the rows are put in the table object's.
void TableObject::keepIndexOrder(int key)
{
    const int rows = int(m_rowids.size());
    bool ordered = true;
    for (int r = 1; r < rows && ordered; ++r)
        ordered = compareValues(m_cells.at(r - 1, key), m_cells.at(r, key)) <= 0;
    if (ordered)
        return;
    QVector<int> order(rows);
    for (int i = 0; i < rows; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compareValues(m_cells.at(a, key), m_cells.at(b, key)) < 0;
    });
    QVector<qint64> rowids;
    rowids.reserve(m_rowids.size());
    for (int row : order)
        rowids.append(m_rowids.at(row));
    m_cells.reorder(order);
    m_rowids = std::move(rowids);
}

void TableObject::close()
{
    m_wanted = false;
    m_file.reset();
    m_cells.clear();
    m_rowids.clear();
    m_view.clear();
    m_state = State::Browse;
    m_pos = 0;
    m_eof = m_bof = true;
}

// The windows reach the shared tables through const readers as much as through moves, so
// a const use may open the table too.
void TableObject::openAgainIfWanted() const
{
    if (!m_file && m_wanted)
        const_cast<TableObject *>(this)->open();
}

void TableObject::requireOpen() const
{
    openAgainIfWanted();
    if (!m_file)
        throw ExamError(QStringLiteral("数据表“%1”尚未打开。").arg(m_tableName));
}

void TableObject::rebuildView(int keepRow)
{
    m_view.clear();
    const int rows = int(m_rowids.size());
    m_view.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        if (m_filter.matches(FilterExpression::Row{&m_cells, row, cellOfRow}))
            m_view.append(row);
    }
    if (!m_order.isEmpty()) {
        std::stable_sort(m_view.begin(), m_view.end(), [this](int a, int b) {
            for (const SortKey &key : m_order) {
                const int c = compareValues(m_cells.at(a, key.column), m_cells.at(b, key.column));
                if (c != 0)
                    return key.descending ? c > 0 : c < 0;
            }
            return false;
        });
    }
    if (keepRow >= 0) {
        const int at = int(m_view.indexOf(keepRow));
        if (at >= 0) {
            m_pos = at;
            m_eof = m_bof = false;
            return;
        }
    }
    m_pos = std::clamp(m_pos, 0, std::max(0, int(m_view.size()) - 1));
    m_eof = m_bof = m_view.isEmpty();
}

void TableObject::setFilter(const QString &text)
{
    if (m_file && m_filtered) {
        browseMode();
        m_filter = FilterExpression::parse(text, m_columns);
        m_filterText = text;
        rebuildView(-1);
        first();
        return;
    }
    m_filterText = text;
}

void TableObject::setFiltered(bool on)
{
    if (!m_file) {
        m_filtered = on;
        return;
    }
    browseMode();
    m_filter = on ? FilterExpression::parse(m_filterText, m_columns) : FilterExpression();
    m_filtered = on;
    rebuildView(-1);
    first();
}

void TableObject::setSort(const QString &order)
{
    if (!m_file) {
        m_sortText = order;
        return;
    }
    browseMode();
    m_order = parseOrder(order, m_columns);
    m_sortText = order;
    rebuildView(-1);
    first();
}

void TableObject::first()
{
    requireOpen();
    browseMode();
    m_pos = 0;
    m_eof = m_view.isEmpty();
    m_bof = true;
}

int TableObject::moveBy(int n)
{
    requireOpen();
    browseMode();
    if (m_view.isEmpty()) {
        m_eof = m_bof = true;
        return 0;
    }
    const int from = m_pos;
    const int last = int(m_view.size()) - 1;
    const qint64 target = qint64(m_pos) + n;
    m_eof = m_bof = false;
    if (target > last) {
        m_pos = last;
        m_eof = true;
    } else if (target < 0) {
        m_pos = 0;
        m_bof = true;
    } else {
        m_pos = int(target);
    }
    return m_pos - from;
}

void TableObject::setRecNo(int recNo)
{
    requireOpen();
    browseMode();
    if (recNo < 1 || recNo > m_view.size())
        throw ExamError(QStringLiteral("数据表“%1”中没有第 %2 条记录（共 %3 条）。")
                            .arg(m_tableName)
                            .arg(recNo)
                            .arg(m_view.size()));
    m_pos = recNo - 1;
    m_eof = m_bof = false;
}

bool TableObject::locate(const QString &column, const QVariant &value)
{
    requireOpen();
    browseMode();
    const int c = columnIndex(column);
    const Value wantedValue = Value::fromVariant(value);
    const ValueView wanted(wantedValue);
    for (int i = 0; i < m_view.size(); ++i) {
        const ValueView cell = m_cells.at(m_view.at(i), c);
        if (!cell.isNull() && compareValues(cell, wanted) == 0) {
            m_pos = i;
            m_eof = m_bof = false;
            return true;
        }
    }
    return false;
}

int TableObject::columnIndex(const QString &column) const
{
    const int c = m_columns.indexOf(column);
    if (c < 0)
        throw ExamError(QStringLiteral("数据表“%1”中没有列“%2”。").arg(m_tableName, column));
    return c;
}

int TableObject::currentRow() const
{
    requireOpen();
    if (m_view.isEmpty())
        throw ExamError(QStringLiteral("数据表“%1”没有当前记录。").arg(m_tableName));
    return m_view.at(m_pos);
}

Value TableObject::value(const QString &column) const
{
    const int c = columnIndex(column);
    requireOpen();
    if (m_state != State::Browse)
        return m_buffer.at(c);
    return m_cells.value(currentRow(), c);
}

bool TableObject::isNull(const QString &column) const
{
    return value(column).isNull();
}

qint64 TableObject::asInteger(const QString &column) const
{
    const Value v = value(column);
    if (v.isNull())
        throw ExamError(QStringLiteral("数据表“%1”的列“%2”是空值，不能作为整数读取。")
                            .arg(m_tableName, column));
    qint64 out = 0;
    if (!v.toInteger(&out))
        throw ExamError(QStringLiteral("“%1”不是有效的整数（数据表“%2”的列“%3”）。")
                            .arg(v.toText(), m_tableName, column));
    return out;
}

QString TableObject::asText(const QString &column) const
{
    return value(column).toText();
}

void TableObject::append()
{
    requireOpen();
    browseMode();
    m_buffer = QVector<Value>(m_stride);
    m_changed = QVector<bool>(m_stride, false);
    m_state = State::Insert;
}

void TableObject::edit()
{
    requireOpen();
    if (m_state != State::Browse)
        return;
    const int row = currentRow();
    m_buffer.resize(m_stride);
    for (int c = 0; c < m_stride; ++c)
        m_buffer[c] = m_cells.value(row, c);
    m_changed = QVector<bool>(m_stride, false);
    m_state = State::Edit;
}

void TableObject::setValue(const QString &column, const QVariant &value)
{
    const int c = columnIndex(column);
    if (m_state == State::Browse)
        throw ExamError(
            QStringLiteral("数据表“%1”不在编辑状态，不能修改列“%2”。").arg(m_tableName, column));
    m_buffer[c] = Value::fromVariant(value);
    m_changed[c] = true;
}

void TableObject::post()
{
    const State state = m_state;
    m_state = State::Browse;
    if (state == State::Insert)
        insertRow();
    else if (state == State::Edit)
        updateRow();
}

// Moving away from a row that is being edited or appended stores it first.
void TableObject::browseMode()
{
    if (m_state != State::Browse)
        post();
}

void TableObject::insertRow()
{
    QStringList names, marks;
    QVariantList values;
    for (int c = 0; c < m_stride; ++c) {
        if (!m_changed.at(c))
            continue;
        names.append(quoted(m_columns.name(c)));
        marks.append(QStringLiteral("?"));
        values.append(m_buffer.at(c).toVariant());
    }
    const QString sql =
        names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_tableName))
                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(quoted(m_tableName), names.join(QLatin1Char(',')),
                                   marks.join(QLatin1Char(',')));
    QSqlQuery q(m_file->database());
    if (!q.prepare(sql))
        writeFailed(q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        writeFailed(q.lastError().text());
    const qint64 rowid = q.lastInsertId().toLongLong();
    const int row = int(m_rowids.size());
    m_rowids.append(rowid);
    m_cells.appendRow();
    reloadRow(row, rowid);
    rebuildView(row);
}

void TableObject::updateRow()
{
    const int row = m_view.at(m_pos);
    QStringList sets;
    QVariantList values;
    for (int c = 0; c < m_stride; ++c) {
        if (!m_changed.at(c))
            continue;
        sets.append(quoted(m_columns.name(c)) + QStringLiteral(" = ?"));
        values.append(m_buffer.at(c).toVariant());
    }
    if (sets.isEmpty())
        return;
    QSqlQuery q(m_file->database());
    if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                       .arg(quoted(m_tableName), sets.join(QLatin1Char(',')))))
        writeFailed(q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    q.addBindValue(m_rowids.at(row));
    if (!q.exec())
        writeFailed(q.lastError().text());
    if (q.numRowsAffected() < 1)
        writeFailed(QStringLiteral("该记录已不在数据库中"));
    for (int c = 0; c < m_stride; ++c)
        if (m_changed.at(c))
            m_cells.set(row, c, m_buffer.at(c));
    rebuildView(row);
}

// Reads an appended row back, so the columns it did not set show their defaults.
void TableObject::reloadRow(int row, qint64 rowid)
{
    QSqlQuery q(m_file->database());
    q.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(m_tableName)));
    q.addBindValue(rowid);
    if (!q.exec() || !q.next())
        writeFailed(q.lastError().text());
    for (int c = 0; c < m_stride; ++c)
        m_cells.set(row, c, Value::fromVariant(q.value(c)));
}

void TableObject::deleteRecord()
{
    requireOpen();
    browseMode();
    if (m_view.isEmpty())
        throw ExamError(QStringLiteral("数据表“%1”没有可删除的记录。").arg(m_tableName));
    const int row = m_view.at(m_pos);
    QSqlQuery q(m_file->database());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_tableName)));
    q.addBindValue(m_rowids.at(row));
    if (!q.exec())
        writeFailed(q.lastError().text());
    m_rowids.remove(row);
    m_cells.removeRow(row);
    const int pos = m_pos;
    rebuildView(-1);
    m_pos = std::min(pos, std::max(0, int(m_view.size()) - 1));
    m_eof = m_bof = m_view.isEmpty();
}

void TableObject::transaction(const std::function<void()> &changes)
{
    requireOpen();
    browseMode();
    m_file->exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        changes();
        browseMode();
        m_file->exec(QStringLiteral("COMMIT"));
    } catch (...) {
        m_state = State::Browse;
        // The first failure is the one to report; a rollback that fails too (SQLite may have
        // ended the transaction itself) must not hide it.
        try {
            m_file->exec(QStringLiteral("ROLLBACK"));
        } catch (const ExamError &) {
        }
        try {
            load();
            rebuildView(-1);
            first();
        } catch (const ExamError &) {
            close();
            m_wanted = true;
        }
        throw;
    }
}

void TableObject::writeFailed(const QString &detail) const
{
    QString why = detail.trimmed();
    if (why.contains(QLatin1String("readonly"), Qt::CaseInsensitive)) {
        const QString problem = bankWriteProblem(m_connectionString);
        why = problem.isEmpty() ? QStringLiteral("题库文件是只读的（%1）").arg(why) : problem;
    } else if (why.contains(QLatin1String("database is locked"))) {
        why = QStringLiteral("题库文件正被其他程序占用（已锁定），请稍后再试");
    }
    throw ExamError(QStringLiteral("无法写入数据表“%1”：%2").arg(m_tableName, why));
}
