#pragma once

#include "details/cardoor.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parkwen {

// The parameter files of one car: the list the window shows and the table of file names behind it, kept in
// step (entry k is the file at table position k), and the commands of the parameter area.
// Entry 0 is "Current Parameters", the car's parameters.txt. There is no fixed limit on the number
// of entries.
class ParamFiles
{
public:
    struct Entry
    {
        QString title;    // what the list shows
        QString fileName; // the file in the car's folder
    };

    static QString currentTitle() { return QStringLiteral("Current Parameters"); }
    static QString currentFileName() { return QStringLiteral("Parameters.txt"); }

    ParamFiles(FileSystem& fs, Dialogs& dialogs, QString carPath);

    // Shows the statistics of a parameter file: the window loads the text into its text buffer and
    // runs the statistics reader.
    std::function<void(const QByteArray& text)> showText;

    // Every command that writes into the car goes through `door` (none: straight in).
    void setDoor(CarDoor* door) { m_door = door; }
    CarDoor* door() const { return m_door; }

    const QString& carPath() const { return m_carPath; }
    const QList<Entry>& entries() const { return m_entries; }
    QStringList titles() const;
    int count() const { return int(m_entries.size()); }
    // The full path of a file of the car's folder, its name matched ignoring case.
    QString pathOf(const QString& fileName) const;

    // Fills the list from the text files of the car's folder.
    void fill();
    // Adds a parameter file (its text already read) to the end of the list under its name field.
    void addFile(const QString& fileName, const QByteArray& text);
    // Asks for the title of an imported copy (held in `text`) and writes it into its name field.
    // Returns the title to list: the answer, or the copy's own name when the user cancels.
    QString askImportedTitle(QByteArray& text);
    // Adds an entry at the end of the list.
    void addEntry(const QString& title, const QString& fileName);

    // Click on entry `row`: shows that file's statistics.
    void showEntry(int row);
    // "Backup": copies parameters.txt to a new backup. True when the list changed.
    bool backUp();
    // "Set": makes the selected file the car's parameters.txt. `selected` is -1 when none is.
    void setAsCurrent(int selected);
    // "Delete": deletes the selected file. True when the list changed.
    bool deleteEntry(int selected);

private:
    void reportError(const Error& e);
    bool readInto(const QString& fileName, QByteArray& text, bool report);

    FileSystem& m_fs;
    Dialogs& m_dialogs;
    QString m_carPath;
    QList<Entry> m_entries;
    CarDoor* m_door = nullptr;
};

} // namespace parkwen
