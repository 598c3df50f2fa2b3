#include "details/paramfiles.h"
#include "details/statcaptions.h"
#include "library/carhealth.h"
#include "library/carpicture.h"
#include "library/carstatscache.h"
#include "tests/support/testlibrary.h"

#include <QtTest>

#include <array>

#include <fcntl.h>
#include <sys/stat.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// A parameter file of the game's layout around the given path lines.
QByteArray parameters(const QByteArray& name, const QByteArray& pathLines, const QByteArray& end = "\r\n")
{
    QByteArray text = "Name \t\"" + name + "\"" + end + pathLines + "BODY {" + end + "}" + end;
    for (const char* powered : {"true", "FALSE", "FALSE", "FALSE"})
        text += "WHEEL {" + end + "IsPowered " + powered + end + "}" + end;
    return text;
}

QList<CarProblem::Kind> kindsOf(const CarRecord& car)
{
    QList<CarProblem::Kind> kinds;
    for (const CarProblem& p : car.problems)
        kinds << p.kind;
    return kinds;
}

// A car as the survey gives it, with its statistics as the details window shows them.
struct ShownCar : CarRecord
{
    StatCaptions stats;
};

std::optional<ShownCar> find(const QList<CarRecord>& cars, const QString& folderName)
{
    for (const CarRecord& car : cars)
        if (car.folderName == folderName)
            return ShownCar{car, captionsOf(car.stats)};
    return std::nullopt;
}

} // namespace

class CarHealthTest : public QObject
{
    Q_OBJECT

private slots:
    // Cars whose paths name files that are in their own folder under another folder name.
    void fixPaths_pointsBrokenPathsHome_checkIsCleanAndBackupRestores_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected"); // the fixed file
        QTest::addColumn<bool>("inGarage");

        const QStringList files{"body.prm", "car.bmp", "carbox.bmp", "hull.hul"};
        QTest::newRow("renamed folder, backslashes, CR LF")
            << "adeon2" << files
            << parameters("Adeon",
                          "MODEL \t0 \t\"cars\\adeon\\body.prm\"\r\nMODEL \t17 \t\"cars\\misc\\Aerial.m\"\r\n"
                          "TPAGE \"cars\\adeon\\car.bmp\"\r\nCOLL \"cars\\adeon\\hull.hul\"\r\n"
                          ";)TCARBOX \"cars\\adeon\\carbox.bmp\"\r\n")
            << parameters(
                   "Adeon",
                   "MODEL \t0 \t\"cars\\adeon2\\body.prm\"\r\nMODEL \t17 \t\"cars\\misc\\Aerial.m\"\r\n"
                   "TPAGE \"cars\\adeon2\\car.bmp\"\r\nCOLL \"cars\\adeon2\\hull.hul\"\r\n"
                   ";)TCARBOX \"cars\\adeon2\\carbox.bmp\"\r\n")
            << false;
        QTest::newRow("slashes, letter case of the files, LF, in the garage")
            << "Zippy" << QStringList{"Body.prm", "CAR.bmp"}
            << parameters("Zippy", "MODEL 0 \"cars/zip/body.PRM\"\nTPAGE \"cars/zip/car.bmp\"\n", "\n")
            << parameters("Zippy", "MODEL 0 \"cars/Zippy/Body.prm\"\nTPAGE \"cars/Zippy/CAR.bmp\"\n", "\n")
            << true;
        QTest::newRow("Windows-1252 folder name")
            << QString::fromUtf8("Citro\xc3\xabn") << files
            << parameters("Citro\xebn",
                          "MODEL 0 \"cars\\citroen\\body.prm\"\r\nTPAGE \"cars\\citroen\\car.bmp\"\r\n")
            << parameters("Citro\xebn",
                          "MODEL 0 \"cars\\Citro\xebn\\body.prm\"\r\nTPAGE \"cars\\Citro\xebn\\car.bmp\"\r\n")
            << false;
        QTest::newRow("UTF-8 folder name")
            << QString::fromUtf8("\xc5\xa0koda") << files
            << parameters("\xc5\xa0koda",
                          "MODEL 0 \"cars/skoda/body.prm\"\r\nTSHADOW \"cars/skoda/shadow.bmp\"\r\n")
            << parameters("\xc5\xa0koda",
                          "MODEL 0 \"cars/\xc5\xa0koda/body.prm\"\r\nTSHADOW \"cars/skoda/shadow.bmp\"\r\n")
            << false;
    }
    void fixPaths_pointsBrokenPathsHome_checkIsCleanAndBackupRestores()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QFETCH(bool, inGarage);
        TestLibrary lib;
        const QString misc = makeFolder(lib.carFolder, QStringLiteral("misc"));
        writeBytes(misc + QStringLiteral("/aerial.m"), "aerial");
        const QString car = makeFolder(inGarage ? lib.garageFolder : lib.carFolder, folder);
        for (const QString& file : files)
            writePicture(car + QLatin1Char('/') + file);
        writeBytes(car + QStringLiteral("/parameters.txt"), text);

        QList<CarRecord> cars = surveyLibrary(lib.fs, lib.pictures, lib.carFolder, lib.garageFolder);
        QCOMPARE(cars.size(), 1);
        QVERIFY(cars[0].fixablePaths());
        QCOMPARE(cars[0].healthText().left(11), QStringLiteral("Broken path"));

        const Result<QString> backup = fixPaths(lib.fs, cars[0]);
        QVERIFY(backup.ok());
        QCOMPARE(readBytes(car + QStringLiteral("/parameters.txt")), expected);
        cars = surveyLibrary(lib.fs, lib.pictures, lib.carFolder, lib.garageFolder);
        // The shadow the UTF-8 car names is nowhere: still reported, and nothing to point home.
        const bool shadowMissing = expected.contains("TSHADOW");
        QCOMPARE(cars[0].healthy(), !shadowMissing);
        QVERIFY(!cars[0].fixablePaths());

        // The details window lists the backup and sets it back byte for byte.
        ParamFiles params(lib.fs, lib.dialogs, car);
        params.fill();
        int row = -1;
        for (int k = 0; k < params.count(); ++k)
            if (params.entries()[k].fileName == backup.value())
                row = k;
        QVERIFY(row > 0);
        params.setAsCurrent(row);
        QCOMPARE(readBytes(car + QStringLiteral("/parameters.txt")), text);
    }

    void survey_findsEachKindOfTrouble_andNothingOnAHealthyCar()
    {
        TestLibrary lib;
        const auto car = [&](const QString& folder, const QByteArray& text, const QStringList& files) {
            const QString path = makeFolder(lib.carFolder, folder);
            for (const QString& file : files)
                writePicture(path + QLatin1Char('/') + file);
            writeBytes(path + QStringLiteral("/parameters.txt"), text);
            return path;
        };
        const QString misc = makeFolder(lib.carFolder, QStringLiteral("misc"));
        writeBytes(misc + QStringLiteral("/Aerial.m"), "aerial");
        const QString counpur = car(QStringLiteral("counpur"),
                                    parameters("Coun Pur", "MODEL 0 \"cars\\counpur\\body.prm\"\r\n"
                                                           "MODEL 17 \"cars\\misc\\aerial.m\"\r\n"),
                                    {"body.prm", "car.bmp", "carbox.bmp"});
        const QByteArray carbox = readBytes(counpur + QStringLiteral("/carbox.bmp"));
        car(QStringLiteral("counpur2"),
            parameters("Coun Pur R",
                       "MODEL 0 \"cars/counpur/body.prm\"\r\nTCARBOX \"cars/counpur/carbox.bmp\"\r\n"),
            {});
        car(QStringLiteral("ghost"), parameters("Ghost", "MODEL 0 \"cars/gone/body.prm\"\r\n"), {});
        car(QStringLiteral("fog"), parameters("Fog", "MODEL 16 \"cars\\misc\\foglights.prm\"\r\n"),
            {"car.bmp"});
        car(QStringLiteral("twin"), parameters("Coun Pur", ""), {"car.bmp"});
        car(QStringLiteral("Twin"), parameters("Twin B", ""), {"car.bmp"});
        makeFolder(lib.carFolder, QStringLiteral("readme only"));
        car(QStringLiteral("notes"), "just some notes", {"car.bmp"});
        makeCar(lib.garageFolder, QStringLiteral(".parkwen-leaving-alpha-0badcafe"));

        const QList<CarRecord> cars = surveyLibrary(lib.fs, lib.pictures, lib.carFolder, lib.garageFolder);
        using K = CarProblem::Kind;
        const QList<std::pair<QString, QList<K>>> expected{
            {"counpur", {K::SameName}},
            {"counpur2", {K::NotListed, K::BorrowedParts}},
            {"fog", {K::BrokenPath}},
            {"ghost", {K::BrokenPath, K::NotListed, K::BorrowedParts}},
            {"notes", {K::NotACar}},
            {"readme only", {K::NotACar}},
            {"twin", {K::SameName, K::SameFolderName}},
            {"Twin", {K::SameFolderName}},
            {".parkwen-leaving-alpha-0badcafe", {K::Leftover}},
        };
        QCOMPARE(cars.size(), expected.size());
        for (const auto& [folder, kinds] : expected) {
            const std::optional<ShownCar> record = find(cars, folder);
            QVERIFY2(record, qPrintable(folder));
            QVERIFY2(kindsOf(*record) == kinds,
                     qPrintable(folder + QStringLiteral(": ") + record->healthDetails()));
        }
        QVERIFY(find(cars, QStringLiteral("counpur2"))
                    ->problems[1]
                    .text.contains(QStringLiteral("which is installed")));
        QVERIFY(
            find(cars, QStringLiteral("ghost"))->problems[2].text.contains(QStringLiteral("not installed")));
        QVERIFY(!find(cars, QStringLiteral("fog"))->fixablePaths());
        QCOMPARE(find(cars, QStringLiteral("counpur"))->stats.transmission,
                 QStringLiteral("Transmission: FL-WD"));

        // "Show in the lists" copies the box picture it borrows; the lists then show the car.
        const std::optional<ShownCar> variant = find(cars, QStringLiteral("counpur2"));
        const Result<QString> copied = showInLists(lib.fs, *variant);
        QVERIFY(copied.ok());
        QCOMPARE(carPictureFile(lib.fs, variant->path), QStringLiteral("carbox.bmp"));
        QCOMPARE(readBytes(counpur + QStringLiteral("/carbox.bmp")), carbox);
        QCOMPARE(readBytes(variant->path + QStringLiteral("/carbox.bmp")), carbox);
        QVERIFY(!showInLists(lib.fs, *find(cars, QStringLiteral("ghost"))).ok());
    }

    // A second survey reads no unchanged parameters.txt again, even in a folder that gained a file;
    // re-reads a changed one, even one replaced by a file of the same size and times; and judges
    // every car's paths afresh, since they depend on other folders.
    void cache_skipsUnchangedFolders_rereadsChangedOnes_judgesPathsAfresh()
    {
        TestLibrary lib;
        const QString misc = makeFolder(lib.carFolder, QStringLiteral("misc"));
        const auto car = [&](const QString& folder, const QByteArray& text) {
            const QString path = makeFolder(lib.carFolder, folder);
            writePicture(path + QStringLiteral("/car.bmp"));
            writeBytes(path + QStringLiteral("/parameters.txt"), text);
            return path;
        };
        const QString still = car(QStringLiteral("still"), parameters("Still", "TopSpeed 30.0\r\n"));
        const QString tuned = car(QStringLiteral("tuned"), parameters("Tuned", "TopSpeed 30.0\r\n"));
        car(QStringLiteral("fog"), parameters("Fog", "MODEL 16 \"cars\\misc\\foglights.prm\"\r\n"));
        const QString swapped = car(QStringLiteral("swapped"), parameters("Swap", "TopSpeed 30.0\r\n"));
        const QString file = lib.root.path() + QStringLiteral("/carstats.bin");
        {
            CarStatsCache cache(file);
            surveyLibrary(lib.fs, lib.pictures, lib.carFolder, lib.garageFolder, &cache);
            QVERIFY(cache.save());
        }
        // A different size: a rewrite within one tick of the clock keeps the time.
        writeBytes(tuned + QStringLiteral("/parameters.txt"), parameters("Tuned", "TopSpeed 45.500\r\n"));
        writeBytes(misc + QStringLiteral("/foglights.prm"), "model");
        writeBytes(still + QStringLiteral("/readme.txt"), "a file the player added");
        // Another file of the same size put in its place (as a copy keeping times does), with the
        // folder's time set back too: only the file's own number tells it apart.
        const QString old = swapped + QStringLiteral("/parameters.txt");
        const QString other = swapped + QStringLiteral("/other.txt");
        writeBytes(other, parameters("Swap", "TopSpeed 45.5\r\n"));
        QCOMPARE(QFileInfo(other).size(), QFileInfo(old).size());
        const auto timesOf = [](const QString& path) {
            struct stat st
            {
            };
            ::stat(QFile::encodeName(path).constData(), &st);
            return std::array<timespec, 2>{st.st_atim, st.st_mtim};
        };
        const std::array<timespec, 2> fileTimes = timesOf(old);
        const std::array<timespec, 2> folderTimes = timesOf(swapped);
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(other).constData(), fileTimes.data(), 0), 0);
        QCOMPARE(::rename(QFile::encodeName(other).constData(), QFile::encodeName(old).constData()), 0);
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(swapped).constData(), folderTimes.data(), 0), 0);
        // Reading the unchanged car's parameters now fails: only the cache can give its statistics.
        lib.fs.failOnName(FaultyFileSystem::Op::Read, QStringLiteral("still/parameters.txt"),
                          Error::of(err::PermissionDenied));

        CarStatsCache cache(file);
        const QList<CarRecord> cars =
            surveyLibrary(lib.fs, lib.pictures, lib.carFolder, lib.garageFolder, &cache);
        QCOMPARE(find(cars, QStringLiteral("still"))->stats.speed, QStringLiteral("Speed: 30.00mph"));
        QVERIFY(find(cars, QStringLiteral("still"))->healthy());
        QCOMPARE(find(cars, QStringLiteral("tuned"))->stats.speed, QStringLiteral("Speed: 45.50mph"));
        QCOMPARE(find(cars, QStringLiteral("swapped"))->stats.speed, QStringLiteral("Speed: 45.50mph"));
        QVERIFY(find(cars, QStringLiteral("fog"))->healthy());
        QCOMPARE(find(cars, QStringLiteral("still"))->path, still);
    }
};

QTEST_GUILESS_MAIN(CarHealthTest)
#include "carhealth_test.moc"
