#include "install/carinstaller.h"

#include "install/installwords.h"
#include "library/carlibrary.h"

#include <QCoreApplication>

namespace parkwen {

using installwords::folderLabel;

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

// ---------------------------------------------------------------------------------------------
// Cars

bool CarInstaller::decideCar(const QString& source, const FoundCar& car, QList<CarJob>& jobs)
{
    const QString& name = car.name;
    if (name.startsWith(QLatin1Char('.'))) {
        m_summary.skipped.append({source, name,
                                  QCoreApplication::translate(
                                      "CarInstaller", "a hidden folder name, which the lists never show")});
        return false;
    }
    if (toGarage() && isStockCar(name)) {
        m_summary.skipped.append(
            {source, name,
             QCoreApplication::translate("CarInstaller",
                                         "a stock car's name: such a car goes only into the Car Folder")});
        return false;
    }
    CarJob job;
    job.car = &car;
    job.finalName = name;
    const std::optional<CarClash> clash = clashOf(source, name);
    if (clash && !settleClash(*clash, job, jobs))
        return false;
    m_planned.insert(job.finalName.toCaseFolded(), job.finalName);
    jobs << job;
    return true;
}

std::optional<CarClash> CarInstaller::clashOf(const QString& source, const QString& name)
{
    const QHash<QString, QString>& inDestination = toGarage() ? m_garageNames : m_carNames;
    const QHash<QString, QString>& inOther = toGarage() ? m_carNames : m_garageNames;
    const QString planned = existingIn(m_planned, name);
    const QString here = existingIn(inDestination, name);
    const QString there = existingIn(inOther, name);
    if (planned.isEmpty() && here.isEmpty() && there.isEmpty())
        return std::nullopt;

    CarClash clash;
    clash.source = source;
    clash.name = name;
    if (!planned.isEmpty()) {
        clash.inSameSource = true;
        clash.existingName = planned;
        clash.existingInDestination = true;
        clash.existingInGarage = toGarage();
    } else if (!here.isEmpty()) {
        clash.existingName = here;
        clash.existingInDestination = true;
        clash.existingInGarage = toGarage();
    } else {
        clash.existingName = there;
        clash.existingInGarage = !toGarage();
    }
    clash.keepBothName = freeName(name);
    if (!clash.inSameSource)
        clash.existingDeletedForGood =
            m_door.deleteWayFor(existingCarPath(clash)) == MoveEngine::DeleteWay::ForGood;
    return clash;
}

QString CarInstaller::existingCarPath(const CarClash& clash) const
{
    return joinPath(clash.existingInGarage ? m_garageFolder : m_carFolder, clash.existingName);
}

bool CarInstaller::settleClash(const CarClash& clash, CarJob& job, QList<CarJob>& jobs)
{
    const ClashAnswer answer = m_forAll ? *m_forAll : m_questions.clash(clash);
    if (answer.forAll)
        m_forAll = answer;
    switch (answer.choice) {
    case ClashChoice::Skip:
        m_summary.skipped.append(
            {clash.source, clash.name,
             QCoreApplication::translate("CarInstaller", "a car of that name is already in the %1")
                 .arg(folderLabel(clash.existingInGarage))});
        return false;
    case ClashChoice::KeepBoth:
        job.finalName = clash.keepBothName;
        job.keptBeside = clash.existingName;
        return true;
    case ClashChoice::Replace:
        if (clash.inSameSource) {
            replaceEarlierCar(clash, job, jobs);
        } else {
            job.replacedName = clash.existingName;
            job.replacedInGarage = clash.existingInGarage;
            job.replacePath = existingCarPath(clash);
        }
        return true;
    }
    return true;
}

// A second car of the same name in one archive: the later one wins.
void CarInstaller::replaceEarlierCar(const CarClash& clash, CarJob& job, QList<CarJob>& jobs)
{
    const QString key = clash.existingName.toCaseFolded();
    for (CarJob& earlier : jobs) {
        if (!earlier.dropped && earlier.finalName.toCaseFolded() == key) {
            earlier.dropped = true;
            m_summary.skipped.append(
                {clash.source, earlier.finalName,
                 QCoreApplication::translate(
                     "CarInstaller", "replaced by a later car of the same name in the same archive")});
            // The car the earlier one was to replace makes way for this one instead.
            job.replacePath = earlier.replacePath;
            job.replacedName = earlier.replacedName;
            job.replacedInGarage = earlier.replacedInGarage;
        }
    }
    m_planned.remove(key);
}

// ---------------------------------------------------------------------------------------------
// Skin packs

void CarInstaller::decideAddition(const QString& source, const FoundAddition& addition,
                                  QList<AdditionJob>& jobs)
{
    AdditionJob job;
    job.addition = &addition;
    if (!findAdditionCar(addition.carName, job))
        return;

    QStringList newFiles;
    QStringList existingFiles;
    QList<PlannedEntry> existingEntries;
    for (const PlannedEntry& file : addition.files) {
        if (carHasFile(job.carPath, file.relative)) {
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

bool CarInstaller::findAdditionCar(const QString& carName, AdditionJob& job) const
{
    for (bool garage : {toGarage(), !toGarage()}) {
        const QString name = existingIn(garage ? m_garageNames : m_carNames, carName);
        if (!name.isEmpty()) {
            job.carName = name;
            job.inGarage = garage;
            job.carPath = joinPath(garage ? m_garageFolder : m_carFolder, name);
            return true;
        }
    }
    return false;
}

bool CarInstaller::carHasFile(const QString& carPath, const QString& relative) const
{
    // Looked up ignoring case, as the game finds its files.
    FileSystem& fs = m_platform.fs;
    QString folder = carPath;
    for (const QString& name : relative.split(QLatin1Char('/'))) {
        const QString resolved = joinPath(folder, fs.resolve(folder, name));
        if (!fs.exists(resolved))
            return false;
        folder = resolved;
    }
    return true;
}

} // namespace parkwen
