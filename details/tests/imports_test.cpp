#include "details/imports.h"
#include "details/naming.h"
#include "details/paramtext.h"
#include "details/tests/importfixtures.h"
#include "tests/support/faultyfilesystem.h"
#include "tests/support/scripteddialogs.h"

#include "platform/qt/qtpictures.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {
int linesHolding(const QByteArray& text, const QByteArray& tag)
{
    int n = 0;
    for (const QByteArray& line : text.split('\n'))
        if (line.contains(tag))
            ++n;
    return n;
}
QByteArray lineOf(const QByteArray& text, const QByteArray& start)
{
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(start))
            return line.trimmed();
    return {};
}
} // namespace

class ImportsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_cars; // the Car Folder
    QString m_car;
    QString m_donor;
    LocalFileSystem m_fs;
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;
    ScriptedChoosers m_choosers;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_cars =
            makeFolder(m_dir.path(), QStringLiteral("cars%1").arg(QRandomGenerator::global()->generate()));
        m_car = makeFolder(m_cars, "own");
        m_donor = makeFolder(m_cars, "donor");
        writeBytes(m_car + "/parameters.txt", paramsText("own", "Own Car"));
        writeSkin(m_car + "/car.bmp", Qt::red);
        writeSkin(m_car + "/car2.bmp", Qt::green);
        writeBytes(m_donor + "/parameters.txt", paramsText("donor", "Donor Car", "car.bmp", "45.000000"));
        writeSkin(m_donor + "/donor.bmp", Qt::yellow);
        m_dialogs = ScriptedDialogs();
        m_choosers = ScriptedChoosers();
    }

    void parameterChooser_refusesFileWithoutBodyAndAcceptsLowerCase()
    {
        writeBytes(m_donor + "/readme.txt", "BODY\r\n{ no brace after a blank\r\n");
        writeBytes(m_donor + "/lower.txt", "{\r\nbody {\r\n}\r\n");
        QVERIFY(!acceptParameters(m_fs, m_dialogs, m_donor + "/readme.txt"));
        QCOMPARE(m_dialogs.messages(),
                 QStringList{"Not A valid Parameter Set! Please Select a valid set of Parameters."});
        QCOMPARE(m_dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
        QVERIFY(acceptParameters(m_fs, m_dialogs, m_donor + "/lower.txt"));
        QCOMPARE(m_dialogs.messages().size(), 1);
    }

    void bitmapChooser_acceptsOnlySkinSizes()
    {
        writeBytes(m_donor + "/small.bmp", bmp24(128, 128));
        writeBytes(m_donor + "/four.bmp", QByteArray(1960, 'x'));
        QVERIFY(acceptBitmap(m_fs, m_pictures, m_dialogs, m_donor + "/donor.bmp"));
        QVERIFY(acceptBitmap(m_fs, m_pictures, m_dialogs, m_donor + "/four.bmp"));
        QVERIFY(m_dialogs.messages().isEmpty());
        QVERIFY(!acceptBitmap(m_fs, m_pictures, m_dialogs, m_donor + "/small.bmp"));
        QVERIFY(!acceptBitmap(m_fs, m_pictures, m_dialogs, m_donor + "/missing.bmp"));
        QCOMPARE(m_dialogs.messages(), QStringList(2, "Not a valid Skin. Please Select another Skin"));
    }

    void bitmapChooser_acceptsTodaysTexturesByContent()
    {
        const QString d = m_donor;
        writeBytes(d + "/bmp512.bmp", bmp24(512, 512));
        writeBytes(d + "/png256.bmp", encodedPicture(256, 256, "PNG"));
        writeBytes(d + "/png1024.BMP", encodedPicture(1024, 1024, "PNG"));
        writeBytes(d + "/jpeg512.bmp", encodedPicture(512, 512, "JPG"));
        writeBytes(d + "/ruineddata.bmp", damagedPngData(256));
        writeBytes(d + "/notapicture.bmp", QByteArray(196400, '\0'));
        for (const char* name :
             {"bmp512.bmp", "png256.bmp", "png1024.BMP", "jpeg512.bmp", "ruineddata.bmp", "notapicture.bmp"})
            QVERIFY2(acceptBitmap(m_fs, m_pictures, m_dialogs, d + "/" + name), name);
        QVERIFY(m_dialogs.messages().isEmpty());

        writeBytes(d + "/wide.bmp", encodedPicture(512, 256, "PNG"));
        writeBytes(d + "/odd.bmp", encodedPicture(600, 600, "JPG"));
        writeBytes(d + "/broken.bmp", damagedPngHeader(512));
        writeBytes(d + "/png512.png", encodedPicture(512, 512, "PNG")); // judged by content only under .bmp
        const QStringList refused{"wide.bmp", "odd.bmp", "broken.bmp", "png512.png"};
        for (const QString& name : refused)
            QVERIFY2(!acceptBitmap(m_fs, m_pictures, m_dialogs, d + "/" + name), qPrintable(name));
        QCOMPARE(m_dialogs.messages(),
                 QStringList(refused.size(), "Not a valid Skin. Please Select another Skin"));

        // Imported, the texture joins the other skins as it is.
        Skins skins(m_fs, m_pictures, m_dialogs, m_car);
        skins.list(QStringLiteral("car.bmp"));
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        m_dialogs.clear();
        m_choosers.bitmapTries << QStringList{d + "/wide.bmp", d + "/png1024.BMP"};
        m_dialogs.queueInput(QStringLiteral("Today"));
        QVERIFY(importSkin(context, skins, m_car));
        QCOMPARE(readBytes(m_car + "/Today.bmp"), readBytes(d + "/png1024.BMP"));
        QCOMPARE(skins.others(), QStringList({"car2.bmp", "Today.bmp"}));
        skins.list(QStringLiteral("car.bmp"));
        QCOMPARE(skins.others(), QStringList({"car2.bmp", "Today.bmp"}));
    }

    void parameterImport_writesTitledMergedCopyAndListsIt()
    {
        ParamFiles params(m_fs, m_dialogs, m_car);
        params.fill();
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"};
        m_choosers.skinAnswers << QStringLiteral("car2.bmp");
        m_dialogs.queueInput(QStringLiteral("ImpParam"));
        m_dialogs.queueInput(QStringLiteral("Donor Handling"));
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        QVERIFY(importParameters(context, params));

        QCOMPARE(m_choosers.openedAt, QStringList{m_cars});
        QCOMPARE(m_dialogs.prompts(), QStringList({"Select the filename for Imported Parameters:",
                                                   "Give Your Imported Parameters A title:"}));
        QCOMPARE(m_dialogs.defaults(), QStringList({"ImpParam", ""}));
        QCOMPARE(m_dialogs.messages(), QStringList{"Import Successful"});
        QCOMPARE(m_choosers.skinsOffered, QList<QStringList>{QStringList({"car.bmp", "car2.bmp"})});

        const QByteArray copy = readBytes(m_car + "/ImpParam.txt");
        QCOMPARE(paramtext::nameOf(copy), QStringLiteral("Donor Handling"));
        QCOMPARE(params.titles().last(), QStringLiteral("Donor Handling"));
        QCOMPARE(params.entries().last().fileName, QStringLiteral("ImpParam.txt"));
        // 19 model, 1 texture, 1 collision, 20 model-number and 23 offset lines come from the car.
        QCOMPARE(linesHolding(copy, "\\own\\"), 19 + 1 + 1);
        QCOMPARE(linesHolding(copy, "; own"), 20 + 23);
        QCOMPARE(linesHolding(copy, "; donor"), 1); // the first offset line is passed over
        QCOMPARE(lineOf(copy, "TPAGE"), QByteArray("TPAGE \t\"cars\\own\\car2.bmp\""));
        QCOMPARE(lineOf(copy, "TopSpeed"), QByteArray("TopSpeed \t45.000000"));
        QCOMPARE(copy.count("\r\n"), paramsText("donor", "Donor Handling").count("\r\n"));
        // The car's own files are untouched.
        QCOMPARE(readBytes(m_car + "/parameters.txt"), paramsText("own", "Own Car"));
        QCOMPARE(entries(m_car), QStringList({"ImpParam.txt", "car.bmp", "car2.bmp", "parameters.txt"}));
    }

    void parameterImport_intoFolderNamedInAnotherCase_offersTexturesByTheirNamesOnDisk()
    {
        // The folder is "baddrc", its parameters name "cars/BaddRC/..." and "car.bmp"; on disk the
        // files are "PARAMETERS.TXT", "Car.BMP" and a PNG texture "Night.BMP".
        const QString car = makeFolder(m_cars, "baddrc");
        QByteArray own = paramsText("BaddRC", "Badd RC").replace('\\', '/');
        writeBytes(car + "/PARAMETERS.TXT", own);
        writeBytes(car + "/Car.BMP", encodedPicture(512, 512, "PNG", Qt::red));
        writeBytes(car + "/Night.BMP", encodedPicture(1024, 1024, "PNG", Qt::black));
        ParamFiles params(m_fs, m_dialogs, car);
        params.fill();
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"};
        m_choosers.skinAnswers << QStringLiteral("Night.BMP");
        m_dialogs.queueInput(QStringLiteral("Night"));
        m_dialogs.queueInput(QStringLiteral("Night Tune"));
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        QVERIFY(importParameters(context, params));
        QCOMPARE(m_choosers.skinsOffered, QList<QStringList>{QStringList({"Car.BMP", "Night.BMP"})});

        const QByteArray copy = readBytes(car + "/Night.txt");
        // The model and hull lines are the car's own, letter for letter; the texture line keeps the
        // car's folder as its parameters write it and names the texture as it is on disk.
        QCOMPARE(linesHolding(copy, "\"cars/BaddRC/part"), 19);
        QCOMPARE(lineOf(copy, "COLL"), QByteArray("COLL \t\"cars/BaddRC/hull.hul\""));
        QCOMPARE(lineOf(copy, "TPAGE"), QByteArray("TPAGE \t\"cars/BaddRC/Night.BMP\""));
        QCOMPARE(readBytes(car + "/PARAMETERS.TXT"), own);
    }

    void parameterImport_defaultNameTwiceAsksAgainAndSkinChooserClosedKeepsCarSkin()
    {
        ParamFiles params(m_fs, m_dialogs, m_car);
        params.fill();
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"}
                                  << QStringList{m_donor + "/parameters.txt"};
        m_dialogs.queueInput(QStringLiteral("ImpParam"));
        m_dialogs.queueInput(std::nullopt); // no title: the copy keeps its own name
        QVERIFY(importParameters(context, params));
        QCOMPARE(params.titles().last(), QStringLiteral("Donor Car"));
        QCOMPARE(lineOf(readBytes(m_car + "/ImpParam.txt"), "TPAGE"),
                 QByteArray("TPAGE \t\"cars\\own\\car.bmp\""));

        m_dialogs.clear();
        m_dialogs.queueInput(QStringLiteral("ImpParam"));
        m_dialogs.queueInput(QStringLiteral("impparam"));
        m_dialogs.queueInput(QStringLiteral("ImpParam2"));
        m_dialogs.queueInput(QStringLiteral("Second"));
        QVERIFY(importParameters(context, params));
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"This File already Exists, Please Choose Another Name:",
                              "This File already Exists, Please Choose Another Name:", "Import Successful"}));
        QCOMPARE(m_dialogs.shown()[0].icon, Dialogs::Icon::None);
        QCOMPARE(params.titles(), QStringList({"Current Parameters", "Donor Car", "Second"}));
        QCOMPARE(params.entries()[2].fileName, QStringLiteral("ImpParam2.txt"));
    }

    void parameterImport_cancelOrUnsafeNamesWriteNothing()
    {
        ParamFiles params(m_fs, m_dialogs, m_car);
        params.fill();
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        const QStringList before = entries(m_car);

        // Chooser closed.
        QVERIFY(!importParameters(context, params));
        // Refused file, then closed.
        writeBytes(m_donor + "/readme.txt", "nothing here");
        m_choosers.parameterTries << QStringList{m_donor + "/readme.txt"};
        QVERIFY(!importParameters(context, params));
        // Names with separators asked again, then cancelled.
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"};
        m_dialogs.queueInput(QStringLiteral("../../evil"));
        m_dialogs.queueInput(QStringLiteral("."));
        m_dialogs.queueInput(std::nullopt);
        QVERIFY(!importParameters(context, params));
        // Empty answer.
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"};
        m_dialogs.queueInput(QString());
        QVERIFY(!importParameters(context, params));

        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Not A valid Parameter Set! Please Select a valid set of Parameters.",
                              plainNameMessage(), plainNameMessage()}));
        QCOMPARE(entries(m_car), before);
        QCOMPARE(params.count(), 1);
        QVERIFY(!QFile::exists(m_dir.path() + "/evil.txt"));
        QVERIFY(!QFile::exists(m_cars + "/evil.txt"));
    }

    void parameterImport_failedWriteLeavesNoFileAndNoEntry()
    {
        FaultyFileSystem fs;
        fs.failWhen(
            FaultyFileSystem::Op::Write, [](const QString&) { return true; }, Error::of(err::DiskFull));
        ParamFiles params(fs, m_dialogs, m_car);
        params.fill();
        ImportContext context{fs, m_pictures, m_dialogs, m_choosers, m_cars};
        m_choosers.parameterTries << QStringList{m_donor + "/parameters.txt"};
        m_dialogs.queueInput(QStringLiteral("ImpParam"));
        m_dialogs.queueInput(QStringLiteral("Title"));
        QVERIFY(!importParameters(context, params));
        QCOMPARE(m_dialogs.messages(), QStringList{"Miscellaneous Error: No. 61 Disk full"});
        QCOMPARE(params.count(), 1);
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car2.bmp", "parameters.txt"}));
    }

    void merge_withShortFileKeepsImportedLinesAndGoesOn()
    {
        const QByteArray car =
            "{\r\nName \"Short\"\r\n; model list\r\nMODEL 0 \"cars\\own\\body.prm\"\r\n"
            "MODEL 1 \"cars\\own\\wheel.prm\"\r\nTPAGE \"cars/own/car.bmp\"\r\nBODY {\r\n}\r\n";
        const QByteArray imported = paramsText("donor", "Donor");
        MergeCounts counts;
        int asked = 0;
        const QByteArray merged = mergeCarLines(
            imported, car,
            [&]() -> std::optional<QString> {
                ++asked;
                return QStringLiteral("chosen.bmp");
            },
            &counts);
        QCOMPARE(counts.models, 2);
        QCOMPARE(counts.textures, 1);
        QCOMPARE(counts.collisions, 0);
        QCOMPARE(counts.modelNumbers, 0);
        QCOMPARE(counts.offsets, 0);
        QCOMPARE(asked, 1);
        QCOMPARE(lineOf(merged, "MODEL \t0"), QByteArray());
        QCOMPARE(lineOf(merged, "MODEL 0"), QByteArray("MODEL 0 \"cars\\own\\body.prm\""));
        QCOMPARE(lineOf(merged, "MODEL \t2"), QByteArray("MODEL \t2 \t\"cars\\donor\\part2.prm\""));
        QCOMPARE(lineOf(merged, "TPAGE"), QByteArray("TPAGE \"cars/own/chosen.bmp\""));
        QCOMPARE(linesHolding(merged, "; donor"), 20 + 24);

        // The other way round: the car is complete, the imported file is short.
        const QByteArray back = mergeCarLines(car, imported, {}, &counts);
        QCOMPARE(counts.models, 2);
        QCOMPARE(lineOf(back, "TPAGE"), QByteArray("TPAGE \t\"cars\\donor\\car.bmp\""));
        // Nothing to merge with at all.
        QCOMPARE(mergeCarLines(imported, QByteArray(), {}, &counts), imported);
        QCOMPARE(counts.models + counts.textures + counts.collisions + counts.modelNumbers + counts.offsets,
                 0);
    }

    void merge_ofLineFeedOnlyFilesReplacesSingleLines()
    {
        QByteArray car = paramsText("own", "Own");
        QByteArray imported = paramsText("donor", "Donor");
        car.replace("\r\n", "\n");
        imported.replace("\r\n", "\n");
        MergeCounts counts;
        const QByteArray merged = mergeCarLines(imported, car, {}, &counts);
        QCOMPARE(counts.models, 19);
        QCOMPARE(counts.offsets, 23);
        QCOMPARE(merged.count('\n'), imported.count('\n'));
        QCOMPARE(lineOf(merged, "TopSpeed"), QByteArray("TopSpeed \t38.000000"));
    }

    void skinImport_addsSkinAndShowsIt()
    {
        Skins skins(m_fs, m_pictures, m_dialogs, m_car);
        skins.list(QStringLiteral("car.bmp"));
        QCOMPARE(skins.maximum(), 0);
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        writeBytes(m_donor + "/small.bmp", bmp24(128, 128));
        m_choosers.bitmapTries << QStringList{m_donor + "/small.bmp", m_donor + "/donor.bmp"};
        m_dialogs.queueInput(QStringLiteral("Impskin"));
        QVERIFY(importSkin(context, skins, m_car));
        QCOMPARE(m_dialogs.prompts(), QStringList{"Select the filename for Imported Skin:"});
        QCOMPARE(m_dialogs.defaults(), QStringList{"Impskin"});
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Not a valid Skin. Please Select another Skin", "Import Successful"}));
        QCOMPARE(readBytes(m_car + "/Impskin.bmp"), bmp24(256, 256, Qt::yellow));
        QCOMPARE(skins.others(), QStringList({"car2.bmp", "Impskin.bmp"}));
        QCOMPARE(skins.maximum(), 1);
        QCOMPARE(skins.shownName(), QStringLiteral("car2.bmp"));

        // The default again: asked again for another name.
        m_dialogs.clear();
        m_choosers.bitmapTries << QStringList{m_donor + "/donor.bmp"};
        m_dialogs.queueInput(QStringLiteral("Impskin"));
        m_dialogs.queueInput(QStringLiteral("x/y"));
        m_dialogs.queueInput(std::nullopt);
        QVERIFY(!importSkin(context, skins, m_car));
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"This File already Exists, Please Choose Another Name:", plainNameMessage()}));
        QCOMPARE(skins.others().size(), 2);
        QCOMPARE(entries(m_car), QStringList({"Impskin.bmp", "car.bmp", "car2.bmp", "parameters.txt"}));
    }

    void skinImport_intoCarWithoutOtherSkinsShowsTheNewSkin()
    {
        QFile::remove(m_car + "/car2.bmp");
        Skins skins(m_fs, m_pictures, m_dialogs, m_car);
        skins.list(QStringLiteral("car.bmp"));
        QVERIFY(!skins.found());
        ImportContext context{m_fs, m_pictures, m_dialogs, m_choosers, m_cars};
        m_choosers.bitmapTries << QStringList{m_donor + "/donor.bmp"};
        m_dialogs.queueInput(QStringLiteral("Impskin"));
        QVERIFY(importSkin(context, skins, m_car));
        QVERIFY(skins.found());
        QCOMPARE(skins.maximum(), 0);
        QCOMPARE(skins.shownName(), QStringLiteral("Impskin.bmp"));
    }
};

QTEST_GUILESS_MAIN(ImportsTest)
#include "imports_test.moc"
