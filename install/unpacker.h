#pragma once

#include "install/carplan.h"
#include "platform/filesystem.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace parkwen {

class Progress;

// "20,000"; "4 GB", "10 MB" or "5,000 bytes": numbers as the install's messages give them.
QString countText(qint64 n);
QString sizeText(qint64 bytes);

// The limits that keep a hostile archive from filling the disk.
struct InstallLimits
{
    int maxEntries = 20000;
    qint64 maxUnpackedBytes = qint64(4) << 30;
    // An entry, or the whole archive so far, that unpacks to more than this many times its packed
    // size, once past the floor, stops the install.
    qint64 maxRatio = 200;
    qint64 ratioFloorBytes = qint64(10) << 20;
};

// Writes the planned entries of one source beneath their staging folders, through the file system's
// writes beneath a folder: nothing is written through a link, whatever the archive declared before.
// Symbolic links are made last, once every file and folder is written. Every byte written counts
// toward the limits, the copies of hard links too.
class Unpacker
{
public:
    Unpacker(FileSystem& fs, const InstallLimits& limits, Progress* progress,
             std::function<bool()> cancelled);

    // Where the source stands when its data starts.
    void begin(qint64 packedStart) { m_packedStart = packedStart; }
    // Writes the current entry of `source` beneath `root`. Empty on success, else why not; a
    // cancelled install gives an empty text and cancelled().
    QString write(EntrySource& source, const QString& root, const PlannedEntry& entry);
    // Makes the links held back. Empty on success, else why not.
    QString finish();

    bool cancelled() const { return m_cancelled; }
    qint64 unpacked() const { return m_unpacked; }

private:
    // Counts `bytes` more of the entry at hand (`entryBytes` of it so far, from `entryPacked` packed
    // bytes). Empty while within the limits.
    QString count(qint64 bytes, qint64 entryBytes, qint64 entryPacked, qint64 packedNow,
                  const QString& relative);
    QString writeFile(EntrySource& source, const QString& root, const PlannedEntry& entry);

    struct Link
    {
        QByteArray root;
        QString relative;
        QString target;
    };

    FileSystem& m_fs;
    InstallLimits m_limits;
    Progress* m_progress;
    std::function<bool()> m_isCancelled;
    bool m_cancelled = false;
    qint64 m_packedStart = 0;
    qint64 m_unpacked = 0;
    qint64 m_shownMb = 0;
    QHash<QString, qint64> m_written; // "root/relative" -> size, for the copies of hard links
    QList<Link> m_links;
};

} // namespace parkwen
