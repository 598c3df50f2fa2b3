#include "details/tests/importfixtures.h"
#include "details/ui/cardial.h"
#include "details/ui/carview.h"
#include "details/ui/sett.h"
#include "details/ui/updown.h"
#include "tests/support/recordingprocesses.h"
#include "tests/support/scripteddialogs.h"

#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;
using namespace parkwen::test;

// The skin area of the details window with the textures of today's cars: PNG and JPEG data under
// ".bmp" names, a folder whose name differs in case from the one its parameters give.
class SettSkinsTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    LocalFileSystem m_fs;
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;
    RecordingProcesses m_processes;
    QString m_car;

    Platform platform() { return {m_fs, m_pictures, m_dialogs, m_processes, m_dir.path()}; }

    DetailsContext contextFor(const QString& car)
    {
        DetailsContext context;
        context.carPath = car;
        context.selectedEntry = lastName(car);
        return context;
    }

    // The colour of the left half of what an image control shows; invalid when it shows nothing.
    static QColor leftColour(QLabel* image)
    {
        const QPixmap pixmap = image->pixmap();
        if (pixmap.isNull())
            return QColor();
        return pixmap.toImage().pixelColor(pixmap.width() / 4, pixmap.height() / 2);
    }

    static bool near(QColor a, QColor b)
    {
        return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
               qAbs(a.blue() - b.blue()) < 24;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_car = makeFolder(m_dir.path(), QStringLiteral("baddrc"));
        // The parameters name the folder "BaddRC" and the skin "car.bmp"; on disk it is "Car.BMP".
        QByteArray params = paramsText("BaddRC", "Badd RC", "car.bmp");
        params.replace("cars\\BaddRC\\car.bmp", "cars/BaddRC/car.bmp");
        writeBytes(m_car + "/parameters.txt", params);
        writeBytes(m_car + "/Car.BMP", encodedPicture(1024, 1024, "PNG", Qt::red));
        writeBytes(m_car + "/a_blue.bmp", encodedPicture(4096, 4096, "PNG", Qt::blue));
        writeBytes(m_car + "/b_green.bmp", encodedPicture(512, 512, "JPG", Qt::green));
        writeBytes(m_car + "/c_yellow.bmp", bmp24(512, 512, Qt::yellow));
        writeBytes(m_car + "/d_ruined.bmp", damagedPngData(256));
        writeBytes(m_car + "/shadow.bmp", bmp24(64, 64));
        m_dialogs = ScriptedDialogs();
    }

    void opening_showsPngSkinsStepsAndSetsOne()
    {
        Sett sett(platform(), contextFor(m_car));
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        sett.waitForPictures();
        auto* kakar = sett.findChild<QLabel*>(QStringLiteral("kakar"));
        auto* otherIm = sett.findChild<QLabel*>(QStringLiteral("OtherIm"));
        auto* cartIt = sett.findChild<QLabel*>(QStringLiteral("Cart_It"));
        auto* picSel = sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        QVERIFY(kakar && otherIm && cartIt && picSel);

        QCOMPARE(sett.currentSkin(), QStringLiteral("car.bmp"));
        QVERIFY(near(leftColour(kakar), Qt::red));
        // Shown at the size of the box, whatever the texture's size.
        QVERIFY(kakar->pixmap().width() <= kakar->contentsRect().width());
        QCOMPARE(picSel->maximum(), 3);
        QCOMPARE(cartIt->text(), QStringLiteral("a_blue.bmp"));
        QVERIFY(near(leftColour(otherIm), Qt::blue));
        QVERIFY(otherIm->pixmap().width() <= otherIm->contentsRect().width());

        picSel->setValue(1);
        sett.waitForPictures();
        QCOMPARE(cartIt->text(), QStringLiteral("b_green.bmp"));
        QVERIFY(near(leftColour(otherIm), Qt::green));

        // Stepping on before a picture is ready: the control ends with the last one asked for.
        picSel->setValue(0);
        picSel->setValue(2);
        sett.waitForPictures();
        QCOMPARE(cartIt->text(), QStringLiteral("c_yellow.bmp"));
        QVERIFY(near(leftColour(otherIm), Qt::yellow));

        // A texture whose pixels are ruined is listed by name and shows nothing.
        picSel->setValue(3);
        sett.waitForPictures();
        QCOMPARE(cartIt->text(), QStringLiteral("d_ruined.bmp"));
        QVERIFY(otherIm->pixmap().isNull());

        // "Set" replaces the file on disk, in its own letter case.
        picSel->setValue(1);
        sett.findChild<QPushButton*>(QStringLiteral("setskin"))->click();
        sett.waitForPictures();
        QCOMPARE(m_dialogs.messages(), QStringList{"Skin Set"});
        QCOMPARE(readBytes(m_car + "/Car.BMP"), readBytes(m_car + "/b_green.bmp"));
        QVERIFY(!QFile::exists(m_car + "/car.bmp"));
        QVERIFY(near(leftColour(kakar), Qt::green));

        // "Backup" copies that file too.
        m_dialogs.queueInput(QStringLiteral("Backup"));
        sett.findChild<QPushButton*>(QStringLiteral("Bakbit"))->click();
        QCOMPARE(readBytes(m_car + "/Backup.bmp"), readBytes(m_car + "/Car.BMP"));
        QCOMPARE(picSel->maximum(), 4);
    }

    // The car in 3D wears the current skin, tries on each other skin the player steps to, and wears
    // the new current skin after "Set". A car without its models says why in the view, and the rest
    // of the window works as before.
    void carView_triesOnSteppedSkinsAndSaysWhyItCannotDraw()
    {
        Sett sett(platform(), contextFor(m_car));
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        CarView* view = sett.carView();
        auto* picSel = sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        auto* tryOn = view->findChild<QCheckBox*>(QStringLiteral("TryOn"));
        QVERIFY(tryOn && tryOn->isEnabled() && !tryOn->isChecked());
        QCOMPARE(view->wornSkin(), m_car + "/Car.BMP");
        // The models part0.prm ... are not there, and the view says so.
        const QString reason = view->reason();
        QVERIFY2(reason.contains("The body") && reason.contains("part0.prm") && reason.contains("not there"),
                 qPrintable(reason));

        picSel->setValue(1);
        QVERIFY(tryOn->isChecked());
        QCOMPARE(view->wornSkin(), m_car + "/b_green.bmp");
        QVERIFY(view->notes().contains("b_green.bmp"));
        tryOn->setChecked(false);
        QCOMPARE(view->wornSkin(), m_car + "/Car.BMP");
        tryOn->setChecked(true);
        sett.findChild<QPushButton*>(QStringLiteral("setskin"))->click();
        QVERIFY(!tryOn->isChecked());
        QCOMPARE(view->wornSkin(), m_car + "/Car.BMP");
        QCOMPARE(m_dialogs.messages(), QStringList{"Skin Set"});

        // Deleting every other skin leaves nothing to try on.
        auto* delS = sett.findChild<QPushButton*>(QStringLiteral("DelS"));
        while (delS->isEnabled())
            delS->click();
        QVERIFY2(!tryOn->isEnabled(), qPrintable(m_dialogs.messages().join(",")));
        QCOMPARE(view->wornSkin(), m_car + "/Car.BMP");
    }

    void skinChooser_previewsPngSkins()
    {
        CarDial dial(m_fs, m_pictures, m_car, QStringList({"a_blue.bmp", "Car.BMP"}));
        dial.waitForPictures();
        auto* otherIm = dial.findChild<QLabel*>(QStringLiteral("OtherIm"));
        QVERIFY(near(leftColour(otherIm), Qt::blue));
        dial.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"))->setValue(1);
        dial.waitForPictures();
        QVERIFY(near(leftColour(otherIm), Qt::red));
    }
};

QTEST_MAIN(SettSkinsTest)
#include "settskins_test.moc"
