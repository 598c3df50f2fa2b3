#include "library/carlibrary.h"
#include "library/tests/libraryfixture.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class ScansTest : public QObject
{
    Q_OBJECT

    struct Fixture : LibraryFixture
    {
        void scan() { scanBoth(); }
    };

    static void makeStockFolders(const QString& folder)
    {
        for (const QString& name : stockCarNames())
            makeCar(folder, name);
    }

private slots:
    void noncus_takesLastNameAndTellsStockCarsWithCase()
    {
        QString path = QStringLiteral("/games/revolt/cars/rc");
        QVERIFY(reduceToCarName(path));
        QCOMPARE(path, QStringLiteral("rc"));
        QString other = QStringLiteral("/games/cars/Adeon");
        QVERIFY(!reduceToCarName(other));
        QCOMPARE(other, QStringLiteral("Adeon"));
        QCOMPARE(stockCarNames().size(), 36);
    }

    void normalMode_listsAddOnCarsOnly_andCountsThem()
    {
        Fixture f;
        makeStockFolders(f.lib.carFolder);
        makeCar(f.lib.carFolder, QStringLiteral("Adeon"));
        makeCar(f.lib.carFolder, QStringLiteral("zapper"));
        makeCar(f.lib.garageFolder, QStringLiteral("rc")); // a stock name is never listed in the garage
        makeCar(f.lib.garageFolder, QStringLiteral("bolt"));
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"Adeon", "zapper"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"bolt"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().at(0).key, QStringLiteral("AdeonCAR"));
        QVERIFY(!f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("AdeonCAR")).isNull());
        QCOMPARE(f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("AdeonCAR")).size(),
                 QSize(64, 64));
    }

    void stockMode_listsStockCarsButMisc_andSubtracts35()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        makeStockFolders(f.lib.carFolder);
        makeCar(f.lib.carFolder, QStringLiteral("MISC"));
        makeCar(f.lib.carFolder, QStringLiteral("aardvark"));
        makeCar(f.lib.carFolder, QStringLiteral("zapper"));
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().count(), 37);
        QVERIFY(!f.cars.folder(FolderRole::Cars).list().texts().contains(QStringLiteral("misc")));
        QVERIFY(!f.cars.folder(FolderRole::Cars).list().texts().contains(QStringLiteral("MISC")));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        // aardvark sorts first; adeon (stock) second.
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().text(0), QStringLiteral("aardvark"));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[1], 0);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[0], 0);
    }

    void emptyCarFolder_countsZeroOrMinus35()
    {
        Fixture f;
        f.scan();
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("0"));
        Fixture g;
        g.cars.options().listsStockCars = true;
        g.scan();
        QCOMPARE(countText(g.cars.folder(FolderRole::Cars)), QStringLiteral("-35"));
    }

    void pictureChoice_jpgBeforeBmp_andFirstBmp()
    {
        Fixture f;
        const QString both =
            makeCar(f.lib.carFolder, QStringLiteral("both"), QStringLiteral("z.bmp"), Qt::blue);
        writePicture(both + QStringLiteral("/a.JPG"), Qt::green);
        const QString bmps =
            makeCar(f.lib.carFolder, QStringLiteral("bmps"), QStringLiteral("B.bmp"), Qt::yellow);
        writePicture(bmps + QStringLiteral("/c.bmp"), Qt::blue);
        f.scan();
        const QColor bothColour =
            f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("bothCAR")).pixelColor(32, 32);
        QVERIFY2(bothColour.green() > 200 && bothColour.red() < 60, "the jpg is shown");
        const QColor bmpColour =
            f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("bmpsCAR")).pixelColor(32, 32);
        QVERIFY2(bmpColour.red() > 200 && bmpColour.green() > 200, "the first bmp is shown");
    }

    // Today's cars carry a texture sheet (car.bmp) that sorts before their box picture.
    void pictureChoice_boxPictureBeforeOtherBitmaps_data()
    {
        QTest::addColumn<QStringList>("bitmaps"); // the last one is the box picture (blue)
        QTest::addColumn<QByteArray>("tcarbox");
        QTest::newRow("carbox.bmp in other case") << QStringList{"car.bmp", "CarBox.BMP"} << QByteArray();
        QTest::newRow("TCARBOX with backslashes")
            << QStringList{"car.bmp", "carbox.bmp", "Box2.bmp"} << QByteArray("cars\\Box\\box2.BMP");
        QTest::newRow("TCARBOX with slashes, renamed folder")
            << QStringList{"car.bmp", "carbox.bmp", "Box2.bmp"} << QByteArray("cars/old/Box2.bmp");
        QTest::newRow("TCARBOX of another car")
            << QStringList{"car.bmp", "carbox.bmp"} << QByteArray("cars/counpur/nothere.bmp");
    }
    void pictureChoice_boxPictureBeforeOtherBitmaps()
    {
        QFETCH(QStringList, bitmaps);
        QFETCH(QByteArray, tcarbox);
        Fixture f;
        const QString box = makeFolder(f.lib.carFolder, QStringLiteral("Box"));
        for (const QString& name : bitmaps)
            writePicture(box + QLatin1Char('/') + name, name == bitmaps.last() ? Qt::blue : Qt::red);
        QByteArray params = "{\r\nName \"Box\"\r\nTPAGE \"cars\\Box\\car.bmp\"\r\n";
        if (!tcarbox.isEmpty())
            params += ";)TCARBOX \"" + tcarbox + "\"\r\n";
        writeBytes(box + QStringLiteral("/parameters.txt"), params + "}\r\n");
        f.scan();
        const QColor colour =
            f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("BoxCAR")).pixelColor(32, 32);
        QVERIFY2(colour.blue() > 200 && colour.red() < 60, "the box picture is shown");
        // A car arriving in the other folder is shown by the same picture.
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("Box"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(f.cars.folder(FolderRole::Garage).list().rowOfText(QStringLiteral("Box")) >= 0);
        QCOMPARE(
            f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("BoxCAR")).pixelColor(32, 32),
            colour);
    }

    void foldersWithoutPicture_oneMessageEach_scanGoesOn()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.carFolder, QStringLiteral("empty1"), QString());
        makeCar(f.lib.carFolder, QStringLiteral("empty2"), QString());
        makeCar(f.lib.carFolder, QStringLiteral("omega"));
        makeCar(f.lib.garageFolder, QStringLiteral("hollow"), QString());
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "omega"}));
        QCOMPARE(f.lib.dialogs.messages(),
                 QStringList({"Car: empty1 is not a car or is an incomplete car, skipping to next one",
                              "Car: empty2 is not a car or is an incomplete car, skipping to next one",
                              "Car: hollow is not a car or is an incomplete car, skipping to next one"}));
        QCOMPARE(f.lib.dialogs.shown().first().icon, Dialogs::Icon::Information);
    }

    void damagedPicture_endsCarScan_butGarageScanGoesOn()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        const QString broken = makeCar(f.lib.carFolder, QStringLiteral("broken"), QString());
        writeBytes(broken + QStringLiteral("/car.jpg"), "this is not a picture");
        makeCar(f.lib.carFolder, QStringLiteral("zulu"));
        makeCar(f.lib.garageFolder, QStringLiteral("able"), QStringLiteral("car.jpg"), Qt::blue);
        const QString gbroken = makeCar(f.lib.garageFolder, QStringLiteral("broken"), QString());
        writeBytes(gbroken + QStringLiteral("/car.bmp"), "BMgarbage");
        makeCar(f.lib.garageFolder, QStringLiteral("charlie"), QStringLiteral("car.jpg"), Qt::green);

        f.cars.setCount(FolderRole::Cars, 7);
        f.cars.scan(FolderRole::Cars);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)),
                 QStringLiteral("7")); // the count keeps its caption
        QCOMPARE(f.lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 481 Invalid picture"}));

        f.lib.dialogs.clear();
        f.cars.scan(FolderRole::Garage);
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(),
                 QStringList({"able", "broken", "charlie"}));
        QCOMPARE(f.lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 481 Invalid picture"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("3"));
        // The damaged car has no picture of its own; the later car keeps its own.
        QVERIFY(f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("brokenCAR")).isNull());
        QVERIFY(f.cars.folder(FolderRole::Garage)
                    .pictures()
                    .picture(QStringLiteral("charlieCAR"))
                    .pixelColor(32, 32)
                    .green() > 200);
    }

    void garageInsideCarFolder_isNotListedAsCar()
    {
        Fixture f;
        const QString garage = makeFolder(f.lib.carFolder, QStringLiteral("stored"));
        writePicture(garage + QStringLiteral("/looks-like-a-car.jpg"));
        f.cars.folder(FolderRole::Garage).setPath(garage);
        makeCar(f.lib.carFolder, QStringLiteral("racer"));
        makeCar(garage, QStringLiteral("parked"));
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"racer"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"parked"}));
    }

    void stockCarPastPosition150_endsCarScanWithMessage()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        for (int i = 0; i < 160; ++i)
            makeCar(f.lib.carFolder, QStringLiteral("a%1").arg(i, 3, 10, QLatin1Char('0')));
        makeCar(f.lib.carFolder, QStringLiteral("zz"));
        makeCar(f.lib.carFolder, QStringLiteral("wincar")); // sorts after the a-cars
        f.cars.scan(FolderRole::Cars);
        QCOMPARE(f.lib.dialogs.messages(),
                 QStringList({"Miscellaneous Error: No. 9 Subscript out of range"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().count(), 161);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().text(160), QStringLiteral("wincar"));
    }

    void hiddenFoldersAndFiles_areNotSeen()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral(".trash"));
        const QString onlyHidden = makeCar(f.lib.carFolder, QStringLiteral("ghost"), QString());
        writePicture(onlyHidden + QStringLiteral("/.car.jpg"));
        f.scan();
        QVERIFY(f.cars.folder(FolderRole::Cars).list().isEmpty());
        QCOMPARE(f.lib.dialogs.messages().size(), 1); // ghost: not a car
    }
};

QTEST_GUILESS_MAIN(ScansTest)
#include "scans_test.moc"
