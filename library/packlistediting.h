#pragma once

#include "library/gamecontent.h"
#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parkwen {

// The Packs window's commands on a game folder's packlists: switching packs on and off, moving
// them, and making, renaming and deleting packlists. Every change is read again and written
// through the door under the lock; a packlist someone else changed since it was read is never
// overwritten without asking. Changes to a packlist's lines can be undone, newest first.
class PacklistEditing
{
public:
    PacklistEditing(FileSystem& fs, Dialogs& dialogs, GameFolder game);

    // Reads the packs under `packlist` (again).
    void read(const QString& packlist);
    const GameContent& content() const { return m_content; }
    const GameFolder& game() const { return m_game; }
    // The packlists of the game folder, by name without ".txt".
    QStringList packlists() const;

    // False when nothing changed (the user was told why, where there is a why).
    bool setEnabled(const QString& pack, bool on);
    bool move(const QString& pack, int by);
    // A new packlist as a copy of the current one (or of the game's own content when there is none).
    bool createPacklist(const QString& name);
    bool renamePacklist(const QString& name);
    bool deletePacklist();

    bool canUndo() const { return !m_undo.isEmpty(); }
    // Puts back the packlist as it was before the last change, if no one changed it since.
    bool undo();

private:
    struct Change
    {
        QString file;
        std::optional<QByteArray> before;
        QByteArray after;
    };
    // Applies `edit` to the packlist as it is on disk now and writes it; asks before going on with
    // a file someone changed since it was read.
    bool change(const std::function<bool(Packlist&)>& edit);
    enum class Written { Yes, ChangedMeanwhile, Failed };
    Written write(const QString& file, const std::optional<QByteArray>& expected, const QByteArray& bytes);
    std::optional<QByteArray> bytesOnDisk(const QString& file);
    bool refuseName(const QString& name);

    FileSystem& m_fs;
    Dialogs& m_dialogs;
    GameFolder m_game;
    GameContent m_content;
    QList<Change> m_undo;
};

} // namespace parkwen
