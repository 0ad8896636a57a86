#pragma once

#include <QString>
#include <QVector>
#include <optional>

// A question bank as its source describes it, before it becomes a database.
struct BankCategory {
    int sortId = 0;
    QString name;
    int scale[3] = {0, 0, 0};
};

struct BankOption {
    QString text;
    bool key = false;
};

struct BankQuestion {
    int subId = 0;
    int sortId = 0;
    int typeId = 0; // 1 true/false, 2 multiple choice
    int errorTimes = 0;
    QString picture; // empty: no picture
    QString text;
    std::optional<QString> info;
    QVector<BankOption> options;
    QString origin; // file:line, for messages
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

// The database user of every question bank.
extern const QString kBankUser;
extern const QString kBankPassword;
