#include "testsupport.h"

#include "data/connection.h"
#include "data/errors.h"
#include "data/programfolder.h"
#include "data/sqlfile.h"
#include "data/workgroup.h"
#include "forms/F_ksxz.h"
#include "forms/F_mnks.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlQuery>

#include <unistd.h>

QVector<BankOption> testOptions(int typeId, int n, const QString &label)
{
    if (typeId == 1)
        return {{QStringLiteral("正确"), n % 2 == 1}, {QStringLiteral("错误"), n % 2 == 0}};
    QVector<BankOption> options;
    for (int k = 0; k < 4; ++k)
        options.append({QStringLiteral("%1-%2").arg(label).arg(k + 1), k == n % 4});
    return options;
}

Bank sampleBank(int categories, int trueFalse, int choice)
{
    Bank bank;
    for (int s = 1; s <= categories; ++s) {
        BankCategory c;
        c.sortId = s;
        c.name = QStringLiteral("分类%1").arg(s);
        c.scale[0] = 10;
        c.scale[1] = s == 1 ? 0 : 10;
        c.scale[2] = 5;
        bank.categories.append(c);
        for (int n = 1; n <= trueFalse + choice; ++n) {
            BankQuestion q;
            q.subId = s * 1000 + n;
            q.sortId = s;
            q.typeId = n <= trueFalse ? 1 : 2;
            q.errorTimes = (n * 37 + s * 11) % 50;
            q.text = QStringLiteral("试题%1").arg(q.subId);
            if (n % 3 == 0)
                q.picture = n % 2 ? QStringLiteral("p%1.bmp").arg(q.subId)
                                  : QStringLiteral("p%1.jpg").arg(q.subId);
            if (n % 5 != 0)
                q.info =
                    n % 7 == 0 ? QStringLiteral("NULL") : QStringLiteral("解析%1").arg(q.subId);
            q.options = testOptions(q.typeId, n, QStringLiteral("选项%1").arg(q.subId));
            bank.questions.append(q);
        }
    }
    return bank;
}

Bank examBank()
{
    Bank bank;
    const int shares[4][3] = {{40, 40, 40}, {30, 30, 30}, {30, 30, 0}, {0, 0, 30}};
    for (int s = 1; s <= 4; ++s) {
        bank.categories.append({s,
                                QStringLiteral("考试分类%1").arg(s),
                                {shares[s - 1][0], shares[s - 1][1], shares[s - 1][2]},
                                {}});
        for (int n = 1; n <= 50; ++n) {
            BankQuestion q;
            q.subId = s * 1000 + n;
            q.sortId = s;
            q.typeId = n <= 20 ? 1 : 2;
            q.errorTimes = n;
            q.text = QStringLiteral("考题%1").arg(q.subId);
            q.info = QStringLiteral("解析%1").arg(q.subId);
            if (n % 10 == 0)
                q.picture = QStringLiteral("e%1.jpg").arg(q.subId);
            q.options = testOptions(q.typeId, n, QStringLiteral("答案%1").arg(q.subId));
            bank.questions.append(q);
        }
    }
    return bank;
}

QList<qint64> standardPaper()
{
    QList<qint64> ids;
    for (int n = 1; n <= 20; ++n)
        ids.append(1000 + n);
    for (int n = 1; n <= 20; ++n)
        ids.append(2000 + n);
    for (int n = 21; n <= 50; ++n)
        ids.append(1000 + n);
    for (int n = 21; n <= 50; ++n)
        ids.append(2000 + n);
    return ids;
}

int keySlot(qint64 subId)
{
    const int n = int(subId % 1000);
    return n <= 20 ? (n % 2 == 1 ? 0 : 1) : n % 4;
}

ProgramFolder::ProgramFolder(const Bank &bank)
{
    writeBankDatabase(bank, file(QStringLiteral("data.mdb")), 1);
    workgroup::create(file(QStringLiteral("Security.mdw")), kBankUser, kBankPassword);
    writePictures(bank);
}

QString ProgramFolder::connectionString() const
{
    return buildConnectionString(path());
}

void ProgramFolder::activate() const
{
    setProgramFolder(path());
}

void ProgramFolder::writePictures(const Bank &bank) const
{
    QDir(path()).mkpath(QStringLiteral("upload"));
    for (const BankQuestion &q : bank.questions) {
        if (q.picture.isEmpty())
            continue;
        const QString target = file(QStringLiteral("upload/") + q.picture);
        if (q.picture.endsWith(QLatin1String(".bmp"))) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::blue);
            image.save(target, "BMP");
        } else {
            QFile out(target);
            out.open(QIODevice::WriteOnly);
            out.write(jpegBytes(60, 40));
        }
    }
}

void ProgramFolder::writeSettings(const QByteArray &content) const
{
    QFile ini(file(QStringLiteral("system.ini")));
    ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ini.write(content);
}

Tmnks *openExam(int mode)
{
    createForm(exam::ksxz);
    exam::ksxz->Tag = mode;
    Tmnks *window = createForm(exam::mnks);
    window->Show();
    return window;
}

void ProgramFolder::writePaper(const QList<qint64> &subIds) const
{
    SqlFile db(file(QStringLiteral("data.mdb")), SqlFile::ReadWrite);
    db.exec(QStringLiteral("DELETE FROM note"));
    QSqlQuery q = db.prepare(QStringLiteral("INSERT INTO note (subId) VALUES (?)"));
    for (qint64 id : subIds) {
        q.addBindValue(id);
        db.run(q);
    }
}

QList<std::array<qint64, 3>> ProgramFolder::paper() const
{
    SqlFile db(file(QStringLiteral("data.mdb")), SqlFile::Read);
    QSqlQuery q =
        db.prepare(QStringLiteral("SELECT subId, optionid, isright FROM note ORDER BY noteId"));
    db.run(q);
    QList<std::array<qint64, 3>> rows;
    while (q.next())
        rows.append({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    return rows;
}

BoxAnswers::BoxAnswers()
{
    m_previous = msgbox::setHandler([this](const msgbox::Request &request) {
        m_shown.append(request);
        if (m_answers.empty())
            return request.buttons == msgbox::Buttons::YesNo ? msgbox::Answer::No
                                                             : msgbox::Answer::Ok;
        const msgbox::Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

BoxAnswers::~BoxAnswers()
{
    msgbox::setHandler(m_previous);
}

QStringList BoxAnswers::texts() const
{
    QStringList out;
    for (const msgbox::Request &r : m_shown)
        out.append(r.text);
    return out;
}

QString errorText(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ExamError &e) {
        return e.message();
    }
    return QString();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray jpegBytes(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

ReadOnly::ReadOnly(const QString &path) : m_path(path)
{
    if (geteuid() == 0) {
        m_immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
        m_ok = m_immutable;
    } else {
        m_permissions = QFile::permissions(path);
        m_ok = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
}

ReadOnly::~ReadOnly()
{
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    else if (m_ok)
        QFile::setPermissions(m_path, m_permissions);
}

ReadOnlyTree::ReadOnlyTree(const QString &root)
{
    m_paths << root;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!it.fileInfo().isSymLink())
            m_paths << path;
    }
    if (geteuid() == 0) {
        // Undone whatever the outcome: a part may have taken the attribute.
        m_immutable = true;
        m_ok = QProcess::execute(QStringLiteral("chattr"),
                                 QStringList{QStringLiteral("+i")} + m_paths) == 0;
        return;
    }
    m_ok = true;
    for (const QString &path : m_paths) {
        m_permissions << QFile::permissions(path);
        m_ok =
            QFile::setPermissions(path, m_permissions.last() &
                                            ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                              QFileDevice::WriteGroup | QFileDevice::WriteOther)) &&
            m_ok;
    }
}

ReadOnlyTree::~ReadOnlyTree()
{
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("-i")} + m_paths);
    for (int i = 0; i < m_permissions.size(); ++i)
        QFile::setPermissions(m_paths.at(i), m_permissions.at(i));
}
