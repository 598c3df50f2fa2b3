#include "library/moveengine.h"

#include "library/enginepaths.h"

#include <QCoreApplication>

namespace parkwen {

using namespace enginepaths;

// Finishing what a process that has ended left in one of the two folders.
struct MoveEngine::Recovery
{
    MoveEngine& engine;
    const QByteArray& root;
    // What could not be sorted out, one line each.
    QStringList& problems;

    void problem(const QByteArray& path, const QString& why)
    {
        problems << text(path) + QStringLiteral(": ") + why;
    }
    QByteArray carIn(const QByteArray& hidden, Hidden kind, const QByteArray& flatName, QByteArray& car,
                     const QByteArray& beside = {});
    void removeHidden(const QByteArray& hidden);
    void putBack(const QByteArray& hidden, Hidden kind, const QByteArray& carPath, const QByteArray& car);
    void leaving(const QByteArray& hidden, const QByteArray& other);
    void replaced(const QByteArray& hidden);
};

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

    Recovery recovery{*this, root, problems};
    // Sources first: a staging folder never holds the only copy of a car.
    for (const QByteArray& hidden : names.value())
        recovery.leaving(hidden, other);
    for (const QByteArray& hidden : names.value())
        recovery.replaced(hidden);
    for (const QByteArray& hidden : names.value()) {
        if (hiddenKind(hidden, StagingPrefix) != Hidden::None ||
            hiddenKind(hidden, DeletingPrefix) != Hidden::None)
            recovery.removeHidden(hidden);
    }
    return true;
}

// The car inside a hidden entry: for a wrapper the one entry it holds beside `beside` (a wrapper
// without a car is removed, one holding more is left alone), for a flat name the entry itself.
QByteArray MoveEngine::Recovery::carIn(const QByteArray& hidden, Hidden kind, const QByteArray& flatName,
                                       QByteArray& car, const QByteArray& beside)
{
    const QByteArray path = join(root, hidden);
    if (kind == Hidden::Flat) {
        car = flatName;
        return path;
    }
    Result<QList<QByteArray>> inside = engine.m_fs.nodeNames(path);
    const bool hasBeside = inside.ok() && !beside.isEmpty() && inside.value().contains(beside);
    if (hasBeside)
        inside.value().removeAll(beside);
    if (!inside.ok() || inside.value().size() > 1) {
        problem(path, QCoreApplication::translate("MoveEngine",
                                                  "kept hidden there, as it is not as Parkwen leaves it"));
        return QByteArray();
    }
    if (inside.value().isEmpty()) {
        if (Error e = hasBeside ? engine.removeTreeAt(path) : engine.m_fs.removeNode(path))
            problem(path, e.description());
        return QByteArray();
    }
    car = inside.value().first();
    return join(path, car);
}

void MoveEngine::Recovery::removeHidden(const QByteArray& hidden)
{
    if (Error e = engine.removeTreeAt(join(root, hidden)))
        problem(join(root, hidden), e.description());
}

// A car put back under its name: its wrapper, now empty, goes too.
void MoveEngine::Recovery::putBack(const QByteArray& hidden, Hidden kind, const QByteArray& carPath,
                                   const QByteArray& car)
{
    if (Error e = engine.m_fs.renameNode(carPath, join(root, car))) {
        problem(carPath, QCoreApplication::translate(
                             "MoveEngine", "kept hidden there, as %1 could not take its name back (%2)")
                             .arg(text(car), e.description()));
        return;
    }
    if (kind == Hidden::Wrapper)
        engine.removeTreeAt(join(root, hidden));
}

// A moving car's source: gone when the car is whole in the other folder, else back under its name.
void MoveEngine::Recovery::leaving(const QByteArray& hidden, const QByteArray& other)
{
    QByteArray flat;
    const Hidden kind = hiddenKind(hidden, LeavingPrefix, &flat);
    if (kind == Hidden::None)
        return;
    QByteArray car;
    const QByteArray carPath = carIn(hidden, kind, flat, car);
    if (carPath.isEmpty())
        return;
    if (engine.containedIn(carPath, join(other, car)))
        removeHidden(hidden);
    else
        putBack(hidden, kind, carPath, car);
}

// A car that was making way for an installed one: back when the new one never arrived (at the car's
// own name, or where the record beside it says), else sent where the replacement would have sent it.
void MoveEngine::Recovery::replaced(const QByteArray& hidden)
{
    QByteArray flat;
    Hidden kind = hiddenKind(hidden, ReplacedPrefix, &flat);
    if (kind == Hidden::None)
        return;
    // Earlier versions kept the car inside "<prefix><name>-<token>/<name>".
    if (kind == Hidden::Flat)
        kind = Hidden::Wrapper;
    QByteArray car;
    const QByteArray carPath = carIn(hidden, kind, flat, car, replacementRecord());
    if (carPath.isEmpty())
        return;
    Result<QByteArray> recorded = engine.m_fs.nodeLinkTarget(join(join(root, hidden), replacementRecord()));
    const QByteArray newCar = recorded.ok() ? recorded.value() : join(root, car);
    if (engine.m_fs.nodeInfo(newCar).kind == Kind::Missing) {
        putBack(hidden, kind, carPath, car);
        return;
    }
    bool toTrash = false;
    if (Error e = engine.disposeOf(carPath, text(join(root, car)), toTrash))
        problem(carPath,
                QCoreApplication::translate("MoveEngine", "kept hidden there (%1)").arg(e.description()));
    else
        engine.removeTreeAt(join(root, hidden));
}

} // namespace parkwen
