#include "library/carlibrary.h"
#include "library/ui/castle.h"
#include "library/ui/castleactions.h"
#include "library/ui/keyswindow.h"
#include "tests/support/testlibrary.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class CastleTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestLibrary lib;
        std::unique_ptr<CarLibrary> cars;
        std::unique_ptr<Castle> castle;
        explicit Fixture(const QStringList& carNames = {}, const QStringList& garageNames = {},
                         const QString& commandLine = QString())
        {
            lib.writePaths();
            for (const QString& n : carNames)
                makeCar(lib.carFolder, n);
            for (const QString& n : garageNames)
                makeCar(lib.garageFolder, n);
            cars = std::make_unique<CarLibrary>(lib.platform());
            castle = std::make_unique<Castle>(*cars);
            if (!cars->startupReading(commandLine))
                throw std::runtime_error("start-up failed");
            castle->show();
            castle->activateWindow();
            if (!QTest::qWaitForWindowActive(castle.get()))
                QTest::qWait(50);
        }
        template <typename T> T* find(const char* name)
        {
            return castle->findChild<T*>(QString::fromLatin1(name));
        }
        QListView* list(const char* name) { return find<QListView>(name); }
    };

private slots:
    void controls_haveTheirNamesCaptionsAndAccessibleNames()
    {
        Fixture f({"alpha"}, {"beta"});
        QCOMPARE(f.castle->windowTitle(), QStringLiteral("Parkwen - Car Selection"));
        QCOMPARE(f.list("Cart3")->accessibleName(), QStringLiteral("Car Folder"));
        QCOMPARE(f.list("Gartery")->accessibleName(), QStringLiteral("Garage Folder"));
        const QList<std::pair<const char*, const char*>> buttons = {
            {"Garter", ">>"},          {"Carter", "<<"},          {"SetRemv", "Rem. Set"},
            {"SetLdPlus", "Load set"}, {"SetLdOnly", "Set only"}, {"DelAll", "All: Gar."},
            {"CopAll", "All: Car"},    {"Crete", "Create Set"},   {"Ed_It", "Edit Set"},
            {"Del", "Del. Car"},       {"Mama", "Help"},          {"ksl", "Keys"},
            {"Reg", "Reset Reg."},     {"Refra", "Refresh"},      {"RUNA", "Settings"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = f.find<QPushButton>(name);
            QVERIFY2(b, name);
            QCOMPARE(b->text(), QString::fromLatin1(caption));
            QVERIFY2(!b->toolTip().isEmpty(), name);
        }
        QCOMPARE(f.find<QGroupBox>("AmtFra")->title(), QStringLiteral("Toolbox"));
        QCOMPARE(f.find<QGroupBox>("PikFra")->title(), QStringLiteral("Picture"));
        QCOMPARE(f.find<QLabel>("Cam")->text(), QStringLiteral("1"));
        QCOMPARE(f.find<QLabel>("Gam")->text(), QStringLiteral("1"));
        QCOMPARE(f.find<QLabel>("Light")->size(), QSize(50, 50));
    }

    void clickingAndArrowKeys_chooseEntries()
    {
        Fixture f({"alpha", "bravo"}, {"garaged"});
        QListView* cart = f.list("Cart3");
        QTest::mouseClick(cart->viewport(), Qt::LeftButton, {},
                          cart->visualRect(cart->model()->index(0, 0)).center());
        QCOMPARE(f.cars->folder(FolderRole::Cars).chosen(), QStringLiteral("alpha"));
        QCOMPARE(f.find<QGroupBox>("PikFra")->title(), QStringLiteral("alpha"));
        QTest::keyClick(cart, Qt::Key_Down);
        QCOMPARE(f.cars->folder(FolderRole::Cars).chosen(), QStringLiteral("bravo"));
        QCOMPARE(f.cars->display().lastChosen, FolderRole::Cars);
        QListView* garage = f.list("Gartery");
        QTest::mouseClick(garage->viewport(), Qt::LeftButton, {},
                          garage->visualRect(garage->model()->index(0, 0)).center());
        QCOMPARE(f.cars->folder(FolderRole::Garage).chosen(), QStringLiteral("garaged"));
        QCOMPARE(f.cars->display().lastChosen, FolderRole::Garage);
    }

    void focusAlone_choosesNothing()
    {
        Fixture f({"alpha"});
        f.list("Cart3")->setFocus();
        QCoreApplication::processEvents();
        QVERIFY(f.cars->folder(FolderRole::Cars).chosen().isEmpty());
        QCOMPARE(f.find<QGroupBox>("PikFra")->title(), QStringLiteral("Picture"));
    }

    void functionKeys_reachTheWindowFromAnyControl_modifiersIgnored()
    {
        Fixture f({"alpha"});
        makeCar(f.lib.carFolder, QStringLiteral("zulu"));
        QTest::keyClick(f.list("Gartery"), Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "zulu"}));
        QCOMPARE(f.find<QLabel>("Cam")->text(), QStringLiteral("2"));
    }

    void zAndShiftX_moveTheChosenCars()
    {
        Fixture f({"alpha"}, {"beta"});
        QListView* garage = f.list("Gartery");
        QTest::mouseClick(garage->viewport(), Qt::LeftButton, {},
                          garage->visualRect(garage->model()->index(0, 0)).center());
        QTest::keyClick(f.list("Cart3"), Qt::Key_Z); // the key works whichever list has the focus
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "beta"}));
        QVERIFY(QFileInfo::exists(f.lib.carFolder + QStringLiteral("/beta/parameters.txt")));
        QCOMPARE(f.find<QLabel>("Cam")->text(), QStringLiteral("2"));
        QCOMPARE(f.find<QLabel>("Gam")->text(), QStringLiteral("0"));

        QListView* cart = f.list("Cart3");
        QTest::mouseClick(cart->viewport(), Qt::LeftButton, {},
                          cart->visualRect(cart->model()->index(0, 0)).center());
        QTest::keyClick(garage, Qt::Key_X, Qt::ShiftModifier);
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"beta"}));
        QVERIFY(f.lib.dialogs.messages().isEmpty());
    }

    void layout_followsTheWindowSize()
    {
        Fixture f({"alpha"});
        f.castle->layoutControls(13800, 10500);
        const int w = (13800 - 3735 - 240) / 2;
        QCOMPARE(f.list("Cart3")->width(), qRound(w / 15.0));
        QCOMPARE(f.list("Cart3")->height(), qRound((10500 - 1600) / 15.0));
        QCOMPARE(f.list("Gartery")->x(), qRound(w / 15.0));
        QCOMPARE(f.find<QGroupBox>("PikFra")->x(), qRound((13800 - 3735 - 120) / 15.0));
        QCOMPARE(f.find<QPushButton>("Carter")->y(), qRound((10500 - 1080) / 15.0));
        QCOMPARE(f.lib.dialogs.beeps(), 0);
    }

    void layout_tooSmallStopsAtTheFailingStepAndBeeps100Times()
    {
        Fixture f({"alpha"});
        f.castle->layoutControls(13800, 10500);
        const int gartLeft = f.list("Gartery")->x();
        f.lib.dialogs.clear();
        // Height 1500 twips: the first step (list height H - 1600) fails, nothing after it runs.
        f.castle->layoutControls(9000, 1500);
        QCOMPARE(f.lib.dialogs.beeps(), 100);
        QCOMPARE(f.list("Gartery")->x(), gartLeft);

        f.lib.dialogs.clear();
        // Width too small for the lists, height fine: the list height is set, then the width fails.
        f.castle->layoutControls(3000, 9000);
        QCOMPARE(f.lib.dialogs.beeps(), 100);
        QCOMPARE(f.list("Cart3")->height(), qRound((9000 - 1600) / 15.0));
        QCOMPARE(f.list("Gartery")->x(), gartLeft);
    }

    void shrinkingTheWindow_stopsAtASizeWhereTheLayoutHolds()
    {
        Fixture f({"alpha"});
        f.lib.dialogs.clear();
        for (const QSize size : {QSize(1, 1), QSize(200, 600), QSize(800, 60), QSize(264, 106)}) {
            f.castle->resize(size);
            QCoreApplication::processEvents();
            QVERIFY(f.castle->width() >= f.castle->minimumWidth());
            QVERIFY(f.castle->height() >= f.castle->minimumHeight());
        }
        QCOMPARE(f.lib.dialogs.beeps(), 0);
        // At the smallest size both lists still have room beside the picture frame.
        f.castle->resize(f.castle->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(f.lib.dialogs.beeps(), 0);
        QVERIFY(f.list("Cart3")->width() >= 100 && f.list("Cart3")->height() >= 200);
        QVERIFY(f.list("Gartery")->x() + f.list("Gartery")->width() <= f.find<QGroupBox>("PikFra")->x());
    }
    // The keys come from one list of actions: the help's key table names exactly their keys, the Keys
    // window shows its first thirteen lines as it always has and then every key added since, and the
    // keys work from any control of the window, but type into a filter box.
    void keys_helpTableKeysWindowAndWindowFollowOneListOfActions()
    {
        QFile readme(QFINDTESTDATA("../../README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(readme.readAll());
        const qsizetype table = text.indexOf(QStringLiteral("| Key | Does |"));
        QVERIFY(table >= 0);
        QStringList helpKeys;
        for (const QString& line : text.mid(table).split(QLatin1Char('\n')).mid(2)) {
            if (!line.startsWith(QLatin1Char('|')))
                break;
            helpKeys << line.section(QLatin1Char('|'), 1, 1).trimmed();
        }
        QStringList registered = CastleActions::helpKeys();
        helpKeys.sort();
        registered.sort();
        QCOMPARE(helpKeys, registered);

        const QStringList lines = KeysWindow::lines();
        const QStringList always = {"Car Selection Screen",
                                    "\t Z : Send to Car Folder",
                                    " \t X : Send to Garage Folder",
                                    "\tF1 : Run Rigwell",
                                    "\tF2: Help",
                                    "\tF3: Reset Registry",
                                    "\tF5: Refresh",
                                    "Car Settings Screen",
                                    "\tF1: Import Parameters",
                                    "\tF2: Backup Parameters",
                                    "\tF3: Set Parameters",
                                    "\tF4: Backup Skin",
                                    "\tF5: Set Skin!"};
        QCOMPARE(lines.mid(0, 13), always);
        for (const char* key : {"F6:", "F7:", "Ctrl+F:", "Ctrl+Z:"})
            QVERIFY2(lines.mid(13).join(QLatin1Char('\n')).contains(QLatin1String(key)), key);

        Fixture f({"alpha"}, {"beta"});
        int installs = 0;
        QObject::connect(f.castle.get(), &Castle::installRequested, [&] { ++installs; });
        QLineEdit* box = f.castle->findChildren<QLineEdit*>().first();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F6);
        QCOMPARE(installs, 1);
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_Z);
        QCOMPARE(box->text(), QStringLiteral("xz"));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"beta"}));
        QVERIFY(f.castle->findChild<QPushButton*>(QStringLiteral("Refra"))
                    ->toolTip()
                    .startsWith("Click to refresh"));
    }
};

QTEST_MAIN(CastleTest)
#include "castle_test.moc"
