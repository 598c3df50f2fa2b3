#pragma once

#include "library/carhealth.h"

// What the car table's model, view and commands agree on about its rows.
namespace parkwen::cartablerows {

// The size of the picture column's thumbnails.
constexpr int Thumbnail = 32;

// A hidden folder kept by recovery: shown, but neither moved nor deleted from the table.
inline bool isLeftover(const CarRecord& car)
{
    for (const CarProblem& p : car.problems)
        if (p.kind == CarProblem::Kind::Leftover)
            return true;
    return false;
}

} // namespace parkwen::cartablerows
