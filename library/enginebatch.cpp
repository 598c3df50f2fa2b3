#include "library/moveengine.h"

#include "library/enginepaths.h"

namespace parkwen {

using namespace enginepaths;

MoveEngine::Batch MoveEngine::prepareBatch(const CarFolders& folders, const QStringList& names,
                                           MoveDirection direction, const std::function<void(int)>& copying)
{
    Batch batch(this, lock({folders.cars, folders.garage}));
    if (!batch.m_lock.held())
        return batch;
    const Roots roots = rootsOf(folders, direction);
    QByteArray last;
    const QHash<QByteArray, QByteArray> sources = copyBatch(roots, names, direction, copying, last);
    // One flush for every copy, then every source steps aside at once and the folder it left is
    // flushed once: the moves then only rename the copies into place.
    if (last.isEmpty())
        return batch;
    if (m_fs.syncNodeFileSystem(last)) {
        finishBatch();
        return batch;
    }
    hideBatchSources(sources, roots);
    if (!m_hidden.isEmpty() && m_fs.syncNode(roots.source))
        finishBatch(); // every source back under its name; nothing has moved
    return batch;
}

QHash<QByteArray, QByteArray> MoveEngine::copyBatch(const Roots& roots, const QStringList& names,
                                                    MoveDirection direction,
                                                    const std::function<void(int)>& copying, QByteArray& last)
{
    const bool toGarage = direction == MoveDirection::ToGarage;
    QHash<QByteArray, QByteArray> sources; // target -> source of each copy made
    int done = 0;
    for (const QString& name : names) {
        const QByteArray source = join(roots.source, native(name));
        const QByteArray target = join(roots.target, native(name));
        // Only what the move itself would copy; anything in its way is left for the move to report.
        if (!m_prepared.contains(target) && movesByCopy(source, roots.target) &&
            m_fs.nodeInfo(target).kind == Kind::Missing && (toGarage || !checkNothingReadOnly(source))) {
            if (copying)
                copying(done);
            Result<QByteArray> staging = makeHiddenFolder(roots.target, StagingPrefix);
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
    return sources;
}

void MoveEngine::hideBatchSources(const QHash<QByteArray, QByteArray>& sources, const Roots& roots)
{
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        Result<QByteArray> leaving = makeHiddenFolder(roots.source, LeavingPrefix);
        if (!leaving.ok())
            continue; // its move copies after all
        if (m_fs.renameNode(it.value(),
                            join(leaving.value(), it.value().mid(it.value().lastIndexOf('/') + 1)))) {
            m_fs.removeNode(leaving.value());
            continue;
        }
        m_hidden.insert(it.key(),
                        BatchCar{it.value(), m_prepared.take(it.key()), leaving.value(), roots.target});
    }
}

MoveResult MoveEngine::placeBatchCar(const QString& name, const QByteArray& target, const BatchCar& car)
{
    const QByteArray carName = native(name);
    const QByteArray hiddenSource = join(car.leaving, carName);
    const Error e = m_fs.renameNode(join(car.staging, carName), target);
    if (e) {
        // Back under its name, whole; the copy goes.
        MoveResult r = failed(e.fault() == err::PathFileAccess ? MoveResult::Status::TargetTaken
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

} // namespace parkwen
