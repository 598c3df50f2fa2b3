#include "install/carinstaller.h"

#include "install/installwords.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace parkwen {

using installwords::folderLabel;

CarInstaller::CarInstaller(Platform platform, QString carFolder, QString garageFolder,
                           InstallQuestions& questions)
    : m_platform(std::move(platform)), m_carFolder(std::move(carFolder)),
      m_garageFolder(std::move(garageFolder)), m_questions(questions)
{
}

InstallSummary CarInstaller::install(const QStringList& sources, Target target)
{
    m_target = target;
    m_summary = InstallSummary();
    m_summary.toGarage = target == Target::GarageFolder;
    m_forAll.reset();
    if (!m_platform.fs.isFolder(destination())) {
        for (const QString& source : sources)
            m_summary.failed.append({QFileInfo(source).fileName(), QString(),
                                     QCoreApplication::translate("CarInstaller", "the %1 %2 is not there")
                                         .arg(folderLabel(m_summary.toGarage), destination())});
        return m_summary;
    }
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarInstaller", "Installing cars"), int(sources.size()));
    for (qsizetype i = 0; i < sources.size(); ++i) {
        m_sourceIndex = int(i);
        if (!installSource(sources[i])) {
            for (qsizetype j = i + 1; j < sources.size(); ++j)
                m_summary.failed.append(
                    {QFileInfo(sources[j]).fileName(), QString(),
                     QCoreApplication::translate("CarInstaller", "the install was cancelled before it")});
            break;
        }
        if (progress)
            progress->step(int(i + 1));
    }
    if (progress)
        progress->end();
    return m_summary;
}

bool CarInstaller::installSource(const QString& path)
{
    m_label = QFileInfo(path).fileName();
    std::unique_ptr<EntrySource> source = openSource(path);
    if (!source->open()) {
        failSource(QCoreApplication::translate("CarInstaller", "it cannot be read as an archive (%1)")
                       .arg(source->errorText()));
        return true;
    }
    SourceInstall install;
    const Step read = readEntries(*source, install.entries);
    if (read != Step::Next)
        return read == Step::SourceDone;
    const InstallSummary before = m_summary;
    if (!planSource(path, install))
        return true;

    // From the first staging folder to the last car placed, no other Parkwen changes the folders,
    // and none takes this install's staging folders for leftovers of a crash.
    const MoveEngine::Lock held = m_door.lock({m_carFolder, m_garageFolder});
    if (!held.held()) {
        failSource(MoveEngine::busyError().description());
        return false;
    }
    // Another Parkwen changed the folders while this one waited: the plan is made again on what is
    // there now, so that a clash is decided on the car that stands under the name.
    if (held.waited()) {
        m_summary = before;
        install.cars.clear();
        install.additions.clear();
        if (!planSource(path, install))
            return true;
    }
    if (!makeStagingFolders(install))
        return true;
    if (install.writes.isEmpty()) {
        discardStaging(install);
        return true;
    }
    bool cancelled = false;
    const QString why = unpack(*source, install.writes, install.totalBytes, cancelled);
    if (cancelled) {
        discardStaging(install);
        m_summary.cancelled = true;
        failSource(QCoreApplication::translate("CarInstaller", "the install was cancelled"));
        return false;
    }
    if (!why.isEmpty()) {
        discardStaging(install);
        failSource(why);
        return true;
    }
    // Everything is unpacked: the cars go into place one by one.
    placeCars(install.cars);
    placeAdditions(install.additions);
    return true;
}

void CarInstaller::failSource(const QString& why)
{
    m_summary.failed.append({m_label, QString(), why});
}

CarInstaller::Step CarInstaller::readEntries(EntrySource& source, QList<SourceEntry>& entries)
{
    qint64 declared = 0;
    // A hard link unpacks to a copy: it weighs what the file it names weighs.
    QHash<QString, qint64> declaredSizes;
    auto key = [](const QString& path) {
        QStringList names;
        splitEntryPath(path, names);
        return names.join(QLatin1Char('/'));
    };
    for (;;) {
        SourceEntry entry;
        const EntrySource::Next next = source.next(entry);
        if (next == EntrySource::Next::End)
            return Step::Next;
        if (next == EntrySource::Next::Failed) {
            failSource(QCoreApplication::translate("CarInstaller", "the archive is damaged (%1)")
                           .arg(source.errorText()));
            return Step::SourceDone;
        }
        if (entries.size() >= m_limits.maxEntries) {
            failSource(QCoreApplication::translate("CarInstaller",
                                                   "it holds more than %1 entries, more than any car needs")
                           .arg(countText(m_limits.maxEntries)));
            return Step::SourceDone;
        }
        qint64 size = 0;
        if (entry.kind == SourceEntry::Kind::File)
            size = qMax<qint64>(0, entry.size);
        else if (entry.kind == SourceEntry::Kind::Hardlink)
            size = declaredSizes.value(key(entry.linkTarget));
        if (entry.kind == SourceEntry::Kind::File || entry.kind == SourceEntry::Kind::Hardlink)
            declaredSizes.insert(key(entry.path), size);
        declared += size;
        if (declared > m_limits.maxUnpackedBytes) {
            failSource(QCoreApplication::translate("CarInstaller", "it would unpack to more than %1")
                           .arg(sizeText(m_limits.maxUnpackedBytes)));
            return Step::SourceDone;
        }
        entries << entry;
        // Reading the names of a big solid archive takes a while too: let the progress show.
        if (entries.size() % 256 == 0 && m_platform.progress)
            m_platform.progress->step(m_sourceIndex);
        if (entries.size() % 256 == 0 && isCancelled()) {
            m_summary.cancelled = true;
            failSource(QCoreApplication::translate("CarInstaller", "the install was cancelled"));
            return Step::Stop;
        }
    }
}

bool CarInstaller::planSource(const QString& path, SourceInstall& install)
{
    refreshExisting();
    install.plan = planArchive(install.entries, sourceBaseName(path), [this](const QString& name) {
        return !existingIn(m_carNames, name).isEmpty() || !existingIn(m_garageNames, name).isEmpty();
    });
    const ArchivePlan& plan = install.plan;
    for (const RefusedEntry& refused : plan.refused)
        m_summary.refused.append({m_label, refused.path, refused.reason});
    for (const QString& item : plan.leftOut)
        m_summary.leftOut.append({m_label, item, QString()});
    if (plan.cars.isEmpty() && plan.additions.isEmpty()) {
        failSource(
            QCoreApplication::translate("CarInstaller", "it holds no car (no folder with a parameters.txt)"));
        return false;
    }
    m_planned.clear();
    for (const FoundCar& car : plan.cars)
        decideCar(m_label, car, install.cars);
    for (const FoundAddition& addition : plan.additions)
        decideAddition(m_label, addition, install.additions);
    return true;
}

} // namespace parkwen
