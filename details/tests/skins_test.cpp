#include "details/skins.h"
#include "details/tests/importfixtures.h"
#include "tests/support/faultyfilesystem.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/trashingfilesystem.h"

#include "platform/qt/qtpictures.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class SkinsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_car;
    TrashingFileSystem m_fs; // no trash unless a test gives it one
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_car = makeFolder(m_dir.path(), QStringLiteral("car%1").arg(QRandomGenerator::global()->generate()));
        m_dialogs.clear();
        m_fs.trashFolder.clear();
    }

    void sizeRule_beginsWith196WhateverTheNumberOfDigits()
    {
        QVERIFY(Skins::hasSkinSize(196662)); // 256 x 256, 24 bits per pixel
        QVERIFY(Skins::hasSkinSize(1963));
        QVERIFY(Skins::hasSkinSize(196));
        QVERIFY(!Skins::hasSkinSize(49206)); // 128 x 128
        QVERIFY(!Skins::hasSkinSize(19));
        QVERIFY(!Skins::hasSkinSize(2196662));
        QVERIFY(!Skins::hasSkinSize(-1));
        QCOMPARE(bmp24(256, 256).size(), 196662);
    }

    void list_othersBySizeLeavingOutCurrentSkinInAnotherCase()
    {
        writeSkin(m_car + "/CAR.BMP");
        writeSkin(m_car + "/car2.bmp");
        writeBytes(m_car + "/shadow.bmp", bmp24(64, 64));
        writeBytes(m_car + "/four.bmp", QByteArray(1963, 'x'));
        writeBytes(m_car + "/notbmp.jpg", bmp24(256, 256));
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QCOMPARE(s.others(), QStringList({"car2.bmp", "four.bmp"}));
        QVERIFY(s.found());
        QCOMPARE(s.maximum(), 1);
        QCOMPARE(s.value(), 0);
        QCOMPARE(s.shownName(), QStringLiteral("car2.bmp"));
        QCOMPARE(s.shownPath(), m_car + "/car2.bmp");
        QCOMPARE(s.currentSkinPath(QStringLiteral("car.bmp")), m_car + "/CAR.BMP");
        s.showOther(1);
        QCOMPARE(s.shownName(), QStringLiteral("four.bmp"));
        s.showOther(5);
        QCOMPARE(s.value(), 1);
    }

    void list_withOnlyCurrentSkinOffersNothingHereButTheChooserHasIt()
    {
        writeSkin(m_car + "/car.bmp");
        writeBytes(m_car + "/shadow.bmp", bmp24(64, 64));
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QVERIFY(s.others().isEmpty());
        QVERIFY(!s.found());
        QCOMPARE(s.maximum(), 0);
        QVERIFY(s.shownName().isEmpty());
        QCOMPARE(Skins::skinsOf(m_fs, m_pictures, m_car), QStringList{"car.bmp"});
    }

    void setSkin_withCompanionReplacesCurrentCompanion()
    {
        writeSkin(m_car + "/car.bmp", Qt::red);
        writeBytes(m_car + "/car.bmq", "old companion");
        writeSkin(m_car + "/car2.bmp", Qt::green);
        writeBytes(m_car + "/car2.bmq", "new companion");
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QVERIFY(s.setChosenAsCurrent(QStringLiteral("car.bmp")));
        QCOMPARE(m_dialogs.messages(), QStringList{"Skin Set"});
        QCOMPARE(readBytes(m_car + "/car.bmp"), bmp24(256, 256, Qt::green));
        QCOMPARE(readBytes(m_car + "/car.bmq"), QByteArray("new companion"));
        QCOMPARE(readBytes(m_car + "/car2.bmp"), bmp24(256, 256, Qt::green));
        QCOMPARE(s.others(), QStringList{"car2.bmp"});
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car.bmq", "car2.bmp", "car2.bmq"}));
    }

    void setSkin_withoutOtherCompanionDeletesCurrentCompanion()
    {
        writeSkin(m_car + "/car.bmp", Qt::red);
        writeBytes(m_car + "/car.bmQ", "old companion");
        writeSkin(m_car + "/car2.bmp", Qt::green);
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QVERIFY(s.setChosenAsCurrent(QStringLiteral("car.bmp")));
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car2.bmp"}));
        QCOMPARE(readBytes(m_car + "/car.bmp"), bmp24(256, 256, Qt::green));
    }

    void setSkinWhoseCopyFails_keepsCurrentSkinAndCompanion()
    {
        FaultyFileSystem fs;
        fs.failOnName(FaultyFileSystem::Op::Copy, "/car2.bmp", Error::of(err::DiskFull));
        writeSkin(m_car + "/car.bmp", Qt::red);
        writeBytes(m_car + "/car.bmq", "old companion");
        writeSkin(m_car + "/car2.bmp", Qt::green);
        Skins s(fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QVERIFY(!s.setChosenAsCurrent(QStringLiteral("car.bmp")));
        QCOMPARE(m_dialogs.messages(), QStringList{"Miscellaneous Error: No. 61 Disk full"});
        QCOMPARE(readBytes(m_car + "/car.bmp"), bmp24(256, 256, Qt::red));
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car.bmq", "car2.bmp"}));
    }

    void skinCommands_refuseCurrentSkinNameOutsideTheFolder()
    {
        writeSkin(m_car + "/car2.bmp");
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("../car.bmp"));
        QVERIFY(!s.setChosenAsCurrent(QStringLiteral("../car.bmp")));
        s.backUpCurrent(QString());
        QCOMPARE(m_dialogs.messages().size(), 2);
        QVERIFY(m_dialogs.prompts().isEmpty());
        QVERIFY(!QFile::exists(m_dir.path() + "/car.bmp"));
        QCOMPARE(entries(m_car), QStringList{"car2.bmp"});
    }

    void backupSkin_withDefaultListsBackupAtOnce()
    {
        writeSkin(m_car + "/car.bmp", Qt::red);
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QVERIFY(!s.found());
        m_dialogs.queueInput(QStringLiteral("Backup"));
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(m_dialogs.prompts(), QStringList{"Back Up As:"});
        QCOMPARE(m_dialogs.defaults(), QStringList{"Backup"});
        QCOMPARE(m_dialogs.messages(), QStringList{"car.bmp Backed Up"});
        QCOMPARE(readBytes(m_car + "/Backup.bmp"), bmp24(256, 256, Qt::red));
        QCOMPARE(s.others(), QStringList{"Backup.bmp"});
        QVERIFY(s.found());
        QCOMPARE(s.maximum(), 0);
        QCOMPARE(s.shownName(), QStringLiteral("Backup.bmp"));

        // Again with the same name: asked first (No is the default), overwritten on Yes, one entry.
        writeSkin(m_car + "/car.bmp", Qt::green);
        m_dialogs.clear();
        m_dialogs.queueInput(QStringLiteral("backup"));
        m_dialogs.queueAnswer(Dialogs::Answer::No);
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(m_dialogs.messages(), QStringList{"Backup.bmp already exists. Replace it?"});
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(readBytes(m_car + "/Backup.bmp"), bmp24(256, 256, Qt::red));

        m_dialogs.queueInput(QStringLiteral("backup"));
        m_dialogs.queueAnswer(Dialogs::Answer::Yes);
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(readBytes(m_car + "/Backup.bmp"), bmp24(256, 256, Qt::green));
        QCOMPARE(s.others(), QStringList{"Backup.bmp"});
        QCOMPARE(entries(m_car), QStringList({"Backup.bmp", "car.bmp"}));
    }

    void skinCommands_writeOnlyBitmaps_aTpageNamingParametersIsRefused()
    {
        writeBytes(m_car + "/parameters.txt", "BODY {\r\n");
        writeSkin(m_car + "/car2.bmp", Qt::green);
        writeBytes(m_car + "/car2.bmq", "companion");
        makeFolder(m_car, QStringLiteral("folder.bmp"));
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("parameters.txt"));
        QVERIFY(!s.setChosenAsCurrent(QStringLiteral("Parameters.txt")));
        s.backUpCurrent(QStringLiteral("parameters.txt"));
        QVERIFY(!s.setChosenAsCurrent(QStringLiteral("folder.bmp")));
        QCOMPARE(
            m_dialogs.messages(),
            QStringList({"The parameters shown name Parameters.txt as the skin, which is not a .bmp file. "
                         "The skin commands change only the car's .bmp files.",
                         "The parameters shown name parameters.txt as the skin, which is not a .bmp file. "
                         "The skin commands change only the car's .bmp files.",
                         "The parameters shown name folder.bmp as the skin, which is not a .bmp file. "
                         "The skin commands change only the car's .bmp files."}));
        QVERIFY(m_dialogs.prompts().isEmpty());
        QCOMPARE(readBytes(m_car + "/parameters.txt"), QByteArray("BODY {\r\n"));
        QCOMPARE(entries(m_car), QStringList({"car2.bmp", "car2.bmq", "folder.bmp", "parameters.txt"}));
    }

    void deleteSkin_asksWithNoAsDefault_andGoesToTheTrashWhenThereIsOne()
    {
        writeSkin(m_car + "/car.bmp");
        writeSkin(m_car + "/car2.bmp", Qt::green);
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        m_dialogs.queueAnswer(Dialogs::Answer::No);
        s.deleteChosen();
        QCOMPARE(
            m_dialogs.messages(),
            QStringList{"Delete car2.bmp? There is no trash for this disk: it will be deleted for good."});
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(s.others(), QStringList{"car2.bmp"});
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car2.bmp"}));

        m_fs.trashFolder = m_dir.path() + QStringLiteral("/trash");
        m_dialogs.clear();
        s.deleteChosen();
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Delete car2.bmp? It goes to the trash, from where it can be restored.",
                              "car2.bmp Deleted"}));
        QCOMPARE(entries(m_car), QStringList{"car.bmp"});
        QCOMPARE(readBytes(m_fs.trashFolder + "/car2.bmp"), bmp24(256, 256, Qt::green));
        QVERIFY(!s.found());
    }

    void backupSkin_cancelAndUnsafeNames()
    {
        writeSkin(m_car + "/car.bmp", Qt::red);
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        m_dialogs.queueInput(std::nullopt);
        s.backUpCurrent(QStringLiteral("car.bmp"));
        m_dialogs.queueInput(QString());
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QVERIFY(m_dialogs.messages().isEmpty());
        m_dialogs.queueInput(QStringLiteral("a/b"));
        m_dialogs.queueInput(QStringLiteral("CAR"));
        m_dialogs.queueInput(std::nullopt);
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(m_dialogs.messages().size(), 2);
        QCOMPARE(entries(m_car), QStringList{"car.bmp"});
        QCOMPARE(readBytes(m_car + "/car.bmp"), bmp24(256, 256, Qt::red));
    }

    void deleteOnlyOtherSkin_emptiesTheView()
    {
        writeSkin(m_car + "/car.bmp");
        writeSkin(m_car + "/car2.bmp");
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        s.deleteChosen();
        QCOMPARE(m_dialogs.messages().last(), QStringLiteral("car2.bmp Deleted"));
        QVERIFY(!s.found());
        QVERIFY(s.shownName().isEmpty());
        QVERIFY(s.shownPath().isEmpty());
        QCOMPARE(entries(m_car), QStringList{"car.bmp"});
        // A backup afterwards is shown as the one other skin.
        m_dialogs.queueInput(QStringLiteral("Backup"));
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(s.maximum(), 0);
        QCOMPARE(s.shownName(), QStringLiteral("Backup.bmp"));
    }

    void deleteOneOfTwo_showsTheRemainingOne()
    {
        writeSkin(m_car + "/car.bmp");
        writeSkin(m_car + "/car2.bmp");
        writeSkin(m_car + "/car3.bmp");
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        s.showOther(1);
        s.deleteChosen();
        QCOMPARE(m_dialogs.messages().last(), QStringLiteral("car3.bmp Deleted"));
        QVERIFY(s.found());
        QCOMPARE(s.maximum(), 0);
        QCOMPARE(s.value(), 0);
        QCOMPARE(s.shownName(), QStringLiteral("car2.bmp"));
        QCOMPARE(entries(m_car), QStringList({"car.bmp", "car2.bmp"}));
    }

    void textureRule_squarePowersOfTwoFrom256To8192()
    {
        for (int side : {256, 512, 1024, 2048, 4096, 8192})
            QVERIFY(Skins::isTextureSize(QSize(side, side)));
        for (QSize size : {QSize(128, 128), QSize(16384, 16384), QSize(300, 300), QSize(512, 256),
                           QSize(256, 512), QSize(768, 768), QSize()})
            QVERIFY(!Skins::isTextureSize(size));
    }

    void list_todaysTexturesByContentBesideTheOldSizeRule()
    {
        // The current skin is a PNG; the others in every form a car of today may carry.
        writeBytes(m_car + "/car.bmp", encodedPicture(1024, 1024, "PNG", Qt::red));
        writeBytes(m_car + "/a_bmp256.bmp", bmp24(256, 256));
        writeBytes(m_car + "/b_bmp512.bmp", bmp24(512, 512)); // 786,486 bytes: fails the size rule
        writeBytes(m_car + "/c_png256.bmp", encodedPicture(256, 256, "PNG"));
        writeBytes(m_car + "/d_png1024.bmp", encodedPicture(1024, 1024, "PNG"));
        writeBytes(m_car + "/e_png4096.bmp", encodedPicture(4096, 4096, "PNG", Qt::green));
        writeBytes(m_car + "/f_jpeg512.bmp", encodedPicture(512, 512, "JPG"));
        writeBytes(m_car + "/g_wide.bmp", encodedPicture(512, 256, "PNG"));
        writeBytes(m_car + "/h_odd.bmp", encodedPicture(300, 300, "PNG"));
        writeBytes(m_car + "/i_broken.bmp", damagedPngHeader(512));
        writeBytes(m_car + "/j_ruineddata.bmp", damagedPngData(512));
        writeBytes(m_car + "/k_notapicture.bmp", QByteArray(196001, 'x'));
        writeBytes(m_car + "/l_small.bmp", bmp24(128, 128));
        writeBytes(m_car + "/m_png512.png", encodedPicture(512, 512, "PNG"));
        QCOMPARE(bmp24(512, 512).size(), 786486);

        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        // The header alone decides: a PNG whose pixels are ruined still counts, one whose header
        // is ruined does not.
        const QStringList expected{"a_bmp256.bmp",  "b_bmp512.bmp",  "c_png256.bmp",     "d_png1024.bmp",
                                   "e_png4096.bmp", "f_jpeg512.bmp", "j_ruineddata.bmp", "k_notapicture.bmp"};
        QCOMPARE(s.others(), expected);
        QStringList withCurrent = expected;
        withCurrent.insert(3, QStringLiteral("car.bmp"));
        QCOMPARE(Skins::skinsOf(m_fs, m_pictures, m_car), withCurrent);

        // Stepping shows each in turn.
        s.showOther(4);
        QCOMPARE(s.shownPath(), m_car + "/e_png4096.bmp");
        s.showOther(5);
        QCOMPARE(s.shownName(), QStringLiteral("f_jpeg512.bmp"));
    }

    void setAndBackup_ofPngSkinsCopyTheirBytes()
    {
        const QByteArray red = encodedPicture(1024, 1024, "PNG", Qt::red);
        const QByteArray green = encodedPicture(4096, 4096, "PNG", Qt::green);
        writeBytes(m_car + "/car.bmp", red);
        writeBytes(m_car + "/green.bmp", green);
        Skins s(m_fs, m_pictures, m_dialogs, m_car);
        s.list(QStringLiteral("car.bmp"));
        QCOMPARE(s.others(), QStringList{"green.bmp"});

        m_dialogs.queueInput(QStringLiteral("Backup"));
        s.backUpCurrent(QStringLiteral("car.bmp"));
        QCOMPARE(readBytes(m_car + "/Backup.bmp"), red);
        QCOMPARE(s.others(), QStringList({"green.bmp", "Backup.bmp"}));

        QVERIFY(s.setChosenAsCurrent(QStringLiteral("car.bmp")));
        QCOMPARE(readBytes(m_car + "/car.bmp"), green);
        QCOMPARE(m_dialogs.messages(), QStringList({"car.bmp Backed Up", "Skin Set"}));

        // A fresh listing still finds all three.
        s.list(QStringLiteral("car.bmp"));
        QCOMPARE(s.others(), QStringList({"Backup.bmp", "green.bmp"}));
        s.showOther(1);
        s.deleteChosen();
        QCOMPARE(entries(m_car), QStringList({"Backup.bmp", "car.bmp"}));
    }
};

QTEST_GUILESS_MAIN(SkinsTest)
#include "skins_test.moc"
