#include "library/manymoves.h"

#include "library/carlibrary.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

// Reports work on several cars, when there is anywhere to report it.
class ProgressScope
{
public:
    ProgressScope(Progress* progress, const QString& label, int total) : m_progress(progress)
    {
        if (m_progress)
            m_progress->begin(label, total);
    }
    ~ProgressScope()
    {
        if (m_progress)
            m_progress->end();
    }
    void step(int done)
    {
        if (m_progress)
            m_progress->step(done);
    }

private:
    Progress* m_progress;
};

QString carsWord(int n, bool chosen = false)
{
    if (chosen)
        return (n == 1 ? QCoreApplication::translate("ManyMoves", "%1 chosen car")
                       : QCoreApplication::translate("ManyMoves", "%1 chosen cars"))
            .arg(n);
    return (n == 1 ? QCoreApplication::translate("ManyMoves", "%1 car")
                   : QCoreApplication::translate("ManyMoves", "%1 cars"))
        .arg(n);
}

} // namespace

ManyMoves::ManyMoves(CarLibrary& cars) : m_cars(cars)
{
    // Ctrl+Z in another library would move its cars of the same names.
    m_foldersChanged = QObject::connect(&cars, &CarLibrary::foldersChanged, [this] { m_history.clear(); });
}

ManyMoves::~ManyMoves()
{
    QObject::disconnect(m_foldersChanged);
}

void ManyMoves::record(const std::function<void()>& command)
{
    // A command run inside another (a drop running a send) belongs to the outer one.
    if (m_recording) {
        command();
        return;
    }
    // One lock for the whole command, so that another Parkwen waits once, not between cars.
    const MoveEngine::Lock held = m_cars.door().lock();
    if (!held.held())
        return;
    m_recording = true;
    MoveRecorder recorder(m_cars.folder(FolderRole::Cars).list(), m_cars.folder(FolderRole::Garage).list());
    command();
    m_recording = false;
    m_history.push(recorder.moves());
}

// The one place a single car is moved for these commands: through the move engine, exactly as
// ">>" or "<<" move the chosen car.
void ManyMoves::moveOne(const QString& name, FolderRole to)
{
    m_cars.moveCarNamed(name, to);
}

bool ManyMoves::isStockEntry(const QString& name) const
{
    if (!m_cars.options().listsStockCars)
        return false;
    const CarFolder& cars = m_cars.folder(FolderRole::Cars);
    return cars.isStockAt(cars.list().rowOfText(name));
}

void ManyMoves::send(const QStringList& names, FolderRole to)
{
    const bool toGarage = !m_cars.folder(to).isLoadedByGame();
    record([&] {
        const CarList& source = m_cars.folder(otherRole(to)).list();
        QStringList moving;
        for (const QString& name : names) {
            if (source.rowOfText(name) >= 0 && !(toGarage && isStockEntry(name)))
                moving << name;
            else
                m_cars.door().tellIfGone(name);
        }
        const MoveEngine::Batch batch = m_cars.door().prepareMoves(moving, to);
        ProgressScope progress(
            m_cars.platform().progress,
            (toGarage ? QCoreApplication::translate("ManyMoves", "Sending %1 to the Garage Folder")
                      : QCoreApplication::translate("ManyMoves", "Sending %1 to the Car Folder"))
                .arg(carsWord(int(names.size()))),
            int(names.size()));
        int done = 0;
        for (const QString& name : names) {
            if (source.rowOfText(name) >= 0 && !(toGarage && isStockEntry(name)))
                moveOne(name, to);
            progress.step(++done);
        }
    });
}

void ManyMoves::remove(const QStringList& names, FolderRole from)
{
    const bool fromCars = m_cars.folder(from).isLoadedByGame();
    QStringList doomed;
    for (const QString& name : names) {
        // A folder of a stock car's name that the lists do not show is kept as a stock car is.
        const bool unlistedStock = fromCars && m_cars.options().listsStockCars && isStockCar(name) &&
                                   m_cars.folder(FolderRole::Cars).list().rowOfText(name) < 0;
        if (!(fromCars && isStockEntry(name)) && !unlistedStock)
            doomed << name;
    }
    if (doomed.isEmpty())
        return;
    QString question =
        (fromCars ? QCoreApplication::translate("ManyMoves",
                                                "Are you sure you want to delete the %1 from your Car Folder")
                  : QCoreApplication::translate(
                        "ManyMoves", "Are you sure you want to delete the %1 from your Garage Folder"))
            .arg(carsWord(int(doomed.size()), true));
    // The question says what will happen to the files, as the question for one car does.
    int trashed = 0, forGood = 0, links = 0;
    for (const QString& name : std::as_const(doomed)) {
        switch (m_cars.door().engine().deleteWayFor(joinPath(m_cars.folder(from).path(), name))) {
        case MoveEngine::DeleteWay::Trash:
            ++trashed;
            break;
        case MoveEngine::DeleteWay::ForGood:
            ++forGood;
            break;
        case MoveEngine::DeleteWay::RemoveLink:
            ++links;
            break;
        }
    }
    QStringList ways;
    if (trashed)
        ways << (trashed == doomed.size()
                     ? (trashed == 1 ? QCoreApplication::translate("ManyMoves", "it goes to the trash")
                                     : QCoreApplication::translate("ManyMoves", "they go to the trash"))
                     : QCoreApplication::translate("ManyMoves", "%1 go to the trash").arg(trashed));
    if (forGood)
        ways << (forGood == doomed.size()
                     ? (forGood == 1 ? QCoreApplication::translate("ManyMoves", "it is deleted for good")
                                     : QCoreApplication::translate("ManyMoves", "they are deleted for good"))
                     : QCoreApplication::translate("ManyMoves", "%1 are deleted for good").arg(forGood));
    if (links)
        ways << QCoreApplication::translate(
                    "ManyMoves", "%1 are links: only the links are removed, the linked folders are kept")
                    .arg(links);
    question += QStringLiteral(" (") + ways.join(QStringLiteral("; ")) + QLatin1Char(')');
    if (m_cars.platform().dialogs.message(question, Dialogs::Icon::Question,
                                          Dialogs::Buttons::YesNoDefaultNo) != Dialogs::Answer::Yes)
        return;
    ProgressScope progress(
        m_cars.platform().progress,
        QCoreApplication::translate("ManyMoves", "Deleting %1").arg(carsWord(int(doomed.size()))),
        int(doomed.size()));
    const CarList& list = m_cars.folder(from).list();
    int done = 0;
    for (const QString& name : std::as_const(doomed)) {
        // Each car is chosen first, as a click on it would, so that the list then shows its
        // neighbour as selected.
        const int row = list.rowOfText(name);
        if (row >= 0) {
            m_cars.chooseRow(from, row);
            m_cars.deleteChosen(false);
        } else {
            // A car folder without a picture: no entry to choose, the same deletion.
            m_cars.door().deleteUnlisted(name, from);
        }
        progress.step(++done);
    }
}

void ManyMoves::undo()
{
    if (m_history.isEmpty())
        return;
    const MoveCommand back = movesBack(m_history.takeLast());
    QStringList toGarage, toCars;
    for (const MovedCar& car : back)
        (car.toGarage ? toGarage : toCars) << car.name;
    const MoveEngine::Batch garageBatch = m_cars.door().prepareMoves(toGarage, FolderRole::Garage);
    const MoveEngine::Batch carBatch = m_cars.door().prepareMoves(toCars, FolderRole::Cars);
    ProgressScope progress(
        m_cars.platform().progress,
        QCoreApplication::translate("ManyMoves", "Moving %1 back").arg(carsWord(int(back.size()))),
        int(back.size()));
    int done = 0;
    for (const MovedCar& car : back) {
        // The car must still be where the command left it; anything else has been changed since.
        const CarList& from = m_cars.folder(car.toGarage ? FolderRole::Cars : FolderRole::Garage).list();
        if (from.rowOfText(car.name) >= 0)
            moveOne(car.name, car.toGarage ? FolderRole::Garage : FolderRole::Cars);
        progress.step(++done);
    }
}

} // namespace parkwen
