#include "library/thumbcache.h"

#include "platform/pictures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <chrono>
#include <cstring>

namespace parkwen {

namespace {

// Raised whenever what an entry means changes (the thumbnails' size or decoding, the tables), so
// that a file written by another version is started afresh.
constexpr int kFormatVersion = 2;
// Entries written in one transaction, and how many may wait for the writer before a scan waits.
constexpr qsizetype kBatch = 96;
constexpr qsizetype kMaxPending = 192;
constexpr int kThumbnailSize = 64;
const QString kTagKey = QStringLiteral("parkwen-picture");

// Short-lived RAII wrapper around sqlite3_stmt.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            m_stmt = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }
    void bind(int i, qint64 v) { sqlite3_bind_int64(m_stmt, i, v); }
    void bind(int i, const QString& s)
    {
        const QByteArray utf8 = s.toUtf8();
        sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int i, const void* data, int size)
    {
        sqlite3_bind_blob(m_stmt, i, data, size, SQLITE_STATIC);
    }
    int step() { return sqlite3_step(m_stmt); }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QString text(int column) const
    {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, column));
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// A one-value query, or `fallback` when it fails.
qint64 queryInteger(sqlite3* db, const char* sql, qint64 fallback = -1)
{
    Statement s(db, sql);
    if (!s.ok() || s.step() != SQLITE_ROW)
        return fallback;
    return s.integer(0);
}

// The formats a thumbnail is kept in; others (colour tables) are not cached.
bool storable(const QImage& image)
{
    return !image.isNull() && image.depth() >= 16 && image.width() <= 1024 && image.height() <= 1024;
}

qsizetype rowBytes(const QImage& image)
{
    return (qsizetype(image.width()) * image.depth() + 7) / 8;
}

} // namespace

ThumbCache::ThumbCache(const QString& file) : ThumbCache(file, Options()) {}

ThumbCache::ThumbCache(const QString& file, Options options) : m_options(std::move(options)), m_file(file)
{
    if (!file.isEmpty() && open(file))
        m_thread = std::thread([this] { writerLoop(); });
}

ThumbCache::~ThumbCache()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_lock);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    closeConnections();
}

QString ThumbCache::defaultFile()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/parkwen/thumbnails.sqlite");
}

QString ThumbCache::besideFile(const QString& name) const
{
    return m_file.isEmpty() ? QString() : joinPath(parentFolder(m_file), name);
}

bool ThumbCache::onDisk() const
{
    std::lock_guard lock(m_lock);
    return m_thread.joinable() && !m_broken;
}

bool ThumbCache::open(const QString& file)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    if (openConnections(file))
        return true;
    // A damaged file (or one this version can't read) is started afresh; one that is only busy or
    // can't be written is left to whoever holds it.
    const int code = m_reader ? sqlite3_errcode(m_reader) : SQLITE_CANTOPEN;
    closeConnections();
    if (code != SQLITE_NOTADB && code != SQLITE_CORRUPT)
        return false;
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(file + suffix);
    if (openConnections(file))
        return true;
    closeConnections();
    return false;
}

bool ThumbCache::openConnections(const QString& file)
{
    const QByteArray name = QFile::encodeName(file);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(name.constData(), &m_reader, flags, nullptr) != SQLITE_OK)
        return false;
    sqlite3_busy_timeout(m_reader, 2000);
    // Temporary tables and sorts stay in memory: a run that is killed leaves no file behind.
    exec(m_reader, "PRAGMA temp_store=MEMORY");
    // Page size and vacuuming only take effect while the file is new. Large pages waste little
    // around thumbnails of 8 KB (seven to a page).
    exec(m_reader, "PRAGMA page_size=65536");
    exec(m_reader, "PRAGMA auto_vacuum=INCREMENTAL");
    {
        Statement wal(m_reader, "PRAGMA journal_mode=WAL");
        if (!wal.ok() || wal.step() != SQLITE_ROW ||
            wal.text(0).compare(QLatin1String("wal"), Qt::CaseInsensitive))
            return false;
    }
    if (queryInteger(m_reader, "PRAGMA user_version") != kFormatVersion) {
        if (!exec(m_reader, "BEGIN IMMEDIATE"))
            return false;
        // Another program may have set the file up meanwhile.
        const qint64 version = queryInteger(m_reader, "PRAGMA user_version");
        if (version != kFormatVersion) {
            const bool made =
                exec(m_reader, "DROP TABLE IF EXISTS entries; DROP TABLE IF EXISTS pixels;"
                               "CREATE TABLE entries(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE,"
                               " size INTEGER NOT NULL, modified INTEGER NOT NULL, changed INTEGER NOT NULL,"
                               " inode INTEGER NOT NULL, device INTEGER NOT NULL, error INTEGER NOT NULL,"
                               " description TEXT NOT NULL, seen INTEGER NOT NULL);"
                               "CREATE TABLE pixels(id INTEGER PRIMARY KEY, format INTEGER NOT NULL,"
                               " width INTEGER NOT NULL, height INTEGER NOT NULL, data BLOB NOT NULL);"
                               "PRAGMA user_version=2;");
            static_assert(kFormatVersion == 2, "the version written above");
            if (!made || !exec(m_reader, "COMMIT")) {
                exec(m_reader, "ROLLBACK");
                return false;
            }
        } else if (!exec(m_reader, "COMMIT")) {
            return false;
        }
    }
    // A file whose tables can't be read is damaged.
    if (queryInteger(m_reader, "SELECT count(*) FROM (SELECT id FROM entries LIMIT 1)") < 0)
        return false;

    if (sqlite3_open_v2(name.constData(), &m_writer, flags, nullptr) != SQLITE_OK)
        return false;
    sqlite3_busy_timeout(m_writer, 2000);
    exec(m_writer, "PRAGMA temp_store=MEMORY");
    // A cache can lose its last transactions in a power cut without harm: no flush per commit.
    exec(m_writer, "PRAGMA synchronous=NORMAL");
    // Copying the log into the file (with its flushes) waits until the writer is idle, so that a
    // scan filling the cache never waits for it; see writerLoop().
    exec(m_writer, "PRAGMA wal_autocheckpoint=0");
    // The writer only appends: a few pages of the tables' upper levels are all it reads again.
    exec(m_writer, "PRAGMA cache_size=-1024");
    if (m_options.maxPageCount > 0)
        exec(m_writer,
             QByteArray("PRAGMA max_page_count=" + QByteArray::number(m_options.maxPageCount)).constData());
    return true;
}

void ThumbCache::closeConnections()
{
    sqlite3_close(m_writer);
    m_writer = nullptr;
    sqlite3_close(m_reader);
    m_reader = nullptr;
}

qint64 ThumbCache::today() const
{
    const qint64 seconds = m_options.now ? m_options.now() : QDateTime::currentSecsSinceEpoch();
    return seconds / 86400;
}

void ThumbCache::beginScan()
{
    m_known.clear();
    if (!m_reader)
        return;
    std::lock_guard lock(m_readLock);
    Statement s(m_reader,
                "SELECT path, size, modified, changed, inode, device, error, description, seen FROM entries");
    if (!s.ok())
        return;
    int step;
    while ((step = s.step()) == SQLITE_ROW) {
        const FileStamp stamp{s.integer(1), s.integer(2), s.integer(3), s.integer(4), s.integer(5)};
        m_known.insert(s.text(0), Known{stamp, int(s.integer(6)), s.text(7), s.integer(8)});
    }
    if (step != SQLITE_DONE)
        m_known.clear(); // a damaged file: decode everything
}

std::optional<Error> ThumbCache::known(const PictureId& id) const
{
    const auto it = m_known.constFind(keyOf(id));
    if (it == m_known.constEnd() || it->stamp != id.stamp)
        return std::nullopt;
    return it->error ? Error(Fault(it->error), it->description) : Error();
}

void ThumbCache::store(const PictureId& id, const QImage& thumbnail)
{
    if (!id.isValid() || !storable(thumbnail))
        return;
    Job job{id, Error(), thumbnail};
    std::unique_lock lock(m_lock);
    if (!m_thread.joinable() || m_broken) {
        m_inMemory.insert(keyOf(id), std::move(job));
        return;
    }
    // The scan waits for the writer rather than piling up thumbnails in memory.
    m_changed.wait(lock, [this] { return m_pending.size() < kMaxPending || m_broken; });
    if (m_broken) {
        m_inMemory.insert(keyOf(id), std::move(job));
        return;
    }
    m_pending.insert(keyOf(id), std::move(job));
    if (m_pending.size() >= kBatch)
        m_changed.notify_all();
}

void ThumbCache::storeFailure(const PictureId& id, const Error& error)
{
    if (!id.isValid() || !error)
        return;
    std::lock_guard lock(m_lock);
    if (!m_thread.joinable() || m_broken)
        return; // nothing to gain from remembering it in memory
    m_pending.insert(keyOf(id), Job{id, error, QImage()});
}

void ThumbCache::touch(const PictureId& id)
{
    const auto it = m_known.constFind(keyOf(id));
    if (it == m_known.constEnd() || it->seenDay >= today())
        return;
    std::lock_guard lock(m_lock);
    if (m_thread.joinable() && !m_broken)
        m_touched << keyOf(id);
}

QImage ThumbCache::thumbnail(const PictureId& id)
{
    {
        std::lock_guard lock(m_lock);
        for (const QHash<QString, Job>* jobs : {&m_pending, &m_writing, &m_inMemory}) {
            const auto it = jobs->constFind(keyOf(id));
            if (it != jobs->constEnd() && it->id == id && !it->error) {
                QImage image = it->image;
                tag(image, id);
                return image;
            }
        }
    }
    QImage image = readThumbnail(id);
    if (image.isNull())
        image = decodeAgain(id);
    return image;
}

QImage ThumbCache::readThumbnail(const PictureId& id)
{
    if (!m_reader)
        return {};
    std::lock_guard lock(m_readLock);
    Statement s(m_reader,
                "SELECT p.format, p.width, p.height, p.data FROM entries e JOIN pixels p ON p.id = e.id"
                " WHERE e.path = ?1 AND e.size = ?2 AND e.modified = ?3 AND e.changed = ?4"
                " AND e.inode = ?5 AND e.device = ?6 AND e.error = 0");
    if (!s.ok())
        return {};
    s.bind(1, keyOf(id));
    s.bind(2, id.stamp.size);
    s.bind(3, id.stamp.modifiedNs);
    s.bind(4, id.stamp.changedNs);
    s.bind(5, id.stamp.inode);
    s.bind(6, id.stamp.device);
    if (s.step() != SQLITE_ROW)
        return {};
    const qint64 format = s.integer(0);
    const qint64 width = s.integer(1);
    const qint64 height = s.integer(2);
    if (format <= QImage::Format_Invalid || format >= QImage::NImageFormats || width <= 0 || height <= 0 ||
        width > 1024 || height > 1024)
        return {};
    QImage image{int(width), int(height), QImage::Format(format)};
    if (!storable(image))
        return {};
    const qsizetype row = rowBytes(image);
    const auto* data = static_cast<const uchar*>(sqlite3_column_blob(s.get(), 3));
    if (!data || sqlite3_column_bytes(s.get(), 3) != row * height)
        return {};
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), data + y * row, size_t(row));
    tag(image, id);
    return image;
}

QImage ThumbCache::decodeAgain(const PictureId& id)
{
    if (!m_options.fs || !m_options.pictures)
        return {};
    if (m_options.fs->stamp(id.path) != id.stamp)
        return {};
    Result<QImage> loaded = m_options.pictures->load(id.path, QSize(kThumbnailSize, kThumbnailSize));
    if (!loaded.ok())
        return {};
    QImage image = loaded.take();
    tag(image, id);
    store(id, image);
    return image;
}

void ThumbCache::flush()
{
    std::unique_lock lock(m_lock);
    if (!m_thread.joinable())
        return;
    m_flushWanted = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_flushWanted; });
}

void ThumbCache::writerLoop()
{
    bool logged = false; // transactions in the log since it was last copied into the file
    std::unique_lock lock(m_lock);
    for (;;) {
        // Waiting a little gathers many entries into one transaction.
        m_changed.wait_for(lock, std::chrono::milliseconds(250),
                           [this] { return m_stop || m_flushWanted || m_pending.size() >= kBatch; });
        if (m_pending.isEmpty() && m_touched.isEmpty()) {
            if (m_flushWanted) {
                m_flushWanted = false;
                m_changed.notify_all();
            }
            if (m_stop)
                break;
            if (logged && !m_broken) {
                // Nothing stored for a while: the scan is over, and the log goes into the file.
                logged = false;
                lock.unlock();
                exec(m_writer, "PRAGMA wal_checkpoint(PASSIVE)");
                lock.lock();
            }
            continue;
        }
        m_writing.swap(m_pending);
        QStringList touched;
        touched.swap(m_touched);
        const bool broken = m_broken;
        m_changed.notify_all(); // room for the scan
        lock.unlock();
        const bool written = !broken && writeBatch(m_writing, touched);
        logged = logged || written;
        lock.lock();
        if (!written) {
            // Full, locked or damaged: the rest of this run keeps its thumbnails in memory.
            m_broken = true;
            for (const QHash<QString, Job>* jobs : {&m_writing, &m_pending})
                for (auto it = jobs->constBegin(); it != jobs->constEnd(); ++it)
                    if (!it->error)
                        m_inMemory.insert(it.key(), it.value());
            m_pending.clear();
        }
        m_writing.clear();
        m_changed.notify_all();
    }
    const bool broken = m_broken;
    lock.unlock();
    if (!broken)
        prune();
    sqlite3_close(m_writer);
    m_writer = nullptr;
}

bool ThumbCache::writeBatch(const QHash<QString, Job>& jobs, const QStringList& touched)
{
    if (!exec(m_writer, "BEGIN IMMEDIATE"))
        return false;
    const qint64 day = today();
    bool ok = true;
    {
        Statement entry(
            m_writer,
            "INSERT INTO entries(path, size, modified, changed, inode, device, error, description, seen)"
            " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9) ON CONFLICT(path) DO UPDATE SET"
            " size = excluded.size, modified = excluded.modified, changed = excluded.changed,"
            " inode = excluded.inode, device = excluded.device, error = excluded.error,"
            " description = excluded.description, seen = excluded.seen RETURNING id");
        Statement pixels(
            m_writer,
            "INSERT OR REPLACE INTO pixels(id, format, width, height, data) VALUES(?1, ?2, ?3, ?4, ?5)");
        Statement noPixels(m_writer, "DELETE FROM pixels WHERE id = ?1");
        Statement seen(m_writer, "UPDATE entries SET seen = ?1 WHERE path = ?2 AND seen < ?1");
        ok = entry.ok() && pixels.ok() && noPixels.ok() && seen.ok();
        QByteArray bytes;
        for (auto it = jobs.constBegin(); ok && it != jobs.constEnd(); ++it) {
            const Job& job = *it;
            entry.bind(1, keyOf(job.id));
            entry.bind(2, job.id.stamp.size);
            entry.bind(3, job.id.stamp.modifiedNs);
            entry.bind(4, job.id.stamp.changedNs);
            entry.bind(5, job.id.stamp.inode);
            entry.bind(6, job.id.stamp.device);
            entry.bind(7, qint64(job.error.number()));
            entry.bind(8, job.error.description());
            entry.bind(9, day);
            ok = entry.step() == SQLITE_ROW;
            const qint64 id = ok ? entry.integer(0) : 0;
            ok = ok && entry.step() == SQLITE_DONE;
            entry.reset();
            if (!ok)
                break;
            if (job.error) {
                noPixels.bind(1, id);
                ok = noPixels.step() == SQLITE_DONE;
                noPixels.reset();
                continue;
            }
            const QImage& image = job.image;
            const qsizetype row = rowBytes(image);
            bytes.resize(row * image.height());
            for (int y = 0; y < image.height(); ++y)
                std::memcpy(bytes.data() + y * row, image.constScanLine(y), size_t(row));
            pixels.bind(1, id);
            pixels.bind(2, qint64(image.format()));
            pixels.bind(3, qint64(image.width()));
            pixels.bind(4, qint64(image.height()));
            pixels.bindBlob(5, bytes.constData(), int(bytes.size()));
            ok = pixels.step() == SQLITE_DONE;
            pixels.reset();
        }
        for (qsizetype i = 0; ok && i < touched.size(); ++i) {
            seen.bind(1, day);
            seen.bind(2, touched[i]);
            ok = seen.step() == SQLITE_DONE;
            seen.reset();
        }
    }
    if (ok && exec(m_writer, "COMMIT"))
        return true;
    exec(m_writer, "ROLLBACK");
    return false;
}

void ThumbCache::prune()
{
    if (!exec(m_writer, "BEGIN IMMEDIATE"))
        return;
    const qint64 oldest = today() - m_options.maxAgeDays;
    bool ok = true;
    {
        Statement oldPixels(m_writer,
                            "DELETE FROM pixels WHERE id IN (SELECT id FROM entries WHERE seen < ?1)");
        Statement oldEntries(m_writer, "DELETE FROM entries WHERE seen < ?1");
        oldPixels.bind(1, oldest);
        oldEntries.bind(1, oldest);
        ok = oldPixels.ok() && oldEntries.ok() && oldPixels.step() == SQLITE_DONE &&
             oldEntries.step() == SQLITE_DONE;
    }
    const qint64 pageSize = queryInteger(m_writer, "PRAGMA page_size", 0);
    const qint64 used = (queryInteger(m_writer, "PRAGMA page_count", 0) -
                         queryInteger(m_writer, "PRAGMA freelist_count", 0)) *
                        pageSize;
    if (ok && used > m_options.maxBytes) {
        // The least recently seen go first, until a tenth below the limit, so that the next runs
        // don't prune again at once.
        const qint64 target = m_options.maxBytes - m_options.maxBytes / 10;
        QList<qint64> doomed;
        qint64 freed = 0;
        {
            Statement s(m_writer,
                        "SELECT e.id, length(e.path) + coalesce(length(p.data), 0) + 64 FROM entries e"
                        " LEFT JOIN pixels p ON p.id = e.id ORDER BY e.seen, e.id");
            while (s.ok() && used - freed > target && s.step() == SQLITE_ROW) {
                doomed << s.integer(0);
                freed += s.integer(1);
            }
        }
        Statement pixels(m_writer, "DELETE FROM pixels WHERE id = ?1");
        Statement entries(m_writer, "DELETE FROM entries WHERE id = ?1");
        for (qint64 id : doomed) {
            pixels.bind(1, id);
            entries.bind(1, id);
            ok = ok && pixels.step() == SQLITE_DONE && entries.step() == SQLITE_DONE;
            pixels.reset();
            entries.reset();
        }
    }
    if (!ok || !exec(m_writer, "COMMIT")) {
        exec(m_writer, "ROLLBACK");
        return;
    }
    // Gives the freed pages back to the disk.
    if (queryInteger(m_writer, "PRAGMA freelist_count", 0) > 0)
        exec(m_writer, "PRAGMA incremental_vacuum");
}

void ThumbCache::tag(QImage& thumbnail, const PictureId& id)
{
    if (thumbnail.isNull() || !id.isValid())
        return;
    const FileStamp& st = id.stamp;
    QString text;
    for (qint64 n : {st.size, st.modifiedNs, st.changedNs, st.inode, st.device})
        text += QString::number(n) + QLatin1Char(' ');
    thumbnail.setText(kTagKey, text + id.path);
}

PictureId ThumbCache::idOf(const QImage& thumbnail)
{
    const QString text = thumbnail.text(kTagKey);
    qint64 numbers[5];
    qsizetype from = 0;
    for (qint64& n : numbers) {
        const qsizetype space = text.indexOf(QLatin1Char(' '), from);
        bool ok = false;
        n = space < 0 ? 0 : QStringView(text).mid(from, space - from).toLongLong(&ok);
        if (!ok)
            return {};
        from = space + 1;
    }
    PictureId id{text.mid(from), FileStamp{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]}};
    return id.isValid() ? id : PictureId();
}

} // namespace parkwen
