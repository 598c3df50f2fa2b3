#include "install/carinstaller.h"

#include "install/installwords.h"

#include <QCoreApplication>

#include <limits>

namespace parkwen {

using installwords::folderLabel;

namespace {

QString parentOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at <= 0 ? QStringLiteral("/") : path.left(at);
}

} // namespace

// Each car is put together in a staging folder of its own beside where it will stand.
bool CarInstaller::makeStagingFolders(SourceInstall& install)
{
    for (CarJob& job : install.cars) {
        if (job.dropped)
            continue;
        auto staging = m_door.makeStagingFolder(destination(), job.finalName);
        if (!staging.ok()) {
            discardStaging(install);
            failSource(QCoreApplication::translate("CarInstaller", "no folder could be made in the %1 (%2)")
                           .arg(folderLabel(toGarage()), staging.error().description()));
            return false;
        }
        job.staging = staging.value();
        for (const PlannedEntry& entry : job.car->entries)
            install.writes.insert(entry.index, {job.staging, entry, install.entries[entry.index].path});
        install.totalBytes += job.car->bytes;
    }
    for (AdditionJob& job : install.additions) {
        auto staging = m_door.makeStagingFolder(parentOf(job.carPath), job.carName);
        if (!staging.ok()) {
            discardStaging(install);
            failSource(QCoreApplication::translate("CarInstaller", "no folder could be made beside %1 (%2)")
                           .arg(job.carName, staging.error().description()));
            return false;
        }
        job.staging = staging.value();
        for (const PlannedEntry& entry : std::as_const(job.files)) {
            install.writes.insert(entry.index, {job.staging, entry, install.entries[entry.index].path});
            install.totalBytes += qMax<qint64>(0, entry.size);
        }
    }
    return true;
}

void CarInstaller::discardStaging(SourceInstall& install)
{
    for (CarJob& job : install.cars)
        m_door.discardStaging(job.staging);
    for (AdditionJob& job : install.additions)
        m_door.discardStaging(job.staging);
}

QString CarInstaller::unpack(EntrySource& source, const QHash<int, Write>& writes, qint64 totalBytes,
                             bool& cancelled)
{
    if (!source.open())
        return QCoreApplication::translate("CarInstaller", "it cannot be read again (%1)")
            .arg(source.errorText());
    int last = 0;
    for (auto it = writes.constBegin(); it != writes.constEnd(); ++it)
        last = qMax(last, it.key());

    Progress* progress = m_platform.progress;
    const int totalKb = int(qMin<qint64>(totalBytes / 1024 + 1, std::numeric_limits<int>::max()));
    if (progress)
        progress->begin(QCoreApplication::translate("CarInstaller", "Unpacking ") + m_label, totalKb);
    Unpacker unpacker(m_platform.fs, m_limits, progress, m_cancelled);
    unpacker.begin(source.packedPosition());
    QString why;
    for (int index = 0; index <= last; ++index) {
        SourceEntry entry;
        const EntrySource::Next next = source.next(entry);
        if (next == EntrySource::Next::End) {
            why = QCoreApplication::translate("CarInstaller", "the archive ended early");
            break;
        }
        if (next == EntrySource::Next::Failed) {
            why = QCoreApplication::translate("CarInstaller", "the archive is damaged (%1)")
                      .arg(source.errorText());
            break;
        }
        if (isCancelled()) {
            cancelled = true;
            break;
        }
        const auto write = writes.constFind(index);
        if (write == writes.constEnd())
            continue;
        if (entry.path != write->sourcePath || entry.kind != write->entry.kind) {
            why = QCoreApplication::translate("CarInstaller", "it changed while it was being installed");
            break;
        }
        why = unpacker.write(source, write->staging, write->entry);
        cancelled = unpacker.cancelled();
        if (cancelled || !why.isEmpty())
            break;
        if (progress)
            progress->step(int(qMin<qint64>(unpacker.unpacked() / 1024, totalKb)));
    }
    if (!cancelled && why.isEmpty())
        why = unpacker.finish();
    if (progress)
        progress->end();
    return why;
}

void CarInstaller::placeCars(QList<CarJob>& jobs)
{
    for (CarJob& job : jobs) {
        if (job.dropped)
            continue;
        bool toTrash = false;
        const Error placed = placeCar(job, toTrash);
        // Whatever is left of the staging folder goes: all of it on failure, its empty shell after.
        m_door.discardStaging(job.staging);
        if (Error e = placed) {
            m_summary.skipped.append(
                {m_label, job.finalName,
                 QCoreApplication::translate("CarInstaller", "it could not be put in place: %1")
                     .arg(e.description())});
            continue;
        }
        noteInstalled(job, toTrash);
    }
}

Error CarInstaller::placeCar(CarJob& job, bool& toTrash)
{
    const QString target = joinPath(destination(), job.finalName);
    if (job.replacePath.isEmpty())
        return m_door.placeStagedCar(job.staging, target);
    QString keptAt;
    const Error e = m_door.replaceWithStagedCar(job.staging, job.replacePath, target, toTrash, keptAt);
    if (!e && !keptAt.isEmpty())
        m_summary.skipped.append(
            {m_label, job.replacedName,
             QCoreApplication::translate("CarInstaller",
                                         "the car it replaced could not be removed; it was kept at %1")
                 .arg(keptAt)});
    return e;
}

// Adds the placed car to the summary, and to the listings the next source's clashes are found in.
void CarInstaller::noteInstalled(const CarJob& job, bool toTrash)
{
    FileSystem& fs = m_platform.fs;
    InstallSummary::Car car;
    car.name = job.finalName;
    car.source = m_label;
    car.keptBeside = job.keptBeside;
    car.replacedName = job.replacedName;
    car.replacedInGarage = job.replacedInGarage;
    car.replacedToTrash = toTrash;
    const QString folder = joinPath(destination(), job.finalName);
    car.hasPicture = !fs.listFiles(folder, QStringLiteral("*.jpg")).isEmpty() ||
                     !fs.listFiles(folder, QStringLiteral("*.bmp")).isEmpty();
    m_summary.installed.append(car);
    if (!job.replacedName.isEmpty())
        (job.replacedInGarage ? m_garageNames : m_carNames).remove(job.replacedName.toCaseFolded());
    (toGarage() ? m_garageNames : m_carNames).insert(job.finalName.toCaseFolded(), job.finalName);
}

void CarInstaller::placeAdditions(QList<AdditionJob>& jobs)
{
    for (AdditionJob& job : jobs) {
        QStringList placed;
        const Error e = m_door.addStagedFilesToCar(job.staging, job.carPath, placed);
        m_door.discardStaging(job.staging);
        if (!placed.isEmpty())
            m_summary.additions.append({job.carName, job.inGarage, m_label, placed});
        if (e)
            m_summary.skipped.append(
                {m_label, QCoreApplication::translate("CarInstaller", "files for %1").arg(job.carName),
                 QCoreApplication::translate("CarInstaller", "they could not be put in place: %1")
                     .arg(e.description())});
    }
}

} // namespace parkwen
