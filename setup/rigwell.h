#pragma once

#include "setup/paths_db.h"

#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QString>

#include <memory>

namespace parkwen {

// What the setup program calls itself.
namespace rigwellInfo {
inline const QString title = QStringLiteral("Parkwen Setup");
inline const QString fileDescription = QStringLiteral("Settings File for Parkwen");
inline const QString productName = QStringLiteral("Parkwen (Setup)");
inline const QString comments = QStringLiteral("This can also be accessed from Parkwen");
inline const QString version = QStringLiteral("1.02");
} // namespace rigwellInfo

// The Max Car Amount as the box keeps it: the leading number of `text` (blanks skipped, an optional
// sign, digits, a decimal point, an exponent; no number reads as 0), written back as the shortest
// decimal text that reads as the same number. Canonical text comes back unchanged.
QString canonicalAmount(const QString& text);

// What is wrong with a pair of folders that would lose cars: the same folder twice, or one inside the
// other (links resolved). Empty when the pair can be stored.
QString folderConflict(const QString& carFolder, const QString& garageFolder);

// The three values of the setup window.
struct SetupValues
{
    QString carFolder;    // the folder list Dir2
    QString garageFolder; // the folder list Dir1
    QString maxCarAmount; // the box mAX, always in canonical form
};

// One run of the setup program against its paths database: opening when the window opens, writing
// when it closes. Everything the user sees goes through `dialogs`.
class SetupSession
{
public:
    SetupSession(QString databaseFile, FileSystem& fs, Dialogs& dialogs);

    // Creates the database (a first run: `values` keep their starting values; so does a database whose
    // table is still empty from an interrupted first run), or beeps and loads the
    // stored values into `values`. A stored folder that no longer exists leaves that value as it was.
    // false: an error has been reported and the program must end at once without writing.
    bool open(SetupValues& values);

    // Whether the folders can be stored; when not, a message naming the problem has been shown.
    bool foldersUsable(const SetupValues& values);

    // Stores the three values, all of them or none. false: the failure has been reported and the
    // database keeps what it held.
    bool close(const SetupValues& values);

    // Set when this run created the database.
    bool isNewDatabase() const { return m_newDatabase; }
    const QString& databaseFile() const { return m_file; }

private:
    Error load(SetupValues& values);
    Error write(const SetupValues& values);
    // Points a folder value at a stored folder; 76 when that folder does not exist.
    Error pointFolder(QString& folder, const QString& stored);
    void report(const Error& e);

    QString m_file;
    FileSystem& m_fs;
    Dialogs& m_dialogs;
    std::shared_ptr<PathsDatabase> m_db;
    bool m_newDatabase = false;
};

} // namespace parkwen
