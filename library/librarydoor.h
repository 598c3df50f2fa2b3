#pragma once

#include "details/cardoor.h"

namespace parkwen {

class CarLibrary;

// The door for writes inside the library's cars (parameter files, skins, "Fix paths"): the lock
// MoveEngine holds on the library's folders for every change. A second Parkwen that wants to change
// anything meanwhile waits, and so does this one for it.
class LibraryDoor : public CarDoor
{
public:
    explicit LibraryDoor(CarLibrary& cars) : m_cars(cars) {}
    Pass enter() override;

private:
    CarLibrary& m_cars;
};

} // namespace parkwen
