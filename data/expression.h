#pragma once

#include "value.h"

#include <QHash>
#include <QStringList>
#include <QVector>

// Column names of a loaded table, found without regard to letter case.
class ColumnSet
{
public:
    ColumnSet() = default;
    explicit ColumnSet(const QStringList &names);

    int indexOf(const QString &name) const { return m_index.value(name.toLower(), -1); }
    QString name(int index) const { return m_names.at(index); }
    int size() const { return int(m_names.size()); }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
    QHash<QString, int> m_index;
};

// A record filter such as "(sortid=3) and (typeId=1)": comparisons of a column with an
// integer or a quoted text, joined by AND / OR, with parentheses.
class FilterExpression
{
public:
    // Throws ExamError quoting the text when it cannot be read or names an unknown column.
    static FilterExpression parse(const QString &text, const ColumnSet &columns);

    // A row wherever it is kept: `cell` gives the cell of a column of row `row` of `data`.
    struct Row {
        const void *data;
        int row;
        ValueView (*cell)(const void *data, int row, int column);
        ValueView operator[](int column) const { return cell(data, row, column); }
    };

    bool isEmpty() const { return m_root < 0; }
    bool matches(const Row &row) const { return m_root < 0 || eval(m_root, row); }
    // A row held as consecutive values, one a column.
    bool matches(const Value *row) const;

    enum class Op { Eq, Ne, Lt, Le, Gt, Ge };
    struct Node {
        enum Kind { Compare, And, Or } kind = Compare;
        int column = -1;
        Op op = Op::Eq;
        Value literal;
        int left = -1;
        int right = -1;
    };

private:
    friend class FilterParser;
    bool eval(int node, const Row &row) const;

    QVector<Node> m_nodes;
    int m_root = -1;
};

struct SortKey {
    int column = -1;
    bool descending = false;
};

// An order such as "errorTimes DESC" or "sortId, subId desc". Throws ExamError quoting the
// text when it cannot be read.
QVector<SortKey> parseOrder(const QString &text, const ColumnSet &columns);
