#pragma once

#include "details/paramreader.h"
#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <QList>
#include <QString>

namespace parkwen {

// Something wrong with a car that a player can do something about.
struct CarProblem
{
    enum class Kind {
        BrokenPath,     // parameters.txt names a file that is not there
        NotListed,      // a car for the game, but without a picture Parkwen lists it by
        BorrowedParts,  // a parameter-only variant: its models belong to another car
        SameName,       // another car has the same name inside its parameters.txt
        SameFolderName, // another folder's name differs from this one only in letter case
        NotACar,        // no readable car parameters
        Leftover,       // a hidden folder kept while recovering from an interrupted change
    };
    Kind kind = Kind::BrokenPath;
    QString text; // what it means, in a player's words
    // BrokenPath: the path as written, and the same path pointing into the car's own folder when
    // the file is there ("Fix paths" writes it); empty when it cannot be mended that way.
    QString path;
    QString fixedPath;
    // SameName, SameFolderName: the full path of the other car.
    QString other;
};

// One folder of the Car Folder or the Garage Folder with what Parkwen knows of it.
struct CarRecord
{
    QString folderName;
    QString path;
    bool inGarage = false;
    bool hasParameters = false; // a readable parameters.txt holding car parameters
    bool listed = false;        // it has the picture the lists show it by
    QString picture;            // that picture's file name
    QString nameInParameters;
    CarStatistics stats; // read as the details window reads them
    int skins = 0;
    qint64 bytes = 0;     // every file of the folder, sub-folders included
    qint64 arrivedMs = 0; // the folder's modification time, ms since the epoch
    // A picture elsewhere that TCARBOX names, for a car that is not listed: "Show in the lists"
    // copies it into the car's folder.
    QString boxSource;
    QList<CarProblem> problems;

    bool healthy() const { return problems.isEmpty(); }
    bool fixablePaths() const;
    // One line for the table: "OK", or the first problem and how many more there are.
    QString healthText() const;
    // Every problem, a line each.
    QString healthDetails() const;
};

class CarStatsCache;

// Reads every folder of both folders once: statistics, pictures, sizes and problems. A garage
// inside the Car Folder is not a car; neither is the stock "misc" folder, which cars share. With a
// cache, a folder read before and unchanged since is not read again (its problems are still judged
// afresh, as they depend on other folders).
QList<CarRecord> surveyLibrary(FileSystem& fs, Pictures& pictures, const QString& carFolder,
                               const QString& garageFolder, CarStatsCache* cache = nullptr);

// The car folders of one folder that surveyLibrary reads (hidden leftovers aside): every folder but
// `skip` (the Garage Folder inside the Car Folder) and, in the Car Folder, the shared "misc".
QStringList carFoldersIn(FileSystem& fs, const QString& folder, const QString& skip, bool inGarage);

// One folder, as surveyLibrary reads it, without the twins (which need the whole library).
CarRecord surveyCar(FileSystem& fs, Pictures& pictures, const QString& carFolder, const QString& path,
                    bool inGarage);
// Marks the cars that share their name or differ only in letter case, replacing earlier marks.
void findTwins(QList<CarRecord>& cars);

// Points the broken paths of a car that name files in its own folder at that folder, letter case as
// on disk. parameters.txt is first copied, byte for byte, to a backup beside it that the details
// window lists and can set back. Returns the backup's file name.
Result<QString> fixPaths(FileSystem& fs, const CarRecord& car);

// Copies the picture TCARBOX names into the car's folder (the named file is never touched), so
// that the lists show the car. Returns the new file's name; deleting it undoes the fix.
Result<QString> showInLists(FileSystem& fs, const CarRecord& car);

} // namespace parkwen
