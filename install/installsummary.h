#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace parkwen {

// What an install did, for the one message afterwards and for bringing the lists up to date.
struct InstallSummary
{
    struct Car
    {
        QString name; // the folder name it has now
        QString source;
        QString keptBeside;   // "Keep Both": the car it was kept beside
        QString replacedName; // "Replace": the car that made way
        bool replacedInGarage = false;
        bool replacedToTrash = false;
        bool hasPicture = true; // false: the lists do not show it (no .jpg or .bmp)
    };
    struct Addition
    {
        QString car;
        bool inGarage = false;
        QString source;
        QStringList files;
    };
    struct Note
    {
        QString source;
        QString what;
        QString why;
    };

    bool toGarage = false;
    QList<Car> installed;
    QList<Addition> additions;
    QList<Note> skipped; // cars not installed, and why
    QList<Note> refused; // unsafe entries that were not written
    QList<Note> leftOut; // everything outside a car
    QList<Note> failed;  // sources of which nothing was installed
    bool cancelled = false;

    // The text of the summary message. Long lists are cut after `maxNames` names.
    QString text(int maxNames = 25) const;
};

} // namespace parkwen
