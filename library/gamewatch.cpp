#include "library/gamewatch.h"

#include "library/carlist.h"

namespace parkwen {

bool isStockCar(const QString& name); // carlibrary.h

void GameWatch::read(FileSystem& fs, const QString& carFolder, const QString& packlist)
{
    *this = GameWatch();
    m_folder = GameFolder::of(carFolder);
    m_packlist = packlist.isEmpty() ? QString(Packlist::DefaultPack) : packlist;
    // Without a packlist the game reads its own folder only: nothing to read of the packs (this
    // runs at every start-up).
    if (!m_folder || !fs.exists(m_folder->packlistFile(m_packlist)))
        return;
    const GameContent content = GameContent::read(fs, *m_folder, m_packlist);
    m_active = content.hasPacklist();
    if (!m_active)
        return;
    const QString own = m_folder->carFolderPack;
    m_loadsCarFolder = content.loads(own);
    m_packs = content.packsLoadedFrom();
    m_problems = content.problems();
    for (const PackCar& car : content.cars()) {
        // The game's own cars do not count towards the Max Car Amount, whichever pack holds them.
        if (car.state != PackCar::State::Loaded || car.pack == own || isStockCar(car.name))
            continue;
        ++m_fromOthers;
        if (car.replaces.contains(own))
            m_shadowing.insert(car.name);
    }
}

int GameWatch::loadedCount(const CarList& carList) const
{
    if (!m_loadsCarFolder)
        return m_fromOthers;
    // Runs after every move: only the few names a later pack takes over are looked up.
    int shadowed = 0;
    for (const QString& name : m_shadowing)
        shadowed += carList.rowOfText(name) >= 0;
    return m_fromOthers + carList.count() - shadowed;
}

} // namespace parkwen
