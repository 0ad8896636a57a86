#include "bank.h"

#include "errors.h"

#include "regularfile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

[[noreturn]] void fail(const QString &where, const QString &why)
{
    throw ExamError(QStringLiteral("%1：%2").arg(where, why));
}

QStringList readLines(const QString &path)
{
    FileProblem problem = FileProblem::Unreadable;
    const auto content = readRegularFile(path, 64 * 1024 * 1024, &problem);
    if (!content)
        fail(path, describeFileProblem(problem, path, QStringLiteral("文件")));
    QTextStream in(*content);
    in.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

int toNumber(const QString &text, const QString &where, const QString &what, int min)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < min)
        fail(where, QStringLiteral("%1“%2”不是有效的整数").arg(what, text.trimmed()));
    return v;
}

qint64 toId(const QString &text, const QString &where)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 1 || v > kMaxQuestionId)
        fail(where, QStringLiteral("题号“%1”不是 1 到 %2 之间的整数")
                        .arg(text.trimmed())
                        .arg(kMaxQuestionId));
    return v;
}

QVector<BankCategory> readCategories(const QString &path)
{
    QVector<BankCategory> out;
    const QStringList lines = readLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.size() != 5)
            fail(where, QStringLiteral("应有 5 个以“|”分隔的字段，实有 %1 个").arg(f.size()));
        BankCategory c;
        c.sortId = toNumber(f.at(0), where, QStringLiteral("分类编号"), 1);
        c.name = f.at(1).trimmed();
        if (c.name.isEmpty())
            fail(where, QStringLiteral("分类名称为空"));
        for (int g = 0; g < 3; ++g)
            c.scale[g] = toNumber(f.at(2 + g), where, QStringLiteral("题量"), 0);
        out.append(c);
    }
    return out;
}

class QuestionReader
{
public:
    QuestionReader(const QString &path, QVector<BankQuestion> &out) : m_path(path), m_out(out) {}

    void run()
    {
        const QStringList lines = readLines(m_path);
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i).trimmed();
            if (line.isEmpty()) {
                finish();
                continue;
            }
            if (line.startsWith(QLatin1Char('#')))
                continue;
            take(line, i + 1);
        }
        finish();
    }

private:
    QString where(int line) const { return QStringLiteral("%1:%2").arg(m_path).arg(line); }

    void take(const QString &line, int number)
    {
        if (!m_open) {
            m_q = BankQuestion();
            m_q.origin = where(number);
            m_seen.clear();
            m_open = true;
        }
        if (line.startsWith(QLatin1String("+ ")) || line.startsWith(QLatin1String("- ")) ||
            line == QLatin1String("+") || line == QLatin1String("-")) {
            m_q.options.append({line.mid(2).trimmed(), line.at(0) == QLatin1Char('+')});
            return;
        }
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            fail(where(number), QStringLiteral("应为“键: 值”或以“+ ”、“- ”开头的选项"));
        const QString key = line.left(colon).trimmed().toLower();
        const QString value = line.mid(colon + 1).trimmed();
        if (m_seen.contains(key))
            fail(where(number), QStringLiteral("“%1”重复出现").arg(key));
        m_seen.insert(key);
        if (key == QLatin1String("id"))
            m_q.subId = toId(value, where(number));
        else if (key == QLatin1String("sort"))
            m_q.sortId = toNumber(value, where(number), QStringLiteral("分类编号"), 1);
        else if (key == QLatin1String("type"))
            m_q.typeId = typeOf(value, number);
        else if (key == QLatin1String("errors"))
            m_q.errorTimes = toNumber(value, where(number), QStringLiteral("错误次数"), 0);
        else if (key == QLatin1String("pic"))
            m_q.picture = value;
        else if (key == QLatin1String("q"))
            m_q.text = value;
        else if (key == QLatin1String("info"))
            m_q.info = value;
        else
            fail(where(number), QStringLiteral("未知的键“%1”").arg(key));
    }

    int typeOf(const QString &value, int number) const
    {
        if (value == QStringLiteral("判断"))
            return 1;
        if (value == QStringLiteral("选择"))
            return 2;
        fail(where(number), QStringLiteral("题型应为“判断”或“选择”，而不是“%1”").arg(value));
    }

    void finish()
    {
        if (!m_open)
            return;
        m_open = false;
        for (const char *required : {"id", "sort", "type", "errors", "q"}) {
            if (!m_seen.contains(QLatin1String(required)))
                fail(m_q.origin, QStringLiteral("试题缺少“%1”").arg(QLatin1String(required)));
        }
        if (m_q.text.isEmpty())
            fail(m_q.origin, QStringLiteral("题目文字为空"));
        const int wanted = m_q.typeId == 1 ? 2 : 4;
        if (m_q.options.size() != wanted)
            fail(m_q.origin, QStringLiteral("试题 %1 应有 %2 个选项，实有 %3 个")
                                 .arg(m_q.subId)
                                 .arg(wanted)
                                 .arg(m_q.options.size()));
        int keys = 0;
        for (const BankOption &o : m_q.options) {
            keys += o.key ? 1 : 0;
            if (o.text.isEmpty())
                fail(m_q.origin, QStringLiteral("试题 %1 有空选项").arg(m_q.subId));
        }
        if (keys != 1)
            fail(m_q.origin,
                 QStringLiteral("试题 %1 应恰有一个正确选项，实有 %2 个").arg(m_q.subId).arg(keys));
        m_out.append(m_q);
    }

    QString m_path;
    QVector<BankQuestion> &m_out;
    BankQuestion m_q;
    QSet<QString> m_seen;
    bool m_open = false;
};

QStringList questionFiles(const QString &folder)
{
    QDir dir(folder + QStringLiteral("/questions"));
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

void checkReferences(const Bank &bank, const QString &folder)
{
    QSet<int> sorts;
    for (const BankCategory &c : bank.categories) {
        if (sorts.contains(c.sortId))
            fail(folder + QStringLiteral("/sort.txt"),
                 QStringLiteral("分类编号 %1 重复").arg(c.sortId));
        sorts.insert(c.sortId);
    }
    QSet<qint64> ids;
    for (const BankQuestion &q : bank.questions) {
        if (ids.contains(q.subId))
            fail(q.origin, QStringLiteral("题号 %1 重复").arg(q.subId));
        ids.insert(q.subId);
        if (!sorts.contains(q.sortId))
            fail(q.origin, QStringLiteral("分类编号 %1 不在 sort.txt 中").arg(q.sortId));
        if (!q.picture.isEmpty() &&
            !QFile::exists(folder + QStringLiteral("/pictures/") + q.picture))
            fail(q.origin, QStringLiteral("找不到图片 pictures/%1").arg(q.picture));
    }
}

} // namespace

Bank readBankSource(const QString &folder)
{
    Bank bank;
    bank.categories = readCategories(folder + QStringLiteral("/sort.txt"));
    for (const QString &file : questionFiles(folder))
        QuestionReader(file, bank.questions).run();
    checkReferences(bank, folder);
    return bank;
}

quint32 bankSourceHash(const QString &folder)
{
    // FNV-1a over the names and contents of the text sources.
    quint32 hash = 2166136261u;
    auto feed = [&hash](const QByteArray &bytes) {
        for (const char c : bytes) {
            hash ^= quint8(c);
            hash *= 16777619u;
        }
    };
    for (const QString &path :
         QStringList{folder + QStringLiteral("/sort.txt")} + questionFiles(folder)) {
        QFile file(path);
        feed(QFileInfo(path).fileName().toUtf8());
        if (file.open(QIODevice::ReadOnly))
            feed(file.readAll());
    }
    return hash;
}
