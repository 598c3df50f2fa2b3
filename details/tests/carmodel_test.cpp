#include "details/carmodel.h"
#include "details/carscene.h"
#include "details/tests/prmfixtures.h"
#include "platform/qt/localfilesystem.h"

#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using namespace parkwen;
using namespace parkwen::test;

namespace {

QByteArray twoTriangles(quint16 type)
{
    return prmMesh({PrmPoly{type, -1, {0, 1, 2, 0}, 0x80ff0000}, PrmPoly{type, 3, {2, 1, 3, 0}, 0xff00ff00}},
                   {QVector3D(0, 0, 0), QVector3D(10, 0, 0), QVector3D(0, 10, 0), QVector3D(10, 10, 0)});
}

QByteArray withFloat(QByteArray bytes, qsizetype at, float value)
{
    QByteArray f;
    putFloat(f, value);
    bytes.replace(at, 4, f);
    return bytes;
}

// Where the first vertex's X lies in a file of one mesh of `polygons` polygons.
qsizetype firstVertex(int polygons)
{
    return 4 + 60 * polygons;
}

} // namespace

class CarModelTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LocalFileSystem m_fs;

private slots:
    void meshKinds_readAsWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("polygonsPerMesh");
        QTest::addColumn<int>("triangleVertices"); // after quads are split, all meshes' first
        QTest::addColumn<int>("translucent");
        QTest::addColumn<int>("additive");

        const QByteArray box = prmBox(QVector3D(), QVector3D(1, 1, 1), 0);
        QTest::newRow("quads") << box << QList<int>{6} << 36 << 0 << 0;
        QTest::newRow("triangles") << twoTriangles(0) << QList<int>{2} << 6 << 0 << 0;
        QTest::newRow("double-sided") << twoTriangles(0x002) << QList<int>{2} << 6 << 0 << 0;
        QTest::newRow("translucent") << twoTriangles(0x004) << QList<int>{2} << 6 << 6 << 0;
        QTest::newRow("additive") << twoTriangles(0x100 | 0x001) << QList<int>{2} << 12 << 0 << 12;
        QTest::newRow("levels of detail")
            << box + twoTriangles(0) + prmMesh({}, {}) << QList<int>{6, 2, 0} << 36 << 0 << 0;
    }

    void meshKinds_readAsWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, polygonsPerMesh);
        QFETCH(int, triangleVertices);
        QFETCH(int, translucent);
        QFETCH(int, additive);
        const Result<PrmModel> model = readPrm(file);
        QVERIFY2(model.ok(), qPrintable(model.error().description()));
        QList<int> counts;
        for (const PrmMesh& m : model.value().meshes)
            counts << int(m.polygons.size());
        QCOMPARE(counts, polygonsPerMesh);

        CarModel car;
        car.body.mesh = model.value().meshes.first();
        const CarGeometry g = carGeometry(car);
        QCOMPARE(g.opaque + g.translucent + g.additive, triangleVertices);
        QCOMPARE(g.translucent, translucent);
        QCOMPARE(g.additive, additive);
    }

    void polygonFields_keepCornersColoursAndTexture()
    {
        const Result<PrmModel> model = readPrm(twoTriangles(0x002));
        QVERIFY(model.ok());
        const PrmPolygon& p = model.value().meshes.first().polygons[1];
        QCOMPARE(p.texture, qint16(3));
        QVERIFY(!p.isQuad());
        QCOMPARE(p.index[0], quint16(2));
        QCOMPARE(p.colour[3], 0xff00ff00u);
        QCOMPARE(p.uv[2], 0.9f);
        QVERIFY(!model.value().meshes.first().polygons[0].isTextured());
        QCOMPARE(model.value().meshes.first().vertices[3].position, QVector3D(10, 10, 0));
    }

    void damagedFiles_refusedWithReason_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");

        const QByteArray box = prmBox(QVector3D(), QVector3D(1, 1, 1), 0);
        QByteArray negative = box;
        negative[0] = char(0xff);
        negative[1] = char(0xff);
        QByteArray negativeVertices = box;
        negativeVertices[3] = char(0x80);
        QByteArray pastEnd = box;
        pastEnd[0] = 7;
        QByteArray badIndex = box;
        badIndex[4 + 60 + 6] = 8; // polygon 1, corner 1: a ninth vertex of eight
        QByteArray unusedCorner = twoTriangles(0);
        unusedCorner[4 + 10] = char(0x7f); // a triangle's fourth corner is never looked at

        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("cut short in a polygon") << box.left(100) << "more than the file holds";
        QTest::newRow("cut short in the counts") << box + QByteArray(3, 0) << "mesh 2 is cut short";
        QTest::newRow("counts past the end") << pastEnd << "more than the file holds";
        QTest::newRow("negative polygon count") << negative << "negative count";
        QTest::newRow("negative vertex count") << negativeVertices << "negative count";
        QTest::newRow("index past the vertices") << badIndex << "polygon 1 of mesh 1 uses a vertex";
        QTest::newRow("NaN position")
            << withFloat(box, firstVertex(6), std::numeric_limits<float>::quiet_NaN())
            << "vertex 0 lies at no usable position";
        QTest::newRow("infinite position")
            << withFloat(box, firstVertex(6) + 4, std::numeric_limits<float>::infinity()) << "vertex 0";
        QTest::newRow("huge position") << withFloat(box, firstVertex(6) + 8, 3e30f) << "vertex 0";
        QTest::newRow("a triangle's unused corner is no fault") << unusedCorner << QString();
        QTest::newRow("NaN normal is no fault")
            << withFloat(box, firstVertex(6) + 12, std::numeric_limits<float>::quiet_NaN()) << QString();
    }

    void damagedFiles_refusedWithReason()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const Result<PrmModel> model = readPrm(file);
        if (reason.isEmpty()) {
            QVERIFY2(model.ok(), qPrintable(model.error().description()));
            return;
        }
        QVERIFY(!model.ok());
        QCOMPARE(model.error().fault(), err::InvalidPicture);
        QVERIFY2(model.error().description().contains(reason), qPrintable(model.error().description()));
    }

    void largestCounts_readWithoutTrouble()
    {
        // 32,767 polygons over 32,767 vertices: the most a count can say.
        QList<PrmPoly> polygons;
        QList<QVector3D> vertices;
        for (int i = 0; i < 32767; ++i) {
            polygons << PrmPoly{0, 0, {quint16(i), quint16((i + 1) % 32767), quint16((i + 2) % 32767), 0}};
            vertices << QVector3D(float(i % 181) - 90, float(i % 37) - 18, float(i / 181) - 90);
        }
        const QByteArray file = prmMesh(polygons, vertices);
        QCOMPARE(file.size(), 4 + 32767 * 84);
        const Result<PrmModel> model = readPrm(file);
        QVERIFY(model.ok());
        QCOMPARE(model.value().meshes.first().polygons.size(), 32767);
        // A file of nothing but empty meshes stops at a bound instead of growing without end.
        QVERIFY(!readPrm(QByteArray(4 * 5000, 0)).ok());
        QVERIFY(readPrm(QByteArray(4 * 100, 0)).ok());
    }

    // Bytes of any kind, and real meshes with bytes changed at random, are read or refused: never a
    // crash, a hang or a vertex number past the vertices.
    void anyBytes_readOrRefusedSafely()
    {
        QRandomGenerator random(30);
        const QByteArray box = prmBox(QVector3D(), QVector3D(1, 1, 1), 0) + twoTriangles(0x004);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            if (round % 2) {
                bytes = box;
                for (int k = 0; k < 1 + round % 7; ++k)
                    bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
                bytes.truncate(random.bounded(int(bytes.size()) + 1));
            } else {
                bytes.resize(random.bounded(600));
                for (char& c : bytes)
                    c = char(random.bounded(256));
            }
            const Result<PrmModel> model = readPrm(bytes);
            if (!model.ok())
                continue;
            for (const PrmMesh& mesh : model.value().meshes)
                for (const PrmPolygon& p : mesh.polygons)
                    for (int c = 0; c < p.corners(); ++c)
                        QVERIFY(p.index[size_t(c)] < mesh.vertices.size());
        }
    }

    void layout_readsModelsBlocksAndWheels()
    {
        const QByteArray text = "MODEL \t0 \t\"cars\\x\\body.prm\"\n"
                                "MODEL 1 \"NONE\n" // closing quote missing, as in a real car
                                "MODEL 2 \"cars/x/w.prm\" ; the wheel\n"
                                "model 40 \"cars/x/far.prm\"\n" // past the numbers the game has
                                ";)TPAGE \"cars\\x\\car.bmp\"\n"
                                "BODY {\t\t; Start Body\nModelNum   \t0\nOffset 0, 0, 0\n}\n"
                                "WHEEL 1 { ; Start Wheel\nModelNum 2\nOffset1 -22.5 -2.5 32.1\n"
                                "Offset2 1 0 0\nIsPresent   \ttrue\n}\n"
                                "WHEEL 2 {\nModelNum 2\nIsPresent FALSE\n}\n"
                                "AI {\nModelNum 9\n}\n"
                                "SPINNER {\nModelNum 1\nOffset 0 21 0\n}\n";
        const CarLayout layout = readCarLayout(text);
        QCOMPARE(layout.models[0], QStringLiteral("cars\\x\\body.prm"));
        QVERIFY(layout.models[1].isEmpty());
        QCOMPARE(layout.models[2], QStringLiteral("cars/x/w.prm"));
        QCOMPARE(layout.skin, QStringLiteral("cars\\x\\car.bmp"));
        QCOMPARE(layout.body.model, 0);
        QCOMPARE(layout.wheels[1].model, 2);
        QCOMPARE(layout.wheels[1].offset, QVector3D(-21.5f, -2.5f, 32.1f));
        QVERIFY(layout.wheels[1].present);
        QVERIFY(!layout.wheels[2].present);
        QVERIFY(!layout.wheels[0].present); // no block at all
        QCOMPARE(layout.spinner.model, 1);
        QCOMPARE(layout.spinner.offset, QVector3D(0, 21, 0));
    }

    void assembly_findsFilesInAnyCaseBesideTheCarAndInTheGarage()
    {
        QVERIFY(m_dir.isValid());
        const QString game = makeFolder(m_dir.path(), "game");
        const QString cars = makeFolder(game, "cars");
        const QString garage = makeFolder(m_dir.path(), "garage");
        // Paths written with another folder name's case and another file's case.
        BoxCar box;
        box.folderInPaths = "BoxCar";
        const QString parked = writeBoxCar(garage, "boxcar", box);
        QFile::rename(parked + "/wheel.prm", parked + "/WHEEL.PRM");
        CarModel car = readCarModel(m_fs, parked, cars);
        QVERIFY2(car.hasBody(), qPrintable(car.bodyError.description()));
        QCOMPARE(car.parts.size(), 4);
        QCOMPARE(car.parts[3].path, parked + "/WHEEL.PRM");
        QCOMPARE(car.parts[1].offset, QVector3D(34, 8, 30));
        QCOMPARE(car.skinPath, parked + "/car.bmp");
        QVERIFY(car.missing.isEmpty());

        // A variant naming another car's models finds them beside it, and in the Car Folder.
        const QString other = writeBoxCar(cars, "donor");
        const QString variant = makeFolder(garage, "variant");
        QByteArray text = readBytes(other + "/parameters.txt");
        writeBytes(variant + "/parameters.txt", text);
        car = readCarModel(m_fs, variant, cars);
        QVERIFY(car.hasBody());
        QCOMPARE(car.body.path, other + "/body.prm");
        QVERIFY(car.skinPath.isEmpty()); // the skin is the one in the car's own folder

        // A missing wheel model leaves the wheels out and says so; a missing body is the failure.
        QFile::remove(other + "/wheel.prm");
        car = readCarModel(m_fs, other, cars);
        QVERIFY(car.hasBody());
        QCOMPARE(car.parts.size(), 0);
        QCOMPARE(car.missing.size(), 4);
        QVERIFY2(car.missing[0].contains("wheel 1 (front left)") && car.missing[0].contains("not there"),
                 qPrintable(car.missing[0]));
        writeBytes(other + "/body.prm", QByteArray("\x05\x00", 2));
        car = readCarModel(m_fs, other, cars);
        QVERIFY(!car.hasBody());
        QVERIFY2(car.bodyError.description().contains("The body") &&
                     car.bodyError.description().contains("cut short"),
                 qPrintable(car.bodyError.description()));
    }

    void assembly_escapingPathsFindNothing()
    {
        const QString cars = makeFolder(m_dir.path(), "cars2");
        const QString car = writeBoxCar(cars, "esc");
        writeBytes(m_dir.path() + "/secret.prm", prmBox(QVector3D(), QVector3D(1, 1, 1), 0));
        QVERIFY(resolveCarFile(m_fs, car, cars, "cars\\esc\\..\\..\\secret.prm").isEmpty());
        QVERIFY(resolveCarFile(m_fs, car, cars, "..\\secret.prm").isEmpty());
        QCOMPARE(resolveCarFile(m_fs, car, cars, "CARS\\ESC\\BODY.PRM"), car + "/body.prm");
    }
};

QTEST_GUILESS_MAIN(CarModelTest)
#include "carmodel_test.moc"
