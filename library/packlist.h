#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace parkwen {

// A packlist (`<game>/packs/NAME.txt`): the packs the game loads, one a line, later lines winning
// over earlier ones. `default` stands for the game folder's own content, a `*` after a name marks the
// pack the game writes its edits to, and a `;` before a line switches it off.
//
// The list keeps the file's own bytes: every line Parkwen does not change stays exactly as it was
// (comments, unknown lines, line ends, letter case, encoding, a missing last line end), so that
// switching a pack off and on again, or moving it down and up again, gives back the same file.
class Packlist
{
public:
    static constexpr QLatin1StringView DefaultPack{"default"};

    // One line naming a pack, switched on or off.
    struct Entry
    {
        QString name;
        bool enabled = false;
        bool writable = false; // the `*` mark
        int line = 0;          // its line, from 0
    };

    // Reads a packlist's bytes; any bytes are a packlist (lines that name no pack are kept as they are).
    static Packlist fromBytes(const QByteArray& bytes);
    // The list a game folder without any packlist behaves as: its own content only.
    static Packlist fresh();

    QByteArray bytes() const;
    // Every line naming a pack, in the file's order (switched off ones too).
    QList<Entry> entries() const;
    // The names of the packs the game loads, in the order it loads them (the last one wins).
    QStringList enabledPacks() const;
    bool isEnabled(const QString& name) const;
    // The pack marked writable, or empty.
    QString writablePack() const;

    // Switches a pack on: a line that switches it off (`;name`) loses its `;` in place; a pack the
    // list does not name gets a line of its own before the writable pack, else at the end. False
    // when it was on already.
    bool enable(const QString& name);
    // Switches a pack off by putting `;` before its line. False when it was not on.
    bool disable(const QString& name);
    // Moves a pack's line one place up or down among the lines that name packs; the other lines and
    // every line end stay where they are. False when it cannot move that way.
    bool move(const QString& name, int by);

    // Why a name cannot be a pack's or a packlist's name (empty when it can): it must stay a plain
    // name inside `packs/`.
    static QString nameProblem(const QString& name);

private:
    struct Line
    {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n", "\r" or empty (the last line without one)
    };
    // The entry a line holds, if any.
    static bool parseLine(const QByteArray& text, Entry& entry);
    int lineOf(const QString& name, bool enabled) const;
    QByteArray newLineEnd() const;

    QList<Line> m_lines;
};

} // namespace parkwen
