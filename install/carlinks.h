#pragma once

#include "install/entrysource.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace parkwen {

// What the plan learns of one entry of a source, beside what the source declares.
struct CheckedEntry
{
    QStringList names;    // the path's names, once checked
    bool usable = false;  // safe, and neither a packing leftover nor a device
    QStringList relative; // the names inside its car; empty outside a car and for the car's own folder
    QString refusal;      // why the entry of a car is not written, if it is not
};

// Refuses, among the entries of one car (`carEntries`, positions in `entries`), those written
// through a link, those that declare a name a second time, and the links that lead out of the car.
void refuseUnsafeCarEntries(const QList<SourceEntry>& entries, QList<CheckedEntry>& checked,
                            const QList<qsizetype>& carEntries);

} // namespace parkwen
