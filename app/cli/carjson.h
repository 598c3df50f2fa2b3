#pragma once

#include <QJsonObject>

namespace parkwen {

struct CarStatistics;
struct CarRecord;

// The statistics as the details window shows them, as numbers where they are numbers and null where
// the file gave none: speed (mph), class, rating, grip, turn, acceleration (percent), mass (kg),
// transmission, base and skin.
QJsonObject statisticsJson(const CarStatistics& stats);

// One folder of the library: its statistics (above), where it is, and its health.
QJsonObject carJson(const CarRecord& car);

} // namespace parkwen
