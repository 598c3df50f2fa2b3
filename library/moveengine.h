#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <QStringList>

namespace parkwen {

// The two folders a car lives in.
struct CarFolders
{
    QString cars;   // the Car Folder
    QString garage; // the Garage Folder
};

enum class MoveDirection { ToGarage, ToCars };

// What became of one car that a command asked to move.
enum class MoveOutcome {
    Moved,     // it moved; the lists show it in the other folder
    Protected, // not tried: no name, or a stock car that ">>" may not send
    Blocked,   // it could not move; the user was told once; it is whole and listed where it was
};

// What the engine did with one car.
struct MoveResult
{
    enum class Status {
        Moved,         // whole in the target folder under its name, gone from the source folder
        SourceMissing, // nothing of that name in the source folder
        TargetTaken,   // the target folder already holds that name
        ReadOnly,      // something of the car is read-only and the direction may not clear it
        Failed,        // it could not move; it is whole where it was
    };
    Status status = Status::Failed;
    // Why it failed; for a car that moved, a failure in tidying up afterwards (see leftover).
    Error error;
    bool renamed = false; // moved by one rename of the whole folder
    QString leftover;     // a hidden source left behind (removed or renamed back at the next start)
};

struct DeleteResult
{
    enum class Status {
        Deleted,    // gone (to the trash, for good, or the link removed)
        Kept,       // nothing was deleted; the car is whole under its name
        KeptHidden, // deletion stopped part-way; what is left is hidden at hiddenPath
    };
    Status status = Status::Kept;
    Error error;
    QString hiddenPath;
};

// The file work of moving and deleting cars. A car is its whole folder tree: every file and
// sub-folder, hidden ones too, with their permissions and modification times; links inside a car
// are copied as links; a car folder that is itself a link moves and is deleted as the link, and
// the folder it points to is never touched. Nothing outside the two folders is ever changed.
//
// A car is never half under a name the scans list. Between file systems it is copied into a
// staging folder beside its target, flushed, and renamed into place; the source is renamed to a
// hidden name before that rename and removed after it. Within one file system it moves by one
// rename. Hidden names, all inside the Car Folder or the Garage Folder:
//
//   .parkwen-staging-<name>-<token>   a copy being made in the target folder (also used by any
//                                     other work that builds a car beside its final place)
//   .parkwen-leaving-<name>-<token>   a moving car's source, in the folder it leaves
//   .parkwen-deleting-<name>-<token>  a car being deleted for good
//
// <token> is 8 hexadecimal digits. recover() finishes what an interrupted run left behind.
class MoveEngine
{
public:
    static constexpr QLatin1StringView StagingPrefix{".parkwen-staging-"};
    static constexpr QLatin1StringView LeavingPrefix{".parkwen-leaving-"};
    static constexpr QLatin1StringView DeletingPrefix{".parkwen-deleting-"};

    explicit MoveEngine(FileSystem& fs) : m_fs(fs) {}

    // Moves within one file system by a single rename; off, every move copies (tests use it).
    bool renameAllowed = true;

    MoveResult move(const CarFolders& folders, const QString& name, MoveDirection direction);

    // How a car folder is deleted: a link is removed as the link; a folder goes to the desktop's
    // trash when its file system has one, else it is deleted for good.
    enum class DeleteWay { RemoveLink, Trash, ForGood };
    DeleteWay deleteWayFor(const QString& carPath);
    // The folder a linked car folder points to, as the link gives it.
    QString linkTargetOf(const QString& carPath);
    DeleteResult deleteCar(const QString& folder, const QString& name, DeleteWay way);

    // Finishes interrupted moves and deletions in both folders: a staging folder is removed (its
    // source is whole); a leaving source whose car is whole in the other folder is removed, any
    // other is renamed back; a car being deleted for good is deleted. Returns what could not be
    // sorted out, one line each.
    QStringList recover(const CarFolders& folders);

    // A fresh staging path for a car `name` to be built in `folder`.
    static QString stagingPathFor(const QString& folder, const QString& name);
    // Flushes a finished staging folder and renames it to `finalPath`, which must not exist. On
    // failure the staging folder stays for the caller to remove.
    Error placeStagedCar(const QString& stagingPath, const QString& finalPath);
    // Removes a folder tree, links as links, clearing folders' read-only state as it goes.
    Error removeTree(const QString& path);

private:
    Error copyTree(const QByteArray& source, const QByteArray& target);
    Error removeTreeAt(const QByteArray& path);
    // 75 when a file or folder of the tree (links aside) is read-only.
    Error checkNothingReadOnly(const QByteArray& path);
    // Whether everything of `part` is in `whole` with the same kind, size and link target.
    bool containedIn(const QByteArray& part, const QByteArray& whole);
    QByteArray absoluteLinkTarget(const QByteArray& link);
    MoveResult moveLink(const QByteArray& source, const QByteArray& target, const QByteArray& sourceRoot,
                        const QByteArray& targetRoot, const QString& name);

    FileSystem& m_fs;
};

} // namespace parkwen
