#pragma once

#include "install/carplan.h"
#include "install/installquestions.h"
#include "install/installsummary.h"
#include "install/unpacker.h"
#include "library/moveengine.h"
#include "platform/platform.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parkwen {

// Installs cars from archives (or car folders) into the Car Folder or the Garage Folder. Works
// without a window: questions go through InstallQuestions, progress through the platform's
// Progress, and the result comes back as a summary.
//
//   FixedInstallAnswers answers(ClashChoice::Skip);
//   CarInstaller installer(platform, carFolder, garageFolder, answers);
//   InstallSummary summary = installer.install({"/tmp/pack.zip"}, CarInstaller::Target::Garage);
//   puts(qPrintable(summary.text(INT_MAX)));
class CarInstaller
{
public:
    enum class Target { CarFolder, GarageFolder };

    CarInstaller(Platform platform, QString carFolder, QString garageFolder, InstallQuestions& questions);

    void setLimits(const InstallLimits& limits) { m_limits = limits; }
    // Polled while unpacking; returning true stops the install and removes what it had unpacked of
    // the archive at hand.
    void setCancelCheck(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

    InstallSummary install(const QStringList& sources, Target target);

private:
    struct CarJob
    {
        const FoundCar* car = nullptr;
        QString finalName;
        QString keptBeside;
        QString replacePath; // the existing car that makes way, or empty
        QString replacedName;
        bool replacedInGarage = false;
        QString staging;
        bool dropped = false;
    };
    struct AdditionJob
    {
        const FoundAddition* addition = nullptr;
        QString carPath; // the existing car's folder
        QString carName;
        bool inGarage = false;
        QList<PlannedEntry> files; // those to write
        QString staging;
    };
    struct Write
    {
        QString staging;
        PlannedEntry entry;
        QString sourcePath; // the entry's path when the source was first read
    };
    // One source on its way in: what it holds, what becomes of it, and what is to be written where.
    // The jobs point into the plan, so it stays where it was made.
    struct SourceInstall
    {
        QList<SourceEntry> entries;
        ArchivePlan plan;
        QList<CarJob> cars;
        QList<AdditionJob> additions;
        QHash<int, Write> writes; // by the entry's index in the source
        qint64 totalBytes = 0;
    };
    // How a step of a source's install ended: go on with the next step, go on with the next
    // source, or stop the install.
    enum class Step { Next, SourceDone, Stop };

    // False once the install was cancelled.
    bool installSource(const QString& path);
    void failSource(const QString& why);
    // The first pass: the entries' names, kinds and sizes, and the limits that need only those.
    Step readEntries(EntrySource& source, QList<SourceEntry>& entries);
    // Sorts the entries into cars and skin packs and decides what becomes of each. False when the
    // source holds neither.
    bool planSource(const QString& path, SourceInstall& install);
    void refreshExisting();
    // The name of a car of that name (ignoring case) in a folder's listing, or empty.
    QString existingIn(const QHash<QString, QString>& names, const QString& name) const;
    QString freeName(const QString& name) const;
    bool decideCar(const QString& source, const FoundCar& car, QList<CarJob>& jobs);
    // The car of that name already in a folder or earlier in the source, if there is one.
    std::optional<CarClash> clashOf(const QString& source, const QString& name);
    QString existingCarPath(const CarClash& clash) const;
    // Asks about a clash and applies the answer to the job. False when the car is skipped.
    bool settleClash(const CarClash& clash, CarJob& job, QList<CarJob>& jobs);
    void replaceEarlierCar(const CarClash& clash, CarJob& job, QList<CarJob>& jobs);
    void decideAddition(const QString& source, const FoundAddition& addition, QList<AdditionJob>& jobs);
    // The car the skin pack's files are for, in the destination first, then in the other folder.
    bool findAdditionCar(const QString& carName, AdditionJob& job) const;
    bool carHasFile(const QString& carPath, const QString& relative) const;
    // Makes a staging folder for every job and lists what goes into each. False (with the source
    // failed and every staging folder gone) when a folder cannot be made.
    bool makeStagingFolders(SourceInstall& install);
    void discardStaging(SourceInstall& install);
    // Unpacks the planned entries into their staging folders. Empty on success, else why not.
    QString unpack(EntrySource& source, const QHash<int, Write>& writes, qint64 totalBytes, bool& cancelled);
    void placeCars(QList<CarJob>& jobs);
    Error placeCar(CarJob& job, bool& toTrash);
    void noteInstalled(const CarJob& job, bool toTrash);
    void placeAdditions(QList<AdditionJob>& jobs);
    bool isCancelled() const { return m_cancelled && m_cancelled(); }
    bool toGarage() const { return m_target == Target::GarageFolder; }
    QString destination() const { return toGarage() ? m_garageFolder : m_carFolder; }

    Platform m_platform;
    // Every change to the folders goes through the library's one door.
    MoveEngine m_door{m_platform.fs, &m_platform.dialogs};
    QString m_carFolder;
    QString m_garageFolder;
    InstallQuestions& m_questions;
    InstallLimits m_limits;
    std::function<bool()> m_cancelled;

    Target m_target = Target::CarFolder;
    InstallSummary m_summary;
    std::optional<ClashAnswer> m_forAll;
    QHash<QString, QString> m_carNames;    // lower case -> name, Car Folder
    QHash<QString, QString> m_garageNames; // lower case -> name, Garage Folder
    QHash<QString, QString> m_planned;     // lower case -> name, cars of the archive at hand
    QString m_label;                       // the file name of the source at hand
    int m_sourceIndex = 0;
};

} // namespace parkwen
