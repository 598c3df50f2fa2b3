#pragma once

#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QString>
#include <QStringList>

namespace parkwen {

// The sets folder ("sets" in the program folder) and the set files in it. Folder and file names
// are looked up ignoring case, as the player's files may come from a system that ignores it;
// member names are compared exactly.
class SetStore
{
public:
    static inline const QString FolderName = QStringLiteral("sets");
    static inline const QString BlankSet = QStringLiteral("blank.pkn");
    static inline const QString Pattern = QStringLiteral("*.pkn");

    SetStore(FileSystem& fs, QString programFolder) : m_fs(fs), m_programFolder(std::move(programFolder)) {}

    FileSystem& fs() { return m_fs; }
    // The full path of the sets folder (which need not exist yet).
    QString folder();
    // The full path of a set file in the sets folder.
    QString pathOf(const QString& fileName);

    // A set exists when a plain file of that name is in the sets folder.
    bool exists(const QString& fileName);
    // Whether anything (a set, or a folder) already has that name in the sets folder.
    bool isTaken(const QString& fileName);
    // The set files ("*.pkn") of the sets folder, sorted ignoring case.
    QStringList list();

    // The members of a set in file order.
    Result<QStringList> read(const QString& fileName);
    // Writes the set whole or not at all: an existing file of that name is replaced only once the new
    // one is complete.
    Error write(const QString& fileName, const QStringList& members);

    // The sets folder is set up once it holds the blank set.
    bool isSetUp();
    // Sets up the sets folder unless it is set up: tells the user so, creates the folder if needed and
    // puts "blank.pkn" into it (a copy of the one in the program folder, or an empty set when the
    // program folder has none).
    Error setUp(Dialogs& dialogs);

private:
    FileSystem& m_fs;
    QString m_programFolder;
};

} // namespace parkwen
