#include "platform/pictureheader.h"
#include "platform/qt/qtpictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace parkwen;

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Red left half, blue right half: a preview shows whether it kept the sides in place.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = width / 2; x < width; ++x)
            line[x] = qRgb(0, 0, 255);
    }
    return image;
}

std::optional<PictureHeader> headerOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPictureHeader(buffer);
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class PictureHeaderTest : public QObject
{
    Q_OBJECT

private slots:
    void sizesOfEachFormat_fromTheirHeaders()
    {
        const QImage wide = halves(300, 200);
        for (const char* format : {"BMP", "PNG", "JPG"}) {
            const auto h = headerOf(encoded(wide, format));
            QVERIFY2(h, format);
            QCOMPARE(h->size, QSize(300, 200));
        }
        QCOMPARE(headerOf(encoded(wide, "BMP"))->format, PictureFormat::Bmp);
        QCOMPARE(headerOf(encoded(wide, "PNG"))->format, PictureFormat::Png);
        QCOMPARE(headerOf(encoded(wide, "JPG"))->format, PictureFormat::Jpeg);

        // A bitmap stored top-down has a negative height.
        QByteArray topDown = encoded(wide, "BMP");
        const qint32 negative = -200;
        std::memcpy(topDown.data() + 22, &negative, 4);
        QCOMPARE(headerOf(topDown)->size, QSize(300, 200));

        // The old 12-byte bitmap header keeps its sides in 16 bits.
        QByteArray core(26, '\0');
        core[0] = 'B';
        core[1] = 'M';
        core[14] = 12;
        core[18] = char(0x00);
        core[19] = char(0x02); // 512
        core[20] = char(0x00);
        core[21] = char(0x01); // 256
        QCOMPARE(headerOf(core)->size, QSize(512, 256));
    }

    void jpegSegmentsBeforeTheFrame_areSkipped()
    {
        // An EXIF-like block of nearly 64 KB and fill bytes before the frame header.
        const QByteArray plain = encoded(halves(512, 512), "JPG");
        QByteArray app1("\xff\xe1", 2);
        const int length = 65000;
        app1.append(char(length >> 8)).append(char(length & 0xff)).append(QByteArray(length - 2, 'x'));
        const QByteArray withBlock = plain.left(2) + app1 + QByteArray("\xff\xff", 2) + plain.mid(2);
        const auto h = headerOf(withBlock);
        QVERIFY(h);
        QCOMPARE(h->size, QSize(512, 512));
        // A block claiming to run past the end of the file is no header.
        QVERIFY(!headerOf(plain.left(2) + app1.left(30)));
    }

    void damagedOrForeignBytes_giveNoHeader()
    {
        const QByteArray png = encoded(halves(256, 256), "PNG");
        QVERIFY(headerOf(png));
        QByteArray badChecksum = png;
        badChecksum[20] = char(badChecksum[20] ^ 0x01); // a bit of the width flipped, checksum kept
        QVERIFY(!headerOf(badChecksum));
        QVERIFY(!headerOf(png.left(20)));
        QVERIFY(!headerOf(QByteArray("\xff\xd8\xff\xda\x00\x02", 6))); // scan data before any frame
        QVERIFY(!headerOf(QByteArray(196662, 'x')));
        QVERIFY(!headerOf(QByteArray("BM")));
        QVERIFY(!headerOf(QByteArray()));
        QByteArray zeroWide = encoded(halves(16, 16), "BMP");
        std::memset(zeroWide.data() + 18, 0, 4);
        QVERIFY(!headerOf(zeroWide));
        QCOMPARE(sniffPictureFormat("GIF89a"), PictureFormat::Unknown);
    }

    void previews_fitTheBoxKeepingProportionsAndColours()
    {
        QTemporaryDir dir;
        write(dir.filePath("wide.bmp"), encoded(halves(1024, 512), "PNG"));
        write(dir.filePath("big.bmp"), encoded(halves(4096, 4096), "PNG"));
        write(dir.filePath("photo.bmp"), encoded(halves(512, 512), "JPG"));
        write(dir.filePath("real.bmp"), encoded(halves(512, 512), "BMP"));
        write(dir.filePath("small.bmp"), encoded(halves(40, 40), "PNG"));
        QtPictures pictures;
        const QSize box(96, 96);
        const auto wide = pictures.loadToFit(dir.filePath("wide.bmp"), box);
        QVERIFY(wide.ok());
        QCOMPARE(wide.value().size(), QSize(96, 48));
        for (const char* name : {"big.bmp", "photo.bmp", "real.bmp"}) {
            const auto preview = pictures.loadToFit(dir.filePath(name), box);
            QVERIFY2(preview.ok(), name);
            const QImage& image = preview.value();
            QCOMPARE(image.size(), box);
            // Full colours, not the 16-bit thumbnails of the lists.
            QVERIFY2(image.depth() == 32, name);
            QVERIFY2(image.pixelColor(10, 48).red() > 200 && image.pixelColor(10, 48).blue() < 60, name);
            QVERIFY2(image.pixelColor(86, 48).blue() > 200 && image.pixelColor(86, 48).red() < 60, name);
        }
        const auto small = pictures.loadToFit(dir.filePath("small.bmp"), box);
        QVERIFY(small.ok());
        QCOMPARE(small.value().size(), QSize(40, 40));

        QCOMPARE(pictures.probe(dir.filePath("big.bmp"))->size, QSize(4096, 4096));
        QVERIFY(!pictures.probe(dir.filePath("missing.bmp")));
    }

    void damagedPixelData_behindAGoodHeader_failsToDecode()
    {
        QTemporaryDir dir;
        QByteArray png = encoded(halves(256, 256), "PNG");
        // Everything after the header chunk is overwritten: the header still reads, the picture not.
        for (qsizetype i = 40; i < png.size(); ++i)
            png[i] = char(0x5a);
        write(dir.filePath("damaged.bmp"), png);
        QtPictures pictures;
        QCOMPARE(pictures.probe(dir.filePath("damaged.bmp"))->size, QSize(256, 256));
        QCOMPARE(pictures.loadToFit(dir.filePath("damaged.bmp"), QSize(96, 96)).error().number(), 481);
        QCOMPARE(pictures.loadToFit(dir.filePath("missing.bmp"), QSize(96, 96)).error().number(), 76);
    }

    void fifoUnderASkinName_isNeitherOpenedNorWaitedFor()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath("car.bmp"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QtPictures pictures;
        QVERIFY(!pictures.probe(dir.filePath("car.bmp")));
        QCOMPARE(pictures.loadToFit(dir.filePath("car.bmp"), QSize(96, 96)).error().number(), 76);
    }
};

QTEST_GUILESS_MAIN(PictureHeaderTest)
#include "pictureheader_test.moc"
