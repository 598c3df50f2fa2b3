#pragma once

#include <memory>

namespace parkwen {

// The one door for writes inside a car folder (parameter backups, skins, imports): the library's
// lock on its folders. While a pass lives no other Parkwen changes the car folders; a second one
// that wants to waits for it, as it waits for a move.
class CarDoor
{
public:
    using Pass = std::shared_ptr<void>;

    virtual ~CarDoor() = default;
    // Waits for the way in and keeps it while the pass lives; null, after telling the user, when it
    // could not be had (the user stopped waiting, or it took too long).
    virtual Pass enter() = 0;

    // Through `door`, or straight in without one: a car outside any library (a test, a benchmark).
    static Pass enter(CarDoor* door) { return door ? door->enter() : std::make_shared<bool>(true); }
};

} // namespace parkwen
