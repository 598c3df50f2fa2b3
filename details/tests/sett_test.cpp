#include "details/tests/sampleparams.h"
#include "details/ui/sett.h"
#include "details/ui/statbar.h"
#include "tests/support/carfolders.h"
#include "tests/support/recordingprocesses.h"
#include "tests/support/scripteddialogs.h"

#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtpictures.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <functional>

#include <sys/stat.h>

// Where a window manager's requests enter Qt (QtGui's platform interface, whose header is not among
// the public ones). A close request sent here meets the same rules as one from the window manager:
// Qt drops it while a modal window blocks the window.
class QWindowSystemInterface
{
public:
    struct SynchronousDelivery
    {
    };
    template <typename Delivery> static bool handleCloseEvent(QWindow* window);
};

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Calls `opened` with every message box once it is open and modal, from within its own loop.
class BoxWatcher : public QObject
{
public:
    explicit BoxWatcher(std::function<void(QMessageBox*)> opened) : m_opened(std::move(opened)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show)
            QMetaObject::invokeMethod(
                this, [this, box] { m_opened(box); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QMessageBox*)> m_opened;
};

} // namespace

class SettTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    LocalFileSystem m_fs;
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;
    RecordingProcesses m_processes;

    Platform platform() { return {m_fs, m_pictures, m_dialogs, m_processes, m_dir.path()}; }

    QString label(Sett& sett, const char* name)
    {
        auto* l = sett.findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    DetailsContext contextFor(const QString& car)
    {
        DetailsContext context;
        context.carPath = car;
        context.chosenInGarage = true;
        context.selectedEntry = lastName(car);
        context.picture = QImage(64, 64, QImage::Format_RGB32);
        context.picture.fill(Qt::darkGreen);
        return context;
    }

private slots:

    void opening_withAParametersFileThatIsNoFile_saysSoAndNeverHangs()
    {
        const QString car = makeFolder(m_dir.path(), QStringLiteral("Hostile"));
        const QString params = car + QStringLiteral("/parameters.txt");
        QVERIFY(::mkfifo(QFile::encodeName(params).constData(), 0600) == 0);
        {
            m_dialogs.clear();
            Sett sett(platform(), contextFor(car));
            sett.show();
            QTRY_VERIFY(sett.isFilled());
            QCOMPARE(m_dialogs.messages().value(0), "Miscellaneous Error: No. 75 Path/File access error: " +
                                                        params + " is not an ordinary file");
            QVERIFY(
                label(sett, "Moniker").endsWith(QStringLiteral("(this car has no readable parameters.txt)")));
        }
        // A link to an endless device: refused before a byte is read.
        QFile::remove(params);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), params));
        m_dialogs.clear();
        Sett sett(platform(), contextFor(car));
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        QVERIFY(m_dialogs.messages().value(0).endsWith(QStringLiteral(" is not an ordinary file")));
    }
    void opening_fillsCaptionsBarsAndPicturesOnce()
    {
        const QString car = makeFolder(m_dir.path(), QStringLiteral("Racer"));
        SampleParams sample;
        sample.tpage = QStringLiteral("cars/racer/Car.bmp");
        sample.checksum = QStringLiteral("661A3F00");
        writeBytes(car + "/Parameters.TXT", sample.text().toLatin1());
        writePicture(car + "/car.bmp", Qt::blue, 256);

        Sett sett(platform(), contextFor(car));
        QCOMPARE(sett.windowTitle(), QStringLiteral("Parkwen Car Settings"));
        QCOMPARE(label(sett, "Moniker"), QStringLiteral("Car Name:"));
        sett.show();
        QTRY_VERIFY(sett.isFilled());

        QCOMPARE(label(sett, "Moniker"), "Car Name: " + car);
        QCOMPARE(label(sett, "Speed"), QStringLiteral("Speed: 38.00mph"));
        QCOMPARE(label(sett, "Class"), QStringLiteral("Class: Glow"));
        QCOMPARE(label(sett, "Rating"), QStringLiteral("Rating: Semi-Pro"));
        QCOMPARE(label(sett, "Mass"), QStringLiteral("Mass: 01.50kg"));
        QCOMPARE(label(sett, "Base"), QStringLiteral("Base: Phat Slug"));
        QCOMPARE(label(sett, "Trans"), QStringLiteral("Transmission: 4-WD"));
        QCOMPARE(label(sett, "Axle"), QStringLiteral("Accel:"));
        QCOMPARE(sett.currentSkin(), QStringLiteral("Car.bmp"));

        auto* grip = sett.findChild<StatBarImage*>(QStringLiteral("barGrip"));
        auto* accel = sett.findChild<StatBarImage*>(QStringLiteral("BarAxle"));
        QVERIFY(grip && accel);
        QCOMPARE(grip->toolTip(), QStringLiteral("70%"));
        QCOMPARE(grip->barWidth(), 141); // 70% of 201 pixels
        QCOMPARE(accel->barWidth(), 201);
        QCOMPARE(accel->height(), 25);

        // The skin is found although the line names it in another case.
        sett.waitForPictures();
        QVERIFY(!sett.findChild<QLabel*>(QStringLiteral("kakar"))->pixmap().isNull());
        QVERIFY(!sett.findChild<QLabel*>(QStringLiteral("Pic"))->pixmap().isNull());
        QVERIFY(sett.findChild<QObject*>(QStringLiteral("Timer1")));

        // Reading another file later keeps what that file cannot name.
        SampleParams other;
        other.engineClass = QStringLiteral("3");
        other.topSpeed = QStringLiteral("41.5");
        sett.RTB().setText(other.text());
        sett.loadparams();
        QCOMPARE(label(sett, "Class"), QStringLiteral("Class: Glow"));
        QCOMPARE(label(sett, "Speed"), QStringLiteral("Speed: 41.50mph"));
    }

    void missingParameters_opensWithDesignCaptionsAndSaysSo()
    {
        const QString car = makeFolder(m_dir.path(), QStringLiteral("Bare"));
        Sett sett(platform(), contextFor(car));
        sett.show();
        QTRY_VERIFY(sett.isFilled());
        QVERIFY(label(sett, "Moniker").startsWith("Car Name: " + car));
        QVERIFY(label(sett, "Moniker").contains(QStringLiteral("no readable parameters.txt")));
        QCOMPARE(label(sett, "Speed"), QStringLiteral("Speed:"));
        QCOMPARE(label(sett, "Base"), QStringLiteral("Param Base:"));
        QCOMPARE(sett.findChild<StatBarImage*>(QStringLiteral("BarTurn"))->barWidth(), 0);
        QVERIFY(sett.findChild<QLabel*>(QStringLiteral("kakar"))->pixmap().isNull());
    }

    // A screen reader moves the focus over the window and selects what it reads; none of that is a
    // command, so it raises no box, and the window manager's first close request closes the window.
    // Boxes here are real and modal, as in the program: one left open would make Qt drop the
    // request, as it does for any window a modal one blocks.
    void screenReaderWalk_raisesNothingAndTheFirstCloseRequestCloses()
    {
        const QString car = makeFolder(m_dir.path(), QStringLiteral("NoParameters"));
        writePicture(car + "/car.bmp", Qt::blue, 64);
        QWidget mainWindow;
        mainWindow.show();
        QtDialogs dialogs(QStringLiteral("Parkwen"));
        dialogs.setParent(&mainWindow);
        Platform real = platform();
        Platform withBoxes{real.fs, real.pictures, dialogs, real.processes, real.programFolder};
        Sett sett(withBoxes, contextFor(car), &mainWindow);

        int closeRequests = 0;
        QStringList boxes;
        const auto requestClose = [&] {
            ++closeRequests;
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
                sett.windowHandle());
        };
        // A box that opens anyway: the user asks the window manager to close the details window, and
        // then, as that does nothing, answers the box.
        BoxWatcher watcher([&](QMessageBox* box) {
            boxes << box->text();
            if (sett.isVisible())
                requestClose();
            box->reject();
        });
        qApp->installEventFilter(&watcher);

        sett.show();
        QTRY_VERIFY(sett.isFilled());
        // The reader brings the window to the front (as its focus requests do) and walks its tree.
        if (sett.isVisible()) {
            sett.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&sett));
        }
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node || !node->isValid() || !sett.isVisible())
                return;
            // Pressing a button is the user's command, not the reader's.
            if (QAccessibleActionInterface* actions = node->actionInterface())
                for (const QString& name : actions->actionNames())
                    if (name != QAccessibleActionInterface::pressAction())
                        actions->doAction(name);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&sett));
        // And the reader's user moves through the window with Tab.
        for (int i = 0; i < 20 && sett.isVisible(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : static_cast<QWidget*>(&sett), Qt::Key_Tab);
        }
        QCoreApplication::processEvents();

        if (sett.isVisible())
            requestClose();
        QVERIFY(!sett.isVisible());
        QCOMPARE(closeRequests, 1);
        QCOMPARE(boxes, QStringList());
        qApp->removeEventFilter(&watcher);
    }

    void controls_carTheirCaptionsAndTooltips()
    {
        Sett sett(platform(), contextFor(m_dir.path()));
        const auto tip = [&](const char* name) {
            QWidget* w = sett.findChild<QWidget*>(QLatin1String(name));
            return w ? w->toolTip() : QStringLiteral("<missing>");
        };
        QCOMPARE(tip("Impit"), tip("IMMPIT"));
        QCOMPARE(tip("Bacup"), QStringLiteral("Click to BackUp \"Current Parameters\" (Parameters.Txt.)"));
        QCOMPARE(tip("PicSel"), QStringLiteral("Use this to Scroll Between \"Other Skins.\""));
        QVERIFY(tip("Params").endsWith(QStringLiteral("Parameters.txt. ")));
        QVERIFY(label(sett, "Label3").contains(QStringLiteral("in a  new Parameters File")));
        QVERIFY(label(sett, "Label6").contains(QStringLiteral("Up\\Down Control, then cick Delete.")));
        for (const char* name :
             {"Params", "Bacup", "Settt", "DelP", "Label1", "Label2", "Label4", "Label5", "kakar", "Bakbit",
              "OtherIm", "Cart_It", "setskin", "DelS", "Picture1", "Picture2", "Xtrabmps"})
            QVERIFY2(sett.findChild<QWidget*>(QLatin1String(name)), name);
        QVERIFY(!sett.findChild<QWidget*>(QStringLiteral("setskin"))->isEnabled());
        QVERIFY(!sett.findChild<QWidget*>(QStringLiteral("Xtrabmps"))->isVisibleTo(&sett));
    }
};

QTEST_MAIN(SettTest)
#include "sett_test.moc"
