#pragma once

#include <QString>

#include <array>
#include <optional>

namespace parkwen {

class TextBuffer;

// One statistic bar of the details window. Sizes are in twips (15 to a pixel).
struct StatBar
{
    static constexpr int FullWidth = 3015;
    static constexpr int Height = 375;

    int width = FullWidth;
    int height = Height;
    QString tooltip;
    bool known = true; // false: the file did not give the values, and the bar shows 0% for want of them
};

// What the statistics reader shows. A reading starts from the previous one and overwrites only
// the values it recognises, so a class or rating it cannot name keeps the caption it had.
struct CarStatistics
{
    QString speed = QStringLiteral("Speed:");
    QString classCaption = QStringLiteral("Class:");
    QString rating = QStringLiteral("Rating:");
    QString mass = QStringLiteral("Mass:");
    QString base = QStringLiteral("Param Base:");
    QString transmission = QStringLiteral("Transmission:");
    StatBar grip;
    StatBar turn;
    StatBar accel;
    // The file name of the current skin from the TPAGE line; empty when the line names none.
    QString currentSkin;
    // The numbers behind the Speed and Mass captions, as they show them (cut to two decimals), for
    // sorting and for programs: mph and kg. None where no reading found one.
    std::optional<double> speedMph;
    std::optional<double> massKg;
};

// The statistics reader. Reads the text in `buffer` by keyword, moving its cursor, and updates
// `stats`. Never writes to disk; time is linear in the length of the text.
void readStatistics(TextBuffer& buffer, CarStatistics& stats);

// Whether a text is a car parameter file: it holds "BODY {" in any letter case.
bool isParameterFile(const QString& text);
bool isParameterFile(const TextBuffer& buffer);

// Speed and mass for display: the leading number cut (not rounded) to two decimals, with at least
// two digits before the point ("38.000000" gives "38.00", "1.5" gives "01.50").
QString twoDecimals(const QString& text);

// The name of a combination of powered wheels: front left, front right, back left, back right.
QString transmissionName(const std::array<bool, 4>& powered);

// A bar for a percentage: the tooltip is the rounded percentage ("150%"), the width is capped at
// the full length and never negative.
StatBar barFor(double percent);

} // namespace parkwen
