#include "library/bothfolders.h"
#include "library/carfilter.h"
#include "library/carlist.h"
#include "library/undo.h"

#include <QStringListModel>
#include <QtTest>

using namespace parkwen;

namespace {

QStringList shown(const QAbstractItemModel& model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.index(row, 0).data().toString();
    return out;
}

void fill(CarList& list, const QStringList& names)
{
    for (const QString& n : names)
        list.append(n + QStringLiteral("CAR"), n);
}

} // namespace

class ListLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void folding_ignoresCaseAndAccents()
    {
        QCOMPARE(foldForMatching(QStringLiteral("Mustang GT")), QStringLiteral("mustang gt"));
        QCOMPARE(foldForMatching(QStringLiteral("Émeraude Çava")), QStringLiteral("emeraude cava"));
        QCOMPARE(foldForMatching(QStringLiteral("ŠKODA_Ñ")), QStringLiteral("skoda_n"));
        // A letter written as letter + combining accent folds like the precomposed one.
        QCOMPARE(foldForMatching(QStringLiteral("E\u0301lan")), foldForMatching(QStringLiteral("Élan")));
        QVERIFY(foldForMatching(QStringLiteral("Ελλάδα")).startsWith(QStringLiteral("ελλαδα")));
    }

    void filter_showsMatchingEntriesInListOrder_andFollowsTheList()
    {
        PictureStore pictures;
        CarList list(pictures);
        fill(list, {"Zeta Racer", "alpha", "Élan", "ELANOR", "bravo", "velan"});
        CarFilterModel filter;
        filter.setSourceModel(&list);
        QVERIFY(!filter.isFiltering());
        QCOMPARE(filter.shownLine(), QString());
        QCOMPARE(filter.shownCount(), 6);

        filter.setFilterText(QStringLiteral("ÉLA"));
        QCOMPARE(shown(filter), QStringList({"Élan", "ELANOR", "velan"}));
        QCOMPARE(filter.shownLine(), QStringLiteral("3 of 6 shown"));

        // Cars arriving and leaving while the filter is on.
        list.append(QStringLiteral("elasticCAR"), QStringLiteral("elastic"));
        list.append(QStringLiteral("deltaCAR"), QStringLiteral("delta"));
        list.removeRow(list.rowOfText(QStringLiteral("ELANOR")));
        QCOMPARE(shown(filter), QStringList({"Élan", "velan", "elastic"}));
        QCOMPARE(filter.shownLine(), QStringLiteral("3 of 7 shown"));

        filter.setFilterText(QStringLiteral("no such car"));
        QCOMPARE(filter.shownCount(), 0);
        filter.setFilterText(QString());
        QCOMPARE(shown(filter), list.texts());
    }

    void filter_followsRowsInsertedAmongOthers_renamesAndPictureChanges()
    {
        QStringListModel names({"apple", "cherry", "date", "grape"});
        CarFilterModel filter;
        filter.setSourceModel(&names);
        filter.setFilterText(QStringLiteral("a"));
        QCOMPARE(shown(filter), QStringList({"apple", "date", "grape"}));
        names.insertRows(1, 2);
        names.setData(names.index(1, 0), QStringLiteral("banana"));
        names.setData(names.index(2, 0), QStringLiteral("fig"));
        QCOMPARE(shown(filter), QStringList({"apple", "banana", "date", "grape"}));
        QCOMPARE(filter.mapToSource(filter.index(2, 0)).row(), 4);
        QCOMPARE(filter.mapFromSource(names.index(2, 0)), QModelIndex());
        names.removeRows(0, 2);
        QCOMPARE(shown(filter), QStringList({"date", "grape"}));

        QSignalSpy changes(&filter, &QAbstractItemModel::dataChanged);
        emit names.dataChanged(names.index(0, 0), names.index(3, 0), {Qt::DecorationRole});
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(1).value<QModelIndex>().row(), 1);
    }

    void shownLine_groupsThousands()
    {
        PictureStore pictures;
        CarList list(pictures);
        std::vector<CarEntry> entries;
        for (int i = 0; i < 3041; ++i)
            entries.push_back({QStringLiteral("car%1CAR").arg(i), QStringLiteral("car%1").arg(i)});
        list.appendMany(std::move(entries));
        CarFilterModel filter;
        filter.setSourceModel(&list);
        filter.setFilterText(QStringLiteral("car1"));
        QCOMPARE(filter.shownLine(), QStringLiteral("1,111 of 3,041 shown"));
    }

    void bothFolders_marksNamesInTheOtherFolder_ignoringCase_asTheyMove()
    {
        PictureStore carPictures, garagePictures;
        CarList cars(carPictures), garage(garagePictures);
        fill(cars, {"Ghost", "alpha"});
        fill(garage, {"ghost", "beta"});
        BothFolders marks(cars, garage);
        CarMarksModel carMarks(marks, true), garageMarks(marks, false);
        carMarks.setSourceModel(&cars);
        garageMarks.setSourceModel(&garage);
        auto mark = [](const QAbstractItemModel& m, int row) {
            return m.index(row, 0).data(CarMarksModel::AlsoInOtherRole).toBool();
        };
        QVERIFY(mark(carMarks, 0) && !mark(carMarks, 1));
        QVERIFY(mark(garageMarks, 0) && !mark(garageMarks, 1));
        QCOMPARE(carMarks.index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Also in the Garage Folder"));
        QCOMPARE(garageMarks.index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Also in the Car Folder"));
        QCOMPARE(carMarks.index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("alpha"));

        // "alpha" reaches the garage: the car list's alpha is marked, and the view is told so.
        QSignalSpy carChanges(&carMarks, &QAbstractItemModel::dataChanged);
        garage.append(QStringLiteral("ALPHACAR"), QStringLiteral("ALPHA"));
        QVERIFY(mark(carMarks, 1));
        QCOMPARE(carChanges.size(), 1);

        // The garage's ghost leaves: the car list's Ghost is no longer marked.
        garage.removeRow(0);
        QVERIFY(!mark(carMarks, 0));
        // A rescan rebuilds the names.
        garage.clear();
        QVERIFY(!mark(carMarks, 1));
        fill(garage, {"GHOST"});
        QVERIFY(mark(carMarks, 0));
    }

    void undoHistory_keepsTheLast50Commands_andNoEmptyOnes()
    {
        UndoHistory history;
        history.push({});
        QVERIFY(history.isEmpty());
        for (int i = 1; i <= 55; ++i)
            history.push({{QStringLiteral("car%1").arg(i), true}});
        QCOMPARE(history.size(), UndoHistory::Limit);
        QCOMPARE(history.takeLast().first().name, QStringLiteral("car55"));
        QCOMPARE(history.last().first().name, QStringLiteral("car54"));
        while (history.size() > 1)
            history.takeLast();
        QCOMPARE(history.last().first().name, QStringLiteral("car6")); // 1 to 5 were forgotten
    }

    void movesBack_reversesEachCarOnce_andDropsRoundTrips()
    {
        const MoveCommand command = {{"a", true}, {"b", false}, {"c", true}, {"c", false},
                                     {"d", true}, {"d", false}, {"d", true}};
        QCOMPARE(movesBack(command), MoveCommand({{"a", false}, {"b", true}, {"d", false}}));
    }

    void recorder_notesArrivals_andNothingAcrossARescan()
    {
        PictureStore carPictures, garagePictures;
        CarList cars(carPictures), garage(garagePictures);
        fill(cars, {"a", "b"});
        {
            MoveRecorder recorder(cars, garage);
            cars.removeRow(0);
            garage.append(QStringLiteral("aCAR"), QStringLiteral("a"));
            cars.append(QStringLiteral("zCAR"), QStringLiteral("z"));
            QCOMPARE(recorder.moves(), MoveCommand({{"a", true}, {"z", false}}));
        }
        garage.append(QStringLiteral("bCAR"), QStringLiteral("b")); // after the recorder ended
        MoveRecorder recorder(cars, garage);
        garage.append(QStringLiteral("cCAR"), QStringLiteral("c"));
        garage.clear();
        QVERIFY(recorder.moves().isEmpty());
    }
};

QTEST_MAIN(ListLogicTest)
#include "listlogic_test.moc"
