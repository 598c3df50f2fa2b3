#include "platform/qt/qtpictures.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace parkwen;

namespace {

// A 256x256 picture: red above, blue below, with a green band down the left quarter.
QImage quarters()
{
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, x < 64 ? qRgb(0, 255, 0) : y < 128 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The same picture stored top-down: rows in reading order and a negative height.
QByteArray topDown(const QByteArray& bottomUp, int width, int height)
{
    const int stride = (width * 3 + 3) & ~3;
    QByteArray out = bottomUp;
    for (int y = 0; y < height; ++y)
        std::memcpy(out.data() + 54 + y * stride, bottomUp.constData() + 54 + (height - 1 - y) * stride,
                    size_t(stride));
    const qint32 negative = -height;
    std::memcpy(out.data() + 22, &negative, 4);
    return out;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

int maxChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            worst = std::max({worst, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                              std::abs(p.blue() - q.blue())});
        }
    return worst;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void plainBmp_thumbnailKeepsColoursAndOrientation_bothRowOrders()
    {
        QTemporaryDir dir;
        const QByteArray bottomUp = bmpBytes(quarters());
        QCOMPARE(bottomUp.size(), 196662); // 24 bits, the common header: the averaged path
        write(dir.filePath("up.bmp"), bottomUp);
        write(dir.filePath("down.bmp"), topDown(bottomUp, 256, 256));
        QtPictures pictures;
        for (const char* name : {"up.bmp", "down.bmp"}) {
            auto loaded = pictures.load(dir.filePath(name), QSize(64, 64));
            QVERIFY(loaded.ok());
            const QImage& thumb = loaded.value();
            QCOMPARE(thumb.size(), QSize(64, 64));
            QCOMPARE(thumb.format(), QImage::Format_RGB16);
            QCOMPARE(thumb.pixelColor(40, 8), QColor(255, 0, 0));
            QCOMPARE(thumb.pixelColor(40, 56), QColor(0, 0, 255));
            QCOMPARE(thumb.pixelColor(4, 56), QColor(0, 255, 0));
        }
    }

    void plainBmp_averagesLikeSmoothScaling()
    {
        QImage noisy(256, 192, QImage::Format_RGB32);
        std::mt19937 rng(7);
        for (int y = 0; y < noisy.height(); ++y)
            for (int x = 0; x < noisy.width(); ++x)
                noisy.setPixel(x, y, qRgb(x, (y * 3 + int(rng() % 40)) % 256, (x ^ y) & 0xff));
        QTemporaryDir dir;
        write(dir.filePath("n.bmp"), bmpBytes(noisy));
        auto loaded = QtPictures().load(dir.filePath("n.bmp"), QSize(64, 64));
        QVERIFY(loaded.ok());
        const QImage expected = noisy.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // 16-bit storage loses up to 7 levels a channel; box and smooth filters differ a little more.
        QVERIFY(maxChannelDifference(loaded.value(), expected) <= 24);
    }

    void jpeg_thumbnailIs64x64Compact_fullLoadKeepsSize()
    {
        QTemporaryDir dir;
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(QColor(250, 10, 10));
        QVERIFY(photo.save(dir.filePath("car.jpg"), "JPG"));
        QtPictures pictures;
        auto thumb = pictures.load(dir.filePath("car.jpg"), QSize(64, 64));
        QVERIFY(thumb.ok());
        QCOMPARE(thumb.value().size(), QSize(64, 64));
        QCOMPARE(thumb.value().format(), QImage::Format_RGB16);
        QVERIFY(thumb.value().pixelColor(32, 32).red() > 230);
        auto full = pictures.load(dir.filePath("car.jpg"));
        QVERIFY(full.ok());
        QCOMPARE(full.value().size(), QSize(640, 480));
    }

    void pictureUnderTheWrongSuffix_stillDecodes()
    {
        QTemporaryDir dir;
        QImage photo(128, 128, QImage::Format_RGB32);
        photo.fill(Qt::green);
        QVERIFY(photo.save(dir.filePath("skin.bmp"), "JPG"));
        QVERIFY(photo.save(dir.filePath("box.jpg"), "BMP"));
        QtPictures pictures;
        QVERIFY(pictures.load(dir.filePath("skin.bmp"), QSize(64, 64)).ok());
        QVERIFY(pictures.load(dir.filePath("box.jpg"), QSize(64, 64)).ok());
    }

    void damagedOrMissing_giveTheirErrors()
    {
        QTemporaryDir dir;
        const QByteArray good = bmpBytes(quarters());
        write(dir.filePath("header.bmp"), good.left(30));
        write(dir.filePath("garbage.jpg"), "this is not a picture");
        write(dir.filePath("cut.jpg"), QByteArray("\xff\xd8\xff\xe0", 4));
        QtPictures pictures;
        for (const char* name : {"header.bmp", "garbage.jpg", "cut.jpg"})
            QCOMPARE(pictures.load(dir.filePath(name), QSize(64, 64)).error().number(), 481);
        QCOMPARE(pictures.load(dir.filePath("missing.jpg"), QSize(64, 64)).error().number(), 76);
        QCOMPARE(pictures.load(dir.path(), QSize(64, 64)).error().number(), 76);
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
