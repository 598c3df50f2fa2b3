#include "details/statcaptions.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace parkwen {

namespace {

// A value the reader cut to two decimals, written as the reader cut it. The shortest text that reads
// back as the value holds the very digits the file gave (never more than nine of them), so cutting
// it again gives them back, leading zeros and all.
QString twoDecimalsOf(double value)
{
    return twoDecimals(QString::number(value, 'g', QLocale::FloatingPointShortest));
}

QString caption(const char* label, const QString& text)
{
    const QString name = QLatin1String(label);
    return text.isEmpty() ? name : name + QLatin1Char(' ') + text;
}

} // namespace

qint64 roundedPercent(double percent)
{
    if (std::isnan(percent))
        return 0;
    return qint64(std::floor(std::clamp(percent, -1e15, 1e15) + 0.5));
}

StatBar barFor(double percent)
{
    StatBar bar;
    bar.tooltip = QString::number(roundedPercent(percent)) + QLatin1Char('%');
    if (std::isnan(percent) || percent < 0)
        percent = 0;
    percent = std::min(percent, 100.0);
    bar.width = int(std::lround(StatBar::FullWidth * percent / 100));
    return bar;
}

StatBar barFor(const std::optional<double>& percent)
{
    if (percent)
        return barFor(*percent);
    StatBar bar;
    bar.width = 0;
    bar.tooltip = QStringLiteral("0%");
    bar.known = false;
    return bar;
}

QString transmissionName(const PoweredWheels& powered)
{
    // Indexed by front left, front right, back left, back right as bits 8, 4, 2, 1.
    static const char* const names[16] = {
        "Unpowered", "BR-WD",    "BL-WD", "R-WD",    "FR-WD", "Rgt-WD",  "FR&BL-WD", "FR&R-WD",
        "FL-WD",     "FL&BR-WD", "L-WD",  "FL&R-WD", "F-WD",  "F&BR-WD", "F&BL-WD",  "4-WD",
    };
    const int index =
        (powered[0] ? 8 : 0) | (powered[1] ? 4 : 0) | (powered[2] ? 2 : 0) | (powered[3] ? 1 : 0);
    return QString::fromLatin1(names[index]);
}

QString className(CarClass carClass)
{
    static const char* const names[] = {"Electric", "Glow", "Special"};
    return QString::fromLatin1(names[int(carClass)]);
}

QString ratingName(Rating rating)
{
    static const char* const names[] = {"Rookie", "Amateur", "Advanced", "Semi-Pro", "Pro"};
    return QString::fromLatin1(names[int(rating)]);
}

QString speedText(const CarStatistics& stats)
{
    return stats.speedMph ? twoDecimalsOf(*stats.speedMph) + QStringLiteral("mph") : QString();
}

QString massText(const CarStatistics& stats)
{
    return stats.massKg ? twoDecimalsOf(*stats.massKg) + QStringLiteral("kg") : QString();
}

QString classText(const CarStatistics& stats)
{
    return stats.carClass ? className(*stats.carClass) : QString();
}

QString ratingText(const CarStatistics& stats)
{
    return stats.rating ? ratingName(*stats.rating) : QString();
}

QString transmissionText(const CarStatistics& stats)
{
    return stats.poweredWheels ? transmissionName(*stats.poweredWheels) : QString();
}

QString baseText(const CarStatistics& stats)
{
    return stats.baseCar.value_or(QString());
}

StatCaptions captionsOf(const CarStatistics& stats)
{
    StatCaptions c;
    c.speed = caption("Speed:", speedText(stats));
    c.classCaption = caption("Class:", classText(stats));
    c.rating = caption("Rating:", ratingText(stats));
    c.mass = caption("Mass:", massText(stats));
    // Once read, the base is named even when no stock car matches: "Base: " and nothing after it.
    c.base = stats.baseCar ? QStringLiteral("Base: ") + *stats.baseCar : QStringLiteral("Param Base:");
    c.transmission = caption("Transmission:", transmissionText(stats));
    c.grip = barFor(stats.gripPercent);
    c.turn = barFor(stats.turnPercent);
    c.accel = barFor(stats.accelPercent);
    return c;
}

} // namespace parkwen
