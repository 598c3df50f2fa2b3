#include "library/ui/cartable.h"

#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/manymoves.h"
#include "library/ui/cartablerows.h"

#include <QCoreApplication>

namespace parkwen {

using cartablerows::isLeftover;

struct CarTable::Busy
{
    explicit Busy(CarTable& table) : table(table) { ++table.m_busy; }
    ~Busy()
    {
        if (--table.m_busy == 0) {
            table.m_followForced = true;
            table.follow();
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    CarTable& table;
};

void CarTable::moveChosen()
{
    const Busy busy(*this);
    QStringList toGarage, toCars, unlistedToGarage, unlistedToCars;
    for (int row : chosenRows()) {
        const CarRecord& car = m_model->car(row);
        if (isLeftover(car))
            continue;
        if (car.listed)
            (car.inGarage ? toCars : toGarage) << car.folderName;
        else
            (car.inGarage ? unlistedToCars : unlistedToGarage) << car.folderName;
    }
    // The same command as the main window's: one undo step, the lists and counts follow.
    m_moves.record([&] {
        if (!toGarage.isEmpty())
            m_moves.send(toGarage, FolderRole::Garage);
        if (!toCars.isEmpty())
            m_moves.send(toCars, FolderRole::Cars);
    });
    // Cars the lists do not show move through the same engine; no list changes.
    // The game's own cars listed in the stock-listing mode stay in the Car Folder, as ">>" keeps them.
    for (const QString& name : std::as_const(unlistedToGarage))
        if (!(m_cars.options().listsStockCars && isStockCar(name)))
            m_cars.door().moveUnlisted(name, FolderRole::Garage);
    for (const QString& name : std::as_const(unlistedToCars))
        m_cars.door().moveUnlisted(name, FolderRole::Cars);
}

void CarTable::deleteChosen()
{
    const Busy busy(*this);
    QStringList fromCars;
    QStringList fromGarage;
    for (int row : chosenRows()) {
        const CarRecord& car = m_model->car(row);
        if (!isLeftover(car))
            (car.inGarage ? fromGarage : fromCars) << car.folderName;
    }
    if (!fromCars.isEmpty())
        m_moves.remove(fromCars, FolderRole::Cars);
    if (!fromGarage.isEmpty())
        m_moves.remove(fromGarage, FolderRole::Garage);
}

void CarTable::addChosenToSet()
{
    QStringList names;
    for (int row : chosenRows())
        if (m_model->car(row).listed)
            names << m_model->car(row).folderName;
    if (onAddToSet && !names.isEmpty())
        onAddToSet(names);
}

void CarTable::fixChosenPaths()
{
    const Busy busy(*this);
    QList<int> rows;
    for (int row : chosenRows())
        if (m_model->car(row).fixablePaths())
            rows << row;
    if (rows.isEmpty())
        return;
    Dialogs& dialogs = m_cars.platform().dialogs;
    const QString question =
        rows.size() == 1
            ? QCoreApplication::translate(
                  "CarTable", "Point the paths in the parameters.txt of %1 at its own folder? A backup of "
                              "parameters.txt is kept; the details window can set it back.")
                  .arg(m_model->car(rows.first()).folderName)
            : QCoreApplication::translate(
                  "CarTable",
                  "Point the paths in the parameters.txt of %1 cars at their own folders? A backup of "
                  "each parameters.txt is kept; the details window can set it back.")
                  .arg(rows.size());
    if (dialogs.message(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const CarDoor::Pass pass = m_cars.door().enter();
    if (!pass)
        return;
    m_lastFix.clear();
    for (int row : rows) {
        const CarRecord& car = m_model->car(row);
        const Result<QString> backup = fixPaths(m_cars.platform().fs, car);
        if (!backup.ok())
            dialogs.plain(QStringLiteral("%1: %2").arg(car.folderName, backup.error().description()));
        else
            m_lastFix.append({car.path, car.inGarage, true, backup.value()});
    }
    resurvey(rows);
}

void CarTable::showChosenInLists()
{
    const Busy busy(*this);
    QList<int> rows;
    for (int row : chosenRows())
        if (!m_model->car(row).boxSource.isEmpty())
            rows << row;
    if (rows.isEmpty())
        return;
    Dialogs& dialogs = m_cars.platform().dialogs;
    QStringList sources;
    for (int row : rows)
        sources << m_model->car(row).boxSource;
    if (dialogs.message(QCoreApplication::translate(
                            "CarTable",
                            "Copy the box picture each car names into its folder, so the lists show it? "
                            "The pictures named stay as they are:\n%1")
                            .arg(sources.join(QLatin1Char('\n'))),
                        Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const CarDoor::Pass pass = m_cars.door().enter();
    if (!pass)
        return;
    m_lastFix.clear();
    for (int row : rows) {
        const CarRecord& car = m_model->car(row);
        const Result<QString> copied = showInLists(m_cars.platform().fs, car);
        if (!copied.ok()) {
            dialogs.plain(QStringLiteral("%1: %2").arg(car.folderName, copied.error().description()));
        } else {
            m_lastFix.append({car.path, car.inGarage, false, copied.value()});
            m_cars.addInstalledCar(car.folderName, car.inGarage ? FolderRole::Garage : FolderRole::Cars);
        }
    }
    resurvey(rows);
}

void CarTable::undoFix()
{
    const Busy busy(*this);
    FileSystem& fs = m_cars.platform().fs;
    const CarDoor::Pass pass = m_cars.door().enter();
    if (!pass)
        return;
    QList<int> rows;
    for (const DoneFix& done : std::as_const(m_lastFix)) {
        const QString file = joinPath(done.carPath, done.file);
        Error e;
        if (done.paths) {
            e = fs.replaceFileAtomic(
                file, joinPath(done.carPath, fs.resolve(done.carPath, QStringLiteral("parameters.txt"))));
        } else {
            e = fs.deleteFile(file);
            if (!e)
                m_cars.removeGoneCar(lastName(done.carPath),
                                     done.inGarage ? FolderRole::Garage : FolderRole::Cars);
        }
        if (e)
            m_cars.platform().dialogs.plain(QStringLiteral("%1: %2").arg(file, e.description()));
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == done.carPath)
                rows << i;
    }
    m_lastFix.clear();
    resurvey(rows);
}

void CarTable::openDetails(int row)
{
    const Busy busy(*this);
    const CarRecord& car = m_model->car(row);
    if (!car.hasParameters)
        return;
    // As a double-click on the car's list entry does; a car the lists do not show opens by its path.
    const CarList& list =
        car.inGarage ? m_cars.folder(FolderRole::Garage).list() : m_cars.folder(FolderRole::Cars).list();
    const int listRow = list.rowOfText(car.folderName);
    const QString path = car.path;
    if (listRow >= 0) {
        if (car.inGarage) {
            m_cars.chooseRow(FolderRole::Garage, listRow);
            m_cars.openChosen(FolderRole::Garage);
        } else {
            m_cars.chooseRow(FolderRole::Cars, listRow);
            m_cars.openChosen(FolderRole::Cars);
        }
    } else {
        m_cars.openCar(path);
    }
    // The details window may have changed the parameters or the skins.
    const int now = [&] {
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == path)
                return i;
        return -1;
    }();
    if (now >= 0)
        resurvey({now});
}

void CarTable::openChosen()
{
    const QList<int> rows = chosenRows();
    if (!rows.isEmpty())
        openDetails(rows.first());
}

void CarTable::openTwins(int row)
{
    const CarRecord car = m_model->car(row);
    openDetails(row);
    for (const CarProblem& p : car.problems) {
        if (p.kind != CarProblem::Kind::SameName && p.kind != CarProblem::Kind::SameFolderName)
            continue;
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == p.other) {
                openDetails(i);
                return;
            }
    }
}

} // namespace parkwen
