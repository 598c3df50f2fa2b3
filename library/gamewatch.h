#pragma once

#include "library/gamecontent.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace parkwen {

class CarList;

// What the game loads under the chosen packlist, kept for the warning light and the line under the
// counts: read at start-up, on Refresh and after a packlist changes, and followed between readings
// as cars move in and out of the Car Folder.
class GameWatch
{
public:
    // Reads the game around `carFolder` under `packlist`; without a game folder or a packlist
    // file the game loads its own folder only, and the light counts the Car Folder as always.
    void read(FileSystem& fs, const QString& carFolder, const QString& packlist);

    // Whether a packlist is active, so that the light counts every car the game loads.
    bool active() const { return m_active; }
    const std::optional<GameFolder>& folder() const { return m_folder; }
    const QString& packlist() const { return m_packlist; }
    // The cars the game loads now, with the Car Folder's cars as `carList` holds them.
    int loadedCount(const CarList& carList) const;
    // How many packs the loaded cars come from, at the last reading.
    int packCount() const { return m_packs; }
    // The packlist does not load the Car Folder: cars sent there are not raced.
    bool loadsCarFolder() const { return m_loadsCarFolder; }
    // The problems of the last reading, one line each.
    const QStringList& problems() const { return m_problems; }

private:
    bool m_active = false;
    std::optional<GameFolder> m_folder;
    QString m_packlist;
    int m_fromOthers = 0;      // loaded cars of the packs other than the Car Folder's
    QSet<QString> m_shadowing; // names a later pack loads instead of the Car Folder's car
    int m_packs = 0;
    bool m_loadsCarFolder = true;
    QStringList m_problems;
};

} // namespace parkwen
