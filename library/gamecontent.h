#pragma once

#include "library/packlist.h"
#include "platform/filesystem.h"
#include "setup/gamefolder.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace parkwen {

// A pack folder, or `default`, as a packlist sees it.
struct PackState
{
    QString name;
    bool exists = true;    // false for a packlist line naming a pack that is not there
    bool enabled = false;  // the packlist loads it
    int order = -1;        // its place among the loaded packs, from 0; -1 when not loaded
    bool writable = false; // the packlist's `*`
    int cars = 0;          // car folders (with a parameters.txt) in its cars/ folder
};

// One car folder of one pack, and what the game makes of it.
struct PackCar
{
    enum class State {
        Loaded,     // the game loads it (with files of earlier packs where it lacks them)
        Hidden,     // a later loaded pack has a car folder of the same name
        NotEnabled, // its pack is not in the packlist
    };
    QString name;
    QString pack;
    QString path;
    State state = State::NotEnabled;
    QString hiddenBy; // Hidden: the last pack with that car folder
    // Loaded, where earlier loaded packs have the same car folder: those packs, in order.
    QStringList replaces;
    // Whether this pack's car is whole by itself (its parameters.txt and every file of its own
    // folder that it names); when it is not, the game mixes files of several packs into one car.
    bool whole = true;
    // Loaded cars in several packs: each file the game reads (relative to the car folder) and the
    // pack it takes it from.
    QMap<QString, QString> fileSources;

    bool mixed() const { return !replaces.isEmpty() && !whole; }
};

// "The game loads 1,234 cars from 5 packs.", as the windows say it.
QString loadedSentence(int cars, int packs);

// What a game folder's packs hold under one packlist: every pack, every car folder of every pack,
// and what the game loads.
class GameContent
{
public:
    // `packlist`: the packlist's name without ".txt"; `default` when empty.
    static GameContent read(FileSystem& fs, const GameFolder& game, const QString& packlist);

    const GameFolder& game() const { return m_game; }
    const QString& packlistName() const { return m_packlistName; }
    // Whether packs/NAME.txt exists; without it the game loads its own folder only.
    bool hasPacklist() const { return m_hasPacklist; }
    // A packlist that exists but cannot be read: why (it is never overwritten then).
    const QString& packlistError() const { return m_packlistError; }
    const Packlist& packlist() const { return m_packlist; }
    // The bytes the packlist had when read, to tell whether someone changed it since.
    const QByteArray& packlistBytes() const { return m_bytes; }

    // `default` and the loaded packs in packlist order, then missing packs the list names, then the
    // pack folders it does not load.
    const QList<PackState>& packs() const { return m_packs; }
    // Every car folder of every pack folder (and of the game folder), by pack in the order above.
    const QList<PackCar>& cars() const { return m_cars; }
    int loadedCount() const;
    // How many packs the loaded cars come from.
    int packsLoadedFrom() const;
    // Whether the game loads the cars of `pack` under this packlist.
    bool loads(const QString& pack) const;
    // Problems, one line each: a car the game mixes from several packs, a loaded pack without
    // anything the game reads, a packlist line naming a missing pack, a Car Folder not loaded.
    QStringList problems() const;
    // Pack folders whose names differ only in letter case, "a / A", one line each: the game tells
    // them apart, a player reading the list may not.
    QStringList caseTwins() const;

private:
    void readPacks(FileSystem& fs);
    void readCars(FileSystem& fs);
    void weighTwins(FileSystem& fs);

    GameFolder m_game;
    QString m_packlistName;
    bool m_hasPacklist = false;
    QString m_packlistError;
    QByteArray m_bytes;
    Packlist m_packlist;
    QList<PackState> m_packs;
    QList<PackCar> m_cars;
    QStringList m_emptyLoaded;
};

} // namespace parkwen
