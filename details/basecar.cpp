#include "details/basecar.h"

#include <array>

namespace parkwen {

namespace {

struct BaseCar
{
    const char* code;
    const char* name;
};

// Searched in this order; the first equal code wins.
// clang-format off
constexpr std::array<BaseCar, 30> baseCars{{
    {"C6E1F", "Adeon"},
    {"51F10", "AMW"},
    {"CA815", "Dr. Grudge"},
    {"72368", "Candy Pebbles"},
    {"4EEAE", "Cougar"},
    {"22B21", "RC San"},
    {"BE2A2", "Evil Weasel"},
    {"D2A54", "Pole Poz"},
    {"CE02D", "Genghis Kar"},
    {"3D8A0", "Dust Mite"},
    {"5A955", "Colonel Moss"},
    {"164BC", "Mouse"},
    {"9B7D5", "Harvester"},
    {"77173", "Panga"},
    {"3DEB6", "Mystery"},
    {"DC783", "R6 Turbo"},
    {"EF334", "RC Bandit"},
    {"9EDF9", "Rotor"},
    {"2D412", "Bertha Balli."},
    {"93B16", "Humma"},
    {"76A48", "Zipper"},
    {"B51B0", "Panga TC"},
    {"3E3B2", "Pest Control"},
    {"10206", "Aquasonic"},
    {"F5C58", "NY 54"},
    {"29C0F", "Sprinter XL"},
    {"C1FC6", "Toyeca"},
    {"2B660", "UFO"},
    {"AAAD7", "Volken"},
    {"661A3", "Phat Slug"},
}};
// clang-format on

} // namespace

QString Carbase(const QString& checksum)
{
    const QString code = checksum.left(5);
    for (const BaseCar& car : baseCars) {
        if (code == QLatin1String(car.code))
            return QString::fromLatin1(car.name);
    }
    return QString();
}

} // namespace parkwen
