// parkwen_bench: how fast the car library is at thousands of cars.
//
//   parkwen_bench [--root DIR] [--sizes 1000,5000] [--moves 1000] [--startup 1000,5000] [--reps 3]
//                 [--seed 1] [--other-fs DIR]
//
// --other-fs names a folder on another file system (a second mount, e.g. a tmpfs): the "All" moves
// then run a second time with the Garage Folder there.
// For each size N it generates (once, cached under --root) a Car Folder and a Garage Folder of N
// cars each, then runs the measurements of that size in a child process of its own, so that each
// peak memory figure belongs to one size. The start-up of the real program is measured from
// outside: launch to the main window shown, without the thumbnail cache, with an empty one and
// with a filled one. It prints a Markdown report on stdout.
//
// Every timing is wall-clock on a warm page cache (the files are read once before measuring);
// where a figure is repeated (--reps), the best run counts, which filters out other work on a
// shared machine.

#include "bench/libgen.h"
#include "library/carlibrary.h"
#include "library/carpicture.h"
#include "library/thumbcache.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"
#include "setup/paths_db.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QtConcurrent/QtConcurrentMap>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>

using namespace parkwen;

namespace {

// ---------------------------------------------------------------------------------------------
// Platform pieces for running the library without a window

class SilentDialogs : public Dialogs
{
public:
    QStringList messages;
    Answer message(const QString& text, Icon, Buttons buttons) override
    {
        messages << text;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&) override { return std::nullopt; }
    void beep() override {}
};

class NoProcesses : public Processes
{
public:
    Error start(const QString&, const QStringList&) override { return {}; }
    Error startAndWait(const QString&, const QStringList&) override { return {}; }
};

// The naive reference: decode the whole picture, then scale it to the thumbnail size; one picture
// at a time, whichever thread asks.
class NaivePictures : public Pictures
{
public:
    Result<QImage> load(const QString& path, QSize size) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!QFileInfo(path).isFile())
            return Error::of(err::PathNotFound);
        QImageReader reader(path);
        reader.setAutoTransform(false);
        QImage image = reader.read();
        if (image.isNull())
            return Error::of(err::InvalidPicture);
        if (size.isValid())
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }

private:
    std::mutex m_lock;
};

// ---------------------------------------------------------------------------------------------
// Measuring

double seconds(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A "VmHWM:"-style line of /proc/self/status, in kB.
qint64 statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Best (smallest) of `reps` runs of `work`, in seconds; `cpu` receives the CPU seconds (all
// threads) of that run.
double best(int reps, const std::function<void()>& work, double* cpu = nullptr)
{
    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < reps; ++i) {
        const double c0 = cpuSeconds();
        QElapsedTimer t;
        t.start();
        work();
        const double wall = seconds(t);
        if (wall < result) {
            result = wall;
            if (cpu)
                *cpu = cpuSeconds() - c0;
        }
    }
    return result;
}

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

int run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    p.waitForFinished(-1);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void syncDisk()
{
    run(QStringLiteral("sync"), {});
}

// The picture file a scan takes for each car folder.
QStringList picturesOf(const QString& folder)
{
    LocalFileSystem fs;
    QStringList out;
    const auto cars = fs.listFolders(folder);
    for (const QString& car : cars.value()) {
        const QString file = carPictureFile(fs, car);
        if (!file.isEmpty())
            out << joinPath(car, file);
    }
    return out;
}

QByteArray readAllBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The floor a thumbnail decoder works against: JPEGs decoded at 1/8 scale (the least work libjpeg
// can do on them), BMPs decoded as they are (they have no reduced decoding).
QImage decodeAtOneEighth(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.format() == "jpeg") {
        const QSize full = reader.size();
        reader.setScaledSize(QSize((full.width() + 7) / 8, (full.height() + 7) / 8));
    }
    return reader.read();
}

void warmCache(const QString& folder)
{
    // Read every file once so that all measurements start from the page cache.
    for (const QFileInfo& car : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& file : QDir(car.filePath()).entryInfoList(QDir::Files))
            readAllBytes(file.filePath());
}

void report(const char* key, double value)
{
    std::printf("%s=%.6f\n", key, value);
}

void report(const char* key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
}

// ---------------------------------------------------------------------------------------------
// Child: the scans of one size

int scanChild(const QString& root, int reps, bool scansOnly = false)
{
    const QString carFolder = root + QStringLiteral("/cars");
    const QString garageFolder = root + QStringLiteral("/garage");
    report("rss_start_kb", statusKb("VmRSS:"));
    warmCache(carFolder);
    warmCache(garageFolder);

    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;
    QTemporaryDir program;
    {
        auto db = PathsDatabase::create(program.filePath(QStringLiteral("paths.mdb")));
        auto rs = db.value()->openRecordset();
        for (const QString& record : {carFolder, garageFolder, QStringLiteral("30000")}) {
            rs.value()->addNew();
            rs.value()->setField0(record);
            rs.value()->update();
        }
    }
    Platform platform{fs, pictures, dialogs, processes, program.path()};
    CarLibrary cars(platform);
    cars.setCarFolder(carFolder);
    cars.setGarageFolder(garageFolder);
    cars.setMaxCars(30000);

    report("rss_before_scan_kb", statusKb("VmRSS:"));
    double cpu = 0;
    const double scans = best(
        reps,
        [&] {
            cars.scanCarFolder();
            cars.scanGarageFolder();
        },
        &cpu);
    report("scan_s", scans);
    report("scan_cpu_s", cpu);
    report("hwm_scan_kb", statusKb("VmHWM:"));
    report("rss_after_scan_kb", statusKb("VmRSS:"));
    if (scansOnly)
        return 0;
    report("listed_cars", qint64(cars.carList().count()));
    report("listed_garage", qint64(cars.garageList().count()));
    report("messages", qint64(dialogs.messages.size()));
    report("thumbnail_bytes", qint64(cars.carPictures().picture(cars.carList().at(0).key).sizeInBytes()));

    const double refresh = best(reps, [&] { cars.rereadPaths(); });
    report("refresh_s", refresh);
    report("hwm_refresh_kb", statusKb("VmHWM:"));
    report("messages_after_refresh", qint64(dialogs.messages.size()));

    // References: the raw reading of the picture files, and reading plus 1/8-scale decoding.
    const QStringList files = picturesOf(carFolder) + picturesOf(garageFolder);
    report("picture_files", qint64(files.size()));
    qint64 bytes = 0;
    const double raw = best(reps, [&] {
        bytes = 0;
        for (const QString& f : files)
            bytes += readAllBytes(f).size();
    });
    report("raw_read_s", raw);
    report("picture_bytes", bytes);
    QList<QByteArray> contents;
    for (const QString& f : files)
        contents << readAllBytes(f);
    const double eighth1 = best(reps, [&] {
        for (const QByteArray& b : contents)
            decodeAtOneEighth(b);
    });
    report("decode18_1t_s", eighth1);
    contents.clear();
    // The program's own thumbnail loading, one picture at a time: its cost per picture, without
    // the scan around it and without the second core.
    const double thumbs = best(reps, [&] {
        for (const QString& f : files)
            pictures.load(f, QSize(PictureStore::Size, PictureStore::Size));
    });
    report("thumbs_1t_s", thumbs);
    const double both = best(reps, [&] {
        QtConcurrent::blockingMap(files, [](const QString& f) { decodeAtOneEighth(readAllBytes(f)); });
    });
    report("read_decode18_2t_s", both);

    // The naive decoder through the same scans.
    cars.dropPictures();
    NaivePictures naive;
    Platform naivePlatform{fs, naive, dialogs, processes, program.path()};
    CarLibrary naiveCars(naivePlatform);
    naiveCars.setCarFolder(carFolder);
    naiveCars.setGarageFolder(garageFolder);
    naiveCars.setMaxCars(30000);
    double naiveCpu = 0;
    const double naiveScans = best(
        1,
        [&] {
            naiveCars.scanCarFolder();
            naiveCars.scanGarageFolder();
        },
        &naiveCpu);
    report("naive_scan_s", naiveScans);
    report("naive_scan_cpu_s", naiveCpu);
    report("naive_listed", qint64(naiveCars.carList().count() + naiveCars.garageList().count()));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Child: the scans and Refresh with the thumbnail cache, empty (cold) and filled (warm)

int cacheChild(const QString& root, int reps)
{
    const QString carFolder = root + QStringLiteral("/cars");
    const QString garageFolder = root + QStringLiteral("/garage");
    warmCache(carFolder);
    warmCache(garageFolder);

    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;
    QTemporaryDir program;
    QTemporaryDir cacheHome;
    {
        auto db = PathsDatabase::create(program.filePath(QStringLiteral("paths.mdb")));
        auto rs = db.value()->openRecordset();
        for (const QString& record : {carFolder, garageFolder, QStringLiteral("30000")}) {
            rs.value()->addNew();
            rs.value()->setField0(record);
            rs.value()->update();
        }
    }
    const QString cacheFile = cacheHome.filePath(QStringLiteral("thumbnails.sqlite"));
    auto emptyCache = [&] {
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(cacheFile + suffix);
    };
    Platform platform{fs, pictures, dialogs, processes, program.path()};
    // One start's scans (or Refresh): the cache opens, the scans run; its closing (writing what
    // is left) is not timed.
    auto measure = [&](bool cold, bool refresh, int* listed) {
        return best(reps, [&] {
            if (cold)
                emptyCache();
            std::unique_ptr<ThumbCache> cache;
            CarLibrary cars(platform);
            cars.setCarFolder(carFolder);
            cars.setGarageFolder(garageFolder);
            cars.setMaxCars(30000);
            QElapsedTimer t;
            t.start();
            cache = std::make_unique<ThumbCache>(cacheFile);
            cars.setThumbnailCache(cache.get());
            if (refresh) {
                cars.rereadPaths();
            } else {
                cars.scanCarFolder();
                cars.scanGarageFolder();
            }
            *listed = cars.carList().count() + cars.garageList().count();
        });
    };
    int listed = 0;
    report("cache_cold_scan_s", measure(true, false, &listed));
    report("cache_cold_listed", qint64(listed));
    report("cache_warm_scan_s", measure(false, false, &listed));
    report("cache_warm_listed", qint64(listed));
    report("cache_cold_refresh_s", measure(true, true, &listed));
    report("cache_warm_refresh_s", measure(false, true, &listed));
    report("cache_file_bytes", qint64(QFileInfo(cacheFile).size()));
    report("messages", qint64(dialogs.messages.size()));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The real program's start-up, measured from outside

struct Startup
{
    double seconds = -1;   // launch to both lists drawn (a command: launch to its end)
    double cpuSeconds = 0; // user + system, the whole run to its end
    qint64 peakKb = 0;
    QString counts; // "cars=N garage=N cam=N gam=N"; a command: "lines=N"
};

// CPU time of the children waited for so far.
double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Starts parkwen from `programFolder` on the offscreen platform and waits for the line it prints
// once its main window is drawn; then waits for it to end (it writes what is left to the cache).
Startup startProgram(const QString& programFolder, const QString& cacheHome, bool noCache,
                     const QStringList& command = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    env.insert(QStringLiteral("PARKWEN_STARTUP_PROBE"), QStringLiteral("1"));
    env.remove(QStringLiteral("PARKWEN_NO_CACHE"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardErrorFile(QProcess::nullDevice());
    const QStringList args = command + (noCache ? QStringList{QStringLiteral("--no-cache")} : QStringList{});
    Startup s;
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    p.start(programFolder + QStringLiteral("/parkwen"), args);
    if (!command.isEmpty()) {
        // A command: launch to its end, its output lines counted.
        p.waitForFinished(120000);
        s.seconds = seconds(t);
        s.cpuSeconds = childCpuSeconds() - cpuBefore;
        s.counts = QStringLiteral("lines=%1").arg(p.readAllStandardOutput().count('\n'));
        return s;
    }
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(120000))
        out += p.readAllStandardOutput();
    if (out.startsWith("shown "))
        s.seconds = seconds(t);
    p.waitForFinished(120000);
    s.cpuSeconds = childCpuSeconds() - cpuBefore;
    const QByteArray line = out.trimmed();
    for (const QByteArray& field : line.split(' ')) {
        if (field.startsWith("hwm_kb="))
            s.peakKb = field.mid(7).toLongLong();
        else if (field.contains('='))
            s.counts += QString::fromLatin1(field) + QLatin1Char(' ');
    }
    s.counts = s.counts.trimmed();
    return s;
}

// Cold (empty cache), warm (filled by the start before) and without the cache, `reps` rounds;
// the best time of each and the highest peak memory.
QMap<QString, double> startupFigures(const QString& root, int cars, int reps)
{
    QMap<QString, double> v;
    QTemporaryDir program;
    QTemporaryDir cacheHome;
    const QString self = QCoreApplication::applicationDirPath() + QStringLiteral("/parkwen");
    if (!QFile::copy(self, program.filePath(QStringLiteral("parkwen")))) {
        std::fprintf(stderr, "no program at %s\n", qPrintable(self));
        return v;
    }
    for (const char* name : {"blank.pkn", "portable"}) {
        QFile f(program.filePath(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly);
    }
    {
        auto db = PathsDatabase::create(program.filePath(QStringLiteral("paths.mdb")));
        auto rs = db.value()->openRecordset();
        for (const QString& record :
             {root + QStringLiteral("/cars"), root + QStringLiteral("/garage"), QStringLiteral("30000")}) {
            rs.value()->addNew();
            rs.value()->setField0(record);
            rs.value()->update();
        }
    }
    warmCache(root + QStringLiteral("/cars"));
    warmCache(root + QStringLiteral("/garage"));
    const QString expected = QStringLiteral("cars=%1 garage=%1 cam=%1 gam=%1").arg(cars);
    int wrong = 0;
    auto take = [&](const QString& name, const Startup& s) {
        if (s.seconds < 0 || s.counts != expected) {
            std::fprintf(stderr, "start-up %s: %s\n", qPrintable(name), qPrintable(s.counts));
            ++wrong;
            return;
        }
        const QString time = name + QStringLiteral("_s");
        const QString cpu = name + QStringLiteral("_cpu_s");
        const QString peak = name + QStringLiteral("_kb");
        if (!v.contains(time) || s.seconds < v[time])
            v[time] = s.seconds;
        if (!v.contains(cpu) || s.cpuSeconds < v[cpu])
            v[cpu] = s.cpuSeconds;
        v[peak] = std::max(v.value(peak), double(s.peakKb));
    };
    // `parkwen --list car` the same three ways: launch to its end.
    const QStringList list{QStringLiteral("--list"), QStringLiteral("car")};
    auto takeList = [&](const QString& name, const Startup& s) {
        if (s.seconds < 0 || s.counts != QStringLiteral("lines=%1").arg(cars)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(s.counts));
            ++wrong;
            return;
        }
        const QString time = name + QStringLiteral("_s");
        const QString cpu = name + QStringLiteral("_cpu_s");
        if (!v.contains(time) || s.seconds < v[time])
            v[time] = s.seconds;
        if (!v.contains(cpu) || s.cpuSeconds < v[cpu])
            v[cpu] = s.cpuSeconds;
    };
    const QString cacheFolder = cacheHome.filePath(QStringLiteral("parkwen"));
    for (int r = 0; r < reps; ++r) {
        take(QStringLiteral("nocache"), startProgram(program.path(), cacheHome.path(), true));
        QDir(cacheFolder).removeRecursively();
        take(QStringLiteral("cold"), startProgram(program.path(), cacheHome.path(), false));
        take(QStringLiteral("warm"), startProgram(program.path(), cacheHome.path(), false));
        takeList(QStringLiteral("list_nocache"), startProgram(program.path(), cacheHome.path(), true, list));
        QDir(cacheFolder).removeRecursively();
        takeList(QStringLiteral("list_cold"), startProgram(program.path(), cacheHome.path(), false, list));
        takeList(QStringLiteral("list_warm"), startProgram(program.path(), cacheHome.path(), false, list));
    }
    v[QStringLiteral("wrong_counts")] = wrong;
    return v;
}

// ---------------------------------------------------------------------------------------------
// Child: the "All" moves of one size against cp -r + rm -r

// The real disk without flushing: shows what the moves' flushing costs.
class UnflushedFileSystem : public LocalFileSystem
{
public:
    Error sync(const QString&) override { return {}; }
    Error syncNode(const QByteArray&) override { return {}; }
    Error syncNodeFileSystem(const QByteArray&) override { return {}; }
};

// The Garage Folder lies in `garageRoot` when given (another file system), else beside the Car
// Folder in the workspace (the same file system, where a move is one rename).
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
    const QString plain = QStringLiteral("cp -r \"$0\"/* \"$1\"/ && rm -r \"$0\"/*");
    const QString flushed = QStringLiteral("cp -r \"$0\"/* \"$1\"/ && sync && rm -r \"$0\"/*");
    // Every measurement starts with nothing waiting to be written.
    auto shell = [&](const QString& script, const QString& from, const QString& to) {
        syncDisk();
        QElapsedTimer t;
        t.start();
        if (run(QStringLiteral("sh"), {QStringLiteral("-c"), script, from, to}) != 0)
            return -1.0;
        return seconds(t);
    };

    LocalFileSystem fs;
    UnflushedFileSystem unflushed;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;

    struct Figures
    {
        double gar = 1e9, car = 1e9;
        qint64 toGarage = 0, toCars = 0;
    };
    auto moveAll = [&](FileSystem& disk, Figures& f) {
        CarLibrary library(Platform{disk, pictures, dialogs, processes, workspace});
        library.setCarFolder(cars);
        library.setGarageFolder(garage);
        library.setMaxCars(30000);
        library.scanCarFolder();
        library.scanGarageFolder();
        const int count = library.carList().count();
        syncDisk();
        QElapsedTimer t;
        t.start();
        library.sendAllToGarage();
        f.gar = std::min(f.gar, seconds(t));
        f.toGarage = library.garageList().count();
        syncDisk();
        t.start();
        library.bringAllToCarFolder();
        f.car = std::min(f.car, seconds(t));
        f.toCars = library.carList().count();
        if (library.carList().count() != count) // restore for the next round whatever happened
            run(QStringLiteral("sh"), {QStringLiteral("-c"), plain, garage, cars});
    };

    Figures reference, referenceFlushed, all, allUnflushed;
    for (int r = 0; r < reps; ++r) {
        reference.gar = std::min(reference.gar, shell(plain, cars, garage));
        reference.car = std::min(reference.car, shell(plain, garage, cars));
        referenceFlushed.gar = std::min(referenceFlushed.gar, shell(flushed, cars, garage));
        referenceFlushed.car = std::min(referenceFlushed.car, shell(flushed, garage, cars));
        moveAll(fs, all);
        moveAll(unflushed, allUnflushed);
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

// ---------------------------------------------------------------------------------------------
// Parent: generation, children, report

QMap<QString, double> runChild(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(-1);
    QMap<QString, double> values;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromLatin1(line.left(eq)), line.mid(eq + 1).toDouble());
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        std::fprintf(stderr, "child %s failed\n", qPrintable(args.join(QLatin1Char(' '))));
    else
        std::fprintf(stderr, "child %s done\n", qPrintable(args.join(QLatin1Char(' '))));
    return values;
}

bool ensureLibrary(const QString& root, int cars, std::uint64_t seed)
{
    const QString marker = root + QStringLiteral("/.complete-%1").arg(seed);
    if (QFile::exists(marker))
        return true;
    QDir(root).removeRecursively();
    QElapsedTimer t;
    t.start();
    for (const auto& [folder, tag] : {std::pair{QStringLiteral("cars"), QStringLiteral("c")},
                                      std::pair{QStringLiteral("garage"), QStringLiteral("g")}}) {
        bench::LibraryRecipe recipe;
        recipe.cars = cars;
        recipe.seed = seed;
        recipe.tag = tag;
        const QString failure = bench::generateLibrary(root + QLatin1Char('/') + folder, recipe);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "generation failed: %s\n", qPrintable(failure));
            return false;
        }
    }
    QFile f(marker);
    f.open(QIODevice::WriteOnly);
    std::fprintf(stderr, "generated %d + %d cars in %s (%.0f s)\n", cars, cars, qPrintable(root), seconds(t));
    return true;
}

QList<int> sizesOf(const QString& text)
{
    QList<int> out;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out << part.toInt();
    return out;
}

QString machine()
{
    QString cpu = QStringLiteral("unknown");
    for (const QString& line : readText(QStringLiteral("/proc/cpuinfo")).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("model name"))) {
            cpu = line.section(QLatin1Char(':'), 1).trimmed();
            break;
        }
    qint64 memKb = 0;
    for (const QString& line : readText(QStringLiteral("/proc/meminfo")).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("MemTotal:")))
            memKb = line.section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0).toLongLong();
    return QStringLiteral("%1 logical CPUs (%2), %3 GB memory, %4 %5, Qt %6")
        .arg(QThread::idealThreadCount())
        .arg(cpu)
        .arg(double(memKb) / 1024 / 1024, 0, 'f', 1)
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()));
}

QString loadAverage()
{
    return readText(QStringLiteral("/proc/loadavg")).section(QLatin1Char(' '), 0, 2);
}

int parent(const QString& root, const QList<int>& sizes, const QList<int>& moveSizes,
           const QList<int>& startupSizes, int reps, std::uint64_t seed, const QString& otherFs,
           const QString& command)
{
    QList<int> all = sizes + moveSizes + startupSizes;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    for (int n : all)
        if (!ensureLibrary(root + QStringLiteral("/lib%1").arg(n), n, seed))
            return 1;

    const QString loadBefore = loadAverage();
    QMap<int, QMap<QString, double>> scans;
    for (int n : sizes)
        scans[n] = runChild({QStringLiteral("--scan-child"), root + QStringLiteral("/lib%1").arg(n),
                             QStringLiteral("--reps"), QString::number(reps)});
    QMap<int, QMap<QString, double>> cached;
    for (int n : sizes)
        cached[n] = runChild({QStringLiteral("--cache-child"), root + QStringLiteral("/lib%1").arg(n),
                              QStringLiteral("--reps"), QString::number(reps)});
    QMap<int, QMap<QString, double>> startups;
    for (int n : startupSizes) {
        startups[n] = startupFigures(root + QStringLiteral("/lib%1").arg(n), n, reps);
        std::fprintf(stderr, "start-up %d done\n", n);
    }
    QMap<int, QMap<QString, double>> moves;
    QMap<int, QMap<QString, double>> movesAcross;
    for (int n : moveSizes) {
        const QStringList args = {QStringLiteral("--moves-child"), root + QStringLiteral("/lib%1").arg(n),
                                  root + QStringLiteral("/moves"), QStringLiteral("--reps"),
                                  QString::number(reps)};
        moves[n] = runChild(args);
        if (!otherFs.isEmpty())
            movesAcross[n] = runChild(args + QStringList{QStringLiteral("--garage-root"), otherFs});
    }
    const QString loadAfter = loadAverage();

    auto out = [](const QString& s) { std::printf("%s\n", qPrintable(s)); };
    out(QStringLiteral("Machine: %1  ").arg(machine()));
    out(QStringLiteral("Load average (1, 5, 15 min) before: %1, after: %2  ").arg(loadBefore, loadAfter));
    out(QStringLiteral("Command: `%1`").arg(command));
    out(QString());
    if (!sizes.isEmpty()) {
        out(QStringLiteral("### Start-up scans (car scan + garage scan, N cars in each folder)"));
        out(QString());
        out(QStringLiteral(
            "| N + N | scans | cars/s | scans CPU | peak memory | raw read | 1/8 decode (1 core) | read + "
            "1/8 decode (both cores) | thumbnails (1 core) | naive decoder | naive CPU | Refresh |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|---|---|"));
        for (int n : sizes) {
            const auto& v = scans[n];
            const double cars = v.value("listed_cars") + v.value("listed_garage");
            out(QStringLiteral("| %1 + %1 | %2 s | %3 | %4 s | %5 MB | %6 s | %7 s | %8 s | %9 s | %10 s | "
                               "%11 s | %12 s |")
                    .arg(n)
                    .arg(v.value("scan_s"), 0, 'f', 3)
                    .arg(cars / v.value("scan_s"), 0, 'f', 0)
                    .arg(v.value("scan_cpu_s"), 0, 'f', 2)
                    .arg(v.value("hwm_scan_kb") / 1024, 0, 'f', 1)
                    .arg(v.value("raw_read_s"), 0, 'f', 3)
                    .arg(v.value("decode18_1t_s"), 0, 'f', 3)
                    .arg(v.value("read_decode18_2t_s"), 0, 'f', 3)
                    .arg(v.value("thumbs_1t_s"), 0, 'f', 3)
                    .arg(v.value("naive_scan_s"), 0, 'f', 2)
                    .arg(v.value("naive_scan_cpu_s"), 0, 'f', 2)
                    .arg(v.value("refresh_s"), 0, 'f', 3));
        }
        out(QString());
        out(QStringLiteral(
            "| N + N | listed | messages | picture files (MB) | memory before scan | thumbnail | scans / "
            "(raw read + 1/8 decode) | scans / (read + 1/8 decode, both cores) | naive / scans | naive CPU / "
            "scans "
            "CPU |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
        for (int n : sizes) {
            const auto& v = scans[n];
            const double scan = v.value("scan_s");
            out(QStringLiteral(
                    "| %1 + %1 | %2 + %3 | %4 | %5 (%6) | %7 MB | %8 bytes | %9 | %10 | %11 | %12 |")
                    .arg(n)
                    .arg(v.value("listed_cars"))
                    .arg(v.value("listed_garage"))
                    .arg(v.value("messages") + v.value("messages_after_refresh"))
                    .arg(v.value("picture_files"))
                    .arg(v.value("picture_bytes") / 1e6, 0, 'f', 0)
                    .arg(v.value("rss_before_scan_kb") / 1024, 0, 'f', 1)
                    .arg(v.value("thumbnail_bytes"))
                    .arg(scan / (v.value("raw_read_s") + v.value("decode18_1t_s")), 0, 'f', 2)
                    .arg(scan / v.value("read_decode18_2t_s"), 0, 'f', 2)
                    .arg(v.value("naive_scan_s") / scan, 0, 'f', 2)
                    .arg(v.value("naive_scan_cpu_s") / v.value("scan_cpu_s"), 0, 'f', 2));
        }
    }
    if (sizes.size() >= 2) {
        const int small = sizes.first(), large = sizes.last();
        out(QString());
        out(QStringLiteral("Growth %1 -> %2 cars (%3x the cars): scans %4x, Refresh %5x, naive %6x.")
                .arg(small)
                .arg(large)
                .arg(double(large) / small, 0, 'f', 1)
                .arg(scans[large].value("scan_s") / scans[small].value("scan_s"), 0, 'f', 2)
                .arg(scans[large].value("refresh_s") / scans[small].value("refresh_s"), 0, 'f', 2)
                .arg(scans[large].value("naive_scan_s") / scans[small].value("naive_scan_s"), 0, 'f', 2));
    }
    if (!sizes.isEmpty()) {
        out(QString());
        out(QStringLiteral("### Scans and Refresh with the thumbnail cache (in the process, N + N)"));
        out(QString());
        out(QStringLiteral(
            "| N + N | scans without the cache | cold (empty cache) | warm (filled) | warm / cold | "
            "Refresh cold | Refresh warm | warm / cold | listed cold, warm | cache file |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
        for (int n : sizes) {
            const auto& c = cached[n];
            out(QStringLiteral("| %1 + %1 | %2 s | %3 s | %4 s | %5 | %6 s | %7 s | %8 | %9, %10 | %11 MB |")
                    .arg(n)
                    .arg(scans[n].value("scan_s"), 0, 'f', 3)
                    .arg(c.value("cache_cold_scan_s"), 0, 'f', 3)
                    .arg(c.value("cache_warm_scan_s"), 0, 'f', 3)
                    .arg(c.value("cache_warm_scan_s") / c.value("cache_cold_scan_s"), 0, 'f', 2)
                    .arg(c.value("cache_cold_refresh_s"), 0, 'f', 3)
                    .arg(c.value("cache_warm_refresh_s"), 0, 'f', 3)
                    .arg(c.value("cache_warm_refresh_s") / c.value("cache_cold_refresh_s"), 0, 'f', 2)
                    .arg(c.value("cache_cold_listed"))
                    .arg(c.value("cache_warm_listed"))
                    .arg(c.value("cache_file_bytes") / 1e6, 0, 'f', 1));
        }
    }
    if (!startupSizes.isEmpty()) {
        out(QString());
        out(QStringLiteral("### Start-up of the program, from outside (launch to both lists drawn, N + N)"));
        out(QString());
        out(QStringLiteral(
            "| N + N | without the cache | cold (empty cache) | warm (filled) | warm / cold | "
            "cold / without | peak memory without | peak cold | peak warm | counts checked |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
        for (int n : startupSizes) {
            const auto& v = startups[n];
            out(QStringLiteral("| %1 + %1 | %2 s | %3 s | %4 s | %5 | %6 | %7 MB | %8 MB | %9 MB | %10 |")
                    .arg(n)
                    .arg(v.value("nocache_s"), 0, 'f', 3)
                    .arg(v.value("cold_s"), 0, 'f', 3)
                    .arg(v.value("warm_s"), 0, 'f', 3)
                    .arg(v.value("warm_s") / v.value("cold_s"), 0, 'f', 2)
                    .arg(v.value("cold_s") / v.value("nocache_s"), 0, 'f', 2)
                    .arg(v.value("nocache_kb") / 1024, 0, 'f', 1)
                    .arg(v.value("cold_kb") / 1024, 0, 'f', 1)
                    .arg(v.value("warm_kb") / 1024, 0, 'f', 1)
                    .arg(v.value("wrong_counts") == 0
                             ? QStringLiteral("all %1 + %1").arg(n)
                             : QStringLiteral("**%1 wrong**").arg(v.value("wrong_counts"))));
        }
        out(QString());
        out(QStringLiteral(
            "### The window and `parkwen --list car` with and without the cache (N + N; CPU: user + "
            "system of the whole run)"));
        out(QString());
        out(QStringLiteral(
            "| N + N | | without the cache | cold | warm | cold / without | warm / cold | CPU without | "
            "CPU cold | CPU warm | CPU cold / without |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|---|"));
        for (int n : startupSizes) {
            const auto& v = startups[n];
            for (const auto& [label, prefix] :
                 {std::pair{QStringLiteral("window"), QString()},
                  std::pair{QStringLiteral("`--list car`"), QStringLiteral("list_")}}) {
                auto value = [&](const char* key) { return v.value(prefix + QString::fromLatin1(key)); };
                out(QStringLiteral(
                        "| %1 + %1 | %2 | %3 s | %4 s | %5 s | %6 | %7 | %8 s | %9 s | %10 s | %11 |")
                        .arg(n)
                        .arg(label)
                        .arg(value("nocache_s"), 0, 'f', 3)
                        .arg(value("cold_s"), 0, 'f', 3)
                        .arg(value("warm_s"), 0, 'f', 3)
                        .arg(value("cold_s") / value("nocache_s"), 0, 'f', 2)
                        .arg(value("warm_s") / value("cold_s"), 0, 'f', 3)
                        .arg(value("nocache_cpu_s"), 0, 'f', 2)
                        .arg(value("cold_cpu_s"), 0, 'f', 2)
                        .arg(value("warm_cpu_s"), 0, 'f', 2)
                        .arg(value("cold_cpu_s") / value("nocache_cpu_s"), 0, 'f', 2));
            }
        }
        if (startupSizes.size() >= 2) {
            const auto& small = startups[startupSizes.first()];
            const auto& large = startups[startupSizes.last()];
            out(QString());
            out(QStringLiteral(
                    "Peak memory growth %1 -> %2 cars a side: without the cache %3x, cold %4x, warm %5x.")
                    .arg(startupSizes.first())
                    .arg(startupSizes.last())
                    .arg(large.value("nocache_kb") / small.value("nocache_kb"), 0, 'f', 2)
                    .arg(large.value("cold_kb") / small.value("cold_kb"), 0, 'f', 2)
                    .arg(large.value("warm_kb") / small.value("warm_kb"), 0, 'f', 2));
        }
    }
    auto moveTable = [&](const QString& title, const QMap<int, QMap<QString, double>>& figures) {
        out(QString());
        out(title);
        out(QString());
        out(QStringLiteral(
            "| N | command | time | cp -r + rm -r | ratio | cp -r + sync + rm -r | ratio | without "
            "the moves' flushes | its ratio to cp -r + rm -r |"));
        out(QStringLiteral("|---|---|---|---|---|---|---|---|---|"));
        for (int n : moveSizes) {
            const auto& v = figures[n];
            for (const QString& d : {QStringLiteral("gar"), QStringLiteral("car")}) {
                const double ours = v.value(QStringLiteral("all_%1_s").arg(d));
                const double ref = v.value(QStringLiteral("ref_%1_s").arg(d));
                const double refSync = v.value(QStringLiteral("ref_sync_%1_s").arg(d));
                const double unflushedAll = v.value(QStringLiteral("all_unflushed_%1_s").arg(d));
                out(QStringLiteral("| %1 | %2 | %3 s | %4 s | %5 | %6 s | %7 | %8 s | %9 |")
                        .arg(n)
                        .arg(d == QLatin1String("gar") ? QStringLiteral("\"All: Gar.\"")
                                                       : QStringLiteral("\"All: Car\""))
                        .arg(ours, 0, 'f', 3)
                        .arg(ref, 0, 'f', 3)
                        .arg(ours / ref, 0, 'f', 2)
                        .arg(refSync, 0, 'f', 3)
                        .arg(ours / refSync, 0, 'f', 2)
                        .arg(unflushedAll, 0, 'f', 3)
                        .arg(unflushedAll / ref, 0, 'f', 2));
            }
        }
        out(QString());
        for (int n : moveSizes) {
            const auto& v = figures[n];
            out(QStringLiteral(
                    "%1 cars: moved %2 to the garage and %3 back; %4 messages; peak memory %5 MB.  ")
                    .arg(n)
                    .arg(v.value("moved_to_garage"))
                    .arg(v.value("moved_to_cars"))
                    .arg(v.value("messages"))
                    .arg(v.value("hwm_kb") / 1024, 0, 'f', 1));
        }
    };
    if (!moveSizes.isEmpty())
        moveTable(QStringLiteral("### \"All\" moves on one file system (N cars, one folder to the other)"),
                  moves);
    if (!movesAcross.isEmpty())
        moveTable(
            QStringLiteral("### \"All\" moves onto another file system (Garage Folder in %1)").arg(otherFs),
            movesAcross);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString root = QStringLiteral("/tmp/parkwen-bench");
    QString sizes = QStringLiteral("1000,5000");
    QString moveSizes = QStringLiteral("1000");
    QString startupSizes = QStringLiteral("1000,5000");
    int reps = 3;
    std::uint64_t seed = 1;
    QString otherFs;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--scan-child"))
            return scanChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps);
        if (a == QLatin1String("--profile-scans")) // for a profiler: only the scans, --reps times
            return scanChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps, true);
        if (a == QLatin1String("--cache-child"))
            return cacheChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps);
        if (a == QLatin1String("--moves-child"))
            return movesChild(
                next, args.value(i + 2), args.value(i + 4).toInt() > 0 ? args.value(i + 4).toInt() : reps,
                args.value(i + 5) == QLatin1String("--garage-root") ? args.value(i + 6) : QString());
        if (a == QLatin1String("--root")) {
            root = next;
            ++i;
        } else if (a == QLatin1String("--sizes")) {
            sizes = next;
            ++i;
        } else if (a == QLatin1String("--moves")) {
            moveSizes = next;
            ++i;
        } else if (a == QLatin1String("--startup")) {
            startupSizes = next;
            ++i;
        } else if (a == QLatin1String("--reps")) {
            reps = std::max(1, next.toInt());
            ++i;
        } else if (a == QLatin1String("--seed")) {
            seed = next.toULongLong();
            ++i;
        } else if (a == QLatin1String("--other-fs")) {
            otherFs = next;
            ++i;
        } else {
            std::fprintf(stderr, "usage: parkwen_bench [--root DIR] [--sizes 1000,5000] [--moves 1000] "
                                 "[--startup 1000,5000] [--reps 3] [--seed 1] [--other-fs DIR]\n");
            return 2;
        }
    }
    return parent(root, sizesOf(sizes), sizesOf(moveSizes), sizesOf(startupSizes), reps, seed, otherFs,
                  QStringLiteral("build/bin/parkwen_bench ") + args.join(QLatin1Char(' ')));
}
