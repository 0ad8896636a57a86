#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The exam duration and pass mark of system.ini.
struct ExamSettings {
    int timeLeft = 5400; // seconds
    int passMark = 90;
};

// Reads system.ini line by line: the last line containing "alltime" gives the duration after
// its first 8 characters, the last containing "mark" the pass mark after its first 5. Any
// failure (no file, a missing line, a value that is not a whole number) gives both defaults.
ExamSettings readExamSettings(const QString &path);
// The same for the file's content.
ExamSettings parseExamSettings(const QByteArray &content);

// A whole number: leading blanks, an optional sign, then decimal digits or a "$" / "0x"
// hexadecimal number, and nothing after it.
std::optional<int> parseWholeNumber(const QByteArray &text);

// Seconds as the clock shows them: minutes without leading zeros, ":", two-digit seconds;
// a negative time shows as 0:00.
QString clockText(int seconds);
