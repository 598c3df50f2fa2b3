#include "library/carlibrary.h"
#include "library/thumbcache.h"
#include "tests/support/testlibrary.h"

#include <QListView>
#include <QtTest>

#include <sqlite3.h>

#include <atomic>
#include <memory>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// The real picture loader, counting the picture files it decodes.
class CountingPictures : public Pictures
{
public:
    std::atomic<int> loads{0};
    Result<QImage> load(const QString& path, QSize size) override
    {
        if (QFileInfo(path).isFile())
            ++loads;
        return m_real.load(path, size);
    }
    Result<QImage> loadBytes(const QString& path, const QByteArray& bytes, QSize size) override
    {
        ++loads;
        return m_real.loadBytes(path, bytes, size);
    }

private:
    QtPictures m_real;
};

// Everything a start shows: the lists, their pictures, the messages and the counts.
struct Outcome
{
    QStringList cars;
    QStringList garage;
    QList<QImage> carPictures;
    QList<QImage> garagePictures;
    QStringList messages;
    QString cam;
    QString gam;
    int decoded = 0;
};

QList<QImage> picturesOf(const CarList& list, const PictureStore& store)
{
    QList<QImage> out;
    for (int row = 0; row < list.count(); ++row)
        out << store.picture(list.at(row).key);
    return out;
}

void compareOutcomes(const Outcome& actual, const Outcome& expected)
{
    QCOMPARE(actual.cars, expected.cars);
    QCOMPARE(actual.garage, expected.garage);
    QCOMPARE(actual.messages, expected.messages);
    QCOMPARE(actual.cam, expected.cam);
    QCOMPARE(actual.gam, expected.gam);
    QCOMPARE(actual.carPictures.size(), expected.carPictures.size());
    for (qsizetype i = 0; i < actual.carPictures.size(); ++i)
        QVERIFY2(actual.carPictures[i] == expected.carPictures[i], qPrintable(actual.cars[i]));
    QCOMPARE(actual.garagePictures.size(), expected.garagePictures.size());
    for (qsizetype i = 0; i < actual.garagePictures.size(); ++i)
        QVERIFY2(actual.garagePictures[i] == expected.garagePictures[i], qPrintable(actual.garage[i]));
}

QColor centreOf(const QImage& image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// Sets a file's modification time (milliseconds are what every platform keeps).
void setModified(const QString& path, const QDateTime& time)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

// A start with the thumbnail cache shows exactly what a start without it shows, whatever happened
// to the pictures or to the cache in between.
class ThumbCacheTest : public QObject
{
    Q_OBJECT

    TestLibrary* m_lib = nullptr;
    QString m_cacheFile;
    const QDateTime m_time = QDateTime::fromSecsSinceEpoch(1700000000);

    // One start: both scans, with `cache` (none: as without the cache), its pictures fetched back.
    Outcome start(ThumbCache* cache, int resident = PictureStore::Resident)
    {
        CountingPictures pictures;
        m_lib->dialogs.clear();
        CarLibrary cars(
            Platform{m_lib->fs, pictures, m_lib->dialogs, m_lib->processes, m_lib->programFolder});
        cars.setThumbnailCache(cache, resident);
        cars.folder(FolderRole::Cars).setPath(m_lib->carFolder);
        cars.folder(FolderRole::Garage).setPath(m_lib->garageFolder);
        cars.setCount(FolderRole::Cars, 7);
        cars.scan(FolderRole::Cars);
        cars.scan(FolderRole::Garage);
        Outcome o;
        o.decoded = pictures.loads;
        o.cars = cars.folder(FolderRole::Cars).list().texts();
        o.garage = cars.folder(FolderRole::Garage).list().texts();
        o.carPictures =
            picturesOf(cars.folder(FolderRole::Cars).list(), cars.folder(FolderRole::Cars).pictures());
        o.garagePictures =
            picturesOf(cars.folder(FolderRole::Garage).list(), cars.folder(FolderRole::Garage).pictures());
        o.messages = m_lib->dialogs.messages();
        o.cam = countText(cars.folder(FolderRole::Cars));
        o.gam = countText(cars.folder(FolderRole::Garage));
        return o;
    }
    // A start of the program on the cache file: the cache opens, the scans run, the cache closes.
    Outcome startWithCache(ThumbCache::Options options = {}, int resident = PictureStore::Resident)
    {
        ThumbCache cache(m_cacheFile, options);
        return start(&cache, resident);
    }

    QString car(const QString& name, const QString& file) const
    {
        return m_lib->carFolder + QLatin1Char('/') + name + QLatin1Char('/') + file;
    }
    QString garage(const QString& name, const QString& file) const
    {
        return m_lib->garageFolder + QLatin1Char('/') + name + QLatin1Char('/') + file;
    }

    // Cars of every kind, all pictures dated `m_time`: JPEGs, BMPs, folders without a picture,
    // a damaged picture in each folder (the car scan ends there, the garage scan goes on).
    void makeLibrary()
    {
        makeCar(m_lib->carFolder, QStringLiteral("alpha"), QStringLiteral("car.jpg"), Qt::red);
        makeCar(m_lib->carFolder, QStringLiteral("beta"), QStringLiteral("car.bmp"), Qt::green);
        makeCar(m_lib->carFolder, QStringLiteral("empty"), QString());
        makeCar(m_lib->carFolder, QStringLiteral("gamma"), QStringLiteral("car.jpg"), Qt::blue);
        makeCar(m_lib->carFolder, QStringLiteral("omega"), QString());
        writeBytes(car(QStringLiteral("omega"), QStringLiteral("car.jpg")), "not a picture");
        makeCar(m_lib->carFolder, QStringLiteral("zulu"), QStringLiteral("car.jpg"), Qt::yellow);
        makeCar(m_lib->garageFolder, QStringLiteral("bad"), QString());
        writeBytes(garage(QStringLiteral("bad"), QStringLiteral("car.bmp")), "BM broken");
        makeCar(m_lib->garageFolder, QStringLiteral("bolt"), QStringLiteral("car.jpg"), Qt::cyan);
        makeCar(m_lib->garageFolder, QStringLiteral("none"), QString());
        makeCar(m_lib->garageFolder, QStringLiteral("yak"), QStringLiteral("car.bmp"), Qt::magenta);
        for (const QString& p : {car(QStringLiteral("alpha"), QStringLiteral("car.jpg")),
                                 car(QStringLiteral("beta"), QStringLiteral("car.bmp")),
                                 car(QStringLiteral("gamma"), QStringLiteral("car.jpg")),
                                 car(QStringLiteral("omega"), QStringLiteral("car.jpg")),
                                 car(QStringLiteral("zulu"), QStringLiteral("car.jpg")),
                                 garage(QStringLiteral("bad"), QStringLiteral("car.bmp")),
                                 garage(QStringLiteral("bolt"), QStringLiteral("car.jpg")),
                                 garage(QStringLiteral("yak"), QStringLiteral("car.bmp"))})
            setModified(p, m_time);
    }

    // Many plain cars in the Car Folder, alternately red and blue.
    void makeManyCars(int count)
    {
        for (int i = 0; i < count; ++i)
            makeCar(m_lib->carFolder, QStringLiteral("car%1").arg(i, 3, 10, QLatin1Char('0')),
                    QStringLiteral("car.jpg"), i % 2 ? Qt::blue : Qt::red);
    }

private slots:
    void init()
    {
        m_lib = new TestLibrary;
        m_cacheFile = m_lib->root.filePath(QStringLiteral("cache/parkwen/thumbnails.sqlite"));
    }
    void cleanup()
    {
        delete m_lib;
        m_lib = nullptr;
    }

    void warmStart_showsWhatAStartWithoutTheCacheShows_andDecodesNothing()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        QCOMPARE(plain.cars, QStringList({"alpha", "beta", "gamma"}));
        QCOMPARE(plain.garage, QStringList({"bad", "bolt", "yak"}));
        QCOMPARE(plain.messages.size(), 4);
        QVERIFY(plain.garagePictures[0].isNull()); // the damaged one has no picture of its own

        const Outcome cold = startWithCache();
        compareOutcomes(cold, plain);
        QCOMPARE(cold.decoded, plain.decoded);
        QVERIFY(QFile::exists(m_cacheFile));

        // Damage is remembered with its message: the car scan still ends at omega.
        const Outcome warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 0);
    }

    void changedPictures_areDecodedAgain()
    {
        makeLibrary();
        startWithCache();

        // Same size, new time: a BMP of the same dimensions in another colour.
        const QString beta = car(QStringLiteral("beta"), QStringLiteral("car.bmp"));
        const qint64 betaSize = QFileInfo(beta).size();
        writePicture(beta, Qt::white);
        QCOMPARE(QFileInfo(beta).size(), betaSize);
        setModified(beta, m_time.addSecs(60));
        // New size, same time.
        const QString bolt = garage(QStringLiteral("bolt"), QStringLiteral("car.jpg"));
        writePicture(bolt, Qt::darkGreen, 48);
        setModified(bolt, m_time);
        Outcome plain = start(nullptr);
        Outcome warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 2);
        QVERIFY(centreOf(warm.carPictures[1]).red() > 200 && centreOf(warm.carPictures[1]).blue() > 200);

        // A picture replaced by a damaged one, and a damaged one mended.
        writeBytes(car(QStringLiteral("gamma"), QStringLiteral("car.jpg")), "damaged now");
        writePicture(car(QStringLiteral("omega"), QStringLiteral("car.jpg")), Qt::black);
        writePicture(garage(QStringLiteral("bad"), QStringLiteral("car.bmp")), Qt::gray);
        plain = start(nullptr);
        QCOMPARE(plain.cars, QStringList({"alpha", "beta"}));
        QVERIFY(!plain.garagePictures[0].isNull());
        warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 3); // gamma and bad; omega was decoded beside gamma, not listed

        // And back again, remembered the next time.
        writePicture(car(QStringLiteral("gamma"), QStringLiteral("car.jpg")), Qt::blue);
        plain = start(nullptr);
        QCOMPARE(plain.cars, QStringList({"alpha", "beta", "gamma", "omega", "zulu"}));
        compareOutcomes(startWithCache(), plain);
        warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 0);
    }

    // Times can be set: a picture written over with one of the same size and modification time (as
    // "Set" copies a skin, keeping the source's time) is still another picture.
    void pictureReplacedKeepingSizeAndTime_showsTheNewOne()
    {
        makeLibrary();
        startWithCache();
        const QString beta = car(QStringLiteral("beta"), QStringLiteral("car.bmp"));
        const QString other = car(QStringLiteral("beta"), QStringLiteral("other.bmp"));
        writePicture(other, Qt::white);
        setModified(other, m_time);
        QVERIFY(!m_lib->fs.replaceFileAtomic(other, beta));
        QCOMPARE(QFileInfo(beta).size(), QFileInfo(other).size());
        QCOMPARE(QFileInfo(beta).lastModified(), m_time);

        const Outcome plain = start(nullptr);
        QVERIFY(centreOf(plain.carPictures[1]).blue() > 200 && centreOf(plain.carPictures[1]).green() > 200);
        const Outcome warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 1);
    }

    // A picture that could not be read (permissions, a disk error) is not taken for damaged: once
    // it can be read, the car and every car after it are listed again.
    void unreadablePicture_isReadAgainAtTheNextStart()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        startWithCache();
        const QString gamma = car(QStringLiteral("gamma"), QStringLiteral("car.jpg"));
        writePicture(gamma, Qt::darkBlue); // unknown to the cache
        m_lib->fs.failOnName(FaultyFileSystem::Op::Read, QStringLiteral("/gamma/car.jpg"),
                             Error::of(err::PermissionDenied));
        const Outcome unreadable = startWithCache();
        QCOMPARE(unreadable.cars, QStringList({"alpha", "beta"}));
        QCOMPARE(unreadable.messages, plain.messages); // told as omega's damage is told

        m_lib->fs.clearFailures();
        const Outcome readable = start(nullptr);
        QCOMPARE(readable.cars, plain.cars);
        const Outcome next = startWithCache();
        compareOutcomes(next, readable);
        QCOMPARE(next.decoded, 1);
        QCOMPARE(startWithCache().decoded, 0);
    }

    // A cache file of the earlier format (entries keyed by size and modification time alone) is
    // started afresh, never read as this one.
    void cacheOfTheEarlierFormat_isStartedAfresh()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        QDir().mkpath(QFileInfo(m_cacheFile).absolutePath());
        sqlite3* old = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_cacheFile).constData(), &old), SQLITE_OK);
        QCOMPARE(sqlite3_exec(old,
                              "CREATE TABLE entries(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE,"
                              " size INTEGER NOT NULL, modified INTEGER NOT NULL, error INTEGER NOT NULL,"
                              " description TEXT NOT NULL, seen INTEGER NOT NULL);"
                              "CREATE TABLE pixels(id INTEGER PRIMARY KEY, format INTEGER NOT NULL,"
                              " width INTEGER NOT NULL, height INTEGER NOT NULL, data BLOB NOT NULL);"
                              "PRAGMA user_version=1;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(old);
        const Outcome cold = startWithCache();
        compareOutcomes(cold, plain);
        QCOMPARE(cold.decoded, plain.decoded);
        QCOMPARE(startWithCache().decoded, 0);
    }

    void damagedCacheFile_isPassedOverAndRebuilt()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        QDir().mkpath(QFileInfo(m_cacheFile).absolutePath());
        writeBytes(m_cacheFile, QByteArray(100000, 'x'));
        compareOutcomes(startWithCache(), plain);
        const Outcome warm = startWithCache();
        compareOutcomes(warm, plain);
        QCOMPARE(warm.decoded, 0);

        // A database that is not a thumbnail cache is replaced as well.
        QFile::remove(m_cacheFile);
        m_lib->writePaths();
        QFile::copy(m_lib->programFolder + QStringLiteral("/paths.mdb"), m_cacheFile);
        compareOutcomes(startWithCache(), plain);
        QCOMPARE(startWithCache().decoded, 0);

        // Cut short in the middle of its thumbnails.
        QFile cut(m_cacheFile);
        QVERIFY(cut.open(QIODevice::ReadWrite));
        QVERIFY(cut.resize(cut.size() / 2));
        cut.close();
        compareOutcomes(startWithCache(), plain);
        compareOutcomes(startWithCache(), plain);
        QCOMPARE(startWithCache().decoded, 0);

        // Garbage over every page but the first.
        QFile overwritten(m_cacheFile);
        QVERIFY(overwritten.open(QIODevice::ReadWrite));
        const qint64 size = overwritten.size();
        QVERIFY(overwritten.seek(65536));
        overwritten.write(QByteArray(int(size - 65536), '\x5a'));
        overwritten.close();
        compareOutcomes(startWithCache(), plain);
        compareOutcomes(startWithCache(), plain);
        QCOMPARE(startWithCache().decoded, 0);
    }

    void cacheThatCannotBeWritten_isPassedOver()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        // Its folder can't be made: a file stands where it should be.
        writeBytes(m_lib->root.filePath(QStringLiteral("cache")), "a file");
        {
            ThumbCache cache(m_cacheFile);
            QVERIFY(!cache.onDisk());
            compareOutcomes(start(&cache), plain);
            QCOMPARE(start(&cache).decoded, plain.decoded);
        }

        // A read-only folder holding a read-only cache (the owner may still write as root).
        QFile::remove(m_lib->root.filePath(QStringLiteral("cache")));
        startWithCache();
        const QString folder = QFileInfo(m_cacheFile).absolutePath();
        QFile::setPermissions(m_cacheFile, QFile::ReadOwner);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        compareOutcomes(startWithCache(), plain);
        compareOutcomes(startWithCache(), plain);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void lockedCache_isPassedOver()
    {
        makeLibrary();
        const Outcome plain = start(nullptr);
        startWithCache();
        // Another program holds the file for itself.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_cacheFile).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; DELETE FROM entries;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        {
            ThumbCache cache(m_cacheFile);
            QVERIFY(!cache.onDisk());
            const Outcome locked = start(&cache);
            compareOutcomes(locked, plain);
            QCOMPARE(locked.decoded, plain.decoded);
        }
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        // Left as it was: still warm.
        QCOMPARE(startWithCache().decoded, 0);
    }

    void cacheFile_followsXdgCacheHome()
    {
        const QByteArray saved = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", "/somewhere/cache");
        QCOMPARE(ThumbCache::defaultFile(), QStringLiteral("/somewhere/cache/parkwen/thumbnails.sqlite"));
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(ThumbCache::defaultFile(),
                 QDir::homePath() + QStringLiteral("/.cache/parkwen/thumbnails.sqlite"));
        if (!saved.isEmpty())
            qputenv("XDG_CACHE_HOME", saved);
    }

    void fullDisk_keepsThumbnailsInMemoryForTheRun()
    {
        makeManyCars(60);
        makeLibrary();
        const Outcome plain = start(nullptr);
        ThumbCache::Options full;
        full.maxPageCount = 6; // the tables and a few thumbnails
        {
            ThumbCache cache(m_cacheFile, full);
            // Few thumbnails in memory at a time: most must come back from the cache.
            compareOutcomes(start(&cache, 4), plain);
            cache.flush();
            QVERIFY(!cache.onDisk());
            compareOutcomes(start(&cache, 4), plain);
        }
        // Room again: the next start fills the cache, the one after decodes nothing.
        compareOutcomes(startWithCache(), plain);
        QCOMPARE(startWithCache().decoded, 0);
    }

    void twoProgramsShareOneCache()
    {
        makeManyCars(40);
        makeLibrary();
        const Outcome plain = start(nullptr);
        {
            ThumbCache first(m_cacheFile);
            ThumbCache second(m_cacheFile);
            QVERIFY(first.onDisk() && second.onDisk());
            compareOutcomes(start(&first), plain);
            compareOutcomes(start(&second, 8), plain);
            first.flush();
            const Outcome afterFirst = start(&second, 8);
            compareOutcomes(afterFirst, plain);
            QCOMPARE(afterFirst.decoded, 0);
            compareOutcomes(start(&first, 8), plain);
        }
        QCOMPARE(startWithCache().decoded, 0);
    }

    void pruning_dropsPicturesNotSeenFor90Days_andKeepsTheFileUnderItsLimit()
    {
        makeManyCars(120);
        qint64 day = 20000;
        ThumbCache::Options options;
        options.now = [&day] { return day * 86400; };
        QCOMPARE(startWithCache(options).decoded, 120);
        day += 60;
        QCOMPARE(startWithCache(options).decoded, 0); // seen again: kept 90 days from now
        day += 89;
        QCOMPARE(startWithCache(options).decoded, 0);
        day += 91;
        {
            ThumbCache openedOnly(m_cacheFile, options);
        }
        QCOMPARE(startWithCache(options).decoded, 120);

        const qint64 full = QFileInfo(m_cacheFile).size();
        options.maxBytes = full / 2;
        {
            ThumbCache openedOnly(m_cacheFile, options);
        }
        QVERIFY(QFileInfo(m_cacheFile).size() <= options.maxBytes);
        const int decoded = startWithCache().decoded;
        QVERIFY2(decoded >= 40 && decoded < 120, qPrintable(QString::number(decoded)));
    }

    void movesAndThePictureBox_showCachedThumbnails()
    {
        makeManyCars(10);
        ThumbCache cache(m_cacheFile);
        CarLibrary cars(m_lib->platform());
        cars.setThumbnailCache(&cache, 1);
        cars.folder(FolderRole::Cars).setPath(m_lib->carFolder);
        cars.folder(FolderRole::Garage).setPath(m_lib->garageFolder);
        cars.options().maxCars = 200;
        cars.scan(FolderRole::Cars);
        cars.scan(FolderRole::Garage);
        cars.chooseRow(FolderRole::Cars, 3);
        QVERIFY(centreOf(cars.display().picture).blue() > 200);
        cars.chooseRow(FolderRole::Cars, 8);
        QVERIFY(centreOf(cars.display().picture).red() > 200);

        // The moved car's picture file is gone from where the cache saw it; its thumbnail is not.
        cars.chooseRow(FolderRole::Cars, 3);
        cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(cars.folder(FolderRole::Garage).list().texts(), QStringList({"car003"}));
        QVERIFY(
            centreOf(cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("car003CAR"))).blue() >
            200);
        cars.chooseRow(FolderRole::Cars, 0);
        cars.chooseRow(FolderRole::Garage, 0);
        QVERIFY(centreOf(cars.display().picture).blue() > 200);
        cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(cars.folder(FolderRole::Cars).list().count(), 10);
        QVERIFY(
            centreOf(cars.folder(FolderRole::Cars).pictures().picture(QStringLiteral("car003CAR"))).blue() >
            200);
        QVERIFY(m_lib->dialogs.messages().isEmpty());
    }

    void scrollingALongList_fillsItsThumbnails()
    {
        makeManyCars(300);
        ThumbCache cache(m_cacheFile);
        CarLibrary cars(m_lib->platform());
        cars.setThumbnailCache(&cache, 16);
        cars.folder(FolderRole::Cars).setPath(m_lib->carFolder);
        cars.folder(FolderRole::Garage).setPath(m_lib->garageFolder);
        cars.scan(FolderRole::Cars);
        QCOMPARE(cars.folder(FolderRole::Cars).list().count(), 300);

        QListView view;
        view.setModel(&cars.folder(FolderRole::Cars).list());
        view.setIconSize(QSize(PictureStore::Size, PictureStore::Size));
        view.setUniformItemSizes(true);
        view.resize(240, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (int target : {299, 150, 0, 220}) {
            view.scrollTo(cars.folder(FolderRole::Cars).list().index(target),
                          QAbstractItemView::PositionAtCenter);
            const QImage shot = view.viewport()->grab().toImage();
            int checked = 0;
            for (int row = 0; row < cars.folder(FolderRole::Cars).list().count(); ++row) {
                const QRect rect = view.visualRect(cars.folder(FolderRole::Cars).list().index(row));
                if (!view.viewport()->rect().contains(rect))
                    continue;
                const QImage thumbnail =
                    cars.folder(FolderRole::Cars)
                        .list()
                        .data(cars.folder(FolderRole::Cars).list().index(row), Qt::DecorationRole)
                        .value<QImage>();
                QVERIFY(!thumbnail.isNull());
                const QColor drawn = shot.pixelColor(rect.left() + PictureStore::Size / 2, rect.center().y());
                if (row % 2)
                    QVERIFY2(drawn.blue() > 200 && drawn.red() < 60, qPrintable(QString::number(row)));
                else
                    QVERIFY2(drawn.red() > 200 && drawn.blue() < 60, qPrintable(QString::number(row)));
                ++checked;
            }
            QVERIFY(checked >= 3);
            QVERIFY(cars.folder(FolderRole::Cars).pictures().residentCount() <= 16);
        }
    }
};

QTEST_MAIN(ThumbCacheTest)
#include "thumbcache_test.moc"
