#include "library/ui/cartable.h"

#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carstatscache.h"
#include "library/ui/cartablerows.h"

#include <QFile>
#include <QHeaderView>
#include <QSet>
#include <QTableView>

namespace parkwen {

using cartablerows::isLeftover;

namespace {

bool sameProblems(const QList<CarProblem>& a, const QList<CarProblem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const CarProblem& x, const CarProblem& y) {
        return x.kind == y.kind && x.text == y.text && x.other == y.other;
    });
}

// The rows as the folders hold them now: a row whose folder changed is read again, and a car that
// went to the other folder keeps its row, read there; a car that is in neither is gone.
struct RowsNow
{
    QList<CarRecord> cars;
    QSet<QString> known; // the folders the rows show
    QList<bool> reread;
    QList<bool> gone;
};

RowsNow rowsNow(QList<CarRecord> cars, FileSystem& fs, Pictures& pictures, const QString& carFolder,
                const QString& garageFolder)
{
    RowsNow now;
    for (const CarRecord& car : std::as_const(cars))
        now.known.insert(car.path);
    now.reread = QList<bool>(cars.size(), false);
    now.gone = QList<bool>(cars.size(), false);
    for (int i = 0; i < cars.size(); ++i) {
        const CarRecord& old = cars[i];
        if (fs.isFolder(old.path)) {
            // A folder whose time is unchanged holds the same files.
            if (isLeftover(old) ||
                fs.nodeInfo(QFile::encodeName(old.path)).modifiedNs / 1000000 == old.arrivedMs)
                continue;
            cars[i] = surveyCar(fs, pictures, carFolder, old.path, old.inGarage);
            now.reread[i] = true;
            continue;
        }
        const bool inGarage = !old.inGarage;
        const QString other = joinPath(inGarage ? garageFolder : carFolder, old.folderName);
        if (!isLeftover(old) && !now.known.contains(other) && fs.isFolder(other)) {
            cars[i] = surveyCar(fs, pictures, carFolder, other, inGarage);
            now.known.insert(other);
            now.reread[i] = true;
        } else {
            now.gone[i] = true;
        }
    }
    now.cars = std::move(cars);
    return now;
}

} // namespace

QPair<qint64, qint64> CarTable::folderTimes()
{
    FileSystem& fs = m_cars.platform().fs;
    const auto time = [&fs](const QString& folder) {
        return folder.isEmpty() ? 0 : fs.nodeInfo(fs.realNodePath(QFile::encodeName(folder))).modifiedNs;
    };
    return {time(m_cars.folder(FolderRole::Cars).path()), time(m_cars.folder(FolderRole::Garage).path())};
}

void CarTable::followLater(bool force)
{
    m_followForced = m_followForced || force;
    if (m_followPending)
        return;
    m_followPending = true;
    QMetaObject::invokeMethod(this, &CarTable::follow, Qt::QueuedConnection);
}

void CarTable::follow()
{
    m_followPending = false;
    // A command of the table's own follows when it is done; a hidden table reads again when shown.
    if (m_busy > 0 || !isVisible())
        return;
    if (m_cars.folder(FolderRole::Cars).path() != m_readCars ||
        m_cars.folder(FolderRole::Garage).path() != m_readGarage) {
        reload();
        return;
    }
    // A car arriving or leaving changes its folder's time; the lists' changes say so in any case.
    const QPair<qint64, qint64> times = folderTimes();
    if (!m_followForced && times == m_readTimes)
        return;
    m_followForced = false;
    m_readTimes = times;

    Platform& platform = m_cars.platform();
    FileSystem& fs = platform.fs;
    const RowsNow now =
        rowsNow(m_model->cars(), fs, platform.pictures, m_cars.folder(FolderRole::Cars).path(),
                m_cars.folder(FolderRole::Garage).path());
    QList<CarRecord> all;
    QList<int> rowOf; // the model's row of each of `all`; -1 for a car that arrived
    for (int i = 0; i < now.cars.size(); ++i) {
        if (!now.gone[i]) {
            all << now.cars[i];
            rowOf << i;
        }
    }
    const auto arrivals = [&](const QString& folder, const QString& skip, bool inGarage) {
        for (const QString& path : carFoldersIn(fs, folder, skip, inGarage)) {
            if (!now.known.contains(path)) {
                all << surveyCar(fs, platform.pictures, m_cars.folder(FolderRole::Cars).path(), path,
                                 inGarage);
                rowOf << -1;
            }
        }
    };
    arrivals(m_cars.folder(FolderRole::Cars).path(), m_cars.folder(FolderRole::Garage).path(), false);
    if (!m_cars.folder(FolderRole::Garage).path().isEmpty() &&
        m_cars.folder(FolderRole::Garage).path() != m_cars.folder(FolderRole::Cars).path())
        arrivals(m_cars.folder(FolderRole::Garage).path(), QString(), true);
    // Twins depend on the whole library: a car that left or arrived can make or end one.
    findTwins(all);

    QList<CarRecord> arrived;
    for (int k = 0; k < all.size(); ++k) {
        const int row = rowOf[k];
        if (row < 0)
            arrived << all[k];
        else if (now.reread[row] || !sameProblems(all[k].problems, m_model->car(row).problems))
            m_model->update(row, all[k]);
    }
    for (int row = int(now.gone.size()) - 1; row >= 0; --row)
        if (now.gone[row])
            m_model->update(row, std::nullopt);
    m_model->append(arrived);
    updateButtons();
}

void CarTable::reload()
{
    Platform& platform = m_cars.platform();
    m_readCars = m_cars.folder(FolderRole::Cars).path();
    m_readGarage = m_cars.folder(FolderRole::Garage).path();
    m_readTimes = folderTimes();
    m_followForced = false;
    m_model->setCars(surveyLibrary(platform.fs, platform.pictures, m_cars.folder(FolderRole::Cars).path(),
                                   m_cars.folder(FolderRole::Garage).path(), statsCache));
    if (statsCache)
        statsCache->save();
    m_filter->sort(m_view->horizontalHeader()->sortIndicatorSection(),
                   m_view->horizontalHeader()->sortIndicatorOrder());
    updateButtons();
}

void CarTable::resurvey(const QList<int>& rows)
{
    Platform& platform = m_cars.platform();
    QList<CarRecord> cars = m_model->cars();
    QList<int> gone;
    for (int row : rows) {
        const CarRecord& old = cars[row];
        // A moved car is in the other folder now; a deleted one is nowhere.
        QString path = old.path;
        bool inGarage = old.inGarage;
        if (!platform.fs.isFolder(path)) {
            inGarage = !inGarage;
            path = joinPath(inGarage ? m_cars.folder(FolderRole::Garage).path()
                                     : m_cars.folder(FolderRole::Cars).path(),
                            old.folderName);
        }
        if (platform.fs.isFolder(path))
            cars[row] = surveyCar(platform.fs, platform.pictures, m_cars.folder(FolderRole::Cars).path(),
                                  path, inGarage);
        else
            gone << row;
    }
    findTwins(cars);
    for (int i = 0; i < cars.size(); ++i)
        if (!gone.contains(i))
            m_model->update(i, cars[i]);
    for (auto it = gone.crbegin(); it != gone.crend(); ++it)
        m_model->update(*it, std::nullopt);
    updateButtons();
}

} // namespace parkwen
