#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <QStringList>

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

} // namespace parkwen
