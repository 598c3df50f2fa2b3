#include "library/packlistediting.h"

#include "library/moveengine.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

QString says(const char* text)
{
    return QCoreApplication::translate("PacklistEditing", text);
}

} // namespace

PacklistEditing::PacklistEditing(FileSystem& fs, Dialogs& dialogs, GameFolder game)
    : m_fs(fs), m_dialogs(dialogs), m_game(std::move(game))
{
}

void PacklistEditing::read(const QString& packlist)
{
    m_content = GameContent::read(m_fs, m_game, packlist);
}

QStringList PacklistEditing::packlists() const
{
    QStringList names;
    for (const QString& file : m_fs.listFiles(m_game.packsFolder(), QStringLiteral("*.txt")))
        names << file.chopped(4);
    if (!names.contains(QString(Packlist::DefaultPack)))
        names.prepend(QString(Packlist::DefaultPack));
    return names;
}

std::optional<QByteArray> PacklistEditing::bytesOnDisk(const QString& file)
{
    if (!m_fs.exists(file))
        return std::nullopt;
    Result<QByteArray> bytes = m_fs.readBytes(file, FileSystem::MaxTextFileBytes);
    return bytes.ok() ? std::optional<QByteArray>(bytes.take()) : std::nullopt;
}

PacklistEditing::Written PacklistEditing::write(const QString& file,
                                                const std::optional<QByteArray>& expected,
                                                const QByteArray& bytes)
{
    MoveEngine door(m_fs, &m_dialogs);
    bool changedMeanwhile = false;
    if (Error e = door.writePacklist(file, expected, bytes, changedMeanwhile)) {
        m_dialogs.plain(says("The packlist %1 could not be written: %2").arg(file, e.description()));
        return Written::Failed;
    }
    return changedMeanwhile ? Written::ChangedMeanwhile : Written::Yes;
}

bool PacklistEditing::change(const std::function<bool(Packlist&)>& edit)
{
    const QString file = m_game.packlistFile(m_content.packlistName());
    if (!m_content.packlistError().isEmpty()) {
        m_dialogs.plain(says("The packlist %1 cannot be read (%2); Parkwen leaves it as it is.")
                            .arg(file, m_content.packlistError()));
        return false;
    }
    for (;;) {
        const std::optional<QByteArray> before =
            m_content.hasPacklist() ? std::optional<QByteArray>(m_content.packlistBytes()) : std::nullopt;
        Packlist list = m_content.packlist();
        if (!edit(list))
            return false;
        const Written written = write(file, before, list.bytes());
        if (written == Written::Failed)
            return false;
        if (written == Written::Yes) {
            m_undo.append({file, before, list.bytes()});
            read(m_content.packlistName());
            return true;
        }
        // Someone else wrote the packlist after it was read: never overwritten without asking.
        read(m_content.packlistName());
        if (m_dialogs.message(
                says("The packlist %1 was changed by another program since Parkwen read it. Make "
                     "this change to it as it is now?")
                    .arg(file),
                Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return false;
    }
}

bool PacklistEditing::setEnabled(const QString& pack, bool on)
{
    return change([&](Packlist& list) { return on ? list.enable(pack) : list.disable(pack); });
}

bool PacklistEditing::move(const QString& pack, int by)
{
    return change([&](Packlist& list) { return list.move(pack, by); });
}

bool PacklistEditing::refuseName(const QString& name)
{
    if (const QString problem = Packlist::nameProblem(name); !problem.isEmpty()) {
        m_dialogs.plain(problem);
        return true;
    }
    if (packlists().contains(name, Qt::CaseInsensitive)) {
        m_dialogs.plain(says("There is a packlist named %1 already (letter case aside).").arg(name));
        return true;
    }
    return false;
}

bool PacklistEditing::createPacklist(const QString& name)
{
    if (refuseName(name))
        return false;
    const QByteArray bytes = m_content.hasPacklist() ? m_content.packlistBytes() : Packlist::fresh().bytes();
    if (write(m_game.packlistFile(name), std::nullopt, bytes) != Written::Yes)
        return false;
    read(name);
    return true;
}

bool PacklistEditing::renamePacklist(const QString& name)
{
    const QString old = m_game.packlistFile(m_content.packlistName());
    if (!m_content.hasPacklist() || refuseName(name))
        return false;
    if (Error e = m_fs.rename(old, m_game.packlistFile(name))) {
        m_dialogs.plain(says("The packlist %1 could not be renamed: %2").arg(old, e.description()));
        return false;
    }
    m_undo.clear(); // the changes remembered name the old file
    read(name);
    return true;
}

bool PacklistEditing::deletePacklist()
{
    const QString file = m_game.packlistFile(m_content.packlistName());
    if (!m_content.hasPacklist())
        return false;
    if (m_dialogs.message(says("Delete the packlist %1? The packs themselves stay.").arg(file),
                          Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) != Dialogs::Answer::Yes)
        return false;
    if (Error e = m_fs.deleteFile(file)) {
        m_dialogs.plain(says("The packlist %1 could not be deleted: %2").arg(file, e.description()));
        return false;
    }
    m_undo.clear();
    read(QString(Packlist::DefaultPack));
    return true;
}

bool PacklistEditing::undo()
{
    if (m_undo.isEmpty())
        return false;
    const Change last = m_undo.takeLast();
    if (!last.before) {
        // The change wrote the first packlist: undoing it removes the file again, if it is unchanged.
        if (bytesOnDisk(last.file) != last.after || m_fs.deleteFile(last.file)) {
            m_dialogs.plain(says("The packlist %1 was changed since; it is left as it is.").arg(last.file));
            return false;
        }
    } else if (const Written written = write(last.file, last.after, *last.before); written != Written::Yes) {
        if (written == Written::ChangedMeanwhile)
            m_dialogs.plain(says("The packlist %1 was changed since; it is left as it is.").arg(last.file));
        return false;
    }
    read(m_content.packlistName());
    return true;
}

} // namespace parkwen
