#include "tablecells.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

// 64 KiB blocks: few enough to be cheap, small enough that a part-filled last block wastes
// little. A longer text gets a block of its own size.
constexpr qsizetype kBlockUnits = 32 * 1024;

} // namespace

void TableCells::clear()
{
    m_cells.clear();
    m_blocks.clear();
    m_blockSize = m_blockUsed = 0;
}

char16_t *TableCells::reserveText(qsizetype units)
{
    if (m_blocks.empty() || m_blockSize - m_blockUsed < units) {
        m_blockSize = std::max(kBlockUnits, units);
        m_blocks.emplace_back(new char16_t[size_t(m_blockSize)]);
        m_blockUsed = 0;
    }
    return m_blocks.back().get() + m_blockUsed;
}

TableCells::Cell TableCells::commitText(qsizetype used)
{
    const qint64 where = (qint64(m_blocks.size() - 1) << 32) | qint64(m_blockUsed);
    m_blockUsed += used;
    return Cell{where, quint32(used), Value::Text};
}

void TableCells::appendUtf8(QByteArrayView utf8)
{
    // A UTF-8 text never takes more UTF-16 units than it has bytes.
    QChar *start = reinterpret_cast<QChar *>(reserveText(utf8.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar *end = decoder.appendToBuffer(start, utf8);
    m_cells.append(commitText(end - start));
}

TableCells::Cell TableCells::cellOf(const Value &v)
{
    switch (v.kind) {
    case Value::Int:
        return Cell{v.i, 0, Value::Int};
    case Value::Text: {
        char16_t *to = reserveText(v.s.size());
        std::copy(v.s.utf16(), v.s.utf16() + v.s.size(), to);
        return commitText(v.s.size());
    }
    case Value::Null:
        break;
    }
    return Cell{};
}

void TableCells::reorder(const QVector<int> &order)
{
    QVector<Cell> cells;
    cells.reserve(m_cells.size());
    for (int row : order)
        for (int c = 0; c < m_stride; ++c)
            cells.append(m_cells.at(index(row, c)));
    m_cells = std::move(cells);
}
