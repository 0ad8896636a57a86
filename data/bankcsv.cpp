#include "bank.h"

#include "errors.h"
#include "workgroup.h"

#include "regularfile.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringConverter>

namespace {

// A spreadsheet of questions is far smaller; anything larger is not one.
constexpr qint64 kMaxCsvBytes = 64 * 1024 * 1024;

const QStringList kHeader = {
    QStringLiteral("题号"),    QStringLiteral("分类编号"), QStringLiteral("分类名称"),
    QStringLiteral("C1题量"),  QStringLiteral("A2题量"),   QStringLiteral("A1题量"),
    QStringLiteral("题型"),    QStringLiteral("题目"),     QStringLiteral("选项A"),
    QStringLiteral("选项B"),   QStringLiteral("选项C"),    QStringLiteral("选项D"),
    QStringLiteral("答案"),    QStringLiteral("图片"),     QStringLiteral("解析"),
    QStringLiteral("错误次数")};

enum Field {
    Id,
    SortId,
    SortName,
    Scale0,
    Scale1,
    Scale2,
    Type,
    Text,
    A,
    B,
    C,
    D,
    Key,
    Picture,
    Info,
    Errors
};

struct Record {
    int line = 0;
    QStringList fields;
};

struct Utf8Scan {
    qsizetype sequences = 0; // well-formed characters of two bytes or more
    qsizetype badBytes = 0;
    qsizetype firstBad = -1;
};

Utf8Scan scanUtf8(const QByteArray &data)
{
    Utf8Scan scan;
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        const int length = c < 0x80                 ? 1
                           : c >= 0xC2 && c <= 0xDF ? 2
                           : c >= 0xE0 && c <= 0xEF ? 3
                           : c >= 0xF0 && c <= 0xF4 ? 4
                                                    : 0;
        bool good = length > 0 && i + length <= n;
        for (int k = 1; good && k < length; ++k)
            good = (p[i + k] & 0xC0) == 0x80;
        if (good) {
            scan.sequences += length > 1;
            i += length;
            continue;
        }
        if (scan.firstBad < 0)
            scan.firstBad = i;
        ++scan.badBytes;
        ++i;
    }
    return scan;
}

// UTF-8 (with or without a byte-order mark), or GB18030 as a spreadsheet saves it in China.
// A UTF-8 file spoilt by a few stray bytes is reported at the first of them, not decoded as
// GB18030 into nonsense.
QString decode(const QByteArray &bytes, const QString &path)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    const Utf8Scan scan = scanUtf8(data);
    if (scan.sequences > 10 * scan.badBytes || bytes.startsWith("\xEF\xBB\xBF"))
        throw ExamError(QStringLiteral("%1:%2：文件是 UTF-8 编码，但这一行有无效的字节，"
                                       "请检查这一行后以 UTF-8 重新保存。")
                            .arg(path)
                            .arg(data.left(scan.firstBad).count('\n') + 1));
    QStringDecoder gb("GB18030");
    if (!gb.isValid())
        throw ExamError(QStringLiteral("%1：文件不是 UTF-8 编码。").arg(path));
    return gb(data);
}

// Records as RFC 4180 has them: quoted fields may hold commas, quotes ("") and line breaks.
QList<Record> parseCsv(const QString &text, const QString &path)
{
    QList<Record> records;
    Record current;
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1;
    current.line = 1;
    auto endField = [&] {
        current.fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(current.fields.size() == 1 && current.fields.first().isEmpty()))
            records.append(current);
        current = Record();
        current.line = line;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        throw ExamError(QStringLiteral("%1:%2：引号没有结束。").arg(path).arg(current.line));
    if (fieldStarted || !current.fields.isEmpty())
        endRecord();
    return records;
}

// A spreadsheet runs a cell that begins with one of these as a formula.
bool runsAsFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    if (QStringLiteral("=+-@\t\r").contains(text.at(0)))
        return true;
    return text.at(0) == QLatin1Char('\'') && runsAsFormula(text.mid(1));
}

// Written behind an apostrophe, such a cell shows as text; reading takes the apostrophe
// away again, so export and import give back the same bank.
QString protectedCell(const QString &text)
{
    return runsAsFormula(text) ? QLatin1Char('\'') + text : text;
}

QString unprotectedCell(const QString &text)
{
    return text.startsWith(QLatin1Char('\'')) && runsAsFormula(text.mid(1)) ? text.mid(1) : text;
}

class CsvReader
{
public:
    explicit CsvReader(const QString &path) : m_path(path) {}

    Bank read(const QByteArray &content)
    {
        QList<Record> records = parseCsv(decode(content, m_path), m_path);
        for (Record &record : records)
            for (QString &field : record.fields)
                field = unprotectedCell(field);
        if (records.isEmpty() || records.first().fields != kHeader)
            throw ExamError(QStringLiteral("%1:1：第一行应为列名：%2")
                                .arg(m_path, kHeader.join(QLatin1Char(','))));
        for (int r = 1; r < records.size(); ++r)
            readRecord(records.at(r));
        if (!m_problems.isEmpty())
            throw ExamError(m_problems.join(QLatin1Char('\n')));
        return m_bank;
    }

private:
    QString where(const Record &r) const { return QStringLiteral("%1:%2").arg(m_path).arg(r.line); }

    int number(const Record &r, Field f, int fallback = -1)
    {
        const QString text = r.fields.at(f).trimmed();
        if (text.isEmpty() && fallback >= 0)
            return fallback;
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            m_problems << QStringLiteral("%1：%2“%3”不是整数（或超出范围）")
                              .arg(where(r), kHeader.at(f), text);
        return v;
    }

    qint64 questionId(const Record &r)
    {
        const QString text = r.fields.at(Id).trimmed();
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        if (!ok || v < 1 || v > kMaxQuestionId)
            m_problems << QStringLiteral("%1：题号“%2”应为 1 到 %3 之间的整数")
                              .arg(where(r), text)
                              .arg(kMaxQuestionId);
        return v;
    }

    void readRecord(const Record &r)
    {
        if (r.fields.size() != kHeader.size()) {
            m_problems << QStringLiteral("%1：应有 %2 列，实有 %3 列")
                              .arg(where(r))
                              .arg(kHeader.size())
                              .arg(r.fields.size());
            return;
        }
        const int problemsBefore = int(m_problems.size());
        readCategory(r);
        if (r.fields.at(Id).trimmed().isEmpty())
            return; // a row that only defines a category
        BankQuestion q;
        q.origin = where(r);
        q.subId = questionId(r);
        q.sortId = number(r, SortId);
        q.errorTimes = number(r, Errors, 0);
        const QString type = r.fields.at(Type).trimmed();
        q.typeId = type == QStringLiteral("判断") ? 1 : type == QStringLiteral("选择") ? 2 : 0;
        if (q.typeId == 0)
            m_problems
                << QStringLiteral("%1：题型应为“判断”或“选择”，而不是“%2”").arg(where(r), type);
        q.text = r.fields.at(Text).trimmed();
        q.picture = r.fields.at(Picture).trimmed();
        const QString info = r.fields.at(Info).trimmed();
        if (!info.isEmpty())
            q.info = info;
        const int key = keySlot(r, q.typeId);
        QStringList texts;
        for (int f = A; f <= D; ++f)
            texts.append(r.fields.at(f).trimmed());
        if (q.typeId == 1 && texts.at(0).isEmpty() && texts.at(1).isEmpty()) {
            texts[0] = QStringLiteral("正确");
            texts[1] = QStringLiteral("错误");
        }
        const int count = q.typeId == 1 ? 2 : 4;
        for (int k = 0; k < count; ++k)
            q.options.append({texts.at(k), k == key});
        if (q.typeId == 1 && (!texts.at(2).isEmpty() || !texts.at(3).isEmpty()))
            m_problems << QStringLiteral("%1：判断题不应有选项C、D").arg(where(r));
        if (m_problems.size() == problemsBefore)
            m_bank.questions.append(q);
    }

    int keySlot(const Record &r, int typeId)
    {
        const QString key = r.fields.at(Key).trimmed().toUpper();
        static const QHash<QString, int> judgement = {
            {QStringLiteral("正确"), 0}, {QStringLiteral("对"), 0},   {QStringLiteral("√"), 0},
            {QStringLiteral("A"), 0},    {QStringLiteral("错误"), 1}, {QStringLiteral("错"), 1},
            {QStringLiteral("×"), 1},    {QStringLiteral("B"), 1}};
        static const QHash<QString, int> letters = {{QStringLiteral("A"), 0},
                                                    {QStringLiteral("B"), 1},
                                                    {QStringLiteral("C"), 2},
                                                    {QStringLiteral("D"), 3}};
        const auto &table = typeId == 1 ? judgement : letters;
        if (!table.contains(key)) {
            if (typeId != 0)
                m_problems << QStringLiteral("%1：答案“%2”无效（%3）")
                                  .arg(where(r), r.fields.at(Key).trimmed(),
                                       typeId == 1 ? QStringLiteral("判断题填“正确”或“错误”")
                                                   : QStringLiteral("选择题填 A、B、C 或 D"));
            return -1;
        }
        return table.value(key);
    }

    // The first row of a category gives its name and shares; later rows must agree.
    void readCategory(const Record &r)
    {
        BankCategory c;
        c.origin = where(r);
        c.sortId = number(r, SortId);
        c.name = r.fields.at(SortName).trimmed();
        c.scale[0] = number(r, Scale0, 0);
        c.scale[1] = number(r, Scale1, 0);
        c.scale[2] = number(r, Scale2, 0);
        const auto known = m_categoryRows.constFind(c.sortId);
        if (known == m_categoryRows.constEnd()) {
            m_categoryRows.insert(c.sortId, int(m_bank.categories.size()));
            m_bank.categories.append(c);
            return;
        }
        const BankCategory &first = m_bank.categories.at(*known);
        if (first.name != c.name || first.scale[0] != c.scale[0] || first.scale[1] != c.scale[1] ||
            first.scale[2] != c.scale[2])
            m_problems << QStringLiteral("%1：分类编号 %2 的名称或题量与 %3 不同")
                              .arg(where(r))
                              .arg(c.sortId)
                              .arg(first.origin);
    }

    QString m_path;
    Bank m_bank;
    QHash<int, int> m_categoryRows;
    QStringList m_problems;
};

QString csvField(const QString &cell)
{
    const QString text = protectedCell(cell);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList categoryFields(const BankCategory &c)
{
    return {QString::number(c.sortId), c.name, QString::number(c.scale[0]),
            QString::number(c.scale[1]), QString::number(c.scale[2])};
}

} // namespace

Bank readBankCsv(const QString &path)
{
    FileProblem problem = FileProblem::Unreadable;
    const auto content = readRegularFile(path, kMaxCsvBytes, &problem);
    if (!content)
        throw ExamError(describeFileProblem(problem, path, QStringLiteral("试题文件")));
    return CsvReader(path).read(*content);
}

Bank parseBankCsv(const QByteArray &content, const QString &name)
{
    return CsvReader(name).read(content);
}

void writeBankCsv(const Bank &bank, const QString &path)
{
    QHash<int, const BankCategory *> categories;
    QHash<int, int> used;
    for (const BankCategory &c : bank.categories)
        categories.insert(c.sortId, &c);
    QStringList rows = {kHeader.join(QLatin1Char(','))};
    for (const BankQuestion &q : bank.questions) {
        const BankCategory *c = categories.value(q.sortId);
        used[q.sortId]++;
        QStringList f = {QString::number(q.subId)};
        f += c ? categoryFields(*c)
               : QStringList{QString::number(q.sortId), QString(), QStringLiteral("0"),
                             QStringLiteral("0"), QStringLiteral("0")};
        f << (q.typeId == 1 ? QStringLiteral("判断") : QStringLiteral("选择")) << q.text;
        QString key;
        for (int k = 0; k < 4; ++k) {
            f << (k < q.options.size() ? q.options.at(k).text : QString());
            if (k < q.options.size() && q.options.at(k).key)
                key = q.typeId == 1 ? q.options.at(k).text : QString(QChar(u'A' + k));
        }
        f << key << q.picture << q.info.value_or(QString()) << QString::number(q.errorTimes);
        for (QString &field : f)
            field = csvField(field);
        rows.append(f.join(QLatin1Char(',')));
    }
    // Categories without questions keep their shares in rows of their own.
    for (const BankCategory &c : bank.categories) {
        if (used.contains(c.sortId))
            continue;
        QStringList f = QStringList{QString()} + categoryFields(c);
        while (f.size() < kHeader.size())
            f.append(QString());
        for (QString &field : f)
            field = csvField(field);
        rows.append(f.join(QLatin1Char(',')));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExamError(QStringLiteral("无法写入“%1”。").arg(path));
    file.write("\xEF\xBB\xBF");
    file.write(rows.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    if (!file.commit())
        throw ExamError(QStringLiteral("无法写入“%1”。").arg(path));
}

void importBank(const QString &csvPath, const QString &programFolder)
{
    const Bank bank = readBankCsv(csvPath);
    const QStringList problems = checkBank(bank, programFolder + QStringLiteral("/upload"));
    if (!problems.isEmpty())
        throw ExamError(problems.join(QLatin1Char('\n')));
    QFile csv(csvPath);
    csv.open(QIODevice::ReadOnly);
    writeBankDatabase(bank, programFolder + QStringLiteral("/data.mdb"),
                      qHash(csv.readAll()) & 0x7fffffff);
    workgroup::ensure(programFolder + QStringLiteral("/Security.mdw"), kBankUser, kBankPassword);
}
