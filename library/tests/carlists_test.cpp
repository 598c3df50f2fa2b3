#include "library/bothfolders.h"
#include "library/carlibrary.h"
#include "library/ui/carlistview.h"
#include "library/ui/castle.h"
#include "tests/support/testlibrary.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

// The main window's lists driven as a player would: filter, choose several, drag, undo.
class CarListsTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestLibrary lib;
        std::unique_ptr<CarLibrary> cars;
        std::unique_ptr<Castle> castle;
        CarListView* cart;
        CarListView* garage;

        Fixture(const QStringList& carNames, const QStringList& garageNames)
        {
            lib.writePaths();
            for (const QString& n : carNames)
                makeCar(lib.carFolder, n, QStringLiteral("car.jpg"), Qt::blue);
            for (const QString& n : garageNames)
                makeCar(lib.garageFolder, n, QStringLiteral("car.jpg"), Qt::blue);
            cars = std::make_unique<CarLibrary>(lib.platform());
            castle = std::make_unique<Castle>(*cars);
            if (!cars->startupReading(QString()))
                throw std::runtime_error("start-up failed");
            castle->show();
            castle->activateWindow();
            if (!QTest::qWaitForWindowActive(castle.get()))
                QTest::qWait(50);
            cart = castle->findChild<CarListView*>(QStringLiteral("Cart3"));
            garage = castle->findChild<CarListView*>(QStringLiteral("Gartery"));
            lib.dialogs.clear();
        }
        template <typename T> T* find(const QString& name) { return castle->findChild<T*>(name); }
        void press(const char* button)
        {
            QTest::mouseClick(find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
        }
        QString label(const char* name) { return find<QLabel>(QString::fromLatin1(name))->text(); }
    };

    static void clickRow(QListView* view, int viewRow, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->model()->index(viewRow, 0)).center());
    }
    static QStringList shown(QListView* view)
    {
        QStringList out;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            out << view->model()->index(row, 0).data().toString();
        return out;
    }
    static QStringList chosen(QListView* view)
    {
        QStringList out;
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            out << index.data().toString();
        out.sort();
        return out;
    }
    static bool isMarked(QListView* view, const QString& name)
    {
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            if (index.data().toString() == name)
                return index.data(CarMarksModel::AlsoInOtherRole).toBool();
        }
        throw std::runtime_error("not listed");
    }
    // Pixels of the mark's colour drawn in an entry.
    static int markPixels(QListView* view, int viewRow)
    {
        const QImage image = view->viewport()->grab().toImage();
        const QRect rect = view->visualRect(view->model()->index(viewRow, 0));
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += qAbs(c.red() - 230) < 30 && qAbs(c.green() - 120) < 30 && c.blue() < 60;
            }
        return n;
    }

private slots:
    void filter_showsMatchesWithCounts_andAllCommandsActOnEveryCar()
    {
        Fixture f({"alpha", "Álvaro", "bravo", "charlie"}, {"delta", "xray"});
        QLineEdit* box = f.cart->filterBox();
        QCOMPARE(box->placeholderText(), QStringLiteral("Filter cars"));
        QVERIFY(f.cart->shownLine()->isHidden());

        QTest::keyClicks(box, QStringLiteral("AL"));
        QCOMPARE(shown(f.cart), QStringList({"alpha", "Álvaro"}));
        QVERIFY(f.cart->shownLine()->isVisible());
        QCOMPARE(f.cart->shownLine()->text(), QStringLiteral("2 of 4 shown"));
        QCOMPARE(f.label("Cam"), QStringLiteral("4")); // the counts count the whole folder

        // Letters typed into the other filter box are text, not the X and Z shortcuts.
        QTest::keyClicks(f.garage->filterBox(), QStringLiteral("xz"));
        QCOMPARE(shown(f.garage), QStringList());
        QCOMPARE(f.garage->shownLine()->text(), QStringLiteral("0 of 2 shown"));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"delta", "xray"}));
        QTest::keyClick(f.garage->filterBox(), Qt::Key_Escape);
        QVERIFY(f.garage->filterBox()->text().isEmpty());
        QVERIFY(f.garage->shownLine()->isHidden());

        // "All: Gar." sends the cars the filter hides too.
        f.press("DelAll");
        QCOMPARE(entries(f.lib.carFolder), QStringList());
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().count(), 6);
        QCOMPARE(f.label("Cam"), QStringLiteral("0"));
        QCOMPARE(f.cart->shownLine()->text(), QStringLiteral("0 of 0 shown"));

        // "All: Car" brings every one back while the garage list shows only "br".
        QTest::keyClicks(f.garage->filterBox(), QStringLiteral("br"));
        QCOMPARE(shown(f.garage), QStringList({"bravo"}));
        f.press("CopAll");
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().count(), 6);
        QCOMPARE(shown(f.cart), QStringList({"alpha", "Álvaro"}));
        QCOMPARE(f.cart->shownLine()->text(), QStringLiteral("2 of 6 shown"));
        QVERIFY(f.lib.dialogs.messages().isEmpty());

        // Escape in the list clears its filter as well.
        f.cart->setFocus();
        QTest::keyClick(f.cart, Qt::Key_Escape);
        QCOMPARE(f.cart->model()->rowCount(), 6);
    }

    void ctrlF_focusesTheFilterOfTheListLastUsed()
    {
        Fixture f({"alpha"}, {"beta"});
        clickRow(f.garage, 0);
        QTest::keyClick(f.garage, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.garage->filterBox());
        clickRow(f.cart, 0);
        QTest::keyClick(f.cart, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.cart->filterBox());
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"alpha"})); // F moved nothing
    }

    void chooseManyByMouse_buttonMovesThemAll_pastABlockedCar()
    {
        Fixture f({"a", "b", "c", "d", "e", "f"}, {"x"});
        clickRow(f.cart, 0);
        clickRow(f.cart, 2, Qt::ShiftModifier);
        clickRow(f.cart, 4, Qt::ControlModifier);
        QCOMPARE(chosen(f.cart), QStringList({"a", "b", "c", "e"}));
        QCOMPARE(f.cars->folder(FolderRole::Cars).chosen(),
                 QStringLiteral("e"));            // the entry clicked last is shown
        clickRow(f.cart, 1, Qt::ControlModifier); // and chosen again it is left out
        QCOMPARE(chosen(f.cart), QStringList({"a", "c", "e"}));
        QCOMPARE(f.cars->folder(FolderRole::Cars).chosen(), QStringLiteral("a"));

        makeFolder(f.lib.garageFolder, QStringLiteral("c")); // c cannot move
        f.press("Garter");
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "c", "d", "f"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "a", "e"}));
        QCOMPARE(f.label("Cam"), QStringLiteral("4"));
        QCOMPARE(f.label("Gam"), QStringLiteral("3"));

        // One plain click after several: one car, exactly as a single choice always moved.
        clickRow(f.cart, 0);
        clickRow(f.cart, 3, Qt::ControlModifier);
        clickRow(f.cart, 3);
        QCOMPARE(chosen(f.cart), QStringList({"f"}));
        f.press("Garter");
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "c", "d"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "a", "e", "f"}));
    }

    void chooseManyByKeyboard_zSendsThemAll()
    {
        Fixture f({"a"}, {"k", "l", "m", "n"});
        clickRow(f.garage, 1);
        QTest::keyClick(f.garage, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.garage, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(chosen(f.garage), QStringList({"l", "m", "n"}));
        QTest::keyClick(f.garage, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(chosen(f.garage), QStringList({"l", "m"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).chosen(), QStringLiteral("m"));
        QTest::keyClick(f.garage, Qt::Key_Z);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"a", "l", "m"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"k", "n"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"a", "l", "m"}));
    }

    void filteredChoice_movesOnlyTheChosenShownCars()
    {
        Fixture f({"red1", "blue1", "red2", "blue2", "red3"}, {});
        QTest::keyClicks(f.cart->filterBox(), QStringLiteral("re"));
        f.cart->setFocus();
        clickRow(f.cart, 0);
        QTest::keyClick(f.cart, Qt::Key_A, Qt::ControlModifier); // choose every car shown
        QCOMPARE(chosen(f.cart), QStringList({"red1", "red2", "red3"}));
        // Typing on keeps the choice of what stays shown.
        QTest::keyClick(f.cart->filterBox(), Qt::Key_D);
        QCOMPARE(chosen(f.cart), QStringList({"red1", "red2", "red3"}));
        f.cart->setFocus();
        QTest::keyClick(f.cart, Qt::Key_X);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"blue1", "blue2"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"red1", "red2", "red3"}));
    }

    void drag_ontoTheOtherListMovesTheChosenCars_ontoTheSameListNothing()
    {
        Fixture f({"a", "b", "c"}, {"x"});
        clickRow(f.cart, 0);
        clickRow(f.cart, 2, Qt::ControlModifier);
        // A press on a chosen entry can start a drag of all of them only when entries are draggable.
        QVERIFY(f.cart->model()->index(0, 0).flags() & Qt::ItemIsDragEnabled);
        std::unique_ptr<QMimeData> data(f.cart->dragData());
        QVERIFY(data);
        const QPoint at = f.garage->viewport()->rect().center();

        QDragEnterEvent sameEnter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f.cart->viewport(), &sameEnter);
        QVERIFY(!sameEnter.isAccepted());
        QDropEvent sameDrop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f.cart->viewport(), &sameDrop);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"a", "b", "c"}));

        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f.garage->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::MoveAction);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f.garage->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "a", "c"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"a", "c", "x"}));

        // Files from elsewhere are refused unless someone takes them.
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(f.lib.root.path())});
        QDragEnterEvent foreign(at, Qt::CopyAction, &files, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f.garage->viewport(), &foreign);
        QVERIFY(!foreign.isAccepted());

        // And one drag undone by Ctrl+Z.
        QTest::keyClick(f.cart, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "a", "c"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x"}));
    }

    void undo_putsBackOneCommandAtATime_fromKeysAndMenu()
    {
        Fixture f({"a", "b", "c"}, {"x", "y"});
        clickRow(f.cart, 0);
        f.press("Garter"); // a
        clickRow(f.garage, 0);
        clickRow(f.garage, 1, Qt::ControlModifier);
        f.press("Carter"); // x, y
        f.press("DelAll"); // b, c, x, y
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"a", "b", "c", "x", "y"}));
        QCOMPARE(f.castle->moves().history().size(), 3);

        QTest::keyClick(f.garage, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "c", "x", "y"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"a"}));

        std::unique_ptr<QMenu> menu(f.castle->listMenu(f.cart));
        QAction* undo = menu->findChild<QAction*>(QStringLiteral("MenuUndo"));
        QVERIFY(undo && undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo"));
        undo->trigger();
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "c"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"a", "x", "y"}));

        QTest::keyClick(f.cart, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "c", "a"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "y"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"a", "b", "c"}));
        QCOMPARE(f.label("Cam"), QStringLiteral("3"));
        QCOMPARE(f.label("Gam"), QStringLiteral("2"));
        menu.reset(f.castle->listMenu(f.cart));
        QVERIFY(!menu->findChild<QAction*>(QStringLiteral("MenuUndo"))->isEnabled());
        QVERIFY(f.lib.dialogs.messages().isEmpty());
    }

    void carInBothFolders_isMarkedUntilOneCopyLeaves()
    {
        Fixture f({"Ghost", "alpha"}, {"GHOST", "beta"});
        QCOMPARE(shown(f.cart), QStringList({"alpha", "Ghost"}));
        QVERIFY(isMarked(f.cart, "Ghost") && isMarked(f.garage, "GHOST"));
        QVERIFY(!isMarked(f.cart, "alpha") && !isMarked(f.garage, "beta"));
        QCOMPARE(f.cart->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Also in the Garage Folder"));
        QCOMPARE(f.cart->model()->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("alpha"));
        QVERIFY(markPixels(f.cart, 1) > 100);
        QCOMPARE(markPixels(f.cart, 0), 0);

        // GHOST joins Ghost in the Car Folder: the garage holds neither, so no mark is left.
        clickRow(f.garage, 1);
        f.press("Carter");
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "Ghost", "GHOST"}));
        QVERIFY(!isMarked(f.cart, "Ghost") && !isMarked(f.cart, "GHOST"));
        QCOMPARE(markPixels(f.cart, 1), 0);

        clickRow(f.cart, 1);
        f.press("Garter"); // Ghost to the garage, GHOST stays
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"beta", "Ghost"}));
        QVERIFY(isMarked(f.garage, "Ghost") && isMarked(f.cart, "GHOST"));
        QVERIFY(!isMarked(f.cart, "alpha"));
        QCOMPARE(f.garage->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Also in the Car Folder"));
        QVERIFY(markPixels(f.garage, 1) > 100);
    }

    void contextMenu_actsOnTheEntriesChosenInItsList()
    {
        Fixture f({"a", "b", "c"}, {"x"});
        QList<QUrl> opened;
        QObject::connect(f.castle.get(), &Castle::folderOpenRequested,
                         [&](const QUrl& url) { opened << url; });
        QStringList details;
        QObject::connect(f.cars.get(), &CarLibrary::detailsRequested,
                         [&](const QString& path) { details << path; });

        clickRow(f.garage, 0); // the garage list was used last...
        clickRow(f.cart, 1);   // ...then b: the menu of the car list acts on b
        std::unique_ptr<QMenu> menu(f.castle->listMenu(f.cart));
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                texts << a->text();
        QCOMPARE(texts, QStringList(
                            {"Move", "Delete", "Open Details", "Show in File Manager", "Car Table", "Undo"}));
        menu->findChild<QAction*>(QStringLiteral("MenuShow"))->trigger();
        QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(f.lib.carFolder + QStringLiteral("/b"))}));
        menu->findChild<QAction*>(QStringLiteral("MenuDetails"))->trigger();
        QCOMPARE(details, QStringList({f.lib.carFolder + QStringLiteral("/b")}));

        clickRow(f.cart, 2, Qt::ControlModifier);
        menu.reset(f.castle->listMenu(f.cart));
        menu->findChild<QAction*>(QStringLiteral("MenuMove"))->trigger();
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "b", "c"}));

        // Delete with several chosen asks once, naming how many.
        clickRow(f.garage, 1);
        clickRow(f.garage, 2, Qt::ShiftModifier);
        menu.reset(f.castle->listMenu(f.garage));
        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        menu->findChild<QAction*>(QStringLiteral("MenuDelete"))->trigger();
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        // The end says whether they go to the trash, which depends on the disk the test runs on.
        QVERIFY(f.lib.dialogs.messages().first().startsWith(
            QStringLiteral("Are you sure you want to delete the 2 chosen cars from your Garage Folder (")));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"b", "c", "x"}));
        f.press("Del"); // the button does the same (Yes this time)
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"x"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x"}));
    }

    void contextMenu_byRightClick_menuKeyOrShiftF10()
    {
        Fixture f({"a", "b"}, {});
        QSignalSpy requested(f.cart, &CarListView::menuRequested);
        const QPoint at = f.cart->visualRect(f.cart->model()->index(1, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, f.cart->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(f.cart->viewport(), &event);
        QCOMPARE(requested.size(), 1);
        QMenu* menu = f.castle->findChild<QMenu*>(QStringLiteral("ListMenu"));
        QVERIFY(menu);
        menu->close();
        delete menu;

        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
            f.cart->setFocus();
            QTest::keyClick(f.cart, key, modifiers);
            QTRY_VERIFY(f.castle->findChild<QMenu*>(QStringLiteral("ListMenu")));
            menu = f.castle->findChild<QMenu*>(QStringLiteral("ListMenu"));
            menu->close();
            delete menu;
        }
        QCOMPARE(requested.size(), 3);
    }

    // A screen reader finds the filter boxes and the shown lines by what they are for, Tab reaches
    // each filter box, and every control that takes the focus has a name.
    void accessibility_filterBoxesAndShownLinesAreNamedInTheTree()
    {
        Fixture f({"alpha", "bravo"}, {"delta"});
        QTest::keyClicks(f.cart->filterBox(), QStringLiteral("al"));
        QHash<QString, QAccessibleInterface*> byName;
        QStringList unnamed;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node)
                return;
            const QString name = node->text(QAccessible::Name);
            byName.insert(name, node);
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (widget && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) && name.isEmpty())
                unnamed << widget->objectName();
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(f.castle.get()));

        for (const auto& [name, view] :
             {std::pair{"Filter the Car Folder", f.cart}, {"Filter the Garage Folder", f.garage}}) {
            QAccessibleInterface* box = byName.value(QString::fromLatin1(name));
            QVERIFY2(box, name);
            QCOMPARE(box->role(), QAccessible::EditableText);
            QCOMPARE(box->object(), view->filterBox());
        }
        QAccessibleInterface* line = byName.value(QStringLiteral("1 of 2 shown"));
        QVERIFY(line);
        QCOMPARE(line->role(), QAccessible::StaticText);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));

        // Tab goes from a filter box to the entries it filters.
        f.cart->filterBox()->setFocus();
        QTest::keyClick(f.cart->filterBox(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.cart);
    }
};

QTEST_MAIN(CarListsTest)
#include "carlists_test.moc"
