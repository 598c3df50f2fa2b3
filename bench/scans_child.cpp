// The child that measures the scans of one size, and the child that measures them with the
// thumbnail cache.

#include "bench/benchplatform.h"
#include "bench/measure.h"
#include "bench/parkwen_bench.h"
#include "library/carlibrary.h"
#include "library/carpicture.h"
#include "library/thumbcache.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>
#include <QTemporaryDir>

#include <memory>
#include <mutex>

namespace parkwen::bench {

namespace {

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

void scanBoth(CarLibrary& cars)
{
    cars.scan(FolderRole::Cars);
    cars.scan(FolderRole::Garage);
}

void reportScans(CarLibrary& cars, int reps)
{
    report("rss_before_scan_kb", statusKb("VmRSS:"));
    double cpu = 0;
    const double scans = best(
        reps, [&] { scanBoth(cars); }, &cpu);
    report("scan_s", scans);
    report("scan_cpu_s", cpu);
    report("hwm_scan_kb", statusKb("VmHWM:"));
    report("rss_after_scan_kb", statusKb("VmRSS:"));
}

void reportListsAndRefresh(CarLibrary& cars, const AgreeingDialogs& dialogs, int reps)
{
    report("listed_cars", qint64(cars.folder(FolderRole::Cars).list().count()));
    report("listed_garage", qint64(cars.folder(FolderRole::Garage).list().count()));
    report("messages", qint64(dialogs.messages.size()));
    report("thumbnail_bytes", qint64(cars.folder(FolderRole::Cars)
                                         .pictures()
                                         .picture(cars.folder(FolderRole::Cars).list().at(0).key)
                                         .sizeInBytes()));

    const double refresh = best(reps, [&] { cars.rereadPaths(); });
    report("refresh_s", refresh);
    report("hwm_refresh_kb", statusKb("VmHWM:"));
    report("messages_after_refresh", qint64(dialogs.messages.size()));
}

// The references the scans are held against: the raw reading of the picture files, 1/8-scale
// decoding, and the program's own thumbnail loading one picture at a time.
void reportPictureReferences(const QStringList& files, Pictures& pictures, int reps)
{
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
    // Its cost per picture, without the scan around it and without the second core.
    const double thumbs = best(reps, [&] {
        for (const QString& f : files)
            pictures.load(f, QSize(PictureStore::Size, PictureStore::Size));
    });
    report("thumbs_1t_s", thumbs);
    const double both = best(reps, [&] {
        QtConcurrent::blockingMap(files, [](const QString& f) { decodeAtOneEighth(readAllBytes(f)); });
    });
    report("read_decode18_2t_s", both);
}

// The naive decoder through the same scans, once.
void reportNaiveScans(const Platform& platform, const QString& carFolder, const QString& garageFolder)
{
    CarLibrary naiveCars(platform);
    pointAt(naiveCars, carFolder, garageFolder);
    double naiveCpu = 0;
    const double naiveScans = best(
        1, [&] { scanBoth(naiveCars); }, &naiveCpu);
    report("naive_scan_s", naiveScans);
    report("naive_scan_cpu_s", naiveCpu);
    report("naive_listed", qint64(naiveCars.folder(FolderRole::Cars).list().count() +
                                  naiveCars.folder(FolderRole::Garage).list().count()));
}

// What the scan children stand on: the library's two folders, read once into the page cache, and a
// program folder whose paths database points at them.
struct ScanGround
{
    explicit ScanGround(const QString& root)
        : carFolder(root + QStringLiteral("/cars")), garageFolder(root + QStringLiteral("/garage"))
    {
        warmCache(carFolder);
        warmCache(garageFolder);
        writePaths(program.path(), carFolder, garageFolder);
    }

    Platform platform(Pictures& decoder) { return Platform{fs, decoder, dialogs, processes, program.path()}; }

    const QString carFolder;
    const QString garageFolder;
    LocalFileSystem fs;
    QtPictures pictures;
    AgreeingDialogs dialogs;
    IdleProcesses processes;
    QTemporaryDir program;
};

} // namespace

int scanChild(const QString& root, int reps, bool scansOnly)
{
    report("rss_start_kb", statusKb("VmRSS:"));
    ScanGround ground(root);
    CarLibrary cars(ground.platform(ground.pictures));
    pointAt(cars, ground.carFolder, ground.garageFolder);

    reportScans(cars, reps);
    if (scansOnly)
        return 0;
    reportListsAndRefresh(cars, ground.dialogs, reps);
    reportPictureReferences(picturesOf(ground.carFolder) + picturesOf(ground.garageFolder), ground.pictures,
                            reps);

    cars.folder(FolderRole::Cars).pictures().clear();
    cars.folder(FolderRole::Garage).pictures().clear();
    NaivePictures naive;
    reportNaiveScans(ground.platform(naive), ground.carFolder, ground.garageFolder);
    return 0;
}

int cacheChild(const QString& root, int reps)
{
    ScanGround ground(root);
    const QString& carFolder = ground.carFolder;
    const QString& garageFolder = ground.garageFolder;
    QTemporaryDir cacheHome;
    const QString cacheFile = cacheHome.filePath(QStringLiteral("thumbnails.sqlite"));
    auto emptyCache = [&] {
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(cacheFile + suffix);
    };
    const Platform platform = ground.platform(ground.pictures);
    // One start's scans (or Refresh): the cache opens, the scans run; its closing (writing what
    // is left) is not timed.
    auto measure = [&](bool cold, bool refresh, int* listed) {
        return best(reps, [&] {
            if (cold)
                emptyCache();
            std::unique_ptr<ThumbCache> cache;
            CarLibrary cars(platform);
            pointAt(cars, carFolder, garageFolder);
            QElapsedTimer t;
            t.start();
            cache = std::make_unique<ThumbCache>(cacheFile);
            cars.setThumbnailCache(cache.get());
            if (refresh)
                cars.rereadPaths();
            else
                scanBoth(cars);
            *listed =
                cars.folder(FolderRole::Cars).list().count() + cars.folder(FolderRole::Garage).list().count();
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
    report("messages", qint64(ground.dialogs.messages.size()));
    return 0;
}

} // namespace parkwen::bench
