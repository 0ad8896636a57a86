#pragma once

#include "value.h"

#include <QByteArrayView>
#include <QVector>
#include <memory>
#include <vector>

// The cells of a loaded table, row after row, kept compactly: 16 bytes a cell, and the texts
// side by side in large blocks instead of one allocation each. A block never moves, so a
// view of a text stays valid while its cell is unchanged.
class TableCells
{
public:
    void clear();
    void setStride(int columns) { m_stride = columns; }
    int stride() const { return m_stride; }
    void reserveRows(qsizetype rows) { m_cells.reserve(rows * m_stride); }
    int rows() const { return m_stride == 0 ? 0 : int(m_cells.size() / m_stride); }

    void appendNull() { m_cells.append(Cell{}); }
    void appendInteger(qint64 v) { m_cells.append(Cell{v, 0, Value::Int}); }
    // A text as SQLite hands it over; bytes that are not UTF-8 become replacement characters.
    void appendUtf8(QByteArrayView utf8);
    void append(const Value &v) { m_cells.append(cellOf(v)); }
    // A row of null cells at the end.
    void appendRow() { m_cells.resize(m_cells.size() + m_stride); }

    ValueView at(int row, int column) const { return view(m_cells.at(index(row, column))); }
    Value value(int row, int column) const { return at(row, column).toValue(); }
    void set(int row, int column, const Value &v) { m_cells[index(row, column)] = cellOf(v); }
    void removeRow(int row) { m_cells.remove(index(row, 0), m_stride); }
    // The rows put in the given order: order[k] is the row that becomes row k.
    void reorder(const QVector<int> &order);

private:
    struct Cell {
        qint64 i = 0;        // the integer, or where the text starts (block, offset)
        quint32 length = 0;  // of the text
        Value::Kind kind = Value::Null;
    };

    qsizetype index(int row, int column) const { return qsizetype(row) * m_stride + column; }
    ValueView view(const Cell &c) const
    {
        if (c.kind != Value::Text)
            return ValueView(c.kind, c.i, {});
        const char16_t *block = m_blocks[size_t(c.i >> 32)].get();
        return ValueView(Value::Text, 0, QStringView(block + (c.i & 0xffffffff), c.length));
    }
    Cell cellOf(const Value &v);
    // Room for a text of up to `units` UTF-16 units; the text is then committed with `used`.
    char16_t *reserveText(qsizetype units);
    Cell commitText(qsizetype used);

    int m_stride = 0;
    QVector<Cell> m_cells;
    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    qsizetype m_blockSize = 0; // of the last block
    qsizetype m_blockUsed = 0;
};
