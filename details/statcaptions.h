#pragma once

#include "details/paramreader.h"

#include <QString>

namespace parkwen {

// How the program shows a car's statistics, in one place: the details window's captions and bars,
// the car table's columns and the command line all take their texts from here.

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

// A percentage as the bars' tooltips and the command line give it: rounded half up.
qint64 roundedPercent(double percent);

// A bar for a percentage: the tooltip is the rounded percentage ("150%"), the width is capped at
// the full length and never negative. Without a percentage the bar is empty, its tooltip "0%".
StatBar barFor(double percent);
StatBar barFor(const std::optional<double>& percent);

// The name of a combination of powered wheels ("F-WD", "Unpowered").
QString transmissionName(const PoweredWheels& powered);
QString className(CarClass carClass);
QString ratingName(Rating rating);

// Each statistic as the car table shows it, the caption's text after its label: "38.00mph",
// "01.50kg", "Glow", "Semi-Pro", "4-WD", the base car's name. Empty where the reading found none.
QString speedText(const CarStatistics& stats);
QString massText(const CarStatistics& stats);
QString classText(const CarStatistics& stats);
QString ratingText(const CarStatistics& stats);
QString transmissionText(const CarStatistics& stats);
QString baseText(const CarStatistics& stats);

// What the details window shows: "Speed: 38.00mph", "Class: Glow", and so on; the label alone
// ("Class:") where the reading found no value, "Param Base:" before any reading.
struct StatCaptions
{
    QString speed;
    QString classCaption;
    QString rating;
    QString mass;
    QString base;
    QString transmission;
    StatBar grip;
    StatBar turn;
    StatBar accel;
};
StatCaptions captionsOf(const CarStatistics& stats);

} // namespace parkwen
