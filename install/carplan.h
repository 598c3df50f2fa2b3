#pragma once

#include "install/entrysource.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace parkwen {

// Splits an entry's path into its names ("\" counts as a separator too: old Windows archivers
// wrote it). Empty names and "." are dropped.
enum class PathCheck { Ok, Empty, Absolute, Climbs };
PathCheck splitEntryPath(const QString& path, QStringList& names);

// The name a car at the root of an archive takes: the archive's file name without its suffixes.
QString sourceBaseName(const QString& path);

// Leftovers of other systems' archivers that belong to no car: __MACOSX, ._name, .DS_Store.
bool isPackingLeftover(const QStringList& names);

// One entry to write, relative to the car (or skin pack) folder it belongs to.
struct PlannedEntry
{
    int index = 0; // position of the entry in the source
    QString relative;
    SourceEntry::Kind kind = SourceEntry::Kind::File;
    qint64 size = -1;
    QString linkTarget; // symbolic link: as given; hard link: relative to the car
};

// A folder of the archive that holds a parameters.txt.
struct FoundCar
{
    QString name;
    QString archiveFolder; // "" for the archive's root
    QList<PlannedEntry> entries;
    qint64 bytes = 0;
};

// Files for a car that is already in one of the two folders (a skin pack), without a
// parameters.txt of their own.
struct FoundAddition
{
    QString carName; // as the archive spells it
    QString archiveFolder;
    QList<PlannedEntry> files;
    qint64 bytes = 0;
};

struct RefusedEntry
{
    QString path;
    QString reason;
};

// What an archive holds, sorted into cars, additions, entries refused as unsafe and everything
// else, which is left out.
struct ArchivePlan
{
    QList<FoundCar> cars;
    QList<FoundAddition> additions;
    QList<RefusedEntry> refused;
    QStringList leftOut; // folders ("gfx/") and files outside every car, in the archive's order
};

// Sorts the entries of one source. `isExistingCar` tells whether a car of that name (ignoring case)
// is in the Car Folder or the Garage Folder.
ArchivePlan planArchive(const QList<SourceEntry>& entries, const QString& sourceName,
                        const std::function<bool(const QString&)>& isExistingCar);

} // namespace parkwen
