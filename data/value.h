#pragma once

#include <QString>
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

// Ordering used by sorts and comparisons: null < integers < texts; texts ignore case.
int compareValues(const Value &a, const Value &b);
