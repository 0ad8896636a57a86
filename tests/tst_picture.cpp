#include "data/errors.h"
#include "data/picture.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString loadError(const QString &path)
{
    return errorText([&] { loadPicture(path); });
}

// A baseline JPEG whose frame header claims the given size; the rest is the real picture.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const int sof = jpeg.indexOf("\xff\xc0");
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void decodesJpegWithItsColours()
    {
        const QString path =
            write(m_dir, QStringLiteral("a.JPG"), jpegBytes(60, 40, QColor(200, 30, 40)));
        const QImage image = loadPicture(path);
        QCOMPARE(image.size(), QSize(60, 40));
        const QColor pixel = image.pixelColor(30, 20);
        QVERIFY(qAbs(pixel.red() - 200) < 8 && qAbs(pixel.green() - 30) < 8 &&
                qAbs(pixel.blue() - 40) < 8);
    }

    void decodesGreyscaleJpeg()
    {
        QImage grey(20, 10, QImage::Format_Grayscale8);
        grey.fill(128);
        const QString path = m_dir.filePath(QStringLiteral("grey.jpeg"));
        QVERIFY(grey.save(path, "JPG"));
        const QImage image = loadPicture(path);
        QCOMPARE(image.size(), QSize(20, 10));
        QVERIFY(qAbs(image.pixelColor(5, 5).red() - 128) < 4);
    }

    void decodesBitmap()
    {
        QImage bmp(33, 21, QImage::Format_RGB32);
        bmp.fill(Qt::green);
        const QString path = m_dir.filePath(QStringLiteral("b.bmp"));
        QVERIFY(bmp.save(path, "BMP"));
        const QImage image = loadPicture(path);
        QCOMPARE(image.size(), QSize(33, 21));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::green));
    }

    void shippedPicturesAllDecode()
    {
        for (const QString &dir : {QStringLiteral(EXAM_SOURCE_DIR "/bank/pictures"),
                                   QStringLiteral(EXAM_SOURCE_DIR "/assets")}) {
            const QStringList names = QDir(dir).entryList(
                {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")}, QDir::Files);
            QVERIFY(!names.isEmpty());
            for (const QString &name : names)
                QVERIFY2(!loadPicture(dir + QLatin1Char('/') + name).isNull(), qPrintable(name));
        }
    }

    void badFilesAreRefusedWithTheirName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QByteArray good = jpegBytes(64, 64);
        QTest::newRow("zero bytes") << "empty.jpg" << QByteArray() << "空文件";
        QTest::newRow("not a jpeg") << "text.jpg" << QByteArray("hello, world") << "已损坏";
        QTest::newRow("truncated") << "cut.jpg" << good.left(good.size() / 2) << "已损坏";
        QTest::newRow("garbage after header")
            << "noise.jpg" << good.left(200) + QByteArray(500, '\x5a') << "已损坏";
        QTest::newRow("bomb header") << "bomb.jpg" << withClaimedSize(good, 30000, 30000) << "太大";
        QTest::newRow("wide header") << "wide.jpg" << withClaimedSize(good, 65000, 16) << "太大";
        QTest::newRow("broken bitmap")
            << "broken.bmp" << QByteArray("BM\x10\0\0\0garbage", 15) << "已损坏";
        QTest::newRow("other kind") << "pic.gif" << QByteArray("GIF89a") << "不支持";
    }

    void badFilesAreRefusedWithTheirName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString message = loadError(write(m_dir, name, bytes));
        QVERIFY2(message.contains(expected) && message.contains(name), qPrintable(message));
    }

    void missingFile()
    {
        const QString message = loadError(m_dir.filePath(QStringLiteral("gone.jpg")));
        QVERIFY2(message.contains(QStringLiteral("找不到")) &&
                     message.contains(QStringLiteral("gone.jpg")),
                 qPrintable(message));
    }

    void hugeBitmapHeaderIsRefused()
    {
        // A bitmap header claiming 30000 x 30000 pixels, 24 bits, and no pixel data.
        QByteArray bmp(54, '\0');
        auto put32 = [&](int at, quint32 v) {
            for (int i = 0; i < 4; ++i)
                bmp[at + i] = char((v >> (8 * i)) & 0xff);
        };
        bmp[0] = 'B';
        bmp[1] = 'M';
        put32(2, 54);
        put32(10, 54);
        put32(14, 40);
        put32(18, 30000);
        put32(22, 30000);
        bmp[26] = 1;
        bmp[28] = 24;
        const QString message = loadError(write(m_dir, QStringLiteral("huge.bmp"), bmp));
        QVERIFY2(message.contains(QStringLiteral("huge.bmp")), qPrintable(message));
    }
};

EXAM_TEST_MAIN(PictureTest)
#include "tst_picture.moc"
