#include "install/tests/installsupport.h"

#include "library/moveengine.h"
#include "tests/support/treesnapshot.h"

#include <QSet>
#include <QTest>

using namespace parkwen;
using namespace parkwen::test;

Q_DECLARE_METATYPE(parkwen::test::Format)
Q_DECLARE_METATYPE(QList<parkwen::test::Item>)

namespace {

QStringList names(const QList<InstallSummary::Car>& cars)
{
    QStringList list;
    for (const auto& car : cars)
        list << car.name;
    return list;
}

QStringList whats(const QList<InstallSummary::Note>& notes)
{
    QStringList list;
    for (const auto& note : notes)
        list << note.what;
    return list;
}

// Clears the UTF-8 flag (bit 11) of every local and central header, as the zip tools of Linux and
// macOS leave it on names that are UTF-8 all the same.
QByteArray withoutUtf8Flag(QByteArray zip)
{
    int cleared = 0;
    for (const auto& [signature, flagsHigh] :
         {std::pair{QByteArray("PK\x03\x04"), 7}, {QByteArray("PK\x01\x02"), 9}})
        for (qsizetype at = 0; (at = zip.indexOf(signature, at)) >= 0; at += 4)
            if (zip[at + flagsHigh] & 0x08) {
                zip[at + flagsHigh] = char(zip[at + flagsHigh] & ~0x08);
                ++cleared;
            }
    return cleared > 0 ? zip : QByteArray();
}

} // namespace

class InstallerTest : public QObject
{
    Q_OBJECT

private slots:
    void layouts_eachFindsTheCarInEveryFormat_data();
    void layouts_eachFindsTheCarInEveryFormat();
    void pack_installsEveryCarAndNamesWhatIsLeftOut();
    void pack_intoGarage_refusesStockNamesButCarFolderTakesThem();
    void folderSource_installsADroppedCarFolder();
    void folderSource_holdingTheDestination_readsTheSameEntriesTwice();
    void oldZipNames_areReadAsCodePage437();
    void skinPack_addsNewFilesAndAsksBeforeReplacingOne();
    void skinPack_declined_addsNothing();
    void unsafeEntries_areRefusedAndNothingLandsOutsideTheCar();
    void hostileArchives_changeAndReadNothingOutsideTheCar_data();
    void hostileArchives_changeAndReadNothingOutsideTheCar();
    void failureAtEveryStepOfUnpacking_leavesNothing();
    void links_insideTheCarAreKept();
    void tooManyEntries_refusesTheArchive();
    void bomb_stopsAndLeavesNothing();
    void unpackedSizeLimit_refusesBeforeWriting();
    void damagedArchives_leaveNothingBehind_data();
    void damagedArchives_leaveNothingBehind();
    void clash_replace_putsNewCarInPlaceAndTrashesTheOld();
    void clash_replaceCarInOtherFolder_withoutTrashDeletesIt();
    void clash_keepBoth_takesFirstFreeName();
    void clash_skipForAll_asksOnce();
    void clash_twoCarsOfOneNameInOneArchive();
    void cancel_inTheMiddle_keepsEarlierArchivesAndLeavesNoTrace();
    void failedPlacement_isReportedAndStagingRemoved();
    void failedReplacement_putsTheOldCarBack();
    void everyStep_failedOrKilled_leavesEachCarWholeUnderItsName_data();
    void everyStep_failedOrKilled_leavesEachCarWholeUnderItsName();
};

void InstallerTest::layouts_eachFindsTheCarInEveryFormat_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("folder");   // where the car's files sit in the archive
    QTest::addColumn<QString>("expected"); // the car's name afterwards
    const QList<std::pair<const char*, Format>> formats = {
        {"zip", Format::Zip}, {"7z", Format::SevenZip}, {"tar.gz", Format::TarGz}};
    for (const auto& [label, format] : formats) {
        QTest::addRow("%s cars/name", label)
            << format << QStringLiteral("cars/Bolt") << QStringLiteral("Bolt");
        QTest::addRow("%s name", label) << format << QStringLiteral("Bolt") << QStringLiteral("Bolt");
        QTest::addRow("%s wrapper/cars/name", label)
            << format << QStringLiteral("Bolt v2/cars/Bolt") << QStringLiteral("Bolt");
        QTest::addRow("%s wrapper/name", label)
            << format << QStringLiteral("download/Bolt") << QStringLiteral("Bolt");
        QTest::addRow("%s root", label) << format << QString() << QStringLiteral("Rooted");
    }
}

void InstallerTest::layouts_eachFindsTheCarInEveryFormat()
{
    QFETCH(Format, format);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    InstallBench b;
    QList<Item> items;
    const QString prefix = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    if (!folder.isEmpty())
        items << Item::folder(folder);
    items << Item::file(prefix + QStringLiteral("Parameters.TXT"), "{ name }")
          << Item::file(prefix + QStringLiteral("car.bmp"), bmpBytes())
          << Item::folder(prefix + QStringLiteral("skins"))
          << Item::file(prefix + QStringLiteral("skins/red.bmp"), "red");
    const QString archive =
        b.archive(QStringLiteral("Rooted") + QLatin1String(formatSuffix(format)), format, items);

    const InstallSummary summary = b.install({archive});

    QCOMPARE(names(summary.installed), QStringList{expected});
    QVERIFY(summary.failed.isEmpty());
    QCOMPARE(entries(b.lib.carFolder), QStringList{expected}); // no staging folder left
    QCOMPARE(entries(b.car(expected)), (QStringList{QStringLiteral("Parameters.TXT"),
                                                    QStringLiteral("car.bmp"), QStringLiteral("skins")}));
    QCOMPARE(readBytes(b.car(expected) + QStringLiteral("/Parameters.TXT")), QByteArray("{ name }"));
    QCOMPARE(readBytes(b.car(expected) + QStringLiteral("/skins/red.bmp")), QByteArray("red"));
    QVERIFY(summary.text().contains(QStringLiteral("Installed into the Car Folder (1 car): ") + expected));
}

void InstallerTest::pack_installsEveryCarAndNamesWhatIsLeftOut()
{
    InstallBench b;
    QList<Item> items;
    QStringList expected;
    // Folder entries first, as many archivers write them: the cars keep the order of their folders.
    for (int i = 0; i < 30; ++i)
        items << Item::folder(QStringLiteral("MegaPack/cars/car%1").arg(29 - i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < 30; ++i) {
        const QString name = QStringLiteral("car%1").arg(i, 2, 10, QLatin1Char('0'));
        expected.prepend(name);
        items << carItems(QStringLiteral("MegaPack/cars/") + name);
        // A backup parameter file inside a car does not make a car of its own.
        if (i == 3)
            items << Item::file(QStringLiteral("MegaPack/cars/car03/dev/parameters.txt"), "old");
    }
    items << Item::file(QStringLiteral("MegaPack/gfx/logo.bmp"))
          << Item::file(QStringLiteral("MegaPack/gfx/more.bmp"))
          << Item::file(QStringLiteral("MegaPack/levels/track/track.w"))
          << Item::file(QStringLiteral("MegaPack/readme.txt"))
          << Item::file(QStringLiteral("__MACOSX/MegaPack/cars/car00/._car.bmp"))
          << Item::file(QStringLiteral("MegaPack/cars/car01/._car.bmp"))
          << Item::file(QStringLiteral("MegaPack/cars/notes.txt"));
    const QString pack = b.archive(QStringLiteral("MegaPack.zip"), Format::Zip, items);

    const InstallSummary summary = b.install({pack}, true);

    QCOMPARE(names(summary.installed), expected);
    expected.sort();
    QCOMPARE(entries(b.lib.garageFolder), expected);
    QCOMPARE(entries(b.garage(QStringLiteral("car03")) + QStringLiteral("/dev")),
             QStringList{QStringLiteral("parameters.txt")});
    // Leftovers of other systems' archivers stay out of the cars, silently.
    QVERIFY(!QFile::exists(b.garage(QStringLiteral("car01")) + QStringLiteral("/._car.bmp")));
    QCOMPARE(whats(summary.leftOut),
             (QStringList{QStringLiteral("MegaPack/gfx/"), QStringLiteral("MegaPack/levels/"),
                          QStringLiteral("MegaPack/readme.txt"), QStringLiteral("MegaPack/cars/notes.txt")}));
    const QString text = summary.text();
    QVERIFY(text.contains(QStringLiteral("Installed into the Garage Folder (30 cars): car29, car28")));
    QVERIFY(text.contains(QStringLiteral("and 5 more")));
    QVERIFY(text.contains(QStringLiteral("Left out of MegaPack.zip, as not part of any car: MegaPack/gfx/, "
                                         "MegaPack/levels/, MegaPack/readme.txt, MegaPack/cars/notes.txt.")));
}

void InstallerTest::pack_intoGarage_refusesStockNamesButCarFolderTakesThem()
{
    InstallBench b;
    QList<Item> items = carItems(QStringLiteral("cars/rc")) + carItems(QStringLiteral("cars/Adeon")) +
                        carItems(QStringLiteral("cars/Fresh"));
    const QString pack = b.archive(QStringLiteral("stock.7z"), Format::SevenZip, items);

    const InstallSummary garage = b.install({pack}, true);
    // A stock name would vanish from the garage list; "Adeon" is not a stock name.
    QCOMPARE(names(garage.installed), (QStringList{QStringLiteral("Adeon"), QStringLiteral("Fresh")}));
    QCOMPARE(whats(garage.skipped), QStringList{QStringLiteral("rc")});
    QVERIFY(garage.text().contains(
        QStringLiteral("Not installed (a stock car's name: such a car goes only into the "
                       "Car Folder): rc.")));
    QCOMPARE(entries(b.lib.garageFolder), (QStringList{QStringLiteral("Adeon"), QStringLiteral("Fresh")}));

    const QString single = b.archive(QStringLiteral("rc.zip"), Format::Zip, carItems(QStringLiteral("rc")));
    const InstallSummary cars = b.install({single}, false);
    QCOMPARE(names(cars.installed), QStringList{QStringLiteral("rc")});
    QVERIFY(QFile::exists(b.car(QStringLiteral("rc/parameters.txt"))));
}

void InstallerTest::folderSource_installsADroppedCarFolder()
{
    InstallBench b;
    const QString source = makeFolder(b.downloads, QStringLiteral("Dropped"));
    writeBytes(source + QStringLiteral("/parameters.txt"), "{ dropped }");
    writeBytes(source + QStringLiteral("/.hidden"), "h");
    makeFolder(source, QStringLiteral("bonus"));
    writeBytes(source + QStringLiteral("/bonus/extra.bmp"), "e");

    const InstallSummary summary = b.install({source}, true);

    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("Dropped")});
    QCOMPARE(
        entries(b.garage(QStringLiteral("Dropped"))),
        (QStringList{QStringLiteral(".hidden"), QStringLiteral("bonus"), QStringLiteral("parameters.txt")}));
    QCOMPARE(readBytes(b.garage(QStringLiteral("Dropped/bonus/extra.bmp"))), QByteArray("e"));
    QVERIFY(QFile::exists(source + QStringLiteral("/parameters.txt"))); // the source stays as it was
    // Without a .jpg or .bmp the lists would not show it; the summary says so.
    QVERIFY(!summary.installed.first().hasPicture);
    QVERIFY(summary.text().contains(QStringLiteral("no .jpg or .bmp picture")));
}

void InstallerTest::folderSource_holdingTheDestination_readsTheSameEntriesTwice()
{
    InstallBench b;
    makeCar(b.lib.carFolder, QStringLiteral("A"));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::KeepBoth, false};

    // The staging folder appears inside the folder being read, between its two readings.
    const InstallSummary summary = b.install({b.lib.root.path()}, true);

    QVERIFY2(summary.failed.isEmpty(), qPrintable(summary.text()));
    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("A-2")});
    QCOMPARE(entries(b.garage(QStringLiteral("A-2"))), entries(b.car(QStringLiteral("A"))));
}

void InstallerTest::oldZipNames_areReadAsCodePage437()
{
    InstallBench b;
    const QString name = QStringLiteral("Caf\u00e9 R\u00e4cer");
    const QString archive =
        b.archive(QStringLiteral("old.zip"), Format::ZipCp437, carItems(QStringLiteral("cars/") + name));
    // The writer stored the names as code page 437 bytes, without the UTF-8 mark.
    QVERIFY(readBytes(archive).contains(QByteArray("Caf\x82 R\x84") + "cer"));

    const InstallSummary summary = b.install({archive});

    QCOMPARE(names(summary.installed), QStringList{name});
    QVERIFY(QFile::exists(b.car(name) + QStringLiteral("/parameters.txt")));

    // Names the archive declares as UTF-8 are read as UTF-8, not as code page 437.
    const QString newer = QStringLiteral("\u00dcber \u65e5\u672c");
    const QString utf8 =
        b.archive(QStringLiteral("new.zip"), Format::Zip, carItems(QStringLiteral("cars/") + newer));
    QCOMPARE(names(b.install({utf8}).installed), QStringList{newer});
    QVERIFY(QFile::exists(b.car(newer) + QStringLiteral("/parameters.txt")));

    // So are names that are valid UTF-8 without the flag, as zip tools of Linux and macOS write them.
    const QString unflagged = QStringLiteral("R\u00e4cer \u00c9t\u00e9");
    const QString linux =
        b.archive(QStringLiteral("linux.zip"), Format::Zip, carItems(QStringLiteral("cars/") + unflagged));
    const QByteArray cleared = withoutUtf8Flag(readBytes(linux));
    QVERIFY(!cleared.isEmpty());
    writeBytes(linux, cleared);
    QCOMPARE(names(b.install({linux}).installed), QStringList{unflagged});
    QVERIFY(QFile::exists(b.car(unflagged) + QStringLiteral("/car.bmp")));
}

void InstallerTest::skinPack_addsNewFilesAndAsksBeforeReplacingOne()
{
    InstallBench b;
    const QString existing = makeCar(b.lib.garageFolder, QStringLiteral("Bolt"), QStringLiteral("car.bmp"));
    writeBytes(existing + QStringLiteral("/Skin1.bmp"), "old skin 1");
    writeBytes(existing + QStringLiteral("/skin2.bmp"), "old skin 2");
    const QString pack = b.archive(QStringLiteral("boltskins.zip"), Format::Zip,
                                   {Item::file(QStringLiteral("cars/bolt/newskin.bmp"), "new"),
                                    Item::file(QStringLiteral("cars/bolt/skin1.bmp"), "new skin 1"),
                                    Item::file(QStringLiteral("cars/bolt/skin2.bmp"), "new skin 2"),
                                    Item::file(QStringLiteral("cars/bolt/skins/blue.bmp"), "blue")});
    b.questions.replaceAnswers << true << false; // skin1: Yes, skin2: No

    const InstallSummary summary = b.install({pack}, false);

    QCOMPARE(b.questions.offered, QStringList{QStringLiteral("Bolt")});
    QCOMPARE(b.questions.replaceAsked,
             (QStringList{QStringLiteral("Bolt/skin1.bmp"), QStringLiteral("Bolt/skin2.bmp")}));
    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(summary.additions.size(), 1);
    QCOMPARE(summary.additions.first().files,
             (QStringList{QStringLiteral("newskin.bmp"), QStringLiteral("skin1.bmp"),
                          QStringLiteral("skins/blue.bmp")}));
    QVERIFY(summary.additions.first().inGarage);
    QCOMPARE(readBytes(existing + QStringLiteral("/newskin.bmp")), QByteArray("new"));
    // The existing file keeps its own spelling and takes the new bytes only where the answer was Yes.
    QCOMPARE(readBytes(existing + QStringLiteral("/Skin1.bmp")), QByteArray("new skin 1"));
    QVERIFY(!QFile::exists(existing + QStringLiteral("/skin1.bmp")));
    QCOMPARE(readBytes(existing + QStringLiteral("/skin2.bmp")), QByteArray("old skin 2"));
    QCOMPARE(readBytes(existing + QStringLiteral("/skins/blue.bmp")), QByteArray("blue"));
    QCOMPARE(entries(b.lib.garageFolder), QStringList{QStringLiteral("Bolt")});
    QVERIFY(summary.text().contains(
        QStringLiteral("Added to Bolt in the Garage Folder, from boltskins.zip: newskin.bmp")));
}

void InstallerTest::skinPack_declined_addsNothing()
{
    InstallBench b;
    const QString existing = makeCar(b.lib.carFolder, QStringLiteral("Bolt"), QStringLiteral("car.bmp"));
    const QStringList before = entries(existing);
    const QString pack = b.archive(QStringLiteral("skins.tar.gz"), Format::TarGz,
                                   {Item::file(QStringLiteral("Bolt/newskin.bmp"), "new")});
    b.questions.addAnswers << false;

    const InstallSummary summary = b.install({pack}, true);

    QCOMPARE(entries(existing), before);
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("Bolt")});
    QCOMPARE(whats(summary.skipped), QStringList{QStringLiteral("files for Bolt")});
}

void InstallerTest::unsafeEntries_areRefusedAndNothingLandsOutsideTheCar()
{
    InstallBench b;
    QList<Item> items = carItems(QStringLiteral("cars/Good"));
    items << Item::file(QStringLiteral("../escaped.txt"), "evil")
          << Item::file(QStringLiteral("cars/Good/../../../escaped2.txt"), "evil")
          << Item::file(QStringLiteral("/tmp/parkwen-absolute.txt"), "evil")
          << Item::symlink(QStringLiteral("cars/Good/out"), QStringLiteral("../../.."))
          << Item::symlink(QStringLiteral("cars/Good/abs"), QStringLiteral("/etc"))
          << Item::symlink(QStringLiteral("cars/Good/self"), QStringLiteral("."))
          // Through the link "self" this would climb out, though its text stays inside.
          << Item::symlink(QStringLiteral("cars/Good/sneaky"), QStringLiteral("self/.."))
          << Item::file(QStringLiteral("cars/Good/self/through.txt"), "via link")
          << Item::hardlink(QStringLiteral("cars/Good/hard"), QStringLiteral("cars/Other/parameters.txt"))
          << Item::device(QStringLiteral("cars/Good/tty")) << Item::fifo(QStringLiteral("cars/Good/pipe"));
    items += carItems(QStringLiteral("cars/Other"));
    const QString archive = b.archive(QStringLiteral("evil.tar.gz"), Format::TarGz, items);

    const InstallSummary summary = b.install({archive});

    QCOMPARE(names(summary.installed), (QStringList{QStringLiteral("Good"), QStringLiteral("Other")}));
    QCOMPARE(entries(b.car(QStringLiteral("Good"))),
             (QStringList{QStringLiteral("body.prm"), QStringLiteral("car.bmp"),
                          QStringLiteral("parameters.txt"), QStringLiteral("self")}));
    QVERIFY(QFileInfo(b.car(QStringLiteral("Good/self"))).isSymLink());
    QCOMPARE(entries(b.lib.root.path()), (QStringList{QStringLiteral("cars"), QStringLiteral("downloads"),
                                                      QStringLiteral("garage"), QStringLiteral("program")}));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/parkwen-absolute.txt")));
    QCOMPARE(whats(summary.refused),
             (QStringList{QStringLiteral("../escaped.txt"), QStringLiteral("cars/Good/../../../escaped2.txt"),
                          QStringLiteral("/tmp/parkwen-absolute.txt"), QStringLiteral("cars/Good/tty"),
                          QStringLiteral("cars/Good/pipe"), QStringLiteral("cars/Good/out"),
                          QStringLiteral("cars/Good/abs"), QStringLiteral("cars/Good/sneaky"),
                          QStringLiteral("cars/Good/self/through.txt"), QStringLiteral("cars/Good/hard")}));
    const QString text = summary.text();
    QVERIFY(text.contains(
        QStringLiteral("Refused in evil.tar.gz as unsafe, not written: ../escaped.txt (a path that "
                       "climbs out with \"..\")")));
    QVERIFY(text.contains(QStringLiteral("/tmp/parkwen-absolute.txt (an absolute path)")));
    QVERIFY(text.contains(QStringLiteral("cars/Good/tty (a device, pipe or socket, not a file)")));
    QVERIFY(text.contains(QStringLiteral("cars/Good/out (a link that points outside its car)")));
}

void InstallerTest::hostileArchives_changeAndReadNothingOutsideTheCar_data()
{
    QTest::addColumn<QList<Item>>("items");
    QTest::addColumn<qint64>("limit");        // the unpacked size limit; 0 for the usual one
    QTest::addColumn<QStringList>("refused"); // "path (why)"
    QTest::addColumn<QString>("failure");     // why nothing was installed, or empty when Evil was
    QTest::addColumn<QStringList>("car");     // what Evil holds then: "path kind"
    const QString twice = QStringLiteral("a name the archive declares twice");
    const QString out = QStringLiteral("a link that points outside its car");
    const QString through = QStringLiteral("a path that runs through a link");
    auto note = [](const char* path, const QString& why) {
        return QLatin1String(path) + QStringLiteral(" (") + why + QLatin1Char(')');
    };
    const QList<Item> base = carItems(QStringLiteral("Evil"));
    const QStringList baseTree = {QStringLiteral("body.prm file"), QStringLiteral("car.bmp file"),
                                  QStringLiteral("parameters.txt file")};
    // From the staging folder, "m/../../outside" is the folder beside the Car Folder.
    const QString victim = QStringLiteral("m/../../outside/victim.txt");

    QTest::newRow("link chain, then the link's name as a file")
        << (base + QList<Item>{Item::symlink(QStringLiteral("Evil/m"), QStringLiteral(".")),
                               Item::symlink(QStringLiteral("Evil/L"), victim),
                               Item::file(QStringLiteral("Evil/L"), "written through the link")})
        << qint64(0) << QStringList{note("Evil/L", out), note("Evil/L", twice)} << QString()
        << baseTree + QStringList{QStringLiteral("m link")};
    // Checked against its second target the chain would stay inside; the disk holds the first.
    QTest::newRow("link declared twice, then a chain through it")
        << (base + QList<Item>{Item::symlink(QStringLiteral("Evil/m"), QStringLiteral(".")),
                               Item::symlink(QStringLiteral("Evil/m"), QStringLiteral("a/b")),
                               Item::symlink(QStringLiteral("Evil/L"), victim),
                               Item::file(QStringLiteral("Evil/L"), "written through the link")})
        << qint64(0) << QStringList{note("Evil/m", twice), note("Evil/L", out), note("Evil/L", twice)}
        << QString() << baseTree + QStringList{QStringLiteral("m link")};
    QTest::newRow("file, then its name as a link chain")
        << (base + QList<Item>{Item::file(QStringLiteral("Evil/L"), "mine"),
                               Item::symlink(QStringLiteral("Evil/m"), QStringLiteral(".")),
                               Item::symlink(QStringLiteral("Evil/L"), victim)})
        << qint64(0) << QStringList{note("Evil/L", twice)} << QString()
        << baseTree + QStringList{QStringLiteral("L file"), QStringLiteral("m link")};
    QTest::newRow("folder, then its name as a link")
        << (base + QList<Item>{Item::folder(QStringLiteral("Evil/D")),
                               Item::symlink(QStringLiteral("Evil/D"), QStringLiteral("../../outside")),
                               Item::file(QStringLiteral("Evil/D/victim.txt"), "written through the link")})
        << qint64(0) << QStringList{note("Evil/D", twice), note("Evil/D/victim.txt", through)} << QString()
        << baseTree + QStringList{QStringLiteral("D folder")};
    QTest::newRow("link, then its name as a folder")
        << (base + QList<Item>{Item::symlink(QStringLiteral("Evil/D"), QStringLiteral("../../outside")),
                               Item::folder(QStringLiteral("Evil/D")),
                               Item::file(QStringLiteral("Evil/D/victim.txt"), "written through the link")})
        << qint64(0)
        << QStringList{note("Evil/D", out), note("Evil/D", twice), note("Evil/D/victim.txt", through)}
        << QString() << baseTree;
    QTest::newRow("file, then its name as a link, then hard links to both")
        << (base + QList<Item>{Item::file(QStringLiteral("Evil/F"), "mine"),
                               Item::symlink(QStringLiteral("Evil/F"), QStringLiteral("/etc/hostname")),
                               Item::hardlink(QStringLiteral("Evil/H"), QStringLiteral("Evil/F")),
                               Item::symlink(QStringLiteral("Evil/S"), QStringLiteral("/etc/hostname")),
                               Item::hardlink(QStringLiteral("Evil/H2"), QStringLiteral("Evil/S"))})
        << qint64(0) << QStringList{note("Evil/F", twice), note("Evil/S", out), note("Evil/H2", out)}
        << QString() << baseTree + QStringList{QStringLiteral("F file"), QStringLiteral("H file")};
    // One name for two things, only in its letter case: one file on a disk that ignores case.
    QTest::newRow("link, then its name in other letters as a folder")
        << (base + QList<Item>{Item::symlink(QStringLiteral("Evil/m"), QStringLiteral(".")),
                               Item::file(QStringLiteral("Evil/M/x.txt"), "x"),
                               Item::symlink(QStringLiteral("Evil/K"), QStringLiteral("M/../.."))})
        << qint64(0) << QStringList{note("Evil/M/x.txt", through), note("Evil/K", out)} << QString()
        << baseTree + QStringList{QStringLiteral("m link")};
    QTest::newRow("car name with a line break")
        << (base + carItems(QStringLiteral("Two\nLines"))) << qint64(0)
        << QStringList{QStringLiteral("Two?Lines (a car name with control characters)")} << QString()
        << baseTree;

    // Hard links copy bytes: each counts like a file of its own.
    QList<Item> bomb = base;
    bomb << Item::file(QStringLiteral("Evil/big.bmp"), QByteArray(2 << 20, '\0'));
    for (int i = 0; i < 10; ++i)
        bomb << Item::hardlink(QStringLiteral("Evil/copy%1.bmp").arg(i), QStringLiteral("Evil/big.bmp"));
    QTest::newRow("hard links past the size limit")
        << bomb << qint64(8) << QStringList() << QStringLiteral("it would unpack to more than 8 MB")
        << QStringList();
    QTest::newRow("hard links past the ratio")
        << bomb << qint64(0) << QStringList()
        << QStringLiteral(
               "the entry copy3.bmp unpacks to more than 200 times its packed size, so it was stopped as a "
               "possible archive bomb")
        << QStringList();
}

void InstallerTest::hostileArchives_changeAndReadNothingOutsideTheCar()
{
    QFETCH(QList<Item>, items);
    QFETCH(qint64, limit);
    QFETCH(QStringList, refused);
    QFETCH(QString, failure);
    QFETCH(QStringList, car);
    InstallBench b;
    if (limit > 0)
        b.limits.maxUnpackedBytes = limit << 20;
    const QString outside = makeFolder(b.lib.root.path(), QStringLiteral("outside"));
    writeBytes(outside + QStringLiteral("/victim.txt"), "the victim's own bytes");
    makeFolder(outside, QStringLiteral("keep"));
    const auto outsideBefore = treeSnapshot(outside);
    const QString archive = b.archive(QStringLiteral("evil.tar.gz"), Format::TarGz, items);
    QVERIFY(QFileInfo(archive).size() < (qint64(64) << 10));

    const InstallSummary summary = b.install({archive});

    QCOMPARE(treeSnapshot(outside), outsideBefore);
    QStringList notes;
    for (const auto& note : summary.refused) {
        QString what = note.what;
        if (what.endsWith(QLatin1Char('/')))
            what.chop(1);
        notes << what + QStringLiteral(" (") + note.why + QLatin1Char(')');
    }
    QCOMPARE(notes, refused);
    QCOMPARE(summary.text().contains(QStringLiteral("Refused in evil.tar.gz as unsafe")), !refused.isEmpty());
    if (!failure.isEmpty()) {
        QCOMPARE(summary.failed.size(), 1);
        QCOMPARE(summary.failed.first().why, failure);
        QVERIFY(entries(b.lib.carFolder).isEmpty());
        return;
    }
    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("Evil")});
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("Evil")}); // no staging folder left
    QStringList tree;
    QSet<QByteArray> declared;
    for (const Item& item : std::as_const(items))
        declared.insert(item.data);
    const auto snapshot = treeSnapshot(b.car(QStringLiteral("Evil")));
    for (auto it = snapshot.begin(); it != snapshot.end(); ++it) {
        const QByteArray kind = it.value().left(it.value().indexOf(' '));
        tree << QFile::decodeName(it.key()) + QLatin1Char(' ') + QLatin1String(kind);
        // Every file holds bytes the archive brought, nothing read from elsewhere.
        if (kind == "file")
            QVERIFY2(
                declared.contains(readBytes(b.car(QStringLiteral("Evil/")) + QFile::decodeName(it.key()))),
                it.key().constData());
    }
    car.sort();
    QCOMPARE(tree, car);
}

void InstallerTest::failureAtEveryStepOfUnpacking_leavesNothing()
{
    InstallBench b;
    makeCar(b.lib.carFolder, QStringLiteral("Arrow"));
    QList<Item> items = carItems(QStringLiteral("Bolt"));
    items << Item::folder(QStringLiteral("Bolt/skins"))
          << Item::file(QStringLiteral("Bolt/skins/blue.bmp"), "blue")
          << Item::file(QStringLiteral("Bolt/models/wheel.prm"), "wheel")
          << Item::symlink(QStringLiteral("Bolt/skins/default.bmp"), QStringLiteral("../car.bmp"))
          << Item::hardlink(QStringLiteral("Bolt/copy.prm"), QStringLiteral("Bolt/body.prm"));
    const QString archive = b.archive(QStringLiteral("bolt.tar.gz"), Format::TarGz, items);
    const auto before = treeSnapshot(b.lib.carFolder);

    // Each step of the unpacking fails in turn, until the step to fail comes after it.
    int failed = 0;
    for (int step = 1;; ++step) {
        b.fs.failAtStep(step, Error::of(err::DiskFull));
        const InstallSummary summary = b.install({archive});
        if (summary.failed.isEmpty())
            break;
        ++failed;
        QVERIFY(summary.installed.isEmpty());
        QVERIFY2(summary.failed.first().why.contains(describeError(err::DiskFull)),
                 qPrintable(summary.failed.first().why));
        QCOMPARE(treeSnapshot(b.lib.carFolder), before); // no staging folder left, Arrow untouched
        QVERIFY(entries(b.lib.garageFolder).isEmpty());
    }
    // Folders, files, their writes and closes, the copy of the hard link and the link.
    QVERIFY2(failed >= 20, qPrintable(QString::number(failed)));
}

void InstallerTest::links_insideTheCarAreKept()
{
    InstallBench b;
    QList<Item> items = carItems(QStringLiteral("Linked"));
    items << Item::folder(QStringLiteral("Linked/skins"))
          << Item::symlink(QStringLiteral("Linked/skins/default.bmp"), QStringLiteral("../car.bmp"))
          << Item::hardlink(QStringLiteral("Linked/copy.prm"), QStringLiteral("Linked/body.prm"));
    const QString archive = b.archive(QStringLiteral("linked.tar.gz"), Format::TarGz, items);

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.refused.isEmpty());
    QCOMPARE(QFileInfo(b.car(QStringLiteral("Linked/skins/default.bmp"))).symLinkTarget(),
             QFileInfo(b.car(QStringLiteral("Linked/car.bmp"))).canonicalFilePath());
    QCOMPARE(readBytes(b.car(QStringLiteral("Linked/copy.prm"))), QByteArray(3000, 'p'));
}

void InstallerTest::tooManyEntries_refusesTheArchive()
{
    InstallBench b;
    QList<Item> items = carItems(QStringLiteral("cars/Many"));
    for (int i = 0; i < 20000; ++i)
        items << Item::file(QStringLiteral("cars/Many/f%1").arg(i), QByteArray());
    const QString archive = b.archive(QStringLiteral("many.zip"), Format::Zip, items);

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(summary.failed.size(), 1);
    QCOMPARE(summary.failed.first().why,
             QStringLiteral("it holds more than 20,000 entries, more than any car needs"));
    QVERIFY(entries(b.lib.carFolder).isEmpty());
}

void InstallerTest::bomb_stopsAndLeavesNothing()
{
    InstallBench b;
    const QString archive =
        b.archive(QStringLiteral("bomb.zip"), Format::Zip,
                  carItems(QStringLiteral("cars/Before")) + carItems(QStringLiteral("cars/Boom")),
                  {{QStringLiteral("cars/Boom/skin.bmp"), qint64(40) << 20}});
    QVERIFY(QFileInfo(archive).size() < (qint64(1) << 20));

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(summary.failed.size(), 1);
    QCOMPARE(
        summary.failed.first().why,
        QStringLiteral("the entry skin.bmp unpacks to more than 200 times its packed size, so it was stopped "
                       "as a possible archive bomb"));
    QVERIFY(summary.text().contains(QStringLiteral("Nothing of bomb.zip was installed: the entry skin.bmp")));
    QVERIFY(entries(b.lib.carFolder).isEmpty()); // not even the car before it
}

void InstallerTest::unpackedSizeLimit_refusesBeforeWriting()
{
    InstallBench b;
    b.limits.maxUnpackedBytes = 5000;
    const QString archive =
        b.archive(QStringLiteral("big.7z"), Format::SevenZip,
                  carItems(QStringLiteral("A")) + carItems(QStringLiteral("B"))); // 2 x 3000 bytes of models

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(summary.failed.first().why, QStringLiteral("it would unpack to more than 5,000 bytes"));
    QVERIFY(entries(b.lib.carFolder).isEmpty());
}

void InstallerTest::damagedArchives_leaveNothingBehind_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("damage"); // 0: cut in half, 1: bytes overwritten in the middle, 2: not an archive
    QTest::addRow("zip cut") << Format::Zip << 0;
    QTest::addRow("zip overwritten") << Format::Zip << 1;
    QTest::addRow("7z cut") << Format::SevenZip << 0;
    QTest::addRow("tar.gz cut") << Format::TarGz << 0;
    QTest::addRow("7z overwritten") << Format::SevenZip << 1;
    QTest::addRow("text named .zip") << Format::Zip << 2;
}

void InstallerTest::damagedArchives_leaveNothingBehind()
{
    QFETCH(Format, format);
    QFETCH(int, damage);
    InstallBench b;
    QList<Item> items;
    for (const char* name : {"One", "Two", "Three"}) {
        items += carItems(QStringLiteral("cars/") + QLatin1String(name));
        // Data that does not compress, so damage lands in a car's data.
        QByteArray noise(60000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + i / 13) ^ (i >> 5));
        items << Item::file(QStringLiteral("cars/") + QLatin1String(name) + QStringLiteral("/noise.bin"),
                            noise);
    }
    const QString archive =
        b.archive(QStringLiteral("damaged") + QLatin1String(formatSuffix(format)), format, items);
    QByteArray bytes = readBytes(archive);
    if (damage == 0)
        bytes.truncate(bytes.size() / 2);
    else if (damage == 1)
        for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 4000; ++i)
            bytes[i] = char(0x5a);
    else
        bytes = "This is a readme, not an archive.\n";
    writeBytes(archive, bytes);

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(summary.failed.size(), 1);
    QVERIFY2(summary.failed.first().why.contains(damage == 2 ? QStringLiteral("cannot be read as an archive")
                                                             : QStringLiteral("damaged")) ||
                 summary.failed.first().why.contains(QStringLiteral("ended early")),
             qPrintable(summary.failed.first().why));
    QVERIFY(entries(b.lib.carFolder).isEmpty());
    QVERIFY(entries(b.lib.garageFolder).isEmpty());
}

void InstallerTest::clash_replace_putsNewCarInPlaceAndTrashesTheOld()
{
    InstallBench b;
    const QString old = makeCar(b.lib.carFolder, QStringLiteral("Bolt"), QStringLiteral("car.jpg"));
    writeBytes(old + QStringLiteral("/only-old.txt"), "old");
    const QString archive =
        b.archive(QStringLiteral("bolt.zip"), Format::Zip, carItems(QStringLiteral("Bolt"), "{ new }"));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};

    const InstallSummary summary = b.install({archive});

    QCOMPARE(b.questions.clashes.size(), 1);
    const CarClash& clash = b.questions.clashes.first();
    QCOMPARE(clash.existingName, QStringLiteral("Bolt"));
    QVERIFY(clash.existingInDestination);
    QCOMPARE(clash.keepBothName, QStringLiteral("Bolt-2"));
    QCOMPARE(
        DialogsInstallQuestions::clashText(clash),
        QStringLiteral("The Car Folder already holds a car named \"Bolt\".\n\nReplace it with \"Bolt\" from "
                       "bolt.zip, keep both (the new car as \"Bolt-2\"), or skip \"Bolt\"?"));
    QCOMPARE(readBytes(b.car(QStringLiteral("Bolt/parameters.txt"))), QByteArray("{ new }"));
    QVERIFY(!QFile::exists(b.car(QStringLiteral("Bolt/only-old.txt"))));
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("Bolt")});
    // The old car is in the trash under its own name.
    QCOMPARE(b.fs.trashed, QStringList{QStringLiteral("Bolt")});
    QCOMPARE(readBytes(b.fs.trashFolder + QStringLiteral("/Bolt/only-old.txt")), QByteArray("old"));
    QCOMPARE(summary.installed.first().replacedName, QStringLiteral("Bolt"));
    // The trash remembers the old car at its own place, where restoring it puts it back.
    QCOMPARE(b.fs.trashedFrom, QStringList{b.car(QStringLiteral("Bolt"))});
    QVERIFY(summary.text().contains(
        QStringLiteral("Bolt (replacing Bolt of the Car Folder, which went to the trash)")));
}

void InstallerTest::clash_replaceCarInOtherFolder_withoutTrashDeletesIt()
{
    InstallBench b;
    b.fs.hasTrash = false;
    makeCar(b.lib.garageFolder, QStringLiteral("BOLT"), QStringLiteral("car.jpg"));
    const QString archive =
        b.archive(QStringLiteral("bolt.7z"), Format::SevenZip, carItems(QStringLiteral("cars/bolt")));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};

    const InstallSummary summary = b.install({archive});

    QVERIFY(!b.questions.clashes.first().existingInDestination);
    QVERIFY(b.questions.clashes.first().existingInGarage);
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("bolt")});
    QVERIFY(entries(b.lib.garageFolder).isEmpty());
    QVERIFY(!summary.installed.first().replacedToTrash);
    QVERIFY(summary.installed.first().replacedInGarage);
    QVERIFY(
        summary.text().contains(QStringLiteral("replacing BOLT of the Garage Folder, which was deleted")));
}

void InstallerTest::clash_keepBoth_takesFirstFreeName()
{
    InstallBench b;
    makeCar(b.lib.carFolder, QStringLiteral("Bolt"));
    makeCar(b.lib.garageFolder, QStringLiteral("bolt-2"));
    const QString archive =
        b.archive(QStringLiteral("bolt.zip"), Format::Zip, carItems(QStringLiteral("Bolt"), "{ new }"));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::KeepBoth, false};

    const InstallSummary summary = b.install({archive}, true);

    QCOMPARE(b.questions.clashes.first().keepBothName, QStringLiteral("Bolt-3"));
    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("Bolt-3")});
    QCOMPARE(readBytes(b.garage(QStringLiteral("Bolt-3/parameters.txt"))), QByteArray("{ new }"));
    QVERIFY(QFile::exists(b.car(QStringLiteral("Bolt/parameters.txt"))));
    QVERIFY(summary.text().contains(QStringLiteral("Bolt-3 (kept beside Bolt)")));
}

void InstallerTest::clash_skipForAll_asksOnce()
{
    InstallBench b;
    makeCar(b.lib.carFolder, QStringLiteral("A"));
    makeCar(b.lib.garageFolder, QStringLiteral("B"));
    const QString first = b.archive(QStringLiteral("a.zip"), Format::Zip,
                                    carItems(QStringLiteral("A")) + carItems(QStringLiteral("C")));
    const QString second = b.archive(QStringLiteral("b.zip"), Format::Zip, carItems(QStringLiteral("b")));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::Skip, true};

    const InstallSummary summary = b.install({first, second});

    QCOMPARE(b.questions.clashes.size(), 1);
    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("C")});
    QCOMPARE(whats(summary.skipped), (QStringList{QStringLiteral("A"), QStringLiteral("b")}));
    QCOMPARE(entries(b.lib.carFolder), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    QVERIFY(summary.text().contains(
        QStringLiteral("Not installed (a car of that name is already in the Car Folder): A.")));
    QVERIFY(summary.text().contains(
        QStringLiteral("Not installed (a car of that name is already in the Garage Folder): b.")));
}

void InstallerTest::clash_twoCarsOfOneNameInOneArchive()
{
    InstallBench b;
    const QString archive = b.archive(QStringLiteral("twice.zip"), Format::Zip,
                                      carItems(QStringLiteral("v1/Bolt"), "{ 1 }") +
                                          carItems(QStringLiteral("v2/bolt"), "{ 2 }") +
                                          carItems(QStringLiteral("v3/BOLT"), "{ 3 }"));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::KeepBoth, false}
                             << ClashAnswer{ClashChoice::Replace, false};

    const InstallSummary summary = b.install({archive});

    QCOMPARE(b.questions.clashes.size(), 2);
    QVERIFY(b.questions.clashes.first().inSameSource);
    // v2 was kept as bolt-2; v3 then replaced v1 before anything reached the disk.
    QCOMPARE(entries(b.lib.carFolder), (QStringList{QStringLiteral("BOLT"), QStringLiteral("bolt-2")}));
    QCOMPARE(readBytes(b.car(QStringLiteral("BOLT/parameters.txt"))), QByteArray("{ 3 }"));
    QCOMPARE(readBytes(b.car(QStringLiteral("bolt-2/parameters.txt"))), QByteArray("{ 2 }"));
    QVERIFY(b.fs.trashed.isEmpty());
}

void InstallerTest::cancel_inTheMiddle_keepsEarlierArchivesAndLeavesNoTrace()
{
    InstallBench b;
    const QString first =
        b.archive(QStringLiteral("first.zip"), Format::Zip, carItems(QStringLiteral("First")));
    QList<Item> items;
    for (int i = 0; i < 10; ++i)
        items += carItems(QStringLiteral("cars/P%1").arg(i));
    const QString pack = b.archive(QStringLiteral("pack.zip"), Format::Zip, items);
    const QString third =
        b.archive(QStringLiteral("third.zip"), Format::Zip, carItems(QStringLiteral("Third")));
    // The user presses Cancel while the pack's sixth car is being unpacked.
    int polls = 0;
    b.cancel = [&] {
        ++polls;
        const QFileInfoList staging =
            QDir(b.lib.carFolder)
                .entryInfoList(QStringList{QStringLiteral(".parkwen-staging-*")}, QDir::Dirs | QDir::Hidden);
        return std::any_of(staging.begin(), staging.end(), [](const QFileInfo& folder) {
            return QFile::exists(folder.filePath() + QStringLiteral("/P5/parameters.txt"));
        });
    };

    const InstallSummary summary = b.install({first, pack, third});

    QVERIFY(summary.cancelled);
    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("First")});
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("First")});
    QCOMPARE(summary.failed.size(), 2);
    QCOMPARE(summary.failed[0].source, QStringLiteral("pack.zip"));
    QCOMPARE(summary.failed[0].why, QStringLiteral("the install was cancelled"));
    QCOMPARE(summary.failed[1].source, QStringLiteral("third.zip"));
    QVERIFY(polls > 0);
}

void InstallerTest::failedPlacement_isReportedAndStagingRemoved()
{
    InstallBench b;
    const QString archive =
        b.archive(QStringLiteral("two.zip"), Format::Zip,
                  carItems(QStringLiteral("cars/Stuck")) + carItems(QStringLiteral("cars/Fine")));
    b.fs.failWhen(
        FaultyFileSystem::Op::Rename,
        [](const QString& p) {
            return p.contains(QStringLiteral("/.parkwen-staging-")) && p.endsWith(QStringLiteral("/Stuck"));
        },
        Error::of(err::PermissionDenied));

    const InstallSummary summary = b.install({archive});

    QCOMPARE(names(summary.installed), QStringList{QStringLiteral("Fine")});
    QCOMPARE(whats(summary.skipped), QStringList{QStringLiteral("Stuck")});
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("Fine")});
}

void InstallerTest::failedReplacement_putsTheOldCarBack()
{
    InstallBench b;
    const QString old = makeCar(b.lib.carFolder, QStringLiteral("Bolt"), QStringLiteral("car.jpg"));
    const QStringList before = entries(old);
    const QString archive =
        b.archive(QStringLiteral("bolt.zip"), Format::Zip, carItems(QStringLiteral("Bolt")));
    b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};
    b.fs.failWhen(
        FaultyFileSystem::Op::Rename,
        [](const QString& p) {
            return p.contains(QStringLiteral("/.parkwen-staging-")) && p.endsWith(QStringLiteral("/Bolt"));
        },
        Error::of(err::PermissionDenied));

    const InstallSummary summary = b.install({archive});

    QVERIFY(summary.installed.isEmpty());
    QCOMPARE(entries(b.lib.carFolder), QStringList{QStringLiteral("Bolt")});
    QCOMPARE(entries(old), before);
    QVERIFY(b.fs.trashed.isEmpty());
    QVERIFY(summary.text().contains(QStringLiteral("Not installed (it could not be put in place: ")));
}

void InstallerTest::everyStep_failedOrKilled_leavesEachCarWholeUnderItsName_data()
{
    QTest::addColumn<bool>("crash");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("linked");
    for (bool crash : {false, true}) {
        const char* how = crash ? "killed" : "failed";
        QTest::addRow("%s, new car", how) << crash << false << false;
        QTest::addRow("%s, replace", how) << crash << true << false;
        QTest::addRow("%s, replace a linked car", how) << crash << true << true;
    }
}

// Every changing step of an install fails in turn, or the program stops there and starts again
// (recovery under the lock). Each car is then whole under its name: the old or the new Bolt, the
// new Fresh or none; nothing is left hidden, and the folder behind a linked car is never touched.
void InstallerTest::everyStep_failedOrKilled_leavesEachCarWholeUnderItsName()
{
    QFETCH(bool, crash);
    QFETCH(bool, replace);
    QFETCH(bool, linked);
    QTemporaryDir secondDisk;
    QMap<QByteArray, QByteArray> behind;
    auto setUp = [&](InstallBench& b) {
        if (linked) {
            const QString far = makeCar(secondDisk.path(), QStringLiteral("Bolt"), QStringLiteral("car.jpg"));
            writeBytes(far + QStringLiteral("/only-old.txt"), "old");
            QFile::link(far, b.car(QStringLiteral("Bolt")));
            behind = treeSnapshot(secondDisk.path());
        } else if (replace) {
            const QString old = makeCar(b.lib.carFolder, QStringLiteral("Bolt"), QStringLiteral("car.jpg"));
            writeBytes(old + QStringLiteral("/only-old.txt"), "old");
        }
        b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};
        return b.archive(QStringLiteral("pack.zip"), Format::Zip,
                         carItems(QStringLiteral("cars/Bolt"), "{ new }") +
                             carItems(QStringLiteral("cars/Fresh")));
    };
    auto isNew = [](const QString& car) {
        return readBytes(car + QStringLiteral("/parameters.txt")) == "{ new }";
    };

    int steps = 0;
    {
        InstallBench b;
        const QString archive = setUp(b);
        b.fs.failAtStep(0, {});
        const InstallSummary summary = b.install({archive});
        QCOMPARE(names(summary.installed), QStringList({"Bolt", "Fresh"}));
        QVERIFY(isNew(b.car(QStringLiteral("Bolt"))));
        steps = b.fs.steps();
    }
    QVERIFY(steps >= 6);

    for (int k = 1; k <= steps; ++k) {
        InstallBench b;
        const QString archive = setUp(b);
        b.fs.failAtStep(k, Error::of(err::DiskFull), crash);
        const InstallSummary summary = b.install({archive});
        b.fs.clearFailures();
        if (crash) {
            MoveEngine door(b.fs);
            QCOMPARE(door.recover(CarFolders{b.lib.carFolder, b.lib.garageFolder}), QStringList());
        }
        const QString step = QStringLiteral("step %1").arg(k);
        const QStringList cars = entries(b.lib.carFolder);
        // Nothing hidden is left but an empty folder (the next start clears it) or an old car the
        // summary names as kept there.
        for (const QString& hidden : cars.filter(QRegularExpression(QStringLiteral("^\\."))))
            QVERIFY2(entries(b.car(hidden)).isEmpty() || summary.text(INT_MAX).contains(b.car(hidden)),
                     qPrintable(step + QLatin1Char(' ') + hidden));
        QVERIFY2(entries(b.lib.garageFolder).isEmpty(), qPrintable(step));
        const QString bolt = b.car(QStringLiteral("Bolt"));
        if (replace) {
            QVERIFY2(cars.contains(QStringLiteral("Bolt")), qPrintable(step));
            // Wholly new, or wholly old (the link or the car as it was).
            if (!isNew(bolt)) {
                QCOMPARE(QFileInfo(bolt).isSymLink(), linked);
                QCOMPARE(readBytes(bolt + QStringLiteral("/only-old.txt")), QByteArray("old"));
            } else {
                QVERIFY2(!QFile::exists(bolt + QStringLiteral("/only-old.txt")), qPrintable(step));
            }
        } else if (cars.contains(QStringLiteral("Bolt"))) {
            QVERIFY2(isNew(bolt), qPrintable(step));
        }
        if (cars.contains(QStringLiteral("Fresh")))
            QCOMPARE(readBytes(b.car(QStringLiteral("Fresh/parameters.txt"))), QByteArray("{ }"));
        // What the summary says was installed is there.
        for (const InstallSummary::Car& car : summary.installed)
            QVERIFY2(cars.contains(car.name), qPrintable(step));
        if (linked)
            QCOMPARE(treeSnapshot(secondDisk.path()), behind);
    }
}

QTEST_GUILESS_MAIN(InstallerTest)
#include "installer_test.moc"
