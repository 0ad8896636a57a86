#include "data/settings.h"
#include "testsupport.h"

#include <QFile>

class SettingsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    ExamSettings read(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("system.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        f.close();
        return readExamSettings(path);
    }

private slots:
    void fileContents_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("timeLeft");
        QTest::addColumn<int>("passMark");
        QTest::newRow("both lines") << QByteArray("alltime=2700\r\nmark=80\r\n") << 2700 << 80;
        QTest::newRow("other order, other lines")
            << QByteArray("[exam]\nmark=80\n; note\nalltime=2700\n") << 2700 << 80;
        QTest::newRow("no break after the last line")
            << QByteArray("alltime=2700\nmark=80") << 2700 << 80;
        QTest::newRow("only duration") << QByteArray("alltime=2700\n") << 5400 << 90;
        QTest::newRow("only mark") << QByteArray("mark=80\n") << 5400 << 90;
        QTest::newRow("empty file") << QByteArray() << 5400 << 90;
        QTest::newRow("tab after the equals sign")
            << QByteArray("alltime=\t2700\nmark=80") << 5400 << 90;
        QTest::newRow("blank after the equals sign")
            << QByteArray("alltime= 3000\nmark= 85") << 3000 << 85;
        QTest::newRow("blank before the equals sign")
            << QByteArray("alltime =3000\nmark=85") << 5400 << 90;
        QTest::newRow("blank after the number")
            << QByteArray("alltime=3000 \nmark=85") << 5400 << 90;
        QTest::newRow("text before the key") << QByteArray(" alltime=3000\nmark=85") << 5400 << 90;
        QTest::newRow("a later mark line replaces it")
            << QByteArray("alltime=2700\nmark=80\n# remark\n") << 5400 << 90;
        QTest::newRow("a later alltime line replaces it")
            << QByteArray("alltime=2700\nmark=80\nalltime=60") << 60 << 80;
        QTest::newRow("sign") << QByteArray("alltime=+65\nmark=-1") << 65 << -1;
        QTest::newRow("dollar hexadecimal") << QByteArray("alltime=$A8C\nmark=$5a") << 2700 << 90;
        QTest::newRow("0x hexadecimal") << QByteArray("alltime=0xA8C\nmark=0X5A") << 2700 << 90;
        QTest::newRow("hexadecimal without digits")
            << QByteArray("alltime=0x\nmark=90") << 5400 << 90;
        QTest::newRow("decimal point") << QByteArray("alltime=27.5\nmark=90") << 5400 << 90;
        QTest::newRow("too large") << QByteArray("alltime=99999999999\nmark=90") << 5400 << 90;
        QTest::newRow("empty value") << QByteArray("alltime=\nmark=90") << 5400 << 90;
        QTest::newRow("one line is both") << QByteArray("alltime=markx") << 5400 << 90;
        QTest::newRow("key is case-sensitive") << QByteArray("ALLTIME=2700\nmark=80") << 5400 << 90;
        QTest::newRow("zero") << QByteArray("alltime=0\nmark=90") << 0 << 90;
        QTest::newRow("old Mac line ends") << QByteArray("alltime=2700\rmark=80\r") << 2700 << 80;
        QTest::newRow("garbage") << QByteArray(4096, '\xfe') << 5400 << 90;
    }

    void fileContents()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, timeLeft);
        QFETCH(int, passMark);
        const ExamSettings s = read(content);
        QCOMPARE(s.timeLeft, timeLeft);
        QCOMPARE(s.passMark, passMark);
    }

    void missingOrOversizedFileGivesDefaults()
    {
        ExamSettings s = readExamSettings(m_dir.filePath(QStringLiteral("none.ini")));
        QCOMPARE(s.timeLeft, 5400);
        QCOMPARE(s.passMark, 90);
        s = read(QByteArray("alltime=60\nmark=50\n") + QByteArray(2 * 1024 * 1024, 'x'));
        QCOMPARE(s.timeLeft, 5400);
    }

    void wholeNumbers()
    {
        QCOMPARE(parseWholeNumber("  42"), std::optional<int>(42));
        QCOMPARE(parseWholeNumber("-$10"), std::optional<int>(-16));
        QCOMPARE(parseWholeNumber("2147483647"), std::optional<int>(2147483647));
        QCOMPARE(parseWholeNumber("-2147483648"), std::optional<int>(-2147483647 - 1));
        QCOMPARE(parseWholeNumber("2147483648"), std::nullopt);
        QCOMPARE(parseWholeNumber("+"), std::nullopt);
        QCOMPARE(parseWholeNumber("12a"), std::nullopt);
        QCOMPARE(parseWholeNumber("$g"), std::nullopt);
    }

    void clockTexts()
    {
        QCOMPARE(clockText(5400), QStringLiteral("90:00"));
        QCOMPARE(clockText(65), QStringLiteral("1:05"));
        QCOMPARE(clockText(9), QStringLiteral("0:09"));
        QCOMPARE(clockText(0), QStringLiteral("0:00"));
        QCOMPARE(clockText(-5), QStringLiteral("0:00"));
        QCOMPARE(clockText(6000), QStringLiteral("100:00"));
    }
};

EXAM_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
