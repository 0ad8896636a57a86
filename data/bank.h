#pragma once

#include <QString>
#include <QVector>
#include <limits>
#include <optional>

// A question bank as its source describes it, before it becomes a database.
struct BankCategory {
    int sortId = 0;
    QString name;
    int scale[3] = {0, 0, 0};
    QString origin; // file:line or table row, for messages
};

struct BankOption {
    QString text;
    bool key = false;
};

// The largest question id a bank may hold: option ids are the question id times ten plus the
// option's number, and they must fit in 64 bits.
constexpr qint64 kMaxQuestionId = (std::numeric_limits<qint64>::max() - 9) / 10;

struct BankQuestion {
    qint64 subId = 0;
    int sortId = 0;
    int typeId = 0; // 1 true/false, 2 multiple choice
    int errorTimes = 0;
    QString picture; // empty: no picture
    QString text;
    std::optional<QString> info;
    QVector<BankOption> options;
    QString origin; // file:line or table row, for messages
};

struct Bank {
    QVector<BankCategory> categories;
    QVector<BankQuestion> questions;
};

// Reads the bank source folder: sort.txt and questions/*.txt. Throws ExamError naming the
// file and line of the first problem.
Bank readBankSource(const QString &folder);

// A number that changes whenever the bank's text sources change.
quint32 bankSourceHash(const QString &folder);

// The tables of a question bank, with the answer sheet empty.
void writeBankDatabase(const Bank &bank, const QString &path, quint32 sourceHash);

// The source hash stored in a bank database, or nothing when the file is not one.
std::optional<quint32> storedSourceHash(const QString &path);

// Builds a program folder's data.mdb, Security.mdw and upload/ from the bank source. An
// existing data.mdb built from the same source is kept with its answer sheet; returns
// whether data.mdb was written anew.
bool buildBank(const QString &sourceFolder, const QString &programFolder);

// Every problem the bank has for the windows, each naming where it stands: shares adding up
// to 100 for each vehicle-class group, enough questions of both types for every positive
// share, unique ids, known categories, two options "正确", "错误" for a true/false question
// and four for a multiple-choice one, exactly one key, and pictures in `uploadFolder` that
// load.
QStringList checkBank(const Bank &bank, const QString &uploadFolder);

// Reads a bank database back; what cannot be read (a missing table or column, a null or
// non-integer where the windows need a value, an option of no question) is added to
// `problems` and left out.
Bank readBankDatabase(const QString &dataPath, QStringList *problems);

// Every problem of a bank database: what reading it finds, the answer sheet's columns and
// defaults, and checkBank() with the upload/ folder beside it.
QStringList validateBankDatabase(const QString &dataPath);

// The bank as a spreadsheet: one question a row (format in bank/README.md). Reading throws
// ExamError listing every broken row by its line; nothing is written then.
Bank readBankCsv(const QString &path);
// The same for the file's content; `name` stands for the file in messages.
Bank parseBankCsv(const QByteArray &content, const QString &name);
void writeBankCsv(const Bank &bank, const QString &path);

// Replaces the question bank of a program folder with the questions of a CSV file, whole or
// not at all: the file is checked first, with the folder's pictures.
void importBank(const QString &csvPath, const QString &programFolder);

// The database user of every question bank.
extern const QString kBankUser;
extern const QString kBankPassword;
