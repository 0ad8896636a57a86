#pragma once

#include "expression.h"
#include "tablecells.h"
#include "value.h"

#include <QString>
#include <QVector>
#include <functional>
#include <memory>

class SqlFile;

// A whole table opened by name and held in memory, with a filter, an order, a current row
// and 1-based record numbers counted within the filtered, ordered rows. Changes are written
// to the database file at once, row by row.
class TableObject
{
public:
    explicit TableObject(const QString &tableName = {});
    ~TableObject();
    TableObject(const TableObject &) = delete;
    TableObject &operator=(const TableObject &) = delete;

    void setConnectionString(const QString &connectionString)
    {
        m_connectionString = connectionString;
    }
    QString connectionString() const { return m_connectionString; }
    void setTableName(const QString &name) { m_tableName = name; }
    QString tableName() const { return m_tableName; }
    // Opens the table in ascending order of this column, as if on its index.
    void setIndexFieldName(const QString &column) { m_indexField = column; }

    // A table whose opening failed (a busy or missing bank) is opened again at its next use,
    // so that the program recovers once the cause is gone.
    void open();
    // Opens the table at its first use instead of now.
    void openWhenUsed() { m_wanted = true; }
    void close();
    bool isOpen() const { return m_file != nullptr; }

    // While the filter is off a new text waits; switching it on applies it.
    void setFilter(const QString &text);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }
    void setSort(const QString &order);
    QString sort() const { return m_sortText; }

    void first();
    void next() { moveBy(1); }
    // Moves by n rows, stopping at the first or last row; returns the rows actually moved.
    int moveBy(int n);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount() const
    {
        openAgainIfWanted();
        return int(m_view.size());
    }
    // 0 when there is no row.
    int recNo() const { return m_view.isEmpty() ? 0 : m_pos + 1; }
    void setRecNo(int recNo);
    bool locate(const QString &column, const QVariant &value);

    bool isNull(const QString &column) const;
    qint64 asInteger(const QString &column) const;
    QString asText(const QString &column) const;
    Value value(const QString &column) const;

    void append();
    void edit();
    void setValue(const QString &column, const QVariant &value);
    void post();
    void deleteRecord();
    bool isEditing() const { return m_state != State::Browse; }

    // Runs `changes` as one transaction: all of them reach the file, or none does and the
    // table object is read again from the file.
    void transaction(const std::function<void()> &changes);

    const ColumnSet &columns() const { return m_columns; }

    // The most rows a table object holds: a bank of 150,000 questions, its options and its
    // answer sheet fit with room to spare; a larger table is refused with a clear message.
    static constexpr qint64 kMaxRows = 600000;

private:
    enum class State { Browse, Edit, Insert };

    void requireOpen() const;
    void openAgainIfWanted() const;
    void load();
    void keepIndexOrder(int key);
    void rebuildView(int keepRow);
    int columnIndex(const QString &column) const;
    // The loaded row the cursor is on.
    int currentRow() const;
    void browseMode();
    void insertRow();
    void updateRow();
    void reloadRow(int row, qint64 rowid);
    [[noreturn]] void writeFailed(const QString &detail) const;

    QString m_connectionString;
    QString m_tableName;
    QString m_indexField;
    std::unique_ptr<SqlFile> m_file;
    bool m_wanted = false; // open() was asked for and close() was not

    ColumnSet m_columns;
    int m_stride = 0;
    TableCells m_cells;       // rows of m_stride cells, in base order
    QVector<qint64> m_rowids; // database row of each loaded row

    QString m_filterText;
    bool m_filtered = false;
    FilterExpression m_filter;
    QString m_sortText;
    QVector<SortKey> m_order;
    QVector<int> m_view; // loaded rows shown, filtered and ordered

    int m_pos = 0;
    bool m_eof = true;
    bool m_bof = true;

    State m_state = State::Browse;
    QVector<Value> m_buffer;
    QVector<bool> m_changed;
};
