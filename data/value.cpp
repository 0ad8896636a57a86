#include "value.h"

Value Value::fromVariant(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return null();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return integer(v.toLongLong());
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (d == double(qint64(d)))
            return integer(qint64(d));
        return text(v.toString());
    }
    default:
        return text(v.toString());
    }
}

QVariant Value::toVariant() const
{
    switch (kind) {
    case Int:
        return QVariant(i);
    case Text:
        return QVariant(s);
    case Null:
        break;
    }
    return QVariant();
}

bool Value::toInteger(qint64 *out) const
{
    return ValueView(*this).toInteger(out);
}

bool ValueView::toInteger(qint64 *out) const
{
    if (kind == Value::Int) {
        *out = i;
        return true;
    }
    if (kind == Value::Text) {
        bool ok = false;
        const qint64 v = s.trimmed().toLongLong(&ok);
        if (ok)
            *out = v;
        return ok;
    }
    return false;
}

QString Value::toText() const
{
    switch (kind) {
    case Int:
        return QString::number(i);
    case Text:
        return s;
    case Null:
        break;
    }
    return QString();
}

int compareMixedValues(const ValueView &a, const ValueView &b)
{
    if (a.kind != b.kind) {
        qint64 ai = 0, bi = 0;
        if (a.kind != Value::Null && b.kind != Value::Null && a.toInteger(&ai) && b.toInteger(&bi))
            return ai < bi ? -1 : (ai > bi ? 1 : 0);
        return a.kind < b.kind ? -1 : 1;
    }
    switch (a.kind) {
    case Value::Int:
        return a.i < b.i ? -1 : (a.i > b.i ? 1 : 0);
    case Value::Text:
        return a.s.compare(b.s, Qt::CaseInsensitive);
    case Value::Null:
        break;
    }
    return 0;
}
