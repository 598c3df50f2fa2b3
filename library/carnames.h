#pragma once

#include <QString>

namespace parkwen {

// A list entry and its picture are keyed by the car's folder name followed by "CAR".
QString carKey(const QString& name);

} // namespace parkwen
