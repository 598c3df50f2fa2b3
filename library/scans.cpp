#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <optional>

namespace parkwen {

namespace {

// One sub-folder the scan will look at, with the picture file chosen for it.
struct Candidate
{
    QString name;
    QString picturePath; // the folder itself when it holds no picture
    bool stock = false;
};

// How many sub-folders are listed and decoded as one batch. Big enough to keep both cores busy,
// small enough for steady progress and for little wasted work when a scan ends early.
constexpr qsizetype kBatch = 256;

// A decoded picture, or why it failed (the thread pool needs results it can default-construct).
// With a thumbnail cache, `id` names the picture file, and `remembered` tells that the cache
// answered instead of the decoder (no image then: the store fetches it when it is shown).
// `unread` marks a failure to open or read the file, which says nothing about the picture.
struct Decoded
{
    Error error;
    QImage image;
    PictureId id;
    bool remembered = false;
    bool unread = false;
};

// What the pool does for one candidate: ask the cache, else decode. With the cache, the file is
// read whole through the file system first, so that only a picture that was read and did not
// decode is remembered as damaged.
Decoded loadPicture(Platform& platform, ThumbCache* cache, const QString& path)
{
    Decoded d;
    const QSize size(PictureStore::Size, PictureStore::Size);
    if (!cache) {
        Result<QImage> loaded = platform.pictures.load(path, size);
        if (loaded.ok())
            d.image = loaded.take();
        else
            d.error = loaded.error();
        return d;
    }
    const FileStamp stamp = platform.fs.stamp(path);
    if (!stamp.isFile()) {
        d.error = Error::of(err::PathNotFound); // what loading a folder or a missing file gives
        return d;
    }
    d.id = {QDir::isRelativePath(path) ? QDir(path).absolutePath() : path, stamp};
    if (std::optional<Error> known = cache->known(d.id)) {
        d.error = *known;
        d.remembered = true;
        return d;
    }
    if (stamp.size > Pictures::MaxFileBytes) {
        // Refused unread, as the loader refuses it; the size is part of the key.
        d.error =
            Error(err::InvalidPicture, describeError(err::InvalidPicture) + QStringLiteral(": ") + path +
                                           QCoreApplication::translate("CarLibrary", " is larger than %1 MB")
                                               .arg(Pictures::MaxFileBytes >> 20));
        return d;
    }
    Result<QByteArray> bytes = platform.fs.readBytes(path, Pictures::MaxFileBytes);
    if (!bytes.ok()) {
        // Gone or no longer an ordinary file: not a car, as for the loader; anything else is a
        // picture that can't be read now, told as the loader tells it.
        const Fault fault = bytes.error().fault();
        d.error = Error::of(fault == err::FileNotFound || fault == err::PathFileAccess ? err::PathNotFound
                                                                                       : err::InvalidPicture);
        d.unread = true;
        return d;
    }
    Result<QImage> loaded = platform.pictures.loadBytes(path, bytes.value(), size);
    if (loaded.ok())
        d.image = loaded.take();
    else
        d.error = loaded.error();
    return d;
}

// Brings the cache up to date with what a picture gave.
void remember(ThumbCache* cache, Decoded& d)
{
    if (!cache || !d.id.isValid() || d.unread)
        return;
    if (d.remembered) {
        cache->touch(d.id);
    } else if (d.error) {
        cache->storeFailure(d.id, d.error);
    } else {
        ThumbCache::tag(d.image, d.id); // before the image is shared, so it is not copied
        cache->store(d.id, d.image);
    }
}

// Registers a scanned car's picture in its store. Returns the failure the scan reports, the same
// whether it was found now or remembered.
Error registerPicture(PictureStore& store, const QString& key, Decoded& d)
{
    ThumbCache* cache = store.cache();
    remember(cache, d);
    if (d.error)
        return d.error;
    if (!cache || !d.id.isValid())
        return store.add(key, std::move(d.image));
    return store.addCached(key, d.id, std::move(d.image));
}

// One batch of a scan: its candidates and their pictures, decoding on the thread pool.
struct Batch
{
    std::vector<Candidate> candidates;
    QFuture<Decoded> pictures;
    qsizetype foldersDone = 0; // sub-folders examined once this batch is applied
};

// Walks the sub-folders of a scan in batches. While the pool decodes one batch, the calling thread
// lists the next, so the folder reads overlap the decoding; `apply` still sees every candidate in
// folder order on the calling thread, which keeps messages and list order those of a one-by-one scan.
// `choose` turns a sub-folder path into a candidate (or none); `apply` returns false to end the scan.
template <typename Choose, typename Apply>
void scanInBatches(Platform& platform, ThumbCache* cache, const QStringList& folders, const QString& label,
                   Choose choose, Apply apply)
{
    if (cache)
        cache->beginScan();
    qsizetype listed = 0;
    auto nextBatch = [&]() -> std::optional<Batch> {
        if (listed >= folders.size())
            return std::nullopt;
        Batch batch;
        const qsizetype end = std::min(folders.size(), listed + kBatch);
        for (; listed < end; ++listed)
            if (std::optional<Candidate> c = choose(folders[listed]))
                batch.candidates.push_back(std::move(*c));
        batch.foldersDone = end;
        batch.pictures = QtConcurrent::mapped(batch.candidates, [&platform, cache](const Candidate& c) {
            return loadPicture(platform, cache, c.picturePath);
        });
        return batch;
    };

    Progress* progress = platform.progress;
    if (progress)
        progress->begin(label, int(folders.size()));
    std::optional<Batch> current = nextBatch();
    while (current) {
        std::optional<Batch> following = nextBatch();
        current->pictures.waitForFinished();
        for (size_t i = 0; i < current->candidates.size(); ++i) {
            Decoded decoded = current->pictures.resultAt(int(i));
            if (!apply(current->candidates[i], decoded)) {
                // The rest of the batch is decoded already: worth keeping for the next start.
                for (size_t rest = i + 1; rest < current->candidates.size(); ++rest) {
                    Decoded later = current->pictures.resultAt(int(rest));
                    remember(cache, later);
                }
                if (following) {
                    following->pictures.cancel();
                    following->pictures.waitForFinished();
                }
                if (progress)
                    progress->end();
                return;
            }
        }
        if (progress)
            progress->step(int(current->foldersDone));
        current = std::move(following);
    }
    if (progress)
        progress->end();
}

QString notACarMessage(const QString& name)
{
    return QCoreApplication::translate("CarLibrary", "Car: ") + name +
           QCoreApplication::translate("CarLibrary",
                                       " is not a car or is an incomplete car, skipping to next one");
}

} // namespace

bool reduceToCarName(QString& path)
{
    path = lastName(path);
    return isStockCar(path);
}

void CarLibrary::scan(FolderRole role)
{
    scan(folder(role));
}

void CarLibrary::scan(CarFolder& folder)
{
    folder.list().clear();
    folder.pictures().clear();
    const bool loaded = folder.isLoadedByGame();
    // The game's own cars are listed only in a folder the game loads, and only in that mode.
    const bool listsStock = loaded && m_options.listsStockCars;

    FileSystem& fs = m_platform.fs;
    Dialogs& dialogs = m_platform.dialogs;
    auto folders = fs.listFolders(folder.path());
    if (!folders.ok()) {
        dialogs.plain(folders.error().miscMessage());
        // A loaded folder keeps its count; another shows the cars it lists now, none.
        if (loaded)
            emit changed();
        else
            setCount(folder.role(), folder.list().count());
        return;
    }

    const QString& otherPath = otherThan(folder).path();
    auto choose = [&](const QString& path) -> std::optional<Candidate> {
        // The Garage Folder may sit inside the Car Folder; it is no car.
        if (loaded && path == otherPath)
            return std::nullopt;
        const QString name = lastName(path);
        const bool stock = isStockCar(name);
        if (stock && !listsStock)
            return std::nullopt;
        if (listsStock && name.toUpper() == QLatin1String("MISC"))
            return std::nullopt;
        const QString file = carPictureFile(fs, path);
        return Candidate{name, file.isEmpty() ? path : joinPath(path, file), stock};
    };

    // Entries are appended a batch at a time (far cheaper for the view), and always before a
    // message, so the list shows everything found up to that point.
    std::vector<CarEntry> added;
    auto flush = [&] {
        folder.list().appendMany(std::move(added));
        added.clear();
    };
    bool complete = true;
    auto apply = [&](const Candidate& c, Decoded& loadedPicture) {
        const QString key = carKey(c.name);
        Error e = registerPicture(folder.pictures(), key, loadedPicture);
        if (e.fault() == err::PathNotFound) {
            flush();
            dialogs.inform(notACarMessage(c.name));
            return true;
        }
        if (e) {
            flush();
            dialogs.plain(e.miscMessage());
            if (folder.scanStopsAtBadPicture()) {
                complete = false; // the entries so far stay; the counts keep their numbers
                return false;
            }
            // Otherwise the car is listed without a picture of its own and the scan goes on.
        }
        const bool stock = listsStock && c.stock;
        added.push_back({key, c.name, stock});
        // The stock-listing mode numbers the positions of the game's own cars up to 150; the one
        // past them stays listed, and the scan ends there.
        if (stock && folder.list().count() + int(added.size()) >= CarFolder::StockPositions) {
            flush();
            dialogs.plain(Error::of(err::SubscriptOutOfRange).miscMessage());
            complete = false;
            return false;
        }
        if (added.size() >= size_t(kBatch))
            flush();
        return true;
    };
    scanInBatches(m_platform, folder.pictures().cache(), folders.value(), folder.scanLabel(), choose, apply);
    flush();
    if (!complete)
        return;
    // In the stock-listing mode the count leaves out the game's 35 cars, listed or not.
    setCount(folder.role(), listsStock ? folder.list().count() - 35 : folder.list().count());
    // Reading the loaded folder also shows the other folder's count afresh.
    if (loaded)
        setCount(otherThan(folder).role(), otherThan(folder).list().count());
}

} // namespace parkwen
