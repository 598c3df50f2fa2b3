#pragma once

#include "install/carplan.h"
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

// A car of the same name (ignoring case) already in one of the two folders, or earlier in the
// same install.
struct CarClash
{
    QString source;       // the archive's file name
    QString name;         // the new car's name
    QString existingName; // the name of the car already there
    bool existingInGarage = false;
    bool existingInDestination = false;
    bool inSameSource = false;           // a second car of that name in the same archive
    QString keepBothName;                // the name "Keep Both" would give the new car
    bool existingDeletedForGood = false; // replacing it cannot send it to the trash
};

enum class ClashChoice { Replace, KeepBoth, Skip };

struct ClashAnswer
{
    ClashChoice choice = ClashChoice::Skip;
    bool forAll = false; // the same answer for every further clash of this install
};

// The questions an install asks. The window asks the user; the command line answers from its
// options; tests answer from a script.
class InstallQuestions
{
public:
    virtual ~InstallQuestions() = default;
    virtual ClashAnswer clash(const CarClash& clash) = 0;
    // Files for a car already installed (a skin pack): add the new ones?
    virtual bool addFiles(const QString& source, const QString& car, bool carInGarage,
                          const QStringList& newFiles, const QStringList& existingFiles) = 0;
    // Replace one existing file of that car?
    virtual bool replaceFile(const QString& source, const QString& car, const QString& file) = 0;
};

// Answers without asking: one choice for every clash, skin packs added or not (not unless told),
// and existing files never replaced. For installs without a window.
class FixedInstallAnswers : public InstallQuestions
{
public:
    explicit FixedInstallAnswers(ClashChoice clash = ClashChoice::Skip, bool addFiles = false)
        : m_clash(clash), m_addFiles(addFiles)
    {
    }
    ClashAnswer clash(const CarClash&) override { return {m_clash, true}; }
    bool addFiles(const QString&, const QString&, bool, const QStringList&, const QStringList&) override
    {
        return m_addFiles;
    }
    bool replaceFile(const QString&, const QString&, const QString&) override { return false; }

private:
    ClashChoice m_clash;
    bool m_addFiles;
};

// Asks the skin-pack questions through message boxes; the clash question is left to a subclass,
// which needs buttons of its own.
class DialogsInstallQuestions : public InstallQuestions
{
public:
    explicit DialogsInstallQuestions(Dialogs& dialogs) : m_dialogs(dialogs) {}
    bool addFiles(const QString& source, const QString& car, bool carInGarage, const QStringList& newFiles,
                  const QStringList& existingFiles) override;
    bool replaceFile(const QString& source, const QString& car, const QString& file) override;

    static QString clashText(const CarClash& clash);

protected:
    Dialogs& m_dialogs;
};

// What an install did, for the one message afterwards and for bringing the lists up to date.
struct InstallSummary
{
    struct Car
    {
        QString name; // the folder name it has now
        QString source;
        QString keptBeside;   // "Keep Both": the car it was kept beside
        QString replacedName; // "Replace": the car that made way
        bool replacedInGarage = false;
        bool replacedToTrash = false;
        bool hasPicture = true; // false: the lists do not show it (no .jpg or .bmp)
    };
    struct Addition
    {
        QString car;
        bool inGarage = false;
        QString source;
        QStringList files;
    };
    struct Note
    {
        QString source;
        QString what;
        QString why;
    };

    bool toGarage = false;
    QList<Car> installed;
    QList<Addition> additions;
    QList<Note> skipped; // cars not installed, and why
    QList<Note> refused; // unsafe entries that were not written
    QList<Note> leftOut; // everything outside a car
    QList<Note> failed;  // sources of which nothing was installed
    bool cancelled = false;

    // The text of the summary message. Long lists are cut after `maxNames` names.
    QString text(int maxNames = 25) const;
};

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

    // False once the install was cancelled.
    bool installSource(const QString& path);
    void refreshExisting();
    // The name of a car of that name (ignoring case) in a folder's listing, or empty.
    QString existingIn(const QHash<QString, QString>& names, const QString& name) const;
    QString freeName(const QString& name) const;
    bool decideCar(const QString& source, const FoundCar& car, QList<CarJob>& jobs);
    void decideAddition(const QString& source, const FoundAddition& addition, QList<AdditionJob>& jobs);
    // Unpacks the planned entries into their staging folders. Empty on success, else why not.
    QString unpack(EntrySource& source, const QHash<int, Write>& writes, qint64 totalBytes, bool& cancelled);
    Error placeCar(CarJob& job, bool& toTrash);
    bool isCancelled() const { return m_cancelled && m_cancelled(); }

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
