#include "carlibrary.h"

#include <QtConcurrent/QtConcurrentMap>

namespace parkwen {

namespace {

const QString kCarSuffix = QStringLiteral("CAR");

// One sub-folder the scan will look at, with the picture file chosen for it.
struct Candidate
{
    QString name;
    QString picturePath; // the folder itself when it holds no picture
    bool stock = false;
};

// The first "*.jpg" of a folder, else its first "*.bmp"; an empty name when it holds neither.
QString pictureFileOf(FileSystem& fs, const QString& folder)
{
    QStringList files = fs.listFiles(folder, QStringLiteral("*.jpg"));
    if (files.isEmpty())
        files = fs.listFiles(folder, QStringLiteral("*.bmp"));
    return files.isEmpty() ? QString() : files.first();
}

// Decodes the pictures of all candidates on every core. Results come back in candidate order, so
// the messages and the list order are those of a one-by-one scan.
std::vector<Result<QImage>> decodeAll(Pictures& pictures, const std::vector<Candidate>& candidates)
{
    const QSize size(PictureStore::Size, PictureStore::Size);
    std::function<Result<QImage>(const Candidate&)> decode = [&pictures, size](const Candidate& c) {
        return pictures.load(c.picturePath, size);
    };
    QList<Result<QImage>> decoded = QtConcurrent::blockingMapped<QList<Result<QImage>>>(candidates, decode);
    return std::vector<Result<QImage>>(std::make_move_iterator(decoded.begin()), std::make_move_iterator(decoded.end()));
}

QString notACarMessage(const QString& name)
{
    return QStringLiteral("Car: ") + name + QStringLiteral(" is not a car or is an incomplete car, skipping to next one");
}

} // namespace

bool CarLibrary::Noncus(QString& path)
{
    path = lastName(path);
    return isStockCar(path);
}

void CarLibrary::LoadCard()
{
    Cart3.clear();
    CarpList.clear();
    stockFlags.fill(0);

    FileSystem& fs = m_platform.fs;
    Dialogs& dialogs = m_platform.dialogs;
    auto folders = fs.listFolders(carFolder);
    if (!folders.ok()) {
        dialogs.plain(folders.error().miscMessage());
        emit changed();
        return;
    }

    std::vector<Candidate> candidates;
    candidates.reserve(size_t(folders.value().size()));
    for (const QString& path : folders.value()) {
        if (path == garageFolder)
            continue;
        QString name = path;
        const bool stock = Noncus(name);
        if (!stockMode && stock)
            continue;
        if (stockMode && name.toUpper() == QLatin1String("MISC"))
            continue;
        const QString file = pictureFileOf(fs, path);
        candidates.push_back({name, file.isEmpty() ? path : joinPath(path, file), stock});
    }
    std::vector<Result<QImage>> pictures = decodeAll(m_platform.pictures, candidates);

    std::vector<CarEntry> added;
    auto flush = [&] {
        Cart3.appendMany(std::move(added));
        added.clear();
    };
    for (size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates[i];
        Result<QImage>& loaded = pictures[i];
        const QString key = c.name + kCarSuffix;
        Error e = loaded.error();
        if (!e)
            e = CarpList.add(key, loaded.take());
        if (e.number() == err::PathNotFound) {
            flush();
            dialogs.inform(notACarMessage(c.name));
            continue;
        }
        if (e) {
            flush();
            dialogs.plain(e.miscMessage());
            return; // the entries so far stay; the counts keep their captions
        }
        added.push_back({key, c.name});
        if (stockMode && c.stock) {
            const int position = Cart3.count() + int(added.size());
            if (position >= StockFlagCount) {
                flush();
                dialogs.plain(Error::of(err::SubscriptOutOfRange).miscMessage());
                return;
            }
            stockFlags[size_t(position)] = -1;
        }
    }
    flush();
    setCam(QString::number(stockMode ? Cart3.count() - 35 : Cart3.count()));
    setGam(QString::number(Gartery.count()));
}

void CarLibrary::LoadGuard()
{
    Gartery.clear();
    GargList.clear();

    FileSystem& fs = m_platform.fs;
    Dialogs& dialogs = m_platform.dialogs;
    auto folders = fs.listFolders(garageFolder);
    if (!folders.ok()) {
        dialogs.plain(folders.error().miscMessage());
        setGam(QString::number(Gartery.count()));
        return;
    }

    std::vector<Candidate> candidates;
    candidates.reserve(size_t(folders.value().size()));
    for (const QString& path : folders.value()) {
        QString name = path;
        if (Noncus(name))
            continue;
        const QString file = pictureFileOf(fs, path);
        candidates.push_back({name, file.isEmpty() ? path : joinPath(path, file), false});
    }
    std::vector<Result<QImage>> pictures = decodeAll(m_platform.pictures, candidates);

    std::vector<CarEntry> added;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates[i];
        Result<QImage>& loaded = pictures[i];
        const QString key = c.name + kCarSuffix;
        Error e = loaded.error();
        if (!e)
            e = GargList.add(key, loaded.take());
        if (e.number() == err::PathNotFound) {
            Gartery.appendMany(std::move(added));
            added.clear();
            dialogs.inform(notACarMessage(c.name));
            continue;
        }
        if (e) {
            // The scan goes on: the car is listed without a picture of its own.
            Gartery.appendMany(std::move(added));
            added.clear();
            dialogs.plain(e.miscMessage());
        }
        added.push_back({key, c.name});
    }
    Gartery.appendMany(std::move(added));
    setGam(QString::number(Gartery.count()));
}

} // namespace parkwen
