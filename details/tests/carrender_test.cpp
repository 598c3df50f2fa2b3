#include "details/carrenderer.h"
#include "details/tests/prmfixtures.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

constexpr int kSide = 256;

// Where a point of the car (game axes) lands in a picture drawn of it.
QPoint pixelOf(const CarModel& car, const CarCamera& camera, QVector3D point)
{
    const QVector4D clip =
        cameraTransform(carGeometry(car), QSize(kSide, kSide), camera) * QVector4D(point, 1);
    const QVector3D ndc = clip.toVector3DAffine();
    return QPoint(int((ndc.x() + 1) / 2 * kSide), int((1 - ndc.y()) / 2 * kSide));
}

bool mostly(QRgb pixel, int channel)
{
    const int c[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    return c[channel] > 90 && c[channel] > 2 * c[(channel + 1) % 3] && c[channel] > 2 * c[(channel + 2) % 3];
}

bool isGround(QRgb pixel)
{
    const QRgb g = CarScene::GroundColour;
    return qAbs(qRed(pixel) - qRed(g)) <= 4 && qAbs(qGreen(pixel) - qGreen(g)) <= 4 &&
           qAbs(qBlue(pixel) - qBlue(g)) <= 4;
}

double groundShare(const QImage& picture)
{
    int ground = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ground += isGround(picture.pixel(x, y));
    return double(ground) / (picture.width() * picture.height());
}

} // namespace

class CarRenderTest : public QObject
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
        const QString why = m_renderer->unavailable();
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    void generatedCar_showsSkinOnBodyWheelsAtOffsetsGroundElsewhere()
    {
        BoxCar box;
        // Wheels spread wide of the body, so that from above each shows on its own.
        box.wheels = {QVector3D(-60, 0, 70), QVector3D(60, 0, 70), QVector3D(-60, 0, -70),
                      QVector3D(60, 0, -70)};
        const QString carPath = writeBoxCar(m_dir.path(), "box", box);
        // The back right wheel is damaged: drawn without it, and said.
        writeBytes(carPath + "/wheelbr.prm", QByteArray(10, 'x'));
        QByteArray text = readBytes(carPath + "/parameters.txt");
        text.replace("MODEL 2 \"NONE\"", "MODEL 2 \"cars\\box\\wheelbr.prm\"");
        const qsizetype wheel3 = text.indexOf("WHEEL 3");
        text.replace(text.indexOf("ModelNum 1", wheel3), 10, "ModelNum 2");
        writeBytes(carPath + "/parameters.txt", text);

        QStringList missing;
        const CarCamera above{0, 89, 1};
        const CarModel car = readCarModel(m_fs, carPath);
        QCOMPARE(car.parts.size(), 3);
        const Result<QImage> picture =
            renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), kSide, &missing);
        QVERIFY2(picture.ok(), qPrintable(picture.error().description()));
        QCOMPARE(picture.value().size(), QSize(kSide, kSide));
        QCOMPARE(missing.size(), 1);
        QVERIFY2(missing[0].contains("wheel 4 (back right)"), qPrintable(missing[0]));

        // From above: the skin's red on the body, blue wheels where the offsets put them, ground around.
        const Result<QImage> top = m_renderer->render(car, QImage(carPath + "/car.bmp"), kSide, above);
        QVERIFY(top.ok());
        const QImage& image = top.value();
        const QPoint centre = pixelOf(car, above, QVector3D(0, -12, 0));
        QVERIFY2(mostly(image.pixel(centre), 0), qPrintable(QString::number(image.pixel(centre), 16)));
        for (int w = 0; w < 3; ++w) {
            const QPoint at = pixelOf(car, above, box.wheels[size_t(w)] - QVector3D(0, 8, 0));
            QVERIFY2(mostly(image.pixel(at), 2), qPrintable(QStringLiteral("wheel %1 at %2,%3: %4")
                                                                .arg(w)
                                                                .arg(at.x())
                                                                .arg(at.y())
                                                                .arg(image.pixel(at), 0, 16)));
        }
        const QPoint gone = pixelOf(car, above, box.wheels[3] - QVector3D(0, 8, 0));
        QVERIFY(isGround(image.pixel(gone)));
        for (const QPoint corner : {QPoint(2, 2), QPoint(kSide - 3, 2), QPoint(2, kSide - 3)})
            QVERIFY(isGround(image.pixel(corner)));
        // Another skin on the same car paints the body in its colour.
        QImage green(16, 16, QImage::Format_RGB32);
        green.fill(Qt::green);
        const Result<QImage> tried = m_renderer->render(car, green, kSide, above);
        QVERIFY(mostly(tried.value().pixel(centre), 1));
    }

    void refusals_bodyMissingOrDamagedAndSizesOutOfRange()
    {
        const QString carPath = writeBoxCar(m_dir.path(), "broken");
        QVERIFY(!renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), 0).ok());
        QVERIFY(!renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), 5000).ok());
        writeBytes(carPath + "/body.prm", prmBox(QVector3D(), QVector3D(1e9f, 1, 1), 0));
        const Result<QImage> far =
            renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), 64);
        QVERIFY(!far.ok());
        QVERIFY2(far.error().description().contains("no usable position"),
                 qPrintable(far.error().description()));
        QFile::remove(carPath + "/body.prm");
        QVERIFY(!renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), 64).ok());
    }

    void largestBody_drawn()
    {
        const QString carPath = writeBoxCar(m_dir.path(), "big");
        QList<PrmPoly> polygons;
        QList<QVector3D> vertices;
        for (int i = 0; i < 32767; ++i) {
            polygons << PrmPoly{0, 0, {quint16(i), quint16((i + 1) % 32767), quint16((i + 181) % 32767), 0}};
            vertices << QVector3D(float(i % 181) - 90, -10, float(i / 181) - 90);
        }
        writeBytes(carPath + "/body.prm", prmMesh(polygons, vertices));
        const Result<QImage> picture =
            renderCarFolder(*m_renderer, m_fs, m_pictures, carPath, QString(), QString(), 128);
        QVERIFY2(picture.ok(), qPrintable(picture.error().description()));
        QVERIFY(groundShare(picture.value()) < 0.9);
    }

    void realCars_allDrawnWithTheirSkins_data()
    {
        QTest::addColumn<QString>("car");
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("missing");
        QTest::newRow("2022: one wheel model, a spinner") << "2022" << 5 << 0;
        QTest::newRow("amw: skin not named car.bmp") << "amw" << 4 << 0;
        QTest::newRow("baddrc: paths in another case") << "baddrc" << 4 << 0;
        QTest::newRow("ballista: a wheel model a side") << "ballista" << 4 << 0;
        QTest::newRow("docta: spinner model missing") << "docta" << 4 << 1;
        QTest::newRow("gleam: levels of detail") << "gleam" << 4 << 0;
        QTest::newRow("tc12: levels of detail") << "tc12" << 4 << 0;
        QTest::newRow("wincar4: spinner, no box picture") << "wincar4" << 5 << 0;
    }

    void realCars_allDrawnWithTheirSkins()
    {
        QFETCH(QString, car);
        QFETCH(int, parts);
        QFETCH(int, missing);
        const QString source = QStringLiteral(PARKWEN_REALCARS) + QLatin1Char('/') + car;
        if (!QFileInfo::exists(source))
            QSKIP("the real cars are not beside this tree");
        const CarModel model = readCarModel(m_fs, source);
        QVERIFY2(model.hasBody(), qPrintable(model.bodyError.description()));
        QCOMPARE(model.parts.size(), parts);
        QCOMPARE(model.missing.size(), missing);
        QVERIFY(!model.skinPath.isEmpty());
        const Result<QImage> picture =
            renderCarFolder(*m_renderer, m_fs, m_pictures, source, QString(), QString(), 128);
        QVERIFY2(picture.ok(), qPrintable(picture.error().description()));
        // The car fills a good part of the picture, and is not all one colour.
        const double ground = groundShare(picture.value());
        QVERIFY2(ground > 0.2 && ground < 0.9, qPrintable(QString::number(ground)));
    }
};

int main(int argc, char* argv[])
{
    CarRenderer::prepareWithoutDisplay();
    QGuiApplication app(argc, argv);
    CarRenderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "carrender_test.moc"
