#include "details/tests/sampleparams.h"
#include "library/carlibrary.h"
#include "library/ui/cartable.h"
#include "library/ui/castle.h"
#include "tests/support/testlibrary.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class CarTableTest : public QObject
{
    Q_OBJECT

    // A car of the game's layout with its models, so that only what a row sets up is wrong.
    static void car(const QString& parent, const QString& folder, const QString& speed,
                    const QString& pathsTo = {})
    {
        const QString path = makeCar(parent, folder, QStringLiteral("carbox.bmp"));
        for (const char* file : {"part0.prm", "part1.prm", "part2.prm", "part3.prm", "hull.hul", "car.bmp"})
            writeBytes(path + QLatin1Char('/') + QLatin1String(file), "model");
        SampleParams sample;
        sample.name = folder;
        sample.topSpeed = speed;
        sample.folder = pathsTo.isEmpty() ? folder : pathsTo;
        sample.tpage = QStringLiteral("cars\\%1\\car.bmp").arg(sample.folder);
        writeBytes(path + QStringLiteral("/parameters.txt"), sample.text().toLatin1());
    }

    static QStringList column(QTableView* view, int column)
    {
        QStringList values;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            values << view->model()->index(row, column).data().toString();
        return values;
    }

    // Every row as "folder:car" or "folder:garage", sorted.
    static QStringList places(CarTable& table)
    {
        QStringList where;
        for (const CarRecord& record : table.model().cars())
            where << record.folderName + QLatin1Char(':') + (record.inGarage ? "garage" : "car");
        where.sort();
        return where;
    }

private slots:
    void table_sortsFiltersAndMoves_mainListsFollow()
    {
        TestLibrary lib;
        lib.writePaths();
        car(lib.carFolder, QStringLiteral("alpha"), QStringLiteral("9.5"));
        car(lib.carFolder, QStringLiteral("bravo"), QStringLiteral("40.0"));
        car(lib.carFolder, QStringLiteral("charlie"), QStringLiteral("100.0"), QStringLiteral("oldname"));
        car(lib.garageFolder, QStringLiteral("delta"), QStringLiteral("38.0"));
        CarLibrary cars(lib.platform());
        Castle castle(cars);
        QVERIFY(cars.startupReading(QString()));
        castle.show();
        castle.activateWindow();
        if (!QTest::qWaitForWindowActive(&castle))
            QTest::qWait(50);

        QTest::keyClick(castle.findChild<QWidget*>(QStringLiteral("Cart3")), Qt::Key_F7);
        CarTable* table = castle.carTable();
        QVERIFY(table && table->isVisible());
        QTableView* view = table->view();
        for (QWidget* w : table->findChildren<QWidget*>())
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) || w == view)
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));

        // Speeds sort as numbers, not as text.
        view->sortByColumn(CarTableModel::Speed, Qt::AscendingOrder);
        QCOMPARE(column(view, CarTableModel::Folder), (QStringList{"alpha", "delta", "bravo", "charlie"}));
        table->findChild<QCheckBox*>(QStringLiteral("TableProblems"))->setChecked(true);
        QCOMPARE(column(view, CarTableModel::Folder), QStringList{"charlie"});
        QCOMPARE(column(view, CarTableModel::Health), QStringList{"Broken path (+5 more)"});
        table->findChild<QCheckBox*>(QStringLiteral("TableProblems"))->setChecked(false);

        // Choose alpha and charlie, then "Move": both go to the garage through the main window's
        // command, and the main window's lists, counts and undo follow.
        view->selectionModel()->clearSelection();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QString name = view->model()->index(row, CarTableModel::Folder).data().toString();
            if (name == QLatin1String("alpha") || name == QLatin1String("charlie"))
                view->selectionModel()->select(view->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        table->findChild<QPushButton*>(QStringLiteral("TableMove"))->click();
        QCOMPARE(cars.folder(FolderRole::Cars).list().texts(), QStringList{"bravo"});
        QStringList garage = cars.folder(FolderRole::Garage).list().texts();
        garage.sort();
        QCOMPARE(garage, (QStringList{"alpha", "charlie", "delta"}));
        QCOMPARE(castle.findChild<QLabel*>(QStringLiteral("Cam"))->text(), QStringLiteral("1"));
        QCOMPARE(castle.findChild<QLabel*>(QStringLiteral("Gam"))->text(), QStringLiteral("3"));
        QStringList where;
        for (const CarRecord& record : table->model().cars())
            where << record.folderName + QLatin1Char(':') + (record.inGarage ? "garage" : "car");
        where.sort();
        QCOMPARE(where, (QStringList{"alpha:garage", "bravo:car", "charlie:garage", "delta:garage"}));
        // The moved car is still the broken car it was, now in the garage.
        for (const CarRecord& record : table->model().cars())
            if (record.folderName == QLatin1String("charlie"))
                QCOMPARE(record.healthText(), QStringLiteral("Broken path (+5 more)"));
        // "Fix paths" on the broken car, asked first; then "Undo Fix" sets the old file back.
        const QString charlie = lib.garageFolder + QStringLiteral("/charlie/parameters.txt");
        const QByteArray before = readBytes(charlie);
        view->selectionModel()->clearSelection();
        for (int row = 0; row < view->model()->rowCount(); ++row)
            if (view->model()->index(row, CarTableModel::Folder).data().toString() ==
                QLatin1String("charlie"))
                view->selectionModel()->select(view->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        lib.dialogs.queueAnswer(Dialogs::Answer::Yes);
        table->findChild<QPushButton*>(QStringLiteral("TableFixPaths"))->click();
        QVERIFY(readBytes(charlie).contains("cars\\charlie\\part0.prm"));
        auto charlieRecord = [&] {
            for (const CarRecord& record : table->model().cars())
                if (record.folderName == QLatin1String("charlie"))
                    return record;
            return CarRecord();
        };
        QVERIFY(charlieRecord().healthy());
        table->findChild<QPushButton*>(QStringLiteral("TableUndoFix"))->click();
        QCOMPARE(readBytes(charlie), before);
        QVERIFY(!charlieRecord().healthy());

        castle.undo();
        QStringList back = cars.folder(FolderRole::Cars).list().texts();
        back.sort();
        QCOMPARE(back, (QStringList{"alpha", "bravo", "charlie"}));
        // The table follows the undo done in the main window, without Refresh.
        QCoreApplication::processEvents();
        QCOMPARE(places(*table), (QStringList{"alpha:car", "bravo:car", "charlie:car", "delta:garage"}));
    }

    // Changes made in the main window reach the table's rows; cars the lists do not show move and are
    // deleted from the table through the same engine and questions as the listed ones.
    void table_followsMainWindow_movesAndDeletesUnlistedCars()
    {
        TestLibrary lib;
        lib.writePaths();
        lib.fs.trashOffered = false;
        car(lib.carFolder, QStringLiteral("alpha"), QStringLiteral("30.0"));
        car(lib.carFolder, QStringLiteral("bravo"), QStringLiteral("31.0"));
        // A car for the game without the picture the lists show.
        QDir().mkpath(lib.carFolder + QStringLiteral("/echo"));
        SampleParams sample;
        sample.name = QStringLiteral("echo");
        sample.folder = QStringLiteral("echo");
        writeBytes(lib.carFolder + QStringLiteral("/echo/parameters.txt"), sample.text().toLatin1());
        CarLibrary cars(lib.platform());
        Castle castle(cars);
        QVERIFY(cars.startupReading(QString()));
        castle.show();
        castle.CarTable_Click();
        CarTable* table = castle.carTable();
        QCOMPARE(places(*table), (QStringList{"alpha:car", "bravo:car", "echo:car"}));

        // ">>" in the main window, "Del. Car", and a car installed: the rows follow each.
        cars.chooseRow(FolderRole::Cars,
                       cars.folder(FolderRole::Cars).list().rowOfText(QStringLiteral("alpha")));
        cars.moveChosenFrom(FolderRole::Cars);
        QCoreApplication::processEvents();
        QCOMPARE(places(*table), (QStringList{"alpha:garage", "bravo:car", "echo:car"}));
        cars.chooseRow(FolderRole::Cars,
                       cars.folder(FolderRole::Cars).list().rowOfText(QStringLiteral("bravo")));
        lib.dialogs.queueAnswer(Dialogs::Answer::Yes);
        cars.deleteChosen();
        car(lib.carFolder, QStringLiteral("foxtrot"), QStringLiteral("32.0"));
        QVERIFY(cars.addInstalledCar(QStringLiteral("foxtrot"), FolderRole::Cars));
        QCoreApplication::processEvents();
        QCOMPARE(places(*table), (QStringList{"alpha:garage", "echo:car", "foxtrot:car"}));

        // The unlisted car moves to the Garage Folder from the table; the lists stay as they were.
        const auto choose = [&](const QString& name) {
            QTableView* view = table->view();
            view->selectionModel()->clearSelection();
            for (int row = 0; row < view->model()->rowCount(); ++row)
                if (view->model()->index(row, CarTableModel::Folder).data().toString() == name)
                    view->selectionModel()->select(view->model()->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        choose(QStringLiteral("echo"));
        table->findChild<QPushButton*>(QStringLiteral("TableMove"))->click();
        QVERIFY(QFileInfo(lib.garageFolder + QStringLiteral("/echo/parameters.txt")).isFile());
        QVERIFY(!QFileInfo::exists(lib.carFolder + QStringLiteral("/echo")));
        QCOMPARE(cars.folder(FolderRole::Garage).list().texts(), QStringList{"alpha"});
        QCOMPARE(places(*table), (QStringList{"alpha:garage", "echo:garage", "foxtrot:car"}));

        // Deleting it asks as "Del. Car" asks, naming that it is deleted for good; "No" keeps it.
        choose(QStringLiteral("echo"));
        lib.dialogs.clear();
        lib.dialogs.queueAnswer(Dialogs::Answer::No);
        table->findChild<QPushButton*>(QStringLiteral("TableDelete"))->click();
        QCOMPARE(lib.dialogs.messages().size(), 1);
        QVERIFY2(lib.dialogs.messages().first().endsWith(QStringLiteral(" (it is deleted for good)")),
                 qPrintable(lib.dialogs.messages().first()));
        QVERIFY(QFileInfo::exists(lib.garageFolder + QStringLiteral("/echo")));
        lib.dialogs.queueAnswer(Dialogs::Answer::Yes);
        table->findChild<QPushButton*>(QStringLiteral("TableDelete"))->click();
        QVERIFY(!QFileInfo::exists(lib.garageFolder + QStringLiteral("/echo")));
        QCOMPARE(places(*table), (QStringList{"alpha:garage", "foxtrot:car"}));
        QCOMPARE(cars.folder(FolderRole::Garage).list().texts(), QStringList{"alpha"});
    }
};

QTEST_MAIN(CarTableTest)
#include "cartable_test.moc"
