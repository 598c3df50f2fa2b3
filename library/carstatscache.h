#pragma once

#include "details/paramrefs.h"
#include "library/carhealth.h"

#include <QHash>

namespace parkwen {

// What reading one folder gives, before it is judged against the rest of the library: all of it
// depends only on the folder itself.
struct CarReading
{
    CarRecord car;             // its problems: only why it is not a car
    QStringList files;         // the folder's own files
    QList<ParamPath> paths;    // the files parameters.txt names (key and path)
    QString parameters;        // the name of parameters.txt on disk; empty when there is none
    qint64 folderNs = 0;       // the folder's modification time: its own files are as listed
    FileStamp parametersStamp; // parameters.txt as it was read: the key of the statistics
};

// The readings of the last survey, kept in one file beside the thumbnails, so that the next one
// reads nothing it has read before. A car's statistics are keyed, as thumbnails are, by the whole
// stamp of its parameters.txt (size, both times, file and device number): a file replaced by another
// of the same size and time is read again. What depends on the folder's own files (pictures, skins,
// sizes) is kept while the folder's time is unchanged. A file that cannot be read is an empty cache.
class CarStatsCache
{
public:
    // The file's name, in the thumbnail cache's folder.
    static constexpr QLatin1StringView FileName{"carstats.bin"};
    explicit CarStatsCache(QString file);

    // The last reading of a folder, whatever has changed since; none when there is none.
    const CarReading* find(const QString& path) const;
    // Keeps the reading found for save(), as it is.
    void keep(const QString& path);
    // Remembers a new reading for save(); readings neither taken nor stored since loading are dropped.
    void store(const CarReading& reading);
    // Writes the readings taken or stored since loading, replacing the file in one step; nothing
    // when they are the ones loaded.
    bool save();

private:
    void load();

    QString m_file;
    QHash<QString, CarReading> m_old;
    QHash<QString, CarReading> m_new;
    bool m_changed = false;
};

} // namespace parkwen
