#include "library/librarydoor.h"

#include "library/carlibrary.h"

namespace parkwen {

CarDoor::Pass LibraryDoor::enter()
{
    // The same lock as every change of the folders, told of the same way when it cannot be had.
    auto held = std::make_shared<MoveEngine::Lock>(m_cars.lockForChange());
    if (!held->held())
        return nullptr;
    return held;
}

} // namespace parkwen
