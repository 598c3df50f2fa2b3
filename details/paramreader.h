#pragma once

#include <QString>

#include <array>
#include <optional>

namespace parkwen {

class TextBuffer;

// The engine type.
enum class CarClass { Electric, Glow, Special };

// The group of cars a car races in, from the easiest up.
enum class Rating { Rookie, Amateur, Advanced, SemiPro, Pro };

// Which wheels the engine drives: front left, front right, back left, back right.
using PoweredWheels = std::array<bool, 4>;

// The order in which transmissions sort: fewer powered wheels first; among as many, the front
// before the back, then the left before the right.
int transmissionOrder(const PoweredWheels& powered);

// What the statistics reader finds in a parameter file, as values; statcaptions.h shows them. A
// reading starts from the previous one and overwrites only the values it recognises, so a class or
// rating it cannot name keeps the value it had. None where no reading found one.
struct CarStatistics
{
    // Speed (mph) and mass (kg) as the captions show them: cut, not rounded, to two decimals.
    std::optional<double> speedMph;
    std::optional<double> massKg;
    std::optional<CarClass> carClass;
    std::optional<Rating> rating;
    std::optional<PoweredWheels> poweredWheels;
    // Grip, turn and acceleration in percent, uncapped. Every reading sets them afresh: none when
    // the file did not give the values.
    std::optional<double> gripPercent;
    std::optional<double> turnPercent;
    std::optional<double> accelPercent;
    // The stock car the parameters were made from; empty when none matches. None before a reading.
    std::optional<QString> baseCar;
    // The file name of the current skin from the TPAGE line; empty when the line names none.
    QString currentSkin;
};

// The statistics reader. Reads the text in `buffer` by keyword, moving its cursor, and updates
// `stats`. Never writes to disk; time is linear in the length of the text.
void readStatistics(TextBuffer& buffer, CarStatistics& stats);

// Whether a text is a car parameter file: it holds "BODY {" in any letter case.
bool isParameterFile(const QString& text);
bool isParameterFile(const TextBuffer& buffer);

// Speed and mass as the captions write them: the leading number cut (not rounded) to two decimals,
// with at least two digits before the point ("38.000000" gives "38.00", "1.5" gives "01.50").
QString twoDecimals(const QString& text);

} // namespace parkwen
