#include "library/carlibrary.h"
#include "library/tests/libraryfixture.h"
#include "library/ui/warninglight.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

const QString kAccessError =
    QStringLiteral("Path\\File Access Error. Most Likely: Caused by Hidden\\Read-Only\\System "
                   "Files in Directory Or Folder Already Exists. Fix Manually.");
const QString kNothingSelected = QStringLiteral("Please Select Something to Move. Fix, Think About It");

using Fixture = LibraryFixture;

// Names and contents of the files of a folder, to tell that a folder is exactly as it was.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> out;
    for (const QString& name : entries(folder))
        out.insert(name, QFileInfo(folder + QLatin1Char('/') + name).isDir()
                             ? QByteArray("<folder>")
                             : readBytes(folder + QLatin1Char('/') + name));
    return out;
}

bool isMostly(const QImage& image, QColor colour)
{
    if (image.isNull())
        return false;
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
           qAbs(c.blue() - colour.blue()) < 40;
}

} // namespace

class MovesTest : public QObject
{
    Q_OBJECT

private slots:
    void emptySelection_asksForOneAndChangesNothing()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        f.scan();
        f.cars.moveChosenFrom(FolderRole::Cars);
        f.cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(f.messages(), QStringList({kNothingSelected, kNothingSelected}));
        QCOMPARE(f.lib.dialogs.shown().at(0).icon, Dialogs::Icon::Information);
        QCOMPARE(entries(f.lib.carFolder), QStringList({"alpha"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"beta"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"beta"}));
    }

    void sendToGarage_movesFilesAndUpdatesListsCountsSelectionAndPicture()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.carFolder, QStringLiteral("gamma"), QStringLiteral("c.jpg"), Qt::blue);
        writeBytes(f.car("beta") + QStringLiteral("/body.prm"), QByteArray(100000, 'x'));
        makeCar(f.lib.garageFolder, QStringLiteral("delta"));
        f.scan();
        const auto before = snapshot(f.car("beta"));
        int changes = 0;
        QObject::connect(&f.cars, &CarLibrary::changed, [&] { ++changes; });

        f.cars.chooseRow(FolderRole::Cars, 1);
        f.cars.moveChosenFrom(FolderRole::Cars);

        QVERIFY(f.messages().isEmpty());
        QVERIFY(!QFileInfo::exists(f.car("beta")));
        QCOMPARE(snapshot(f.garage("beta")), before);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "gamma"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"delta", "beta"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("2"));
        QCOMPARE(f.cars.display().caption, QStringLiteral("beta"));
        QVERIFY(isMostly(f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("betaCAR")),
                         Qt::green));
        // The entry that took the moved car's place is the new selection, with its picture.
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("gamma"));
        QVERIFY(isMostly(f.cars.display().picture, Qt::blue));
        QVERIFY(f.cars.display().canSendChosen && f.cars.display().canDeleteChosen);
        QVERIFY(changes > 0);
    }

    void sendToCars_withoutSelectedEntry_keepsMovedNameAndItsPicture()
    {
        // A set command puts a name into the selection without choosing an entry.
        Fixture f;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.garageFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        f.scan();
        f.cars.folder(FolderRole::Garage).setChosen(QStringLiteral("alpha"));
        f.cars.moveChosenFrom(FolderRole::Garage);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"beta"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).chosen(), QStringLiteral("alpha"));
        QVERIFY(isMostly(f.cars.display().picture, Qt::red));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
    }

    void sendToGarage_withoutSelectedEntry_disablesButtonsAndShowsFirstGarageCar()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.garageFolder, QStringLiteral("aaa"), QStringLiteral("g.jpg"), Qt::blue);
        f.scan();
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("beta"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"aaa", "beta"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("beta"));
        QVERIFY(!f.cars.display().canSendChosen && !f.cars.display().canDeleteChosen);
        QVERIFY(isMostly(f.cars.display().picture, Qt::blue));
    }

    void targetFolderExists_reportsAccessErrorAndChangesNothing()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeFolder(f.lib.garageFolder, QStringLiteral("alpha"));
        writeBytes(f.garage("alpha") + QStringLiteral("/readme.txt"), "someone else's");
        f.scan();
        const auto source = snapshot(f.car("alpha"));
        const auto target = snapshot(f.garage("alpha"));
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList({kAccessError}));
        QCOMPARE(f.lib.dialogs.shown().at(0).icon, Dialogs::Icon::None);
        QCOMPARE(snapshot(f.car("alpha")), source);
        QCOMPARE(snapshot(f.garage("alpha")), target);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QVERIFY(f.cars.folder(FolderRole::Garage).list().isEmpty());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));
    }

    void carWithSubfolderAndHiddenFiles_movesWhole()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeFolder(f.car("alpha"), QStringLiteral("extras"));
        writeBytes(f.car("alpha") + QStringLiteral("/extras/notes.txt"), "notes");
        writeBytes(f.car("alpha") + QStringLiteral("/._carbox.bmp"), "resource fork");
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(entries(f.garage("alpha")),
                 QStringList({"._carbox.bmp", "car.jpg", "extras", "parameters.txt"}));
        QCOMPARE(readBytes(f.garage("alpha") + QStringLiteral("/extras/notes.txt")), QByteArray("notes"));
        QCOMPARE(entries(f.lib.carFolder), QStringList());
        QVERIFY(f.cars.folder(FolderRole::Cars).list().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("0"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
    }

    void readOnlyFilesInCarFolder_sendToGarageSucceeds()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        QVERIFY(!f.lib.fs.setReadOnly(f.car("alpha") + QStringLiteral("/parameters.txt")));
        QVERIFY(!f.lib.fs.setReadOnly(f.car("alpha") + QStringLiteral("/car.jpg")));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(f.messages().isEmpty());
        QVERIFY(!QFileInfo::exists(f.car("alpha")));
        QCOMPARE(entries(f.garage("alpha")), QStringList({"car.jpg", "parameters.txt"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
    }

    void readOnlyFileInGarage_stopsBeforeAnythingIsCopied()
    {
        Fixture f;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        makeFolder(f.garage("alpha"), QStringLiteral("dev"));
        writeBytes(f.garage("alpha") + QStringLiteral("/dev/z.txt"), "z");
        QVERIFY(!f.lib.fs.setReadOnly(f.garage("alpha") + QStringLiteral("/dev/z.txt")));
        const auto whole = snapshot(f.garage("alpha"));
        for (bool rename : {true, false}) {
            f.cars.door().engine().renameAllowed = rename;
            f.scan();
            f.cars.chooseRow(FolderRole::Garage, 0);
            f.cars.moveChosenFrom(FolderRole::Garage);
            QCOMPARE(f.messages(), QStringList({kAccessError}));
            QCOMPARE(snapshot(f.garage("alpha")), whole);
            QCOMPARE(entries(f.lib.carFolder), QStringList());
            QVERIFY(f.cars.folder(FolderRole::Cars).list().isEmpty());
            QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
            QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
        }
    }

    void copyFailingPartWay_leavesSourceWholeAndNoHalfCopy()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        writeBytes(f.car("alpha") + QStringLiteral("/body.prm"), "body");
        writeBytes(f.car("alpha") + QStringLiteral("/wheel.prm"), "wheel");
        f.scan();
        const auto whole = snapshot(f.car("alpha"));
        f.lib.fs.failOnName(FaultyFileSystem::Op::Copy, QStringLiteral("/parameters.txt"),
                            Error::of(err::DiskFull));
        f.cars.door().engine().renameAllowed = false;
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList({QStringLiteral("Disk full")}));
        QCOMPARE(snapshot(f.car("alpha")), whole);
        QCOMPARE(entries(f.lib.garageFolder), QStringList()); // no half copy, hidden or not
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QVERIFY(f.cars.folder(FolderRole::Garage).list().isEmpty());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));

        // Once the disk works again the same move goes through.
        f.lib.fs.clearFailures();
        f.lib.dialogs.clear();
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(snapshot(f.garage("alpha")), whole);
    }

    void picture_isFirstJpgElseFirstBmpOfTheTarget()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("both"), QStringLiteral("z.jpg"), Qt::red);
        writePicture(f.car("both") + QStringLiteral("/a.bmp"), Qt::blue);
        makeCar(f.lib.carFolder, QStringLiteral("bmps"), QStringLiteral("b.bmp"), Qt::green);
        writePicture(f.car("bmps") + QStringLiteral("/c.bmp"), Qt::blue);
        f.scan();
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("both"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("bmps"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("bothCAR")).size(),
                 QSize(64, 64));
        QVERIFY(isMostly(f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("bothCAR")),
                         Qt::red));
        QVERIFY(isMostly(f.cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("bmpsCAR")),
                         Qt::green));
    }

    void awayAndBack_keepsThePictureRegisteredFirstWithoutMessage()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("car.jpg"), Qt::red);
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        // Repainted while in the garage: the car list still knows it by its old picture.
        writePicture(f.garage("alpha") + QStringLiteral("/car.jpg"), Qt::blue);
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.moveChosenFrom(FolderRole::Garage);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).pictures().count(), 1);
        QVERIFY(isMostly(f.cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("alphaCAR")),
                         Qt::red));
    }

    void targetWithoutPicture_isListedAndReported()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        f.scan();
        // The picture goes away between the scan and the move.
        QFile::remove(f.car("alpha") + QStringLiteral("/car.jpg"));
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("alpha"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList({describeError(err::PathNotFound)}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
        QVERIFY(f.cars.folder(FolderRole::Cars).list().isEmpty());
    }

    void lastCarOfList_emptiesSelectionAndCountsChangeByOne()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QString());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("0"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("2"));
        f.cars.chooseRow(FolderRole::Garage, 1);
        f.cars.moveChosenFrom(FolderRole::Garage);
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(f.cars.folder(FolderRole::Garage).chosen(), QString());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("0"));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "beta"}));
    }

    void light_flashesAtMaxAndRestsOneBelow()
    {
        WarningLight light;
        Fixture f;
        f.cars.options().maxCars = 2;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        f.scan();
        QVERIFY(!f.cars.display().overLimit);
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.moveChosenFrom(FolderRole::Garage);
        QVERIFY(f.cars.display().overLimit);
        light.tick(f.cars.display().overLimit);
        light.tick(f.cars.display().overLimit);
        QVERIFY(light.isLit());
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(!f.cars.display().overLimit);
        light.tick(f.cars.display().overLimit);
        QVERIFY(!light.isLit());
    }

    void allToCars_withUnmovableFirst_reportsItOnceAndMovesTheOthers()
    {
        Fixture f;
        for (const char* name : {"alpha", "beta", "gamma"})
            makeCar(f.lib.garageFolder, QString::fromLatin1(name));
        makeFolder(f.lib.carFolder, QStringLiteral("alpha")); // not a car, but in the way
        f.scan();
        f.cars.moveAllFrom(FolderRole::Garage);
        QCOMPARE(f.messages(), QStringList({kAccessError}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"beta", "gamma"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"alpha"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"alpha", "beta", "gamma"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
    }

    void allToGarage_withBlockedCars_reportsEachOnceAndMovesTheOthers()
    {
        Fixture f;
        for (const char* name : {"alpha", "beta", "gamma", "delta"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        makeFolder(f.lib.garageFolder, QStringLiteral("beta"));
        makeFolder(f.lib.garageFolder, QStringLiteral("delta"));
        f.scan();
        f.cars.moveAllFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList({kAccessError, kAccessError}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"beta", "delta"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha", "gamma"}));
    }

    void keyX_onStockEntryInStockMode_movesNothing()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        for (const char* name : {"adeon", "zulu"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        QVERIFY(!f.cars.display().canSendChosen);
        f.cars.moveChosenFrom(FolderRole::Cars); // the X key
        QCOMPARE(f.lib.dialogs.beeps(), 1);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(entries(f.lib.carFolder), QStringList({"adeon", "zulu"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"adeon", "zulu"}));
        // Any other car still goes.
        f.cars.chooseRow(FolderRole::Cars, 1);
        f.cars.moveChosenFrom(FolderRole::Cars); // the X key
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"zulu"}));
    }

    void allToCars_movesEveryGarageCarInOrder()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("zulu"));
        for (const char* name : {"alpha", "beta", "gamma"})
            makeCar(f.lib.garageFolder, QString::fromLatin1(name));
        f.scan();
        f.cars.moveAllFrom(FolderRole::Garage);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(),
                 QStringList({"zulu", "alpha", "beta", "gamma"}));
        QVERIFY(f.cars.folder(FolderRole::Garage).list().isEmpty());
        QCOMPARE(entries(f.lib.garageFolder), QStringList());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("4"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("0"));
    }

    void allToGarage_inStockMode_leavesStockCarsInOrder()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        for (const char* name : {"adeon", "alpha", "beta", "rc", "zulu", "q"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(),
                 QStringList({"adeon", "alpha", "beta", "q", "rc", "zulu"}));
        f.cars.moveAllFrom(FolderRole::Cars);
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"adeon", "q", "rc"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha", "beta", "zulu"}));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[1], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[3], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[4], 0);
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("-32"));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"adeon", "q", "rc"}));
    }

    void sendToGarage_inStockMode_shiftsFlagsAndDisablesOnStockEntry()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        for (const char* name : {"aaa", "adeon", "bbb", "rc"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        f.scan();
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[4], -1);
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.moveChosenFrom(FolderRole::Cars);
        // "adeon" took the place (and the selection) of the moved car.
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("adeon"));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[1], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], 0);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[3], -1);
        QVERIFY(!f.cars.display().canSendChosen && !f.cars.display().canDeleteChosen);

        f.cars.chooseRow(FolderRole::Cars, 1);
        QVERIFY(f.cars.display().canSendChosen);
        f.cars.moveChosenFrom(FolderRole::Cars);
        // "rc" is selected now: still a stock entry, now at position 2.
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("rc"));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], -1);
        QVERIFY(!f.cars.display().canSendChosen && !f.cars.display().canDeleteChosen);
    }
};

QTEST_MAIN(MovesTest)
#include "moves_test.moc"
