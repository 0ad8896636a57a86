#include "settings.h"

#include "regularfile.h"

#include <QList>
#include <limits>

namespace {

// Larger files are not settings files; reading them would only cost time.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// Only the blank (code 32) is skipped before a number; a tab makes the value unreadable.
bool isBlank(char c)
{
    return c == ' ';
}

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// The lines of the file, split at CR LF, LF or CR; the last line counts without a line break.
QList<QByteArray> linesOf(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != '\n' && text.at(i) != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

std::optional<int> parseWholeNumber(const QByteArray &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == '+' || text.at(i) == '-'))
        negative = text.at(i++) == '-';
    int base = 10;
    if (i < text.size() && text.at(i) == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == '0' &&
               (text.at(i + 1) == 'x' || text.at(i + 1) == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text.at(i), base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

ExamSettings readExamSettings(const QString &path)
{
    // A FIFO, a device or a huge file is no settings file: the defaults, as for a missing one.
    const auto content = readRegularFile(path, kMaxSettingsBytes);
    return content ? parseExamSettings(*content) : ExamSettings();
}

ExamSettings parseExamSettings(const QByteArray &content)
{
    const ExamSettings defaults;
    QByteArray duration, mark;
    bool haveDuration = false, haveMark = false;
    for (const QByteArray &line : linesOf(content)) {
        if (line.contains("alltime")) {
            duration = line;
            haveDuration = true;
        }
        if (line.contains("mark")) {
            mark = line;
            haveMark = true;
        }
    }
    if (!haveDuration || !haveMark)
        return defaults;
    const auto timeLeft = parseWholeNumber(duration.mid(8));
    const auto passMark = parseWholeNumber(mark.mid(5));
    if (!timeLeft || !passMark)
        return defaults;
    return {*timeLeft, *passMark};
}

QString clockText(int seconds)
{
    seconds = qMax(0, seconds);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
