#include "library/librarydoor.h"

#include "library/carlibrary.h"

namespace parkwen {

CarDoor::Pass LibraryDoor::enter()
{
    auto held = std::make_shared<MoveEngine::Lock>(
        m_cars.moveEngine().lock({m_cars.carFolder(), m_cars.garageFolder()}));
    if (!held->held()) {
        m_cars.platform().dialogs.plain(MoveEngine::busyError().description());
        return nullptr;
    }
    return held;
}

} // namespace parkwen
