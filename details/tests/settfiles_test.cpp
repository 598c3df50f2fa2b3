#include "details/tests/importfixtures.h"
#include "details/ui/cardial.h"
#include "details/ui/filechooser.h"
#include "details/ui/sett.h"
#include "details/ui/settfiles.h"
#include "details/ui/updown.h"
#include "tests/support/recordingprocesses.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/trashingfilesystem.h"

#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace parkwen;
using namespace parkwen::test;

// The details window's parameter and skin areas, and the chooser windows, as a user meets them.
class SettFilesTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    TrashingFileSystem m_fs; // no trash: deletions are for good
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;
    RecordingProcesses m_processes;
    QString m_cars;
    QString m_car;

    Platform platform() { return {m_fs, m_pictures, m_dialogs, m_processes, m_dir.path()}; }

    DetailsContext contextFor(const QString& car)
    {
        DetailsContext context;
        context.carPath = car;
        context.chosenInGarage = false;
        context.selectedEntry = lastName(car);
        context.carFolder = m_cars;
        return context;
    }

    static QStringList items(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_cars =
            makeFolder(m_dir.path(), QStringLiteral("cars%1").arg(QRandomGenerator::global()->generate()));
        m_car = makeFolder(m_cars, "own");
        writeBytes(m_car + "/parameters.txt", paramsText("own", "Own Car", "car.bmp", "38.000000"));
        writeBytes(m_car + "/Race.txt", paramsText("own", "Race Tune", "car.bmp", "44.000000"));
        writeSkin(m_car + "/car.bmp", Qt::red);
        writeSkin(m_car + "/car2.bmp", Qt::green);
        m_dialogs = ScriptedDialogs();
    }

    void opening_listsParametersAndSkinsAndCommandsRedrawThem()
    {
        Sett sett(platform(), contextFor(m_car));
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        auto* params = sett.findChild<QListWidget*>(QStringLiteral("Params"));
        auto* speed = sett.findChild<QLabel*>(QStringLiteral("Speed"));
        auto* cartIt = sett.findChild<QLabel*>(QStringLiteral("Cart_It"));
        auto* otherIm = sett.findChild<QLabel*>(QStringLiteral("OtherIm"));
        auto* setskin = sett.findChild<QPushButton*>(QStringLiteral("setskin"));
        auto* delS = sett.findChild<QPushButton*>(QStringLiteral("DelS"));
        auto* picSel = sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        QVERIFY(params && speed && cartIt && otherIm && setskin && delS && picSel);

        QCOMPARE(items(params), QStringList({"Current Parameters", "Race Tune"}));
        QCOMPARE(sett.paramFiles(), QStringList({"Parameters.txt", "Race.txt"}));
        QCOMPARE(cartIt->text(), QStringLiteral("car2.bmp"));
        sett.waitForPictures();
        QVERIFY(!otherIm->pixmap().isNull());
        QVERIFY(setskin->isEnabled() && delS->isEnabled());
        QVERIFY(sett.foundSkin());

        // A click on an entry shows its statistics; the arrow keys do the same.
        params->setCurrentRow(1);
        QCOMPARE(speed->text(), QStringLiteral("Speed: 44.00mph"));
        params->setFocus();
        QTest::keyClick(params, Qt::Key_Up);
        QCOMPARE(speed->text(), QStringLiteral("Speed: 38.00mph"));

        // F2 backs parameters.txt up under the default name.
        m_dialogs.queueInput(QStringLiteral("Backup"));
        QTest::keyClick(params, Qt::Key_F2);
        QCOMPARE(items(params), QStringList({"Current Parameters", "Race Tune", "Own Car"}));
        QCOMPARE(sett.paramFiles().last(), QStringLiteral("Backup.txt"));

        // Delete the backup: the list and the table stay in step.
        params->setCurrentRow(2);
        sett.findChild<QPushButton*>(QStringLiteral("DelP"))->click();
        QCOMPARE(items(params), QStringList({"Current Parameters", "Race Tune"}));
        QCOMPARE(sett.paramFiles(), QStringList({"Parameters.txt", "Race.txt"}));
        QCOMPARE(speed->text(), QStringLiteral("Speed: 38.00mph"));
        QVERIFY(!QFile::exists(m_car + "/Backup.txt"));

        // Skins: back up the current one, step to it, delete the other.
        m_dialogs.queueInput(QStringLiteral("Old Paint"));
        sett.findChild<QPushButton*>(QStringLiteral("Bakbit"))->click();
        QCOMPARE(picSel->maximum(), 1);
        picSel->setValue(1);
        QCOMPARE(cartIt->text(), QStringLiteral("Old Paint.bmp"));
        picSel->setValue(0);
        delS->click();
        QCOMPARE(cartIt->text(), QStringLiteral("Old Paint.bmp"));
        QCOMPARE(picSel->maximum(), 0);
        delS->click();
        QVERIFY(!setskin->isEnabled() && !delS->isEnabled());
        QVERIFY(cartIt->text().isEmpty());
        QVERIFY(otherIm->pixmap().isNull());
        QVERIFY(!sett.foundSkin());
        const QString forGood =
            QStringLiteral("? There is no trash for this disk: it will be deleted for good.");
        QCOMPARE(
            m_dialogs.messages(),
            QStringList({"Parameters.txt Backed Up", "Delete Backup.txt" + forGood, "Parameters.txt Removed",
                         "car.bmp Backed Up", "Delete car2.bmp" + forGood, "car2.bmp Deleted",
                         "Delete Old Paint.bmp" + forGood, "Old Paint.bmp Deleted"}));
    }

    void imports_runThroughTheChoosersAndListTheCopies()
    {
        const QString donor = makeFolder(m_cars, "donor");
        writeBytes(donor + "/parameters.txt", paramsText("donor", "Donor Car", "car.bmp", "50.000000"));
        writeSkin(donor + "/donor.bmp", Qt::yellow);
        ScriptedChoosers choosers;
        choosers.parameterTries << QStringList{donor + "/parameters.txt"};
        choosers.skinAnswers << QStringLiteral("car2.bmp");
        choosers.bitmapTries << QStringList{donor + "/donor.bmp"};

        Sett sett(platform(), contextFor(m_car));
        setImportChoosers(sett, &choosers);
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        auto* params = sett.findChild<QListWidget*>(QStringLiteral("Params"));

        m_dialogs.queueInput(QStringLiteral("ImpParam"));
        m_dialogs.queueInput(QStringLiteral("Donor Handling"));
        QTest::keyClick(params, Qt::Key_F1);
        QCOMPARE(choosers.openedAt, QStringList{m_cars});
        QCOMPARE(items(params).last(), QStringLiteral("Donor Handling"));
        QCOMPARE(sett.paramFiles().last(), QStringLiteral("ImpParam.txt"));
        params->setCurrentRow(2);
        QCOMPARE(sett.findChild<QLabel*>(QStringLiteral("Speed"))->text(), QStringLiteral("Speed: 50.00mph"));
        QCOMPARE(sett.currentSkin(), QStringLiteral("car2.bmp"));

        m_dialogs.queueInput(QStringLiteral("Impskin"));
        sett.findChild<QPushButton*>(QStringLiteral("IMMPIT"))->click();
        QCOMPARE(sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"))->maximum(), 1);
        QVERIFY(QFile::exists(m_car + "/Impskin.bmp"));
        QCOMPARE(m_dialogs.messages(), QStringList({"Import Successful", "Import Successful"}));
    }

    // F1 to F5 run their commands from whichever control has the focus, when pressed alone: with
    // Shift, Ctrl or Alt they do nothing, as the window has always read them.
    void functionKeys_runTheirCommandsFromAnyControlOnlyWhenPressedAlone()
    {
        ScriptedChoosers choosers;
        Sett sett(platform(), contextFor(m_car));
        setImportChoosers(sett, &choosers);
        sett.show();
        QVERIFY(QTest::qWaitForWindowActive(&sett));
        QTRY_VERIFY(sett.isFilled());
        sett.findChild<QListWidget*>(QStringLiteral("Params"))->setCurrentRow(0);
        auto* picSel = sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        picSel->setFocus();
        // What the player meets: the boxes, the prompts, the choosers and the car's paint.
        const auto met = [&] {
            return QStringList{m_dialogs.messages().join(u'|'), m_dialogs.prompts().join(u'|'),
                               choosers.openedAt.join(u'|'),
                               QString::fromLatin1(readBytes(m_car + "/car.bmp").toHex())};
        };
        const QList<std::pair<Qt::Key, int>> keys = {
            {Qt::Key_F1, 2}, {Qt::Key_F2, 1}, {Qt::Key_F3, 0}, {Qt::Key_F4, 1}, {Qt::Key_F5, 3}};
        for (const auto& [key, changes] : keys) {
            const QStringList before = met();
            for (const Qt::KeyboardModifier with : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
                QTest::keyClick(picSel, key, with);
            QCOMPARE(met(), before);
            QTest::keyClick(picSel, key);
            QVERIFY2(met()[changes] != before[changes], qPrintable(QKeySequence(key).toString()));
        }
        // The buttons are named by what they do, since two share each caption.
        QCOMPARE(sett.findChild<QPushButton*>(QStringLiteral("Bakbit"))->accessibleName(),
                 QStringLiteral("Backup Skin"));
    }

    void fileChooser_refusesThenAcceptsAndFollowsFolders()
    {
        const QString donor = makeFolder(m_cars, "donor");
        writeBytes(donor + "/parameters.txt", paramsText("donor", "Donor Car"));
        writeBytes(donor + "/readme.txt", "nothing");
        writeBytes(donor + "/car.bmp", bmp24(8, 8));
        QStringList tried;
        FileChooser chooser(FileChooser::Kind::Parameters, m_fs, m_pictures, m_cars,
                            [&](const QString& path) {
                                tried << path;
                                return path.endsWith(QLatin1String("parameters.txt"));
                            });
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Select Parameters to Import"));
        auto* dir1 = chooser.findChild<QListWidget*>(QStringLiteral("Dir1"));
        auto* file1 = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
        auto* ok = chooser.findChild<QPushButton*>(QStringLiteral("OK"));
        QVERIFY(dir1 && file1 && ok && chooser.findChild<QWidget*>(QStringLiteral("Drive1")));
        QVERIFY(items(file1).isEmpty());
        QVERIFY(!ok->isEnabled());

        // The folder list ends with the sub-folders; activating one opens it.
        QListWidgetItem* donorItem = dir1->findItems(QStringLiteral("donor"), Qt::MatchEndsWith).value(0);
        QVERIFY(donorItem);
        emit dir1->itemActivated(donorItem);
        QCOMPARE(chooser.folder(), donor);
        QCOMPARE(items(file1), QStringList({"parameters.txt", "readme.txt"}));

        file1->setCurrentRow(1);
        chooser.show();
        file1->setFocus();
        QTest::keyClick(file1, Qt::Key_Return); // runs OK once
        QCOMPARE(tried, QStringList{donor + "/readme.txt"});
        QVERIFY(chooser.isVisible());
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QVERIFY(chooser.chosenPath().isEmpty());
        file1->setCurrentRow(0);
        ok->click();
        QCOMPARE(tried, QStringList({donor + "/readme.txt", donor + "/parameters.txt"}));
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.chosenPath(), donor + "/parameters.txt");
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QVERIFY(!FileChooser::drives().isEmpty());
    }

    void bitmapChooser_previewsTheClickedBitmap()
    {
        FileChooser chooser(FileChooser::Kind::Bitmap, m_fs, m_pictures, m_car, {});
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Select Bitmap to Import"));
        auto* file1 = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
        auto* pikcha = chooser.findChild<QLabel*>(QStringLiteral("Pikcha"));
        QVERIFY(pikcha && chooser.findChild<QWidget*>(QStringLiteral("PikFra")));
        QCOMPARE(items(file1), QStringList({"car.bmp", "car2.bmp"}));
        file1->setCurrentRow(1);
        chooser.waitForPictures();
        QVERIFY(!pikcha->pixmap().isNull());
        QCOMPARE(pikcha->pixmap().toImage().pixelColor(pikcha->pixmap().width() / 2, 2), QColor(Qt::green));
    }

    void skinChooser_stepsThroughAllSkinsAndReturnsTheShownOne()
    {
        CarDial dial(m_fs, m_pictures, m_car, QStringList({"car.bmp", "car2.bmp"}));
        QCOMPARE(dial.windowTitle(), QStringLiteral("r"));
        auto* cartIt = dial.findChild<QLabel*>(QStringLiteral("Cart_It"));
        auto* picSel = dial.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        QCOMPARE(cartIt->text(), QStringLiteral("car.bmp"));
        QCOMPARE(picSel->maximum(), 1);
        picSel->setValue(1);
        QCOMPARE(cartIt->text(), QStringLiteral("car2.bmp"));
        dial.findChild<QPushButton*>(QStringLiteral("setskin"))->click();
        QCOMPARE(dial.chosenSkin(), QStringLiteral("car2.bmp"));
        QCOMPARE(dial.result(), int(QDialog::Accepted));

        CarDial empty(m_fs, m_pictures, m_car, QStringList());
        QVERIFY(!empty.findChild<QPushButton*>(QStringLiteral("setskin"))->isEnabled());
    }
};

QTEST_MAIN(SettFilesTest)
#include "settfiles_test.moc"
