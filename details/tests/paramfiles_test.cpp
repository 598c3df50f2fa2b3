#include "details/paramfiles.h"
#include "details/paramtext.h"
#include "details/tests/importfixtures.h"
#include "tests/support/faultyfilesystem.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/trashingfilesystem.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class ParamFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_car;
    TrashingFileSystem m_fs; // no trash unless a test gives it one
    ScriptedDialogs m_dialogs;
    QList<QByteArray> m_shown;

    void attach(ParamFiles& p)
    {
        p.showText = [this](const QByteArray& text) { m_shown << text; };
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_car = makeFolder(m_dir.path(), QStringLiteral("car%1").arg(QRandomGenerator::global()->generate()));
        writeBytes(m_car + "/parameters.txt", paramsText("own", "Racer"));
        m_dialogs.clear();
        m_shown.clear();
        m_fs.trashFolder.clear();
    }

    void fill_listsCurrentThenBackupsByNameAndLeavesOutReadme()
    {
        writeBytes(m_car + "/Race.txt", paramsText("own", "Race Tune"));
        writeBytes(m_car + "/Backup.txt", paramsText("own", "Racer"));
        writeBytes(m_car + "/readme.txt", "A car by someone.\r\nBody and wheels by someone else.\r\n");
        writeBytes(m_car + "/lower.txt", "{\r\nname \"Lower\"\r\nbody {\r\n}\r\n");
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QCOMPARE(p.titles(), QStringList({"Current Parameters", "Racer", "Lower", "Race Tune"}));
        QCOMPARE(p.entries()[0].fileName, QStringLiteral("Parameters.txt"));
        QCOMPARE(p.entries()[1].fileName, QStringLiteral("Backup.txt"));
        QCOMPARE(p.entries()[3].fileName, QStringLiteral("Race.txt"));
    }

    void fill_hasNoLimitOfTenFiles()
    {
        for (int i = 0; i < 14; ++i)
            writeBytes(m_car + QStringLiteral("/b%1.txt").arg(i, 2, 10, QLatin1Char('0')),
                       paramsText("own", "N" + QByteArray::number(i)));
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QCOMPARE(p.count(), 15);
        QCOMPARE(p.entries()[14].fileName, QStringLiteral("b13.txt"));
        p.showEntry(14);
        QCOMPARE(paramtext::nameOf(m_shown.last()), QStringLiteral("N13"));
    }

    void backupWithDefaultTwice_overwritesOneFileAndKeepsOneEntry()
    {
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        m_dialogs.queueInput(QStringLiteral("Backup"));
        QVERIFY(p.backUp());
        QCOMPARE(m_dialogs.prompts(), QStringList{"Back Up As:"});
        QCOMPARE(m_dialogs.defaults(), QStringList{"Backup"});
        QCOMPARE(m_dialogs.messages(), QStringList{"Parameters.txt Backed Up"});
        QCOMPARE(readBytes(m_car + "/Backup.txt"), readBytes(m_car + "/parameters.txt"));
        QCOMPARE(p.titles(), QStringList({"Current Parameters", "Racer"}));

        // parameters.txt changes; the second backup overwrites the first once the user agrees.
        writeBytes(m_car + "/parameters.txt", paramsText("own", "Racer Mk2"));
        m_dialogs.clear();
        m_dialogs.queueInput(QStringLiteral("Backup"));
        QVERIFY(p.backUp());
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Backup.txt already exists. Replace it?", "Parameters.txt Backed Up"}));
        QCOMPARE(readBytes(m_car + "/Backup.txt"), paramsText("own", "Racer Mk2"));
        QCOMPARE(p.titles(), QStringList({"Current Parameters", "Racer Mk2"}));
        QCOMPARE(p.entries()[1].fileName, QStringLiteral("Backup.txt"));
    }

    void backupOntoAnExistingFile_asksNamingIt_andNoKeepsIt()
    {
        writeBytes(m_car + "/ReadMe.txt", "Drive it fast.\r\n");
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        // "readme" finds ReadMe.txt, as the game's file system would.
        m_dialogs.queueInput(QStringLiteral("readme"));
        m_dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(!p.backUp());
        QCOMPARE(m_dialogs.messages(), QStringList{"ReadMe.txt already exists. Replace it?"});
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(m_dialogs.shown().first().icon, Dialogs::Icon::Question);
        QCOMPARE(readBytes(m_car + "/ReadMe.txt"), QByteArray("Drive it fast.\r\n"));
        QCOMPARE(p.count(), 1);

        m_dialogs.clear();
        m_dialogs.queueInput(QStringLiteral("readme"));
        m_dialogs.queueAnswer(Dialogs::Answer::Yes);
        QVERIFY(p.backUp());
        QCOMPARE(readBytes(m_car + "/ReadMe.txt"), readBytes(m_car + "/parameters.txt"));
        QCOMPARE(entries(m_car), QStringList({"ReadMe.txt", "parameters.txt"}));
        QCOMPARE(p.titles(), QStringList({"Current Parameters", "Racer"}));
    }

    void backupNames_cancelWritesNothingAndUnsafeNamesAreAskedAgain()
    {
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        const QStringList before = entries(m_car);
        m_dialogs.queueInput(std::nullopt);
        QVERIFY(!p.backUp());
        m_dialogs.queueInput(QString());
        QVERIFY(!p.backUp());
        QCOMPARE(entries(m_car), before);
        QVERIFY(m_dialogs.messages().isEmpty());

        // Separators, dot names and parameters.txt itself are refused; the prompt comes again.
        m_dialogs.queueInput(QStringLiteral("../escape"));
        m_dialogs.queueInput(QStringLiteral("sub\\x"));
        m_dialogs.queueInput(QStringLiteral(".."));
        m_dialogs.queueInput(QStringLiteral("PARAMETERS"));
        m_dialogs.queueInput(QStringLiteral("Safe"));
        QVERIFY(p.backUp());
        QCOMPARE(m_dialogs.prompts().size(), 2 + 5);
        QCOMPARE(m_dialogs.messages().size(), 5);
        QCOMPARE(m_dialogs.messages().last(), QStringLiteral("Parameters.txt Backed Up"));
        QVERIFY(!QFile::exists(m_dir.path() + "/escape.txt"));
        QCOMPARE(readBytes(m_car + "/parameters.txt"), paramsText("own", "Racer"));
        QCOMPARE(entries(m_car), QStringList({"Safe.txt", "parameters.txt"}));
    }

    void set_withCurrentParametersIsPointlessAndChangesNothing()
    {
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        p.setAsCurrent(-1);
        QVERIFY(m_dialogs.messages().isEmpty());
        p.setAsCurrent(0);
        QCOMPARE(m_dialogs.messages(),
                 QStringList{"Copying Parameters.txt to Parameters.txt is pointless. I aint doing it, OK?"});
        QCOMPARE(m_dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(readBytes(m_car + "/parameters.txt"), paramsText("own", "Racer"));
    }

    void set_replacesParametersByteForByteAndKeepsChosenFile()
    {
        QByteArray odd = paramsText("donor", "Odd") + QByteArray("\r\n\xe9\xff tail\n\r", 11);
        writeBytes(m_car + "/Odd.txt", odd);
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        p.setAsCurrent(1);
        QCOMPARE(m_dialogs.messages(), QStringList{"Parameters Set"});
        QCOMPARE(readBytes(m_car + "/parameters.txt"), odd);
        QCOMPARE(readBytes(m_car + "/Odd.txt"), odd);
        QCOMPARE(entries(m_car), QStringList({"Odd.txt", "parameters.txt"}));
        QCOMPARE(p.count(), 2);
    }

    void setWhoseCopyFails_leavesParametersWholeAndReportsError()
    {
        FaultyFileSystem fs;
        fs.failOnName(FaultyFileSystem::Op::Copy, "/Odd.txt", Error::of(err::DiskFull));
        writeBytes(m_car + "/Odd.txt", paramsText("donor", "Odd"));
        ParamFiles p(fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        p.setAsCurrent(1);
        QCOMPARE(m_dialogs.messages(), QStringList{"Miscellaneous Error: No. 61 Disk full"});
        QCOMPARE(readBytes(m_car + "/parameters.txt"), paramsText("own", "Racer"));
        QCOMPARE(entries(m_car), QStringList({"Odd.txt", "parameters.txt"}));
    }

    void delete_refusesNoSelectionAndCurrentParameters()
    {
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QVERIFY(!p.deleteEntry(-1));
        QVERIFY(!p.deleteEntry(0));
        QCOMPARE(
            m_dialogs.messages(),
            QStringList({"No File Selected for Deletion. Fix: Select a File from the Parameters Listbox.",
                         "Cannot Delete Parameters.txt"}));
        QVERIFY(QFile::exists(m_car + "/parameters.txt"));
    }

    void deleteEntryOneOfThree_thenEntryOneShowsItsOwnFile()
    {
        writeBytes(m_car + "/A.txt", paramsText("own", "First", "car.bmp", "11.000000"));
        writeBytes(m_car + "/B.txt", paramsText("own", "Second", "car.bmp", "22.000000"));
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QCOMPARE(p.count(), 3);
        QVERIFY(p.deleteEntry(1));
        QVERIFY(!QFile::exists(m_car + "/A.txt"));
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Delete A.txt? There is no trash for this disk: it will be deleted for good.",
                              "Parameters.txt Removed"}));
        // The statistics are those of parameters.txt again.
        QCOMPARE(m_shown.last(), readBytes(m_car + "/parameters.txt"));
        QCOMPARE(p.titles(), QStringList({"Current Parameters", "Second"}));
        p.showEntry(1);
        QCOMPARE(m_shown.last(), readBytes(m_car + "/B.txt"));
    }

    void deleteOfReadOnlyFailure_keepsEntryAndSaysWhy()
    {
        TrashingFileSystem fs;
        fs.failOnName(FaultyFileSystem::Op::Delete, "/A.txt", Error::of(err::PathFileAccess));
        writeBytes(m_car + "/A.txt", paramsText("own", "First"));
        ParamFiles p(fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QVERIFY(!p.deleteEntry(1));
        QCOMPARE(p.count(), 2);
        QCOMPARE(m_dialogs.messages().last(),
                 QStringLiteral("Miscellaneous Error: No. 75 Path/File access error"));
    }

    void delete_asksWithNoAsDefault_andNoKeepsTheFile()
    {
        writeBytes(m_car + "/A.txt", paramsText("own", "First"));
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        m_dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(!p.deleteEntry(1));
        QCOMPARE(m_dialogs.shown().size(), 1);
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(m_dialogs.shown().first().icon, Dialogs::Icon::Question);
        QCOMPARE(readBytes(m_car + "/A.txt"), paramsText("own", "First"));
        QCOMPARE(p.count(), 2);
    }

    void delete_withATrash_movesTheFileThereAndSaysSo()
    {
        m_fs.trashFolder = m_dir.path() + QStringLiteral("/trash");
        writeBytes(m_car + "/A.txt", paramsText("own", "First"));
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QVERIFY(p.deleteEntry(1));
        QCOMPARE(m_dialogs.messages(),
                 QStringList({"Delete A.txt? It goes to the trash, from where it can be restored.",
                              "Parameters.txt Removed"}));
        QCOMPARE(entries(m_car), QStringList{"parameters.txt"});
        QCOMPARE(readBytes(m_fs.trashFolder + "/A.txt"), paramsText("own", "First"));
        QCOMPARE(p.count(), 1);

        // A read-only file stays put, trash or not.
        writeBytes(m_car + "/B.txt", paramsText("own", "Second"));
        QVERIFY(QFile::setPermissions(m_car + "/B.txt", QFileDevice::ReadOwner));
        p.fill();
        m_dialogs.clear();
        QVERIFY(!p.deleteEntry(1));
        QCOMPARE(m_dialogs.messages().last(),
                 QStringLiteral("Miscellaneous Error: No. 75 Path/File access error"));
        QVERIFY(QFile::exists(m_car + "/B.txt"));
    }

    void currentParameters_foundInAnotherLetterCase()
    {
        QFile::rename(m_car + "/parameters.txt", m_car + "/PARAMETERS.TXT");
        writeBytes(m_car + "/A.txt", paramsText("donor", "First"));
        ParamFiles p(m_fs, m_dialogs, m_car);
        attach(p);
        p.fill();
        QCOMPARE(p.count(), 2);
        p.showEntry(0);
        QCOMPARE(paramtext::nameOf(m_shown.last()), QStringLiteral("Racer"));
        p.setAsCurrent(1);
        QCOMPARE(entries(m_car), QStringList({"A.txt", "PARAMETERS.TXT"}));
        QCOMPARE(readBytes(m_car + "/PARAMETERS.TXT"), paramsText("donor", "First"));
    }
};

QTEST_GUILESS_MAIN(ParamFilesTest)
#include "paramfiles_test.moc"
