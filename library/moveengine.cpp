#include "library/moveengine.h"

#include "library/enginepaths.h"

#include <QCoreApplication>

namespace parkwen {

using namespace enginepaths;

MoveResult MoveEngine::failed(MoveResult::Status status, Error error)
{
    MoveResult r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

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

MoveEngine::Lock MoveEngine::lock(const QStringList& folders, LockKind kind)
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
            std::unique_ptr<FolderLock> next =
                m_fs.tryLockFolder(order.at(qsizetype(lock.m_locks.size())), kind);
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
    } else {
        lock.m_waited = true;
        lock.m_held = m_dialogs ? m_dialogs->waitUntil(busyText(), takeAll) : Dialogs::pollUntil(takeAll);
    }
    if (!lock.m_held)
        lock.m_locks.clear();
    else if (lock.m_waited && kind == LockKind::Exclusive && m_afterWait)
        m_afterWait();
    return lock;
}

} // namespace parkwen
