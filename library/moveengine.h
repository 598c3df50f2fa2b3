#pragma once

#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QString>
#include <QStringList>

#include <QHash>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

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

// The one door into the car folders: every change to the Car Folder and the Garage Folder (moves,
// deletions, installs, replacements, files added to a car, recovery) goes through it. A car is its
// whole folder tree: every file and sub-folder, hidden ones too, with their permissions and
// modification times; links inside a car are copied as links; a car folder that is itself a link
// moves and is deleted as the link, and the folder it points to is never touched. Nothing outside
// the two folders is ever changed, and no tree is ever removed through a link.
//
// A car is never half under a name the scans list. Between file systems it is copied into a
// staging folder beside its target, flushed, and renamed into place (a rename that never replaces);
// the source steps aside into a hidden folder before that rename and is removed after it. Within
// one file system it moves by one rename. Every hidden folder holds at most one car under its own
// name, so any name the file system allows fits:
//
//   .parkwen-staging-<token>/<name>   a car being built in its target folder (moves, installs)
//   .parkwen-leaving-<token>/<name>   a moving car's source, in the folder it leaves
//   .parkwen-replaced-<token>/<name>  a car making way for an installed one; when that one goes to
//                                     the other folder or another name, a link beside the car,
//                                     .parkwen-replacement, names where
//   .parkwen-deleting-<token>/<name>  a car being deleted for good
//
// <token> is 8 hexadecimal digits. Every change holds the library lock (both folders, between
// processes), so recover() only ever meets what a process that has ended left behind.
class MoveEngine
{
public:
    static constexpr QLatin1StringView StagingPrefix{".parkwen-staging-"};
    static constexpr QLatin1StringView LeavingPrefix{".parkwen-leaving-"};
    static constexpr QLatin1StringView ReplacedPrefix{".parkwen-replaced-"};
    static constexpr QLatin1StringView DeletingPrefix{".parkwen-deleting-"};
    // What a window shows, and a command prints, while another process holds the lock.
    static QString busyText();

    // `dialogs` shows the wait while another Parkwen holds the lock; without it, a change waits a
    // while and then gives up.
    explicit MoveEngine(FileSystem& fs, Dialogs* dialogs = nullptr) : m_fs(fs), m_dialogs(dialogs) {}

    // Moves within one file system by a single rename; off, every move copies (tests use it).
    bool renameAllowed = true;

    // The lock on the car folders, held for as long as the object lives. Taking it again in the
    // same process while it is held succeeds at once.
    class Lock
    {
    public:
        bool held() const { return m_held; }
        // Another process held the lock when it was asked for: what was read before is stale.
        bool waited() const { return m_waited; }
        Lock() = default;
        Lock(Lock&&) = default;
        Lock& operator=(Lock&&) = default;

    private:
        friend class MoveEngine;
        std::vector<std::unique_ptr<FolderLock>> m_locks;
        bool m_held = false;
        bool m_waited = false;
    };
    // Takes the lock on the given folders, waiting while another process holds it; a lock that is
    // not held when the user cancelled the wait (or, without a user, when it took too long). A
    // change takes it exclusive; a reader takes it shared, so that it never sees a change half done.
    Lock lock(const QStringList& folders, LockKind kind = LockKind::Exclusive);
    // Called when a change got the lock after waiting for another process, before the change goes
    // on: whoever read the folders before must read them again.
    void setAfterWait(std::function<void()> reread) { m_afterWait = std::move(reread); }
    // The error of a change that could not have the lock.
    static Error busyError();

    MoveResult move(const CarFolders& folders, const QString& name, MoveDirection direction);

    // The copies of a command that moves many cars: while it lives, the library stays locked, and
    // the moves of the cars it copied place those copies instead of copying and flushing each car on
    // its own. Copies no move used are removed when it goes.
    class Batch
    {
    public:
        Batch(Batch&& other) noexcept;
        ~Batch();
        Batch& operator=(Batch&&) = delete;

    private:
        friend class MoveEngine;
        Batch(MoveEngine* engine, Lock lock) : m_engine(engine), m_lock(std::move(lock)) {}
        MoveEngine* m_engine;
        Lock m_lock;
    };
    // Before a command's moves: copies every car of `names` that its move would copy between file
    // systems into a staging folder beside its target, then flushes once for all of them. A crash
    // meanwhile leaves only staging folders, which the next start removes; every source is whole.
    // `copying(n)` is called before each copy with how many of `names` were dealt with before it.
    Batch prepareBatch(const CarFolders& folders, const QStringList& names, MoveDirection direction,
                       const std::function<void(int)>& copying = {});

    // How a car folder is deleted: a link is removed as the link; a folder goes to the desktop's
    // trash when its file system has one, else it is deleted for good.
    enum class DeleteWay { RemoveLink, Trash, ForGood };
    DeleteWay deleteWayFor(const QString& carPath);
    // The folder a linked car folder points to, as the link gives it.
    QString linkTargetOf(const QString& carPath);
    DeleteResult deleteCar(const QString& folder, const QString& name, DeleteWay way);

    // Finishes interrupted work in both folders: a staging folder is removed (its source is whole);
    // a leaving source whose car is whole in the other folder is removed, any other is put back
    // under its name; a replaced car is put back when its name is free, else disposed of as its
    // replacement asked (the trash, or for good where there is none); a car being deleted for good
    // is deleted. Returns what could not be sorted out, one line each, naming where it was kept.
    // Nothing is done when the lock cannot be had. `changed` tells whether anything was there.
    QStringList recover(const CarFolders& folders, bool* changed = nullptr);

    // --- Building a car beside its place (installs) ---
    // A new, empty staging folder for a car `name` to be built in `folder`: the path of the car's
    // folder inside it. The caller holds the lock until the car is placed or discarded.
    Result<QString> makeStagingFolder(const QString& folder, const QString& name);
    // Flushes a staged car and renames it to `finalPath`, which must not exist (75 when it does).
    // On failure the staging folder stays for the caller to discard.
    Error placeStagedCar(const QString& stagingPath, const QString& finalPath);
    // Puts a staged car in the place of the car at `oldPath` (in either folder, of the same name or
    // not): the new car is flushed and in place before the old one goes (to the trash, where the
    // trash entry names the old car's own place, or for good where there is no trash). Until then the
    // old car stays whole and recoverable. `toTrash` tells where the old car went; `keptAt` names
    // where it was kept when it could not be disposed of.
    Error replaceWithStagedCar(const QString& stagingPath, const QString& oldPath, const QString& finalPath,
                               bool& toTrash, QString& keptAt);
    // Moves the files of a staging folder into the existing car at `carPath`, folder by folder as
    // the car has them (letter case ignored), replacing files of the same name; never through a
    // link inside the car. `placed` lists what arrived.
    Error addStagedFilesToCar(const QString& stagingPath, const QString& carPath, QStringList& placed);
    // Removes a staging folder made by makeStagingFolder, with whatever it holds.
    void discardStaging(const QString& stagingPath);

    // Removes a folder tree, links as links, clearing folders' read-only state as it goes.
    Error removeTree(const QString& path);

private:
    static MoveResult failed(MoveResult::Status status, Error error);

    // --- Trees (enginetrees.cpp) ---
    Error copyTree(const QByteArray& source, const QByteArray& target);
    Error removeTreeAt(const QByteArray& path);
    // 75 when a file or folder of the tree (links aside) is read-only.
    Error checkNothingReadOnly(const QByteArray& path);
    // Whether everything of `part` is in `whole` with the same kind, size and link target.
    bool containedIn(const QByteArray& part, const QByteArray& whole);
    QByteArray absoluteLinkTarget(const QByteArray& link);
    // A new hidden folder `prefix<token>` in `root`; its path.
    Result<QByteArray> makeHiddenFolder(const QByteArray& root, QLatin1StringView prefix);

    // --- One car's move (enginemove.cpp) ---
    // Where a move takes cars from and to, as the folders really are.
    struct Roots
    {
        QByteArray source;
        QByteArray target;
    };
    Roots rootsOf(const CarFolders& folders, MoveDirection direction);
    // Why the car at `source` cannot move at all, known before anything changes; none when it may.
    std::optional<MoveResult> refusal(const FileSystem::NodeInfo& info, const QByteArray& source,
                                      const QByteArray& target, MoveDirection direction);
    // None when the two folders are different mounts of one file system, and the car must be copied.
    std::optional<MoveResult> moveByRename(const QByteArray& source, const QByteArray& target);
    // A copy of the car in a new staging folder beside its target, flushed; the staging folder.
    Result<QByteArray> stageCopy(const QByteArray& source, const QByteArray& targetRoot, const QString& name);
    // `prepared`: the staging folder of the car's copy made by a batch, if any.
    MoveResult moveByCopy(const QByteArray& source, const QByteArray& target, const Roots& roots,
                          const QString& name, const QByteArray& prepared);
    MoveResult moveLink(const QByteArray& source, const QByteArray& target, const Roots& roots,
                        const QString& name);
    // Hides the source, then `place` puts the car at its target. When that fails the source is back
    // under its name and `discard` drops what was made for the target; once the car is placed,
    // `tidy` clears what placing left, and the hidden source goes.
    MoveResult hideThenPlace(const QByteArray& source, const Roots& roots, const QString& name,
                             const std::function<Error()>& place, const std::function<void()>& discard,
                             const std::function<Error()>& tidy);
    // Whether moving the car at `source` to `target` copies it (rather than one rename or a link).
    bool movesByCopy(const QByteArray& source, const QByteArray& targetRoot);

    // --- Batches (enginebatch.cpp) ---
    // A car of a batch, copied, flushed and with its source hidden: only the rename of its copy into
    // place is left.
    struct BatchCar
    {
        QByteArray source;  // where the car stood, and stands again if its move does not happen
        QByteArray staging; // the staging folder holding the copy
        QByteArray leaving; // the hidden folder holding the source
        QByteArray targetRoot;
    };
    // Copies the cars of `names` whose moves would copy them; target -> source of each copy made.
    // `last` receives the last staging folder made.
    QHash<QByteArray, QByteArray> copyBatch(const Roots& roots, const QStringList& names,
                                            MoveDirection direction, const std::function<void(int)>& copying,
                                            QByteArray& last);
    // Steps the sources of the copied cars aside, each into a leaving folder of its own.
    void hideBatchSources(const QHash<QByteArray, QByteArray>& sources, const Roots& roots);
    MoveResult placeBatchCar(const QString& name, const QByteArray& target, const BatchCar& car);
    // Ends a batch: the placed copies are flushed once, then their sources go; what no move used is
    // put back.
    void finishBatch();

    // --- Recovery (enginerecovery.cpp) ---
    struct Recovery;
    // Returns whether the folder held anything to recover.
    bool recoverFolder(const QByteArray& root, const QByteArray& other, QStringList& problems);

    // --- Installs (enginestaging.cpp) ---
    // Sends a car out of the library: the trash (remembered as `shownAs`), or for good.
    Error disposeOf(const QByteArray& path, const QString& shownAs, bool& toTrash);
    // Replaces the car at `old` by the staged one at `target`, in another folder or under another
    // name; the lock is held.
    Error replaceElsewhere(const QByteArray& staging, const QByteArray& old, const QByteArray& target,
                           const QString& oldPath, bool& toTrash, QString& keptAt);
    Error addStagedFiles(const QByteArray& staging, const QByteArray& car, const QByteArray& relative,
                         QStringList& placed);

    FileSystem& m_fs;
    Dialogs* m_dialogs;
    std::function<void()> m_afterWait;
    // Target path -> staging folder holding a flushed copy made by prepareBatch.
    QHash<QByteArray, QByteArray> m_prepared;
    // Target path -> a batch car whose source is hidden already.
    QHash<QByteArray, BatchCar> m_hidden;
    // Hidden sources of placed batch cars, removed once their targets' folders are flushed.
    QList<QPair<QByteArray, QByteArray>> m_placed; // (leaving folder, target root)
};

} // namespace parkwen
