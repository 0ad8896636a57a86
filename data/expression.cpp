#include "expression.h"

#include "errors.h"

ColumnSet::ColumnSet(const QStringList &names) : m_names(names)
{
    for (int i = 0; i < names.size(); ++i)
        m_index.insert(names.at(i).toLower(), i);
}

namespace {

struct Token {
    enum Kind { End, Name, Number, String, Op, LParen, RParen, Comma } kind = End;
    QString text;
    qint64 number = 0;
    int at = 0;
};

class Lexer
{
public:
    Lexer(const QString &text, const QString &what) : m_text(text), m_what(what) {}

    QVector<Token> tokens()
    {
        QVector<Token> out;
        for (;;) {
            const Token t = next();
            out.append(t);
            if (t.kind == Token::End)
                return out;
        }
    }

    [[noreturn]] static void fail(const QString &what, const QString &text, const QString &why)
    {
        throw ExamError(QStringLiteral("%1“%2”无效：%3。").arg(what, text, why));
    }

private:
    Token next()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
        Token t;
        t.at = m_pos;
        if (m_pos >= m_text.size())
            return t;
        const QChar c = m_text.at(m_pos);
        if (c.isLetter() || c == QLatin1Char('_'))
            return name(t);
        if (c.isDigit())
            return number(t);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            return string(t, c);
        if (c == QLatin1Char('['))
            return bracketedName(t);
        ++m_pos;
        switch (c.unicode()) {
        case '(':
            t.kind = Token::LParen;
            return t;
        case ')':
            t.kind = Token::RParen;
            return t;
        case ',':
            t.kind = Token::Comma;
            return t;
        case '-':
        case '+':
            if (m_pos < m_text.size() && m_text.at(m_pos).isDigit()) {
                Token n = number(t);
                if (c == QLatin1Char('-'))
                    n.number = -n.number;
                return n;
            }
            break;
        case '=':
            t.kind = Token::Op;
            t.text = QStringLiteral("=");
            return t;
        case '<':
        case '>':
        case '!':
            t.kind = Token::Op;
            t.text = c;
            if (m_pos < m_text.size() &&
                (m_text.at(m_pos) == QLatin1Char('=') ||
                 (c == QLatin1Char('<') && m_text.at(m_pos) == QLatin1Char('>'))))
                t.text += m_text.at(m_pos++);
            if (t.text == QLatin1String("!"))
                break;
            return t;
        default:
            break;
        }
        fail(m_what, m_text, QStringLiteral("第 %1 个字符“%2”不可识别").arg(t.at + 1).arg(c));
    }

    Token name(Token t)
    {
        while (m_pos < m_text.size() &&
               (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        t.kind = Token::Name;
        t.text = m_text.mid(t.at, m_pos - t.at);
        return t;
    }

    Token bracketedName(Token t)
    {
        const int close = m_text.indexOf(QLatin1Char(']'), m_pos);
        if (close < 0)
            fail(m_what, m_text, QStringLiteral("缺少“]”"));
        t.kind = Token::Name;
        t.text = m_text.mid(m_pos + 1, close - m_pos - 1).trimmed();
        m_pos = close + 1;
        return t;
    }

    Token number(Token t)
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
            ++m_pos;
        if (m_pos < m_text.size() &&
            (m_text.at(m_pos).isLetter() || m_text.at(m_pos) == QLatin1Char('.')))
            fail(m_what, m_text, QStringLiteral("第 %1 个字符处的数值不是整数").arg(start + 1));
        bool ok = false;
        t.kind = Token::Number;
        t.number = m_text.mid(start, m_pos - start).toLongLong(&ok);
        if (!ok)
            fail(m_what, m_text, QStringLiteral("第 %1 个字符处的数值超出范围").arg(start + 1));
        return t;
    }

    Token string(Token t, QChar quote)
    {
        ++m_pos;
        QString s;
        for (;;) {
            if (m_pos >= m_text.size())
                fail(m_what, m_text, QStringLiteral("字符串缺少结束引号"));
            const QChar c = m_text.at(m_pos++);
            if (c == quote) {
                if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                    s += quote;
                    ++m_pos;
                    continue;
                }
                break;
            }
            s += c;
        }
        t.kind = Token::String;
        t.text = s;
        return t;
    }

    const QString &m_text;
    QString m_what;
    int m_pos = 0;
};

bool isKeyword(const Token &t, const char *word)
{
    return t.kind == Token::Name && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

const QString kFilterWhat = QStringLiteral("筛选条件");
const QString kOrderWhat = QStringLiteral("排序条件");

} // namespace

// Recursive descent: expr := term {OR term}; term := factor {AND factor};
// factor := '(' expr ')' | column op literal.
class FilterParser
{
public:
    FilterParser(const QString &text, const ColumnSet &columns, FilterExpression &out)
        : m_text(text), m_columns(columns), m_out(out), m_tokens(Lexer(text, kFilterWhat).tokens())
    {
    }

    void run()
    {
        if (peek().kind == Token::End)
            return;
        m_out.m_root = expression();
        if (peek().kind != Token::End)
            fail(QStringLiteral("第 %1 个字符处多出内容").arg(peek().at + 1));
    }

private:
    using Node = FilterExpression::Node;

    const Token &peek() const { return m_tokens.at(m_pos); }
    const Token &take() { return m_tokens.at(m_pos++); }
    [[noreturn]] void fail(const QString &why) const { Lexer::fail(kFilterWhat, m_text, why); }

    int join(Node::Kind kind, int left, int right)
    {
        Node n;
        n.kind = kind;
        n.left = left;
        n.right = right;
        m_out.m_nodes.append(n);
        return int(m_out.m_nodes.size() - 1);
    }

    int expression()
    {
        int left = term();
        while (isKeyword(peek(), "or")) {
            take();
            left = join(Node::Or, left, term());
        }
        return left;
    }

    int term()
    {
        int left = factor();
        while (isKeyword(peek(), "and")) {
            take();
            left = join(Node::And, left, factor());
        }
        return left;
    }

    int factor()
    {
        if (peek().kind == Token::LParen) {
            take();
            const int inner = expression();
            if (take().kind != Token::RParen)
                fail(QStringLiteral("括号不配对"));
            return inner;
        }
        return comparison();
    }

    int comparison()
    {
        const Token column = take();
        if (column.kind != Token::Name || isKeyword(column, "and") || isKeyword(column, "or"))
            fail(QStringLiteral("第 %1 个字符处应为列名").arg(column.at + 1));
        Node n;
        n.column = m_columns.indexOf(column.text);
        if (n.column < 0)
            fail(QStringLiteral("没有名为“%1”的列").arg(column.text));
        const Token op = take();
        if (op.kind != Token::Op)
            fail(QStringLiteral("第 %1 个字符处应为比较运算符").arg(op.at + 1));
        n.op = toOp(op.text);
        const Token literal = take();
        if (literal.kind == Token::Number)
            n.literal = Value::integer(literal.number);
        else if (literal.kind == Token::String)
            n.literal = Value::text(literal.text);
        else
            fail(QStringLiteral("第 %1 个字符处应为整数或带引号的文字").arg(literal.at + 1));
        m_out.m_nodes.append(n);
        return int(m_out.m_nodes.size() - 1);
    }

    static FilterExpression::Op toOp(const QString &s)
    {
        using Op = FilterExpression::Op;
        if (s == QLatin1String("="))
            return Op::Eq;
        if (s == QLatin1String("<>") || s == QLatin1String("!="))
            return Op::Ne;
        if (s == QLatin1String("<"))
            return Op::Lt;
        if (s == QLatin1String("<="))
            return Op::Le;
        if (s == QLatin1String(">"))
            return Op::Gt;
        return Op::Ge;
    }

    const QString &m_text;
    const ColumnSet &m_columns;
    FilterExpression &m_out;
    QVector<Token> m_tokens;
    int m_pos = 0;
};

FilterExpression FilterExpression::parse(const QString &text, const ColumnSet &columns)
{
    FilterExpression out;
    FilterParser(text, columns, out).run();
    return out;
}

bool FilterExpression::matches(const Value *row) const
{
    return matches(Row{row, 0, [](const void *data, int, int column) {
                           return ValueView(static_cast<const Value *>(data)[column]);
                       }});
}

bool FilterExpression::eval(int index, const Row &row) const
{
    const Node &n = m_nodes.at(index);
    switch (n.kind) {
    case Node::And:
        return eval(n.left, row) && eval(n.right, row);
    case Node::Or:
        return eval(n.left, row) || eval(n.right, row);
    case Node::Compare:
        break;
    }
    const ValueView cell = row[n.column];
    if (cell.isNull())
        return false;
    const int c = compareValues(cell, n.literal);
    switch (n.op) {
    case Op::Eq:
        return c == 0;
    case Op::Ne:
        return c != 0;
    case Op::Lt:
        return c < 0;
    case Op::Le:
        return c <= 0;
    case Op::Gt:
        return c > 0;
    case Op::Ge:
        return c >= 0;
    }
    return false;
}

QVector<SortKey> parseOrder(const QString &text, const ColumnSet &columns)
{
    const QVector<Token> tokens = Lexer(text, kOrderWhat).tokens();
    QVector<SortKey> keys;
    int pos = 0;
    auto fail = [&](const QString &why) { Lexer::fail(kOrderWhat, text, why); };
    while (tokens.at(pos).kind != Token::End) {
        const Token &column = tokens.at(pos++);
        if (column.kind != Token::Name)
            fail(QStringLiteral("第 %1 个字符处应为列名").arg(column.at + 1));
        SortKey key;
        key.column = columns.indexOf(column.text);
        if (key.column < 0)
            fail(QStringLiteral("没有名为“%1”的列").arg(column.text));
        if (isKeyword(tokens.at(pos), "asc")) {
            ++pos;
        } else if (isKeyword(tokens.at(pos), "desc")) {
            key.descending = true;
            ++pos;
        }
        keys.append(key);
        const Token &sep = tokens.at(pos);
        if (sep.kind == Token::Comma) {
            ++pos;
            if (tokens.at(pos).kind == Token::End)
                fail(QStringLiteral("逗号后缺少列名"));
        } else if (sep.kind != Token::End) {
            fail(QStringLiteral("第 %1 个字符处应为逗号").arg(sep.at + 1));
        }
    }
    return keys;
}
