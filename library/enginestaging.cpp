#include "library/moveengine.h"

#include "library/enginepaths.h"

namespace parkwen {

using namespace enginepaths;

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

    if (old != target)
        return replaceElsewhere(staging, old, target, oldPath, toTrash, keptAt);

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

Error MoveEngine::replaceElsewhere(const QByteArray& staging, const QByteArray& old, const QByteArray& target,
                                   const QString& oldPath, bool& toTrash, QString& keptAt)
{
    // Another name or the other folder. The old car steps aside beside a record of where its
    // replacement goes, so that recovery after a crash at any step ends with one car: the old one
    // back when the new one never arrived, else the old one sent where this replacement sends it.
    const QByteArray oldRoot = parentFolder(old);
    Result<QByteArray> aside = makeHiddenFolder(oldRoot, ReplacedPrefix);
    if (!aside.ok())
        return aside.error();
    const QByteArray record = join(aside.value(), replacementRecord());
    const QByteArray oldAside = join(aside.value(), old.mid(old.lastIndexOf('/') + 1));
    auto giveUp = [&](Error e) {
        if (m_fs.nodeInfo(oldAside).kind != Kind::Missing)
            m_fs.renameNode(oldAside, old);
        removeTreeAt(aside.value());
        return e;
    };
    Error e = m_fs.makeNodeLink(target, record);
    if (!e)
        e = m_fs.syncNode(aside.value());
    if (!e)
        e = m_fs.renameNode(old, oldAside);
    if (!e)
        e = m_fs.syncNode(oldRoot);
    if (!e)
        e = placeStagedCar(text(staging), text(target));
    if (e)
        return giveUp(e);
    // The trash entry names the car's own place, where restoring it puts it back.
    if (Error gone = disposeOf(oldAside, oldPath, toTrash)) {
        keptAt = text(oldAside) + QStringLiteral(" (") + gone.description() + QLatin1Char(')');
        return {};
    }
    removeTreeAt(aside.value());
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
