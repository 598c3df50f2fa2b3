#include "install/carinstaller.h"

#include "library/carlibrary.h"
#include "library/moveengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <limits>

namespace parkwen {

namespace {

QString folderLabel(bool garage)
{
    return garage ? QCoreApplication::translate("CarInstaller", "Garage Folder")
                  : QCoreApplication::translate("CarInstaller", "Car Folder");
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString parentOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at <= 0 ? QStringLiteral("/") : path.left(at);
}

QString cutList(QStringList names, int maxNames)
{
    if (maxNames > 0 && names.size() > maxNames) {
        const qsizetype rest = names.size() - maxNames;
        names = names.mid(0, maxNames);
        names << QCoreApplication::translate("CarInstaller", "and %1 more").arg(countText(rest));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Questions through message boxes

QString DialogsInstallQuestions::clashText(const CarClash& clash)
{
    if (clash.inSameSource)
        return QCoreApplication::translate(
                   "CarInstaller",
                   "%1 holds two cars named %2.\n\nReplace the first with the second, keep both "
                   "(the second as %3), or skip the second?")
            .arg(clash.source, quoted(clash.name), quoted(clash.keepBothName));
    return QCoreApplication::translate(
               "CarInstaller",
               "The %1 already holds a car named %2.\n\nReplace it with %3 from %4, keep both "
               "(the new car as %5), or skip %3?")
               .arg(folderLabel(clash.existingInGarage), quoted(clash.existingName), quoted(clash.name),
                    clash.source, quoted(clash.keepBothName)) +
           (clash.existingDeletedForGood
                ? QCoreApplication::translate(
                      "CarInstaller",
                      "\n\nIts disk has no trash: if it is replaced, it will be deleted for good.")
                : QString());
}

bool DialogsInstallQuestions::addFiles(const QString& source, const QString& car, bool carInGarage,
                                       const QStringList& newFiles, const QStringList& existingFiles)
{
    QString text = QCoreApplication::translate(
                       "CarInstaller", "%1 holds files for the car %2 in the %3, without a parameters.txt: "
                                       "a skin pack or an update for that car.")
                       .arg(source, quoted(car), folderLabel(carInGarage));
    if (!newFiles.isEmpty())
        text += QCoreApplication::translate("CarInstaller", "\n\nNew files: ") + cutList(newFiles, 15) +
                QLatin1Char('.');
    if (!existingFiles.isEmpty())
        text += QCoreApplication::translate("CarInstaller",
                                            "\nFiles the car has already (you will be asked about each): ") +
                cutList(existingFiles, 15) + QLatin1Char('.');
    text += QCoreApplication::translate("CarInstaller", "\n\nAdd them to %1?").arg(quoted(car));
    return m_dialogs.message(text, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

bool DialogsInstallQuestions::replaceFile(const QString& source, const QString& car, const QString& file)
{
    const QString text =
        QCoreApplication::translate("CarInstaller",
                                    "The car %1 already has the file %2.\n\nReplace it with the one from %3?")
            .arg(quoted(car), quoted(file), source);
    return m_dialogs.message(text, Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) ==
           Dialogs::Answer::Yes;
}

// ---------------------------------------------------------------------------------------------
// The summary

QString InstallSummary::text(int maxNames) const
{
    QStringList parts;
    const QString destination = folderLabel(toGarage);
    if (installed.isEmpty() && additions.isEmpty())
        parts << QCoreApplication::translate("CarInstaller", "No car was installed.");
    if (!installed.isEmpty()) {
        QStringList names;
        for (const Car& car : installed) {
            QString text = car.name;
            QStringList notes;
            if (!car.keptBeside.isEmpty())
                notes << QCoreApplication::translate("CarInstaller", "kept beside %1").arg(car.keptBeside);
            if (!car.replacedName.isEmpty())
                notes << QCoreApplication::translate("CarInstaller", "replacing %1 of the %2, which %3")
                             .arg(car.replacedName, folderLabel(car.replacedInGarage),
                                  car.replacedToTrash
                                      ? QCoreApplication::translate("CarInstaller", "went to the trash")
                                      : QCoreApplication::translate("CarInstaller", "was deleted"));
            if (!car.hasPicture)
                notes << QCoreApplication::translate(
                    "CarInstaller", "it has no .jpg or .bmp picture, so the lists do not show it");
            if (!notes.isEmpty())
                text += QStringLiteral(" (") + notes.join(QStringLiteral("; ")) + QLatin1Char(')');
            names << text;
        }
        parts << QCoreApplication::translate("CarInstaller", "Installed into the %1 (%2 %3): %4.")
                     .arg(destination, countText(installed.size()),
                          installed.size() == 1 ? QCoreApplication::translate("CarInstaller", "car")
                                                : QCoreApplication::translate("CarInstaller", "cars"),
                          cutList(names, maxNames));
    }
    for (const Addition& addition : additions)
        parts << QCoreApplication::translate("CarInstaller", "Added to %1 in the %2, from %3: %4.")
                     .arg(addition.car, folderLabel(addition.inGarage), addition.source,
                          cutList(addition.files, maxNames));

    // Cars passed over, grouped by the reason.
    QStringList reasons;
    QHash<QString, QStringList> byReason;
    for (const Note& note : skipped) {
        if (!byReason.contains(note.why))
            reasons << note.why;
        byReason[note.why] << note.what;
    }
    for (const QString& why : std::as_const(reasons))
        parts << QCoreApplication::translate("CarInstaller", "Not installed (%1): %2.")
                     .arg(why, cutList(byReason.value(why), maxNames));

    auto bySource = [&](const QList<Note>& notes, const QString& heading, bool withWhy) {
        QStringList sources;
        QHash<QString, QStringList> items;
        for (const Note& note : notes) {
            if (!items.contains(note.source))
                sources << note.source;
            items[note.source] << (withWhy ? note.what + QStringLiteral(" (") + note.why + QLatin1Char(')')
                                           : note.what);
        }
        for (const QString& source : std::as_const(sources))
            parts << heading.arg(source, cutList(items.value(source), maxNames));
    };
    bySource(refused,
             QCoreApplication::translate("CarInstaller", "Refused in %1 as unsafe, not written: %2."), true);
    bySource(leftOut,
             QCoreApplication::translate("CarInstaller", "Left out of %1, as not part of any car: %2."),
             false);
    for (const Note& note : failed)
        parts << QCoreApplication::translate("CarInstaller", "Nothing of %1 was installed: %2.")
                     .arg(note.source, note.why);
    return parts.join(QStringLiteral("\n\n"));
}

// ---------------------------------------------------------------------------------------------
// The installer

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
    const QString destination = m_summary.toGarage ? m_garageFolder : m_carFolder;
    if (!m_platform.fs.isFolder(destination)) {
        for (const QString& source : sources)
            m_summary.failed.append({QFileInfo(source).fileName(), QString(),
                                     QCoreApplication::translate("CarInstaller", "the %1 %2 is not there")
                                         .arg(folderLabel(m_summary.toGarage), destination)});
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

void CarInstaller::refreshExisting()
{
    auto read = [this](const QString& folder, QHash<QString, QString>& names) {
        names.clear();
        auto listed = m_platform.fs.listFolders(folder);
        if (!listed.ok())
            return;
        for (const QString& path : listed.value()) {
            const QString name = lastName(path);
            names.insert(name.toCaseFolded(), name);
        }
    };
    read(m_carFolder, m_carNames);
    read(m_garageFolder, m_garageNames);
}

QString CarInstaller::existingIn(const QHash<QString, QString>& names, const QString& name) const
{
    return names.value(name.toCaseFolded());
}

QString CarInstaller::freeName(const QString& name) const
{
    for (int n = 2;; ++n) {
        const QString candidate = name + QLatin1Char('-') + QString::number(n);
        const QString key = candidate.toCaseFolded();
        if (!m_carNames.contains(key) && !m_garageNames.contains(key) && !m_planned.contains(key))
            return candidate;
    }
}

bool CarInstaller::decideCar(const QString& source, const FoundCar& car, QList<CarJob>& jobs)
{
    const bool toGarage = m_target == Target::GarageFolder;
    const QString& name = car.name;
    if (name.startsWith(QLatin1Char('.'))) {
        m_summary.skipped.append({source, name,
                                  QCoreApplication::translate(
                                      "CarInstaller", "a hidden folder name, which the lists never show")});
        return false;
    }
    if (toGarage && isStockCar(name)) {
        m_summary.skipped.append(
            {source, name,
             QCoreApplication::translate("CarInstaller",
                                         "a stock car's name: such a car goes only into the Car Folder")});
        return false;
    }
    const QHash<QString, QString>& inDestination = toGarage ? m_garageNames : m_carNames;
    const QHash<QString, QString>& inOther = toGarage ? m_carNames : m_garageNames;
    const QString planned = existingIn(m_planned, name);
    const QString here = existingIn(inDestination, name);
    const QString there = existingIn(inOther, name);

    CarJob job;
    job.car = &car;
    job.finalName = name;
    if (!planned.isEmpty() || !here.isEmpty() || !there.isEmpty()) {
        CarClash clash;
        clash.source = source;
        clash.name = name;
        if (!planned.isEmpty()) {
            clash.inSameSource = true;
            clash.existingName = planned;
            clash.existingInDestination = true;
            clash.existingInGarage = toGarage;
        } else if (!here.isEmpty()) {
            clash.existingName = here;
            clash.existingInDestination = true;
            clash.existingInGarage = toGarage;
        } else {
            clash.existingName = there;
            clash.existingInGarage = !toGarage;
        }
        clash.keepBothName = freeName(name);
        if (planned.isEmpty()) {
            const QString existing =
                joinPath(clash.existingInGarage ? m_garageFolder : m_carFolder, clash.existingName);
            clash.existingDeletedForGood = m_door.deleteWayFor(existing) == MoveEngine::DeleteWay::ForGood;
        }
        const ClashAnswer answer = m_forAll ? *m_forAll : m_questions.clash(clash);
        if (answer.forAll)
            m_forAll = answer;
        switch (answer.choice) {
        case ClashChoice::Skip:
            m_summary.skipped.append(
                {source, name,
                 QCoreApplication::translate("CarInstaller", "a car of that name is already in the %1")
                     .arg(folderLabel(clash.existingInGarage))});
            return false;
        case ClashChoice::KeepBoth:
            job.finalName = clash.keepBothName;
            job.keptBeside = clash.existingName;
            break;
        case ClashChoice::Replace:
            if (!planned.isEmpty()) {
                // A second car of the same name in one archive: the later one wins.
                for (CarJob& earlier : jobs) {
                    if (!earlier.dropped && earlier.finalName.toCaseFolded() == planned.toCaseFolded()) {
                        earlier.dropped = true;
                        m_summary.skipped.append(
                            {source, earlier.finalName,
                             QCoreApplication::translate(
                                 "CarInstaller",
                                 "replaced by a later car of the same name in the same archive")});
                        job.replacePath = earlier.replacePath;
                        job.replacedName = earlier.replacedName;
                        job.replacedInGarage = earlier.replacedInGarage;
                    }
                }
                m_planned.remove(planned.toCaseFolded());
            } else {
                job.replacedName = clash.existingName;
                job.replacedInGarage = clash.existingInGarage;
                job.replacePath =
                    joinPath(clash.existingInGarage ? m_garageFolder : m_carFolder, clash.existingName);
            }
            break;
        }
    }
    m_planned.insert(job.finalName.toCaseFolded(), job.finalName);
    jobs << job;
    return true;
}

void CarInstaller::decideAddition(const QString& source, const FoundAddition& addition,
                                  QList<AdditionJob>& jobs)
{
    const bool toGarage = m_target == Target::GarageFolder;
    // The car in the destination first, then the one in the other folder.
    AdditionJob job;
    job.addition = &addition;
    for (bool garage : {toGarage, !toGarage}) {
        const QString name = existingIn(garage ? m_garageNames : m_carNames, addition.carName);
        if (!name.isEmpty()) {
            job.carName = name;
            job.inGarage = garage;
            job.carPath = joinPath(garage ? m_garageFolder : m_carFolder, name);
            break;
        }
    }
    if (job.carPath.isEmpty())
        return;

    FileSystem& fs = m_platform.fs;
    QStringList newFiles;
    QStringList existingFiles;
    QList<PlannedEntry> existingEntries;
    for (const PlannedEntry& file : addition.files) {
        // Looked up ignoring case, as the game finds its files.
        QString folder = job.carPath;
        const QStringList names = file.relative.split(QLatin1Char('/'));
        bool exists = true;
        for (const QString& name : names) {
            const QString resolved = joinPath(folder, fs.resolve(folder, name));
            if (!fs.exists(resolved)) {
                exists = false;
                break;
            }
            folder = resolved;
        }
        if (exists) {
            existingFiles << file.relative;
            existingEntries << file;
        } else {
            newFiles << file.relative;
            job.files << file;
        }
    }
    if (!m_questions.addFiles(source, job.carName, job.inGarage, newFiles, existingFiles)) {
        m_summary.skipped.append(
            {source, QCoreApplication::translate("CarInstaller", "files for %1").arg(job.carName),
             QCoreApplication::translate("CarInstaller", "you chose not to add them")});
        return;
    }
    for (const PlannedEntry& file : std::as_const(existingEntries)) {
        if (m_questions.replaceFile(source, job.carName, file.relative))
            job.files << file;
    }
    if (job.files.isEmpty())
        return;
    jobs << job;
}

bool CarInstaller::installSource(const QString& path)
{
    const QString label = QFileInfo(path).fileName();
    m_label = label;
    FileSystem& fs = m_platform.fs;
    const bool toGarage = m_target == Target::GarageFolder;
    const QString destination = toGarage ? m_garageFolder : m_carFolder;
    auto fail = [&](const QString& why) { m_summary.failed.append({label, QString(), why}); };

    std::unique_ptr<EntrySource> source = openSource(path);
    if (!source->open()) {
        fail(QCoreApplication::translate("CarInstaller", "it cannot be read as an archive (%1)")
                 .arg(source->errorText()));
        return true;
    }

    // First pass: the entries' names, kinds and sizes, and the limits that need only those.
    QList<SourceEntry> entries;
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
        const EntrySource::Next next = source->next(entry);
        if (next == EntrySource::Next::End)
            break;
        if (next == EntrySource::Next::Failed) {
            fail(QCoreApplication::translate("CarInstaller", "the archive is damaged (%1)")
                     .arg(source->errorText()));
            return true;
        }
        if (entries.size() >= m_limits.maxEntries) {
            fail(QCoreApplication::translate("CarInstaller",
                                             "it holds more than %1 entries, more than any car needs")
                     .arg(countText(m_limits.maxEntries)));
            return true;
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
            fail(QCoreApplication::translate("CarInstaller", "it would unpack to more than %1")
                     .arg(sizeText(m_limits.maxUnpackedBytes)));
            return true;
        }
        entries << entry;
        // Reading the names of a big solid archive takes a while too: let the progress show.
        if (entries.size() % 256 == 0 && m_platform.progress)
            m_platform.progress->step(m_sourceIndex);
        if (entries.size() % 256 == 0 && isCancelled()) {
            m_summary.cancelled = true;
            fail(QCoreApplication::translate("CarInstaller", "the install was cancelled"));
            return false;
        }
    }

    refreshExisting();
    const ArchivePlan plan = planArchive(entries, sourceBaseName(path), [this](const QString& name) {
        return !existingIn(m_carNames, name).isEmpty() || !existingIn(m_garageNames, name).isEmpty();
    });
    for (const RefusedEntry& refused : plan.refused)
        m_summary.refused.append({label, refused.path, refused.reason});
    for (const QString& item : plan.leftOut)
        m_summary.leftOut.append({label, item, QString()});
    if (plan.cars.isEmpty() && plan.additions.isEmpty()) {
        fail(
            QCoreApplication::translate("CarInstaller", "it holds no car (no folder with a parameters.txt)"));
        return true;
    }

    m_planned.clear();
    QList<CarJob> cars;
    for (const FoundCar& car : plan.cars)
        decideCar(label, car, cars);
    QList<AdditionJob> additions;
    for (const FoundAddition& addition : plan.additions)
        decideAddition(label, addition, additions);

    // From the first staging folder to the last car placed, no other Parkwen changes the folders,
    // and none takes this install's staging folders for leftovers of a crash.
    MoveEngine& door = m_door;
    const MoveEngine::Lock held = door.lock({m_carFolder, m_garageFolder});
    if (!held.held()) {
        fail(MoveEngine::busyError().description());
        return false;
    }

    // Each car is put together in a staging folder of its own beside where it will stand.
    QHash<int, Write> writes;
    qint64 totalBytes = 0;
    auto removeAllStaging = [&] {
        for (CarJob& job : cars)
            door.discardStaging(job.staging);
        for (AdditionJob& job : additions)
            door.discardStaging(job.staging);
    };
    for (CarJob& job : cars) {
        if (job.dropped)
            continue;
        auto staging = door.makeStagingFolder(destination, job.finalName);
        if (!staging.ok()) {
            removeAllStaging();
            fail(QCoreApplication::translate("CarInstaller", "no folder could be made in the %1 (%2)")
                     .arg(folderLabel(toGarage), staging.error().description()));
            return true;
        }
        job.staging = staging.value();
        for (const PlannedEntry& entry : job.car->entries)
            writes.insert(entry.index, {job.staging, entry, entries[entry.index].path});
        totalBytes += job.car->bytes;
    }
    for (AdditionJob& job : additions) {
        auto staging = door.makeStagingFolder(parentOf(job.carPath), job.carName);
        if (!staging.ok()) {
            removeAllStaging();
            fail(QCoreApplication::translate("CarInstaller", "no folder could be made beside %1 (%2)")
                     .arg(job.carName, staging.error().description()));
            return true;
        }
        job.staging = staging.value();
        for (const PlannedEntry& entry : std::as_const(job.files)) {
            writes.insert(entry.index, {job.staging, entry, entries[entry.index].path});
            totalBytes += qMax<qint64>(0, entry.size);
        }
    }
    if (writes.isEmpty()) {
        removeAllStaging();
        return true;
    }

    bool cancelled = false;
    const QString why = unpack(*source, writes, totalBytes, cancelled);
    if (cancelled) {
        removeAllStaging();
        m_summary.cancelled = true;
        fail(QCoreApplication::translate("CarInstaller", "the install was cancelled"));
        return false;
    }
    if (!why.isEmpty()) {
        removeAllStaging();
        fail(why);
        return true;
    }

    // Everything is unpacked: the cars go into place one by one.
    for (CarJob& job : cars) {
        if (job.dropped)
            continue;
        bool toTrash = false;
        const Error placed = placeCar(job, toTrash);
        // Whatever is left of the staging folder goes: all of it on failure, its empty shell after.
        door.discardStaging(job.staging);
        if (Error e = placed) {
            m_summary.skipped.append(
                {label, job.finalName,
                 QCoreApplication::translate("CarInstaller", "it could not be put in place: %1")
                     .arg(e.description())});
            continue;
        }
        InstallSummary::Car car;
        car.name = job.finalName;
        car.source = label;
        car.keptBeside = job.keptBeside;
        car.replacedName = job.replacedName;
        car.replacedInGarage = job.replacedInGarage;
        car.replacedToTrash = toTrash;
        const QString folder = joinPath(destination, job.finalName);
        car.hasPicture = !fs.listFiles(folder, QStringLiteral("*.jpg")).isEmpty() ||
                         !fs.listFiles(folder, QStringLiteral("*.bmp")).isEmpty();
        m_summary.installed.append(car);
        if (!job.replacedName.isEmpty())
            (job.replacedInGarage ? m_garageNames : m_carNames).remove(job.replacedName.toCaseFolded());
        (toGarage ? m_garageNames : m_carNames).insert(job.finalName.toCaseFolded(), job.finalName);
    }
    for (AdditionJob& job : additions) {
        QStringList placed;
        const Error e = door.addStagedFilesToCar(job.staging, job.carPath, placed);
        door.discardStaging(job.staging);
        if (!placed.isEmpty())
            m_summary.additions.append({job.carName, job.inGarage, label, placed});
        if (e)
            m_summary.skipped.append(
                {label, QCoreApplication::translate("CarInstaller", "files for %1").arg(job.carName),
                 QCoreApplication::translate("CarInstaller", "they could not be put in place: %1")
                     .arg(e.description())});
    }
    return true;
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

Error CarInstaller::placeCar(CarJob& job, bool& toTrash)
{
    const bool toGarage = m_target == Target::GarageFolder;
    const QString target = joinPath(toGarage ? m_garageFolder : m_carFolder, job.finalName);
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

} // namespace parkwen
