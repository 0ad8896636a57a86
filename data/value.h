#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// One cell of a loaded table: a database null, an integer or a text.
struct Value {
    enum Kind : quint8 { Null, Int, Text };

    Kind kind = Null;
    qint64 i = 0;
    QString s;

    static Value null() { return {}; }
    static Value integer(qint64 v) { return {Int, v, {}}; }
    static Value text(const QString &v) { return {Text, 0, v}; }
    static Value fromVariant(const QVariant &v);

    bool isNull() const { return kind == Null; }
    QVariant toVariant() const;
    // The integer a text holds ("12", " -3"), if it holds one.
    bool toInteger(qint64 *out) const;
    QString toText() const;
};

// A cell looked at where it is kept, without copying its text: valid while the cell is.
struct ValueView {
    Value::Kind kind = Value::Null;
    qint64 i = 0;
    QStringView s;

    ValueView() = default;
    ValueView(Value::Kind k, qint64 integer, QStringView text) : kind(k), i(integer), s(text) {}
    ValueView(const Value &v) : kind(v.kind), i(v.i), s(v.s) {}

    bool isNull() const { return kind == Value::Null; }
    bool toInteger(qint64 *out) const;
    Value toValue() const { return {kind, i, kind == Value::Text ? s.toString() : QString()}; }
};

// Ordering used by sorts and comparisons: null < integers < texts; texts ignore case.
int compareMixedValues(const ValueView &a, const ValueView &b);
inline int compareValues(const ValueView &a, const ValueView &b)
{
    if (a.kind == Value::Int && b.kind == Value::Int)
        return a.i < b.i ? -1 : (a.i > b.i ? 1 : 0);
    return compareMixedValues(a, b);
}
