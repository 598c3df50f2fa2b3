#include "library/moveengine.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

namespace parkwen {

namespace {

using Kind = FileSystem::NodeInfo::Kind;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString text(const QByteArray& path)
{
    return QFile::decodeName(path);
}

QByteArray join(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray token()
{
    return QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
}

bool isToken(const QByteArray& text, bool base36)
{
    if (text.isEmpty() || (!base36 && text.size() != 8) || (base36 && text.size() > 8))
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (base36 && c >= 'a' && c <= 'z')))
            return false;
    return true;
}

enum class Hidden { None, Wrapper, Flat };

// What a hidden entry of a car folder is: one of today's wrappers ("<prefix><token>", holding the
// car under its own name), a flat name of earlier versions ("<prefix><name>-<token>", the car
// itself; tokens of 8 hexadecimal digits, or up to 7 base-36 digits from the installer), or
// neither. `car` receives the car name of a flat one.
Hidden hiddenKind(const QByteArray& entry, QLatin1StringView prefix, QByteArray* car = nullptr)
{
    const QByteArrayView p(prefix.data(), prefix.size());
    if (!entry.startsWith(p))
        return Hidden::None;
    const QByteArray rest = entry.mid(p.size());
    if (isToken(rest, false))
        return Hidden::Wrapper;
    const qsizetype dash = rest.lastIndexOf('-');
    if (dash <= 0 || !isToken(rest.mid(dash + 1), true))
        return Hidden::None;
    if (car)
        *car = rest.left(dash);
    return Hidden::Flat;
}

MoveResult failed(MoveResult::Status status, Error error)
{
    MoveResult r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

} // namespace

QString MoveEngine::busyText()
{
    return QCoreApplication::translate("MoveEngine",
                                       "Another Parkwen is changing the car folders; waiting\u2026");
}

Error MoveEngine::busyError()
{
    return Error(err::PermissionDenied,
                 QCoreApplication::translate("MoveEngine", "Another Parkwen is changing the car folders."));
}

MoveEngine::Lock MoveEngine::lock(const QStringList& folders)
{
    // One order for every process, so two never each hold what the other waits for.
    QStringList order;
    for (const QString& folder : folders)
        if (!folder.isEmpty())
            order << text(m_fs.realNodePath(native(folder)));
    order.sort();
    order.removeDuplicates();

    Lock lock;
    auto takeAll = [&] {
        while (lock.m_locks.size() < size_t(order.size())) {
            std::unique_ptr<FolderLock> next = m_fs.tryLockFolder(order.at(qsizetype(lock.m_locks.size())));
            if (!next) {
                lock.m_locks.clear(); // never sit on one folder while waiting for the other
                return false;
            }
            lock.m_locks.push_back(std::move(next));
        }
        return true;
    };
    if (takeAll()) {
        lock.m_held = true;
    } else if (m_dialogs) {
        lock.m_held = m_dialogs->waitUntil(busyText(), takeAll);
    } else {
        lock.m_held = Dialogs::pollUntil(takeAll);
    }
    if (!lock.m_held)
        lock.m_locks.clear();
    return lock;
}

Error MoveEngine::removeTree(const QString& path)
{
    return removeTreeAt(native(path));
}

Error MoveEngine::copyTree(const QByteArray& source, const QByteArray& target)
{
    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    switch (info.kind) {
    case Kind::File:
        return m_fs.copyNodeFile(source, target);
    case Kind::Link: {
        Result<QByteArray> linkTarget = m_fs.nodeLinkTarget(source);
        if (!linkTarget.ok())
            return linkTarget.error();
        if (Error e = m_fs.makeNodeLink(linkTarget.value(), target))
            return e;
        return m_fs.copyNodeAttributes(source, target);
    }
    case Kind::Folder: {
        if (Error e = m_fs.makeNodeFolder(target))
            return e;
        Result<QList<QByteArray>> names = m_fs.nodeNames(source);
        if (!names.ok())
            return names.error();
        for (const QByteArray& name : names.value())
            if (Error e = copyTree(join(source, name), join(target, name)))
                return e;
        // Last, as filling the folder changed its time.
        return m_fs.copyNodeAttributes(source, target);
    }
    case Kind::Missing:
        return Error::of(err::FileNotFound);
    case Kind::Other:
        break;
    }
    // Devices, pipes and sockets have no content to copy.
    return Error::of(err::PathFileAccess);
}

Error MoveEngine::removeTreeAt(const QByteArray& path)
{
    return m_fs.removeNodeTree(path);
}

Result<QByteArray> MoveEngine::makeHiddenFolder(const QByteArray& root, QLatin1StringView prefix)
{
    Error last;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray path = join(root, QByteArray(prefix.data(), prefix.size()) + token());
        last = m_fs.makeNodeFolder(path);
        if (!last)
            return path;
        if (last.number() != err::PathFileAccess)
            break;
    }
    return last;
}

Error MoveEngine::checkNothingReadOnly(const QByteArray& path)
{
    const FileSystem::NodeInfo info = m_fs.nodeInfo(path);
    if (info.readOnly())
        return Error::of(err::PathFileAccess);
    if (info.kind != Kind::Folder)
        return {};
    Result<QList<QByteArray>> names = m_fs.nodeNames(path);
    if (!names.ok())
        return names.error();
    for (const QByteArray& name : names.value())
        if (Error e = checkNothingReadOnly(join(path, name)))
            return e;
    return {};
}

QByteArray MoveEngine::absoluteLinkTarget(const QByteArray& link)
{
    Result<QByteArray> target = m_fs.nodeLinkTarget(link);
    if (!target.ok())
        return {};
    if (target.value().startsWith('/'))
        return target.value();
    return join(parentFolder(link), target.value());
}

bool MoveEngine::containedIn(const QByteArray& part, const QByteArray& whole)
{
    const FileSystem::NodeInfo a = m_fs.nodeInfo(part);
    const FileSystem::NodeInfo b = m_fs.nodeInfo(whole);
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::File:
        return a.size == b.size;
    case Kind::Link: {
        Result<QByteArray> ta = m_fs.nodeLinkTarget(part);
        Result<QByteArray> tb = m_fs.nodeLinkTarget(whole);
        // A moved car folder link is made absolute; links inside a car keep their text.
        return ta.ok() && tb.ok() &&
               (ta.value() == tb.value() || absoluteLinkTarget(part) == absoluteLinkTarget(whole));
    }
    case Kind::Folder: {
        Result<QList<QByteArray>> names = m_fs.nodeNames(part);
        if (!names.ok())
            return false;
        for (const QByteArray& name : names.value())
            if (!containedIn(join(part, name), join(whole, name)))
                return false;
        return true;
    }
    case Kind::Missing:
        return false;
    case Kind::Other:
        return true;
    }
    return false;
}

MoveResult MoveEngine::move(const CarFolders& folders, const QString& name, MoveDirection direction)
{
    const Lock held = lock({folders.cars, folders.garage});
    if (!held.held())
        return failed(MoveResult::Status::Failed, busyError());

    const bool toGarage = direction == MoveDirection::ToGarage;
    // A folder linked into place (a garage on a second disk) is worked on where it really is.
    const QByteArray sourceRoot = m_fs.realNodePath(native(toGarage ? folders.cars : folders.garage));
    const QByteArray targetRoot = m_fs.realNodePath(native(toGarage ? folders.garage : folders.cars));
    const QByteArray source = join(sourceRoot, native(name));
    const QByteArray target = join(targetRoot, native(name));

    if (const auto batched = m_hidden.constFind(target); batched != m_hidden.constEnd()) {
        const BatchCar car = batched.value();
        m_hidden.remove(target);
        return placeBatchCar(name, target, car);
    }

    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    if (info.kind == Kind::Missing)
        return failed(MoveResult::Status::SourceMissing, Error::of(err::PathNotFound));
    if (info.kind != Kind::Folder && info.kind != Kind::Link)
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    if (m_fs.nodeInfo(target).kind != Kind::Missing)
        return failed(MoveResult::Status::TargetTaken, Error::of(err::PathFileAccess));
    // ">>" clears read-only state as it removes the source; "<<" does not, so a read-only file
    // stops it. That is known before anything is copied.
    if (!toGarage) {
        if (Error e = checkNothingReadOnly(source))
            return failed(e.number() == err::PathFileAccess ? MoveResult::Status::ReadOnly
                                                            : MoveResult::Status::Failed,
                          e);
    }

    // A link is made anew beside the other cars, so that a relative one still points where it did.
    if (info.kind == Kind::Link)
        return moveLink(source, target, sourceRoot, targetRoot, name);

    // One rename moves the whole folder at once; nothing to flush, as the disk holds either the
    // old name or the new one.
    const QByteArray prepared = m_prepared.take(target);
    if (prepared.isEmpty() && renameAllowed && info.device == m_fs.nodeInfo(targetRoot).device) {
        const Error e = m_fs.renameNode(source, target);
        if (!e) {
            MoveResult r;
            r.status = MoveResult::Status::Moved;
            r.renamed = true;
            return r;
        }
        if (e.number() != err::DifferentDrive)
            return failed(MoveResult::Status::Failed, e);
        // Two mounts of one file system: copy after all.
    }

    // Copy into a hidden staging folder and make it durable; the source is untouched so far. A
    // batch has done both already.
    Result<QByteArray> stagingFolder =
        prepared.isEmpty() ? makeHiddenFolder(targetRoot, StagingPrefix) : Result<QByteArray>(prepared);
    if (!stagingFolder.ok())
        return failed(MoveResult::Status::Failed, stagingFolder.error());
    const QByteArray staging = join(stagingFolder.value(), native(name));
    Error e;
    if (prepared.isEmpty()) {
        e = copyTree(source, staging);
        if (!e)
            e = m_fs.syncNodeFileSystem(staging);
    }
    if (e) {
        removeTreeAt(stagingFolder.value());
        return failed(MoveResult::Status::Failed, e);
    }

    // Hide the source, then place the copy: the car is never listed in both folders at once.
    Result<QByteArray> leavingFolder = makeHiddenFolder(sourceRoot, LeavingPrefix);
    if (!leavingFolder.ok()) {
        removeTreeAt(stagingFolder.value());
        return failed(MoveResult::Status::Failed, leavingFolder.error());
    }
    const QByteArray leaving = join(leavingFolder.value(), native(name));
    e = m_fs.renameNode(source, leaving);
    if (!e) {
        e = m_fs.syncNode(sourceRoot);
        if (!e)
            e = m_fs.renameNode(staging, target);
        if (e && m_fs.renameNode(leaving, source)) {
            MoveResult r = failed(MoveResult::Status::Failed, e);
            r.leftover = text(leaving); // whole, and back under its name at the next start
            removeTreeAt(stagingFolder.value());
            return r;
        }
    }
    if (e) {
        removeTreeAt(stagingFolder.value());
        m_fs.removeNode(leavingFolder.value());
        return failed(MoveResult::Status::Failed, e);
    }

    MoveResult r;
    r.status = MoveResult::Status::Moved;
    // The source goes only once the new name is on the disk; until then start-up sorts it out.
    r.error = m_fs.removeNode(stagingFolder.value()); // empty now
    if (!r.error)
        r.error = m_fs.syncNode(targetRoot);
    if (!r.error)
        r.error = removeTreeAt(leavingFolder.value());
    if (r.error)
        r.leftover = text(leaving);
    return r;
}

bool MoveEngine::movesByCopy(const QByteArray& source, const QByteArray& targetRoot)
{
    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    return info.kind == Kind::Folder && (!renameAllowed || info.device != m_fs.nodeInfo(targetRoot).device);
}

MoveEngine::Batch MoveEngine::prepareBatch(const CarFolders& folders, const QStringList& names,
                                           MoveDirection direction, const std::function<void(int)>& copying)
{
    Batch batch(this, lock({folders.cars, folders.garage}));
    if (!batch.m_lock.held())
        return batch;
    const bool toGarage = direction == MoveDirection::ToGarage;
    const QByteArray sourceRoot = m_fs.realNodePath(native(toGarage ? folders.cars : folders.garage));
    const QByteArray targetRoot = m_fs.realNodePath(native(toGarage ? folders.garage : folders.cars));
    QByteArray last;
    QHash<QByteArray, QByteArray> sources; // target -> source of each copy made
    int done = 0;
    for (const QString& name : names) {
        const QByteArray source = join(sourceRoot, native(name));
        const QByteArray target = join(targetRoot, native(name));
        // Only what the move itself would copy; anything in its way is left for the move to report.
        if (!m_prepared.contains(target) && movesByCopy(source, targetRoot) &&
            m_fs.nodeInfo(target).kind == Kind::Missing && (toGarage || !checkNothingReadOnly(source))) {
            if (copying)
                copying(done);
            Result<QByteArray> staging = makeHiddenFolder(targetRoot, StagingPrefix);
            if (staging.ok()) {
                if (copyTree(source, join(staging.value(), native(name))))
                    removeTreeAt(staging.value()); // the move tries again and reports why
                else {
                    m_prepared.insert(target, last = staging.value());
                    sources.insert(target, source);
                }
            }
        }
        ++done;
    }
    // One flush for every copy, then every source steps aside at once and the folder it left is
    // flushed once: the moves then only rename the copies into place.
    if (last.isEmpty())
        return batch;
    if (m_fs.syncNodeFileSystem(last)) {
        finishBatch();
        return batch;
    }
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        Result<QByteArray> leaving = makeHiddenFolder(sourceRoot, LeavingPrefix);
        if (!leaving.ok())
            continue; // its move copies after all
        if (m_fs.renameNode(it.value(),
                            join(leaving.value(), it.value().mid(it.value().lastIndexOf('/') + 1)))) {
            m_fs.removeNode(leaving.value());
            continue;
        }
        m_hidden.insert(it.key(),
                        BatchCar{it.value(), m_prepared.take(it.key()), leaving.value(), targetRoot});
    }
    if (!m_hidden.isEmpty() && m_fs.syncNode(sourceRoot))
        finishBatch(); // every source back under its name; nothing has moved
    return batch;
}

MoveResult MoveEngine::placeBatchCar(const QString& name, const QByteArray& target, const BatchCar& car)
{
    const QByteArray carName = native(name);
    const QByteArray hiddenSource = join(car.leaving, carName);
    const Error e = m_fs.renameNode(join(car.staging, carName), target);
    if (e) {
        // Back under its name, whole; the copy goes.
        MoveResult r = failed(e.number() == err::PathFileAccess ? MoveResult::Status::TargetTaken
                                                                : MoveResult::Status::Failed,
                              e);
        if (m_fs.renameNode(hiddenSource, car.source))
            r.leftover = text(hiddenSource);
        else
            m_fs.removeNode(car.leaving);
        removeTreeAt(car.staging);
        return r;
    }
    m_fs.removeNode(car.staging);
    m_placed.append({car.leaving, car.targetRoot});
    MoveResult r;
    r.status = MoveResult::Status::Moved;
    return r;
}

void MoveEngine::finishBatch()
{
    // The placed copies reach the disk before their sources go; until then recovery sorts it out.
    QList<QByteArray> flushed;
    for (const auto& [leaving, targetRoot] : std::as_const(m_placed)) {
        if (!flushed.contains(targetRoot) && !m_fs.syncNode(targetRoot))
            flushed << targetRoot;
        if (flushed.contains(targetRoot))
            removeTreeAt(leaving);
    }
    m_placed.clear();
    for (const BatchCar& car : std::as_const(m_hidden)) {
        const QByteArray name = car.source.mid(car.source.lastIndexOf('/') + 1);
        if (!m_fs.renameNode(join(car.leaving, name), car.source))
            m_fs.removeNode(car.leaving);
        removeTreeAt(car.staging);
    }
    m_hidden.clear();
    for (const QByteArray& staging : std::as_const(m_prepared))
        removeTreeAt(staging);
    m_prepared.clear();
}

MoveEngine::Batch::Batch(Batch&& other) noexcept : m_engine(other.m_engine), m_lock(std::move(other.m_lock))
{
    other.m_engine = nullptr;
}

MoveEngine::Batch::~Batch()
{
    if (m_engine)
        m_engine->finishBatch();
}

MoveResult MoveEngine::moveLink(const QByteArray& source, const QByteArray& target,
                                const QByteArray& sourceRoot, const QByteArray& targetRoot,
                                const QString& name)
{
    // The new link points at the same folder, wherever it stands.
    const QByteArray linkTarget = absoluteLinkTarget(source);
    if (linkTarget.isEmpty())
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    Result<QByteArray> leavingFolder = makeHiddenFolder(sourceRoot, LeavingPrefix);
    if (!leavingFolder.ok())
        return failed(MoveResult::Status::Failed, leavingFolder.error());
    const QByteArray leaving = join(leavingFolder.value(), native(name));
    Error e = m_fs.renameNode(source, leaving);
    if (!e) {
        e = m_fs.syncNode(sourceRoot);
        if (!e)
            e = m_fs.makeNodeLink(linkTarget, target);
        if (e && m_fs.renameNode(leaving, source)) {
            MoveResult r = failed(MoveResult::Status::Failed, e);
            r.leftover = text(leaving);
            return r;
        }
    }
    if (e) {
        m_fs.removeNode(leavingFolder.value());
        return failed(MoveResult::Status::Failed, e);
    }
    MoveResult r;
    r.status = MoveResult::Status::Moved;
    r.error = m_fs.syncNode(targetRoot);
    if (!r.error)
        r.error = removeTreeAt(leavingFolder.value());
    if (r.error)
        r.leftover = text(leaving);
    return r;
}

MoveEngine::DeleteWay MoveEngine::deleteWayFor(const QString& carPath)
{
    if (m_fs.nodeInfo(native(carPath)).kind == Kind::Link)
        return DeleteWay::RemoveLink;
    return m_fs.trashAvailable(carPath) ? DeleteWay::Trash : DeleteWay::ForGood;
}

QString MoveEngine::linkTargetOf(const QString& carPath)
{
    Result<QByteArray> target = m_fs.nodeLinkTarget(native(carPath));
    return target.ok() ? text(target.value()) : QString();
}

DeleteResult MoveEngine::deleteCar(const QString& folder, const QString& name, DeleteWay way)
{
    DeleteResult r;
    const Lock held = lock({folder});
    if (!held.held()) {
        r.error = busyError();
        return r;
    }
    const QByteArray root = m_fs.realNodePath(native(folder));
    const QByteArray path = join(root, native(name));
    const FileSystem::NodeInfo info = m_fs.nodeInfo(path);
    if (info.kind == Kind::Missing) {
        r.error = Error::of(err::PathNotFound);
        return r;
    }
    if (info.kind == Kind::Link || way == DeleteWay::RemoveLink) {
        if (info.kind != Kind::Link) {
            // It stopped being a link since the user was asked.
            r.error = Error::of(err::PathFileAccess);
            return r;
        }
        r.error = m_fs.removeNode(path);
        if (!r.error)
            r.status = DeleteResult::Status::Deleted;
        return r;
    }
    if (way == DeleteWay::Trash) {
        // The trash remembers the car where the user knows it, the folder as the settings name it.
        r.error = m_fs.moveToTrash(text(path), joinPath(folder, name));
        if (!r.error)
            r.status = DeleteResult::Status::Deleted;
        return r;
    }

    // For good: a read-only part would stop the deletion half-way, so it stops it before.
    if ((r.error = checkNothingReadOnly(path)))
        return r;
    Result<QByteArray> deleting = makeHiddenFolder(root, DeletingPrefix);
    if (!deleting.ok()) {
        r.error = deleting.error();
        return r;
    }
    const QByteArray hidden = join(deleting.value(), native(name));
    if ((r.error = m_fs.renameNode(path, hidden))) {
        m_fs.removeNode(deleting.value());
        return r;
    }
    m_fs.syncNode(root);
    if ((r.error = removeTreeAt(deleting.value()))) {
        r.status = DeleteResult::Status::KeptHidden;
        r.hiddenPath = text(hidden);
        return r;
    }
    r.status = DeleteResult::Status::Deleted;
    return r;
}

// ---------------------------------------------------------------------------------------------
// Recovery

QStringList MoveEngine::recover(const CarFolders& folders, bool* changed)
{
    QStringList problems;
    const Lock held = lock({folders.cars, folders.garage});
    if (!held.held())
        return problems; // another Parkwen is at work; what it leaves is its own to finish
    const QByteArray cars = m_fs.realNodePath(native(folders.cars));
    const QByteArray garage = m_fs.realNodePath(native(folders.garage));
    const bool inCars = recoverFolder(cars, garage, problems);
    const bool inGarage = recoverFolder(garage, cars, problems);
    if (changed)
        *changed = inCars || inGarage;
    return problems;
}

bool MoveEngine::recoverFolder(const QByteArray& root, const QByteArray& other, QStringList& problems)
{
    Result<QList<QByteArray>> names = m_fs.nodeNames(root);
    if (!names.ok())
        return false;
    bool found = false;
    for (const QByteArray& name : names.value())
        for (QLatin1StringView prefix : {StagingPrefix, LeavingPrefix, ReplacedPrefix, DeletingPrefix})
            if (hiddenKind(name, prefix) != Hidden::None)
                found = true;
    if (!found)
        return false;
    auto problem = [&](const QByteArray& path, const QString& why) {
        problems << text(path) + QStringLiteral(": ") + why;
    };
    // The car inside a hidden entry: for a wrapper the one entry it holds (an empty wrapper is
    // removed, one holding more is left alone), for a flat name the entry itself.
    auto carIn = [&](const QByteArray& hidden, Hidden kind, const QByteArray& flatName, QByteArray& car) {
        const QByteArray path = join(root, hidden);
        if (kind == Hidden::Flat) {
            car = flatName;
            return path;
        }
        Result<QList<QByteArray>> inside = m_fs.nodeNames(path);
        if (!inside.ok() || inside.value().size() > 1) {
            problem(path, QCoreApplication::translate(
                              "MoveEngine", "kept hidden there, as it is not as Parkwen leaves it"));
            return QByteArray();
        }
        if (inside.value().isEmpty()) {
            if (Error e = m_fs.removeNode(path))
                problem(path, e.description());
            return QByteArray();
        }
        car = inside.value().first();
        return join(path, car);
    };
    auto removeHidden = [&](const QByteArray& hidden) {
        if (Error e = removeTreeAt(join(root, hidden)))
            problem(join(root, hidden), e.description());
    };
    // A car put back under its name: its wrapper, now empty, goes too.
    auto putBack = [&](const QByteArray& hidden, Hidden kind, const QByteArray& carPath,
                       const QByteArray& car) {
        if (Error e = m_fs.renameNode(carPath, join(root, car))) {
            problem(carPath, QCoreApplication::translate(
                                 "MoveEngine", "kept hidden there, as %1 could not take its name back (%2)")
                                 .arg(text(car), e.description()));
            return;
        }
        if (kind == Hidden::Wrapper)
            m_fs.removeNode(join(root, hidden));
    };

    // Sources first: a staging folder never holds the only copy of a car.
    for (const QByteArray& hidden : names.value()) {
        QByteArray flat;
        const Hidden kind = hiddenKind(hidden, LeavingPrefix, &flat);
        if (kind == Hidden::None)
            continue;
        QByteArray car;
        const QByteArray carPath = carIn(hidden, kind, flat, car);
        if (carPath.isEmpty())
            continue;
        if (containedIn(carPath, join(other, car)))
            removeHidden(hidden);
        else
            putBack(hidden, kind, carPath, car);
    }
    // A car that was making way for an installed one: back when the new one never arrived, else
    // sent where the replacement would have sent it.
    for (const QByteArray& hidden : names.value()) {
        QByteArray flat;
        Hidden kind = hiddenKind(hidden, ReplacedPrefix, &flat);
        if (kind == Hidden::None)
            continue;
        // Earlier versions kept the car inside "<prefix><name>-<token>/<name>".
        if (kind == Hidden::Flat)
            kind = Hidden::Wrapper;
        QByteArray car;
        const QByteArray carPath = carIn(hidden, kind, flat, car);
        if (carPath.isEmpty())
            continue;
        if (m_fs.nodeInfo(join(root, car)).kind == Kind::Missing) {
            putBack(hidden, kind, carPath, car);
            continue;
        }
        bool toTrash = false;
        if (Error e = disposeOf(carPath, text(join(root, car)), toTrash))
            problem(carPath,
                    QCoreApplication::translate("MoveEngine", "kept hidden there (%1)").arg(e.description()));
        else
            m_fs.removeNode(join(root, hidden));
    }
    for (const QByteArray& hidden : names.value()) {
        if (hiddenKind(hidden, StagingPrefix) != Hidden::None ||
            hiddenKind(hidden, DeletingPrefix) != Hidden::None)
            removeHidden(hidden);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Installs

Result<QString> MoveEngine::makeStagingFolder(const QString& folder, const QString& name)
{
    Result<QByteArray> wrapper = makeHiddenFolder(m_fs.realNodePath(native(folder)), StagingPrefix);
    if (!wrapper.ok())
        return wrapper.error();
    const QByteArray car = join(wrapper.value(), native(name));
    // The car's own folder gets the permissions any new folder gets.
    if (Error e = m_fs.createFolder(text(car))) {
        m_fs.removeNode(wrapper.value());
        return e;
    }
    return text(car);
}

void MoveEngine::discardStaging(const QString& stagingPath)
{
    if (stagingPath.isEmpty())
        return;
    const QByteArray wrapper = parentFolder(native(stagingPath));
    // Only ever a staging folder this engine made.
    if (hiddenKind(wrapper.mid(wrapper.lastIndexOf('/') + 1), StagingPrefix) == Hidden::Wrapper)
        removeTreeAt(wrapper);
}

Error MoveEngine::placeStagedCar(const QString& stagingPath, const QString& finalPath)
{
    const QByteArray staging = native(stagingPath);
    const QByteArray root = m_fs.realNodePath(parentFolder(native(finalPath)));
    const QByteArray target = join(root, native(lastName(finalPath)));
    if (Error e = m_fs.syncNodeFileSystem(staging))
        return e;
    if (Error e = m_fs.renameNode(staging, target))
        return e;
    // In place from here on: the flush of the new name only makes it durable sooner.
    m_fs.removeNode(parentFolder(staging));
    m_fs.syncNode(root);
    return {};
}

Error MoveEngine::disposeOf(const QByteArray& path, const QString& shownAs, bool& toTrash)
{
    toTrash = false;
    if (m_fs.nodeInfo(path).kind == Kind::Link)
        return m_fs.removeNode(path);
    if (m_fs.trashAvailable(text(path))) {
        const Error e = m_fs.moveToTrash(text(path), shownAs);
        toTrash = !e;
        return e;
    }
    return removeTreeAt(path);
}

Error MoveEngine::replaceWithStagedCar(const QString& stagingPath, const QString& oldPath,
                                       const QString& finalPath, bool& toTrash, QString& keptAt)
{
    toTrash = false;
    keptAt.clear();
    const QByteArray staging = native(stagingPath);
    const QByteArray root = m_fs.realNodePath(parentFolder(native(finalPath)));
    const QByteArray oldRoot = m_fs.realNodePath(parentFolder(native(oldPath)));
    const QByteArray old = join(oldRoot, native(lastName(oldPath)));
    const QByteArray target = join(root, native(lastName(finalPath)));
    const Lock held = lock({text(root), text(oldRoot)});
    if (!held.held())
        return busyError();

    if (Error e = m_fs.syncNodeFileSystem(staging))
        return e;

    if (old != target) {
        // Another name or the other folder: the new car first, then the old one goes from its place.
        if (Error e = placeStagedCar(stagingPath, finalPath))
            return e;
        if (Error e = disposeOf(old, oldPath, toTrash))
            keptAt = oldPath + QStringLiteral(" (") + e.description() + QLatin1Char(')');
        return {};
    }

    // The same place: the old car steps aside, keeping its name, until the new one is in place.
    Result<QByteArray> aside = makeHiddenFolder(root, ReplacedPrefix);
    if (!aside.ok())
        return aside.error();
    const QByteArray oldAside = join(aside.value(), native(lastName(oldPath)));
    if (Error e = m_fs.renameNode(old, oldAside)) {
        m_fs.removeNode(aside.value());
        return e;
    }
    Error e = m_fs.syncNode(root);
    if (!e)
        e = m_fs.renameNode(staging, target);
    if (e) {
        if (!m_fs.renameNode(oldAside, old))
            m_fs.removeNode(aside.value());
        return e;
    }
    m_fs.removeNode(parentFolder(staging));
    if (Error synced = m_fs.syncNode(root)) {
        keptAt = text(oldAside) + QStringLiteral(" (") + synced.description() + QLatin1Char(')');
        return {};
    }
    // The trash entry names the car's own place, where restoring it puts it back.
    if (Error gone = disposeOf(oldAside, oldPath, toTrash)) {
        keptAt = text(oldAside) + QStringLiteral(" (") + gone.description() + QLatin1Char(')');
        return {};
    }
    m_fs.removeNode(aside.value());
    return {};
}

Error MoveEngine::addStagedFilesToCar(const QString& stagingPath, const QString& carPath, QStringList& placed)
{
    const QByteArray root = m_fs.realNodePath(parentFolder(native(carPath)));
    const Lock held = lock({text(root)});
    if (!held.held())
        return busyError();
    const QByteArray staging = native(stagingPath);
    if (Error e = m_fs.syncNodeFileSystem(staging))
        return e;
    const QByteArray car = join(root, native(lastName(carPath)));
    if (m_fs.nodeInfo(car).kind != Kind::Folder)
        return Error::of(err::PathFileAccess);
    Error e = addStagedFiles(staging, car, QByteArray(), placed);
    if (!e)
        e = m_fs.syncNodeFileSystem(car);
    return e;
}

Error MoveEngine::addStagedFiles(const QByteArray& staging, const QByteArray& car, const QByteArray& relative,
                                 QStringList& placed)
{
    Result<QList<QByteArray>> names = m_fs.nodeNames(staging);
    if (!names.ok())
        return names.error();
    Result<QList<QByteArray>> existing = m_fs.nodeNames(car);
    if (!existing.ok())
        return existing.error();
    for (const QByteArray& name : names.value()) {
        // The car's own entry of that name, as the game finds it: letter case ignored.
        QByteArray there = name;
        for (const QByteArray& entry : existing.value())
            if (text(entry).compare(text(name), Qt::CaseInsensitive) == 0) {
                there = entry;
                if (entry == name)
                    break;
            }
        const QByteArray from = join(staging, name);
        const QByteArray to = join(car, there);
        const QByteArray shown = relative.isEmpty() ? name : relative + '/' + name;
        const FileSystem::NodeInfo source = m_fs.nodeInfo(from);
        const FileSystem::NodeInfo target = m_fs.nodeInfo(to);
        if (source.kind == Kind::Folder) {
            if (target.kind == Kind::Missing)
                if (Error e = m_fs.createFolder(text(to)))
                    return e;
            // Never into a link, nor into a file.
            if (m_fs.nodeInfo(to).kind != Kind::Folder)
                return Error::of(err::PathFileAccess);
            if (Error e = addStagedFiles(from, to, shown, placed))
                return e;
            continue;
        }
        if (target.kind == Kind::Folder)
            return Error::of(err::PathFileAccess);
        // A file of that name (the user agreed to replace it) is replaced at once; a link there is
        // replaced as the link, never written through.
        if (Error e =
                target.kind == Kind::Missing ? m_fs.renameNode(from, to) : m_fs.rename(text(from), text(to)))
            return e;
        placed << text(shown);
    }
    return {};
}

} // namespace parkwen
