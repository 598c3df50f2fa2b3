#pragma once

#include "carhealth.h"
#include "paramrefs.h"

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
    qint64 folderNs = 0;       // the folder's modification time
    FileStamp parametersStamp; // size and time of parameters.txt
};

// The readings of the car table's last opening, kept in one file beside the thumbnails, so that
// opening it again reads no folder whose time and parameters.txt are unchanged. A file that cannot
// be read is an empty cache.
class CarStatsCache
{
public:
    explicit CarStatsCache(QString file);
    // $XDG_CACHE_HOME/parkwen/carstats.bin (~/.cache when unset).
    static QString defaultFile();

    // The reading of a folder, when the folder and its parameters.txt are as they were; it is then
    // kept for save().
    const CarReading* take(FileSystem& fs, const QString& path);
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
