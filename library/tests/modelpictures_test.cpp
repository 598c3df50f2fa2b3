#include "details/carrenderer.h"
#include "details/tests/prmfixtures.h"
#include "library/modelpictures.h"
#include "library/thumbcache.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 12 && qAbs(qGreen(a) - qGreen(b)) < 12 && qAbs(qBlue(a) - qBlue(b)) < 12;
}

} // namespace

// Cars with neither a "*.jpg" nor a box picture are shown by a drawing of their models.
class ModelPicturesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LocalFileSystem m_fs;
    QtPictures m_pictures;
    std::unique_ptr<CarRenderer> m_renderer;

private slots:
    void initTestCase()
    {
        m_renderer = std::make_unique<CarRenderer>();
        QVERIFY2(m_renderer->unavailable().isEmpty(), qPrintable(m_renderer->unavailable()));
    }

    void standInPicture_drawnFromModels_othersAsTheyAre_data()
    {
        QTest::addColumn<QStringList>("extraFiles");
        QTest::addColumn<bool>("models");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("only the skin") << QStringList{} << true << true;
        QTest::newRow("skin and shadow") << QStringList{"shadow.bmp"} << true << true;
        QTest::newRow("box picture") << QStringList{"carbox.bmp"} << true << false;
        QTest::newRow("a jpg") << QStringList{"photo.jpg"} << true << false;
        QTest::newRow("no models to draw") << QStringList{} << false << false;
    }

    void standInPicture_drawnFromModels_othersAsTheyAre()
    {
        QFETCH(QStringList, extraFiles);
        QFETCH(bool, models);
        QFETCH(bool, drawn);
        const QString cars = makeFolder(m_dir.path(), QStringLiteral("cars%1").arg(QTest::currentDataTag()));
        BoxCar box;
        box.skin = Qt::magenta;
        const QString car = writeBoxCar(cars, "box", box);
        for (const QString& file : extraFiles)
            writePicture(car + "/" + file, Qt::green);
        if (!models)
            QFile::remove(car + "/body.prm");
        ModelPictures pictures(m_pictures, m_fs, *m_renderer, [cars] { return cars; });
        const QString shown =
            car + "/" + (extraFiles.isEmpty() || extraFiles[0] == "shadow.bmp" ? "car.bmp" : extraFiles[0]);
        const Result<QImage> picture = pictures.load(shown, QSize(64, 64));
        QVERIFY(picture.ok());
        QCOMPARE(picture.value().size(), QSize(64, 64));
        const QRgb corner = picture.value().pixel(1, 1);
        if (drawn) {
            QVERIFY(near(corner, CarScene::GroundColour));
            QVERIFY(!near(picture.value().pixel(32, 32), CarScene::GroundColour));
        } else {
            QVERIFY(!near(corner, CarScene::GroundColour));
        }
        // The skin previews of the details window are the files as they are.
        QVERIFY(near(pictures.loadToFit(car + "/car.bmp", QSize(16, 16)).value().pixel(8, 8),
                     QColor(Qt::magenta).rgb()));
    }

    // A run that could not draw the car kept the file's own thumbnail; a run that draws cars keeps
    // its drawings apart from those, under the same file's stamp.
    void cacheKeys_keepDrawingsApartFromDecodedFiles()
    {
        const QString file = m_dir.path() + "/thumbs.sqlite";
        const QString car = writeBoxCar(makeFolder(m_dir.path(), "keys"), "box");
        const PictureId sheet{car + "/car.bmp", m_fs.stamp(car + "/car.bmp")};
        const PictureId box{car + "/carbox.bmp", FileStamp{10, 1, 1, 1, 1}};
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            ThumbCache plain(file);
            plain.store(sheet, image);
            plain.store(box, image);
            plain.flush();
        }
        ThumbCache::Options options;
        options.keyOf = &ModelPictures::cacheKey;
        ThumbCache drawing(file, options);
        drawing.beginScan();
        QVERIFY(!drawing.known(sheet).has_value());
        QVERIFY(drawing.known(box).has_value()); // the usual box picture is decoded either way
        drawing.store(sheet, image);
        drawing.flush();
        drawing.beginScan();
        QVERIFY(drawing.known(sheet).has_value());
    }
};

int main(int argc, char* argv[])
{
    CarRenderer::prepareWithoutDisplay();
    QGuiApplication app(argc, argv);
    ModelPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "modelpictures_test.moc"
