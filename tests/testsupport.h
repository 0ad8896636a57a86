#pragma once

#include "app/application.h"
#include "app/messagebox.h"
#include "data/bank.h"

#include <QFileDevice>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <deque>
#include <functional>
#include <memory>

// Runs a test class with the program's own application object.
#define EXAM_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM",                                                                 \
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));  \
        Application app(argc, argv);                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// A small bank: per category, `trueFalse` true/false and `choice` multiple-choice questions.
// Question ids are sortId * 1000 + n; every third question of a category has a picture.
Bank sampleBank(int categories = 3, int trueFalse = 4, int choice = 6);

// Options of test question n: "正确"/"错误" keyed by odd n, or four labelled options keyed
// by n mod 4.
QVector<BankOption> testOptions(int typeId, int n, const QString &label);

// A bank whose shares give each group a 100-question paper: categories 1 to 4 with shares
// (40, 40, 40), (30, 30, 30), (30, 30, 0), (0, 0, 30), each holding 20 true/false and 30
// multiple-choice questions (ids sortId * 1000 + n). True/false keys alternate; the key of
// a multiple-choice question is option n mod 4.
Bank examBank();

// A paper of examBank(): positions 1-20 and 21-40 are the true/false questions 1001-1020
// and 2001-2020, positions 41-70 and 71-100 the multiple-choice questions 1021-1050 and
// 2021-2050.
QList<qint64> standardPaper();

// The option slot (0 to 3) of the key of a question of examBank().
int keySlot(qint64 subId);

// A program folder of its own holding a question bank, its workgroup file and pictures.
class ProgramFolder
{
public:
    explicit ProgramFolder(const Bank &bank = sampleBank());

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &name) const { return path() + name; }
    QString connectionString() const;
    // Makes the program use this folder.
    void activate() const;
    // A good JPEG and BMP under upload/ for the questions' pictures.
    void writePictures(const Bank &bank) const;
    void writeSettings(const QByteArray &content) const;
    // Replaces the answer sheet with a paper of these questions, unanswered.
    void writePaper(const QList<qint64> &subIds) const;
    // The answer sheet: (subId, optionid, isright) in paper order.
    QList<std::array<qint64, 3>> paper() const;

private:
    QTemporaryDir m_dir;
};

class Tmnks;
// Opens the exam window on the paper in `note`, in exam mode `mode`, as the notice screen does.
Tmnks *openExam(int mode);

// Answers the program's modal boxes in the order given and records what they said.
class BoxAnswers
{
public:
    BoxAnswers();
    ~BoxAnswers();

    void queue(msgbox::Answer answer) { m_answers.push_back(answer); }
    const QList<msgbox::Request> &shown() const { return m_shown; }
    QStringList texts() const;

private:
    std::deque<msgbox::Answer> m_answers;
    QList<msgbox::Request> m_shown;
    msgbox::Handler m_previous;
};

// The text of the ExamError that `f` raises, or an empty text when it raises none.
QString errorText(const std::function<void()> &f);

// A file's whole content written, or read.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// A JPEG of the given size and colour, encoded by Qt (not by the loader under test).
QByteArray jpegBytes(int width, int height, const QColor &color = Qt::red);

// Makes a file or folder read-only for this process, root included (root ignores permission
// bits, so it gets the immutable attribute), and undoes it on destruction.
class ReadOnly
{
public:
    explicit ReadOnly(const QString &path);
    ~ReadOnly();
    ReadOnly(const ReadOnly &) = delete;
    ReadOnly &operator=(const ReadOnly &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_ok = false;
    bool m_immutable = false;
    QFileDevice::Permissions m_permissions;
};

// The same for a folder and everything in it (links are left, they cannot be written).
class ReadOnlyTree
{
public:
    explicit ReadOnlyTree(const QString &root);
    ~ReadOnlyTree();
    ReadOnlyTree(const ReadOnlyTree &) = delete;
    ReadOnlyTree &operator=(const ReadOnlyTree &) = delete;
    bool ok() const { return m_ok; }

private:
    QStringList m_paths;
    QList<QFileDevice::Permissions> m_permissions;
    bool m_ok = false;
    bool m_immutable = false;
};
