// The child that measures the "All" moves of one size against cp -r + rm -r.

#include "bench/benchplatform.h"
#include "bench/measure.h"
#include "bench/parkwen_bench.h"
#include "library/carlibrary.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QDir>

#include <algorithm>

namespace parkwen::bench {

namespace {

// The real disk without flushing: shows what the moves' flushing costs.
class UnflushedFileSystem : public LocalFileSystem
{
public:
    Error sync(const QString&) override { return {}; }
    Error syncNode(const QByteArray&) override { return {}; }
    Error syncNodeFileSystem(const QByteArray&) override { return {}; }
};

const QString plainMove = QStringLiteral("cp -r \"$0\"/* \"$1\"/ && rm -r \"$0\"/*");
const QString flushedMove = QStringLiteral("cp -r \"$0\"/* \"$1\"/ && sync && rm -r \"$0\"/*");

// Best times of the two directions, and how many cars each move left in its target.
struct MoveFigures
{
    double gar = 1e9, car = 1e9;
    qint64 toGarage = 0, toCars = 0;
};

// Seconds of one shell `script` moving the cars of `from` to `to`; it starts with nothing waiting
// to be written.
double timeShell(const QString& script, const QString& from, const QString& to)
{
    syncDisk();
    QElapsedTimer t;
    t.start();
    if (run(QStringLiteral("sh"), {QStringLiteral("-c"), script, from, to}) != 0)
        return -1.0;
    return seconds(t);
}

// "All: Gar." then "All: Car" through the library on `platform`, keeping the best times.
void timeMoveAll(const Platform& platform, const QString& cars, const QString& garage, MoveFigures& f)
{
    CarLibrary library(platform);
    pointAt(library, cars, garage);
    library.scan(FolderRole::Cars);
    library.scan(FolderRole::Garage);
    const int count = library.folder(FolderRole::Cars).list().count();
    syncDisk();
    QElapsedTimer t;
    t.start();
    library.moveAllFrom(FolderRole::Cars);
    f.gar = std::min(f.gar, seconds(t));
    f.toGarage = library.folder(FolderRole::Garage).list().count();
    syncDisk();
    t.start();
    library.moveAllFrom(FolderRole::Garage);
    f.car = std::min(f.car, seconds(t));
    f.toCars = library.folder(FolderRole::Cars).list().count();
    if (library.folder(FolderRole::Cars).list().count() !=
        count) // restore for the next round whatever happened
        run(QStringLiteral("sh"), {QStringLiteral("-c"), plainMove, garage, cars});
}

} // namespace

int movesChild(const QString& library, const QString& workspace, int reps, const QString& garageRoot)
{
    const QString cars = workspace + QStringLiteral("/cars");
    const QString garage = (garageRoot.isEmpty() ? workspace : garageRoot) + QStringLiteral("/garage");
    QDir(workspace).removeRecursively();
    QDir(garage).removeRecursively();
    QDir().mkpath(workspace);
    QDir().mkpath(garage);
    if (run(QStringLiteral("cp"), {QStringLiteral("-r"), library + QStringLiteral("/cars"), cars}) != 0)
        return 1;

    LocalFileSystem fs;
    UnflushedFileSystem unflushed;
    QtPictures pictures;
    AgreeingDialogs dialogs;
    IdleProcesses processes;
    const Platform flushing{fs, pictures, dialogs, processes, workspace};
    const Platform notFlushing{unflushed, pictures, dialogs, processes, workspace};

    MoveFigures reference, referenceFlushed, all, allUnflushed;
    for (int r = 0; r < reps; ++r) {
        reference.gar = std::min(reference.gar, timeShell(plainMove, cars, garage));
        reference.car = std::min(reference.car, timeShell(plainMove, garage, cars));
        referenceFlushed.gar = std::min(referenceFlushed.gar, timeShell(flushedMove, cars, garage));
        referenceFlushed.car = std::min(referenceFlushed.car, timeShell(flushedMove, garage, cars));
        timeMoveAll(flushing, cars, garage, all);
        timeMoveAll(notFlushing, cars, garage, allUnflushed);
    }
    report("ref_gar_s", reference.gar);
    report("ref_car_s", reference.car);
    report("ref_sync_gar_s", referenceFlushed.gar);
    report("ref_sync_car_s", referenceFlushed.car);
    report("all_gar_s", all.gar);
    report("all_car_s", all.car);
    report("all_unflushed_gar_s", allUnflushed.gar);
    report("all_unflushed_car_s", allUnflushed.car);
    report("moved_to_garage", all.toGarage);
    report("moved_to_cars", all.toCars);
    report("messages", qint64(dialogs.messages.size()));
    report("hwm_kb", statusKb("VmHWM:"));
    QDir(workspace).removeRecursively();
    QDir(garage).removeRecursively();
    return 0;
}

} // namespace parkwen::bench
