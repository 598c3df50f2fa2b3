#include "library/moveengine.h"

#include "library/enginepaths.h"

namespace parkwen {

using namespace enginepaths;

MoveEngine::Roots MoveEngine::rootsOf(const CarFolders& folders, MoveDirection direction)
{
    // A folder linked into place (a garage on a second disk) is worked on where it really is.
    const bool toGarage = direction == MoveDirection::ToGarage;
    return {m_fs.realNodePath(native(toGarage ? folders.cars : folders.garage)),
            m_fs.realNodePath(native(toGarage ? folders.garage : folders.cars))};
}

MoveResult MoveEngine::move(const CarFolders& folders, const QString& name, MoveDirection direction)
{
    const Lock held = lock({folders.cars, folders.garage});
    if (!held.held())
        return failed(MoveResult::Status::Failed, busyError());

    const Roots roots = rootsOf(folders, direction);
    const QByteArray source = join(roots.source, native(name));
    const QByteArray target = join(roots.target, native(name));

    if (const auto batched = m_hidden.constFind(target); batched != m_hidden.constEnd()) {
        const BatchCar car = batched.value();
        m_hidden.remove(target);
        return placeBatchCar(name, target, car);
    }

    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    if (std::optional<MoveResult> refused = refusal(info, source, target, direction))
        return *refused;

    // A link is made anew beside the other cars, so that a relative one still points where it did.
    if (info.kind == Kind::Link)
        return moveLink(source, target, roots, name);

    const QByteArray prepared = m_prepared.take(target);
    if (prepared.isEmpty() && renameAllowed && info.device == m_fs.nodeInfo(roots.target).device) {
        if (std::optional<MoveResult> renamed = moveByRename(source, target))
            return *renamed;
        // Two mounts of one file system: copy after all.
    }
    return moveByCopy(source, target, roots, name, prepared);
}

std::optional<MoveResult> MoveEngine::refusal(const FileSystem::NodeInfo& info, const QByteArray& source,
                                              const QByteArray& target, MoveDirection direction)
{
    if (info.kind == Kind::Missing)
        return failed(MoveResult::Status::SourceMissing, Error::of(err::PathNotFound));
    if (info.kind != Kind::Folder && info.kind != Kind::Link)
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    if (m_fs.nodeInfo(target).kind != Kind::Missing)
        return failed(MoveResult::Status::TargetTaken, Error::of(err::PathFileAccess));
    // ">>" clears read-only state as it removes the source; "<<" does not, so a read-only file
    // stops it. That is known before anything is copied.
    if (direction == MoveDirection::ToCars) {
        if (Error e = checkNothingReadOnly(source))
            return failed(e.fault() == err::PathFileAccess ? MoveResult::Status::ReadOnly
                                                           : MoveResult::Status::Failed,
                          e);
    }
    return std::nullopt;
}

std::optional<MoveResult> MoveEngine::moveByRename(const QByteArray& source, const QByteArray& target)
{
    // One rename moves the whole folder at once; nothing to flush, as the disk holds either the
    // old name or the new one.
    const Error e = m_fs.renameNode(source, target);
    if (!e) {
        MoveResult r;
        r.status = MoveResult::Status::Moved;
        r.renamed = true;
        return r;
    }
    if (e.fault() != err::DifferentDrive)
        return failed(MoveResult::Status::Failed, e);
    return std::nullopt;
}

Result<QByteArray> MoveEngine::stageCopy(const QByteArray& source, const QByteArray& targetRoot,
                                         const QString& name)
{
    Result<QByteArray> stagingFolder = makeHiddenFolder(targetRoot, StagingPrefix);
    if (!stagingFolder.ok())
        return stagingFolder;
    const QByteArray staging = join(stagingFolder.value(), native(name));
    Error e = copyTree(source, staging);
    if (!e)
        e = m_fs.syncNodeFileSystem(staging);
    if (e) {
        removeTreeAt(stagingFolder.value());
        return e;
    }
    return stagingFolder;
}

MoveResult MoveEngine::moveByCopy(const QByteArray& source, const QByteArray& target, const Roots& roots,
                                  const QString& name, const QByteArray& prepared)
{
    // Copy into a hidden staging folder and make it durable; the source is untouched so far. A
    // batch has done both already.
    const Result<QByteArray> stagingFolder =
        prepared.isEmpty() ? stageCopy(source, roots.target, name) : Result<QByteArray>(prepared);
    if (!stagingFolder.ok())
        return failed(MoveResult::Status::Failed, stagingFolder.error());
    const QByteArray staging = join(stagingFolder.value(), native(name));
    return hideThenPlace(
        source, roots, name, [&] { return m_fs.renameNode(staging, target); },
        [&] { removeTreeAt(stagingFolder.value()); },
        [&] {
            return m_fs.removeNode(stagingFolder.value()); /* empty now */
        });
}

MoveResult MoveEngine::moveLink(const QByteArray& source, const QByteArray& target, const Roots& roots,
                                const QString& name)
{
    // The new link points at the same folder, wherever it stands.
    const QByteArray linkTarget = absoluteLinkTarget(source);
    if (linkTarget.isEmpty())
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    return hideThenPlace(
        source, roots, name, [&] { return m_fs.makeNodeLink(linkTarget, target); }, [] {},
        [] { return Error(); });
}

MoveResult MoveEngine::hideThenPlace(const QByteArray& source, const Roots& roots, const QString& name,
                                     const std::function<Error()>& place,
                                     const std::function<void()>& discard, const std::function<Error()>& tidy)
{
    // Hide the source, then place the car: it is never listed in both folders at once.
    Result<QByteArray> leavingFolder = makeHiddenFolder(roots.source, LeavingPrefix);
    if (!leavingFolder.ok()) {
        discard();
        return failed(MoveResult::Status::Failed, leavingFolder.error());
    }
    const QByteArray leaving = join(leavingFolder.value(), native(name));
    Error e = m_fs.renameNode(source, leaving);
    if (!e) {
        e = m_fs.syncNode(roots.source);
        if (!e)
            e = place();
        if (e && m_fs.renameNode(leaving, source)) {
            MoveResult r = failed(MoveResult::Status::Failed, e);
            r.leftover = text(leaving); // whole, and back under its name at the next start
            discard();
            return r;
        }
    }
    if (e) {
        discard();
        m_fs.removeNode(leavingFolder.value());
        return failed(MoveResult::Status::Failed, e);
    }

    MoveResult r;
    r.status = MoveResult::Status::Moved;
    // The source goes only once the new name is on the disk; until then start-up sorts it out.
    r.error = tidy();
    if (!r.error)
        r.error = m_fs.syncNode(roots.target);
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

} // namespace parkwen
