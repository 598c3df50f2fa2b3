#pragma once

#include "platform/error.h"
#include "platform/filesystem.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct sqlite3;

namespace parkwen {

class Pictures;

// A picture file as the thumbnail cache knows it. A file whose stamp differs in anything (size,
// modification time, change time, inode, device) is another picture: a file written over keeps no
// thumbnail of what it held, whatever times it was given.
struct PictureId
{
    QString path; // absolute
    FileStamp stamp;

    bool isValid() const { return stamp.isFile() && !path.isEmpty(); }
    bool operator==(const PictureId& other) const = default;
};

// Thumbnails of picture files kept between runs in one SQLite file, so that a start on an unchanged
// library decodes nothing. Each entry holds a file's thumbnail, or the error the file failed to
// decode with. Writing happens on a thread of its own, in large transactions; the file is in WAL
// mode, so several running programs can share it.
//
// The cache never stands in the way: a file that can't be created, opened, read or written is
// passed over without a word, and the thumbnails of this run are then kept in memory instead.
class ThumbCache
{
public:
    struct Options
    {
        qint64 maxBytes = qint64(256) << 20;
        int maxAgeDays = 90;
        // Seconds since the epoch; the system clock when empty.
        std::function<qint64()> now;
        // Limits the file to this many pages, as a full disk would (0: no limit).
        int maxPageCount = 0;
        // Where a thumbnail the file lost is decoded again (both may be null).
        FileSystem* fs = nullptr;
        Pictures* pictures = nullptr;
        // The key a picture file is kept under; its path when unset. Pictures that `pictures`
        // makes otherwise than by decoding the file are kept apart this way.
        std::function<QString(const QString& path)> keyOf;
    };

    // Opens the cache file, creating it (and its folder) when missing and replacing it when it is
    // damaged. An empty `file` keeps everything in memory.
    explicit ThumbCache(const QString& file);
    ThumbCache(const QString& file, Options options);
    // Writes what is still waiting, prunes the file and closes it.
    ~ThumbCache();
    ThumbCache(const ThumbCache&) = delete;
    ThumbCache& operator=(const ThumbCache&) = delete;

    // $XDG_CACHE_HOME/parkwen/thumbnails.sqlite (~/.cache when unset).
    static QString defaultFile();

    // Whether the entries go to the file (false: memory only, for this run).
    bool onDisk() const;
    // A file of the given name in the cache file's folder (where the car readings are kept); empty
    // when the cache is in memory only.
    QString besideFile(const QString& name) const;

    // Reads which pictures the file knows, for the scan that starts. `known` then answers from
    // that reading, from any thread, until the next call.
    void beginScan();
    // What is known of a picture: nothing, or how it loaded (no error: its thumbnail is stored).
    std::optional<Error> known(const PictureId& id) const;

    // Remembers a picture's thumbnail, or the error it failed to decode with (only for a file read
    // whole: a file that could not be opened or read is tried again the next time). Returns at
    // once; the writing happens later.
    void store(const PictureId& id, const QImage& thumbnail);
    void storeFailure(const PictureId& id, const Error& error);
    // Notes that a scan found the picture again (pruning keeps what was seen recently).
    void touch(const PictureId& id);

    // The thumbnail of a picture, tagged with its id; null when the cache has none and the file can't
    // be decoded again.
    QImage thumbnail(const PictureId& id);

    // Waits until everything stored so far has been written (or kept in memory).
    void flush();

    // A thumbnail carries the id of its picture, so that a store receiving it can find it again
    // in the cache instead of keeping it.
    static void tag(QImage& thumbnail, const PictureId& id);
    static PictureId idOf(const QImage& thumbnail);

private:
    struct Known
    {
        FileStamp stamp;
        int error;
        QString description;
        qint64 seenDay;
    };
    struct Job
    {
        PictureId id;
        Error error;
        QImage image;
    };

    bool open(const QString& file);
    bool openConnections(const QString& file);
    void closeConnections();
    void writerLoop();
    // False when the file can't take the batch.
    bool writeBatch(const QHash<QString, Job>& jobs, const QStringList& touched);
    void prune();
    qint64 today() const;
    QString keyOf(const PictureId& id) const { return m_options.keyOf ? m_options.keyOf(id.path) : id.path; }
    QImage readThumbnail(const PictureId& id);
    QImage decodeAgain(const PictureId& id);

    Options m_options;
    QString m_file;
    sqlite3* m_reader = nullptr; // the window's thread: snapshots and thumbnails
    sqlite3* m_writer = nullptr; // the writing thread
    QHash<QString, Known> m_known;

    std::mutex m_readLock; // m_reader
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    QHash<QString, Job> m_pending;  // stored, not yet being written
    QHash<QString, Job> m_writing;  // in the transaction being written
    QHash<QString, Job> m_inMemory; // what the file could not take
    QStringList m_touched;
    bool m_broken = false; // no more writing to the file in this run
    bool m_flushWanted = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace parkwen
