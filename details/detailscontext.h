#pragma once

#include "details/cardoor.h"

#include <QImage>
#include <QString>

namespace parkwen {

// What the car details window takes from the main window when it opens.
struct DetailsContext
{
    // Full path of the car's folder (the list's folder path and the selected entry's text).
    QString carPath;
    // The car was chosen in the Garage Folder's list (otherwise in the Car Folder's).
    bool chosenInGarage = false;
    // The text of that list's selected entry (the car's folder name).
    QString selectedEntry;
    // The picture the list's picture store holds for that entry; null when it has none.
    QImage picture;
    // The Car Folder and the Garage Folder (the import choosers start in the Car Folder).
    QString carFolder;
    QString garageFolder;
    // The door the window's writes into the car go through; none: they go straight in.
    CarDoor* door = nullptr;
};

} // namespace parkwen
