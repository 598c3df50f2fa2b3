#pragma once

#include "details/prmmodel.h"
#include "platform/error.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector3D>

#include <array>

namespace parkwen {

// How parameters.txt puts a car together: its model files and where its parts sit.
struct CarLayout
{
    static constexpr int ModelCount = 19;
    static constexpr int WheelCount = 4;
    struct Part
    {
        int model = -1; // a number of `models`; -1: none
        QVector3D offset;
        bool present = true;
    };
    std::array<QString, ModelCount> models; // the paths as written; empty for "NONE"
    Part body;
    std::array<Part, WheelCount> wheels; // front left, front right, back left, back right
    Part spinner;
    QString skin; // the TPAGE path as written
};

// Reads the MODEL, TPAGE, BODY, WHEEL and SPINNER entries, keys in any letter case. A wheel sits at
// its Offset1 plus its Offset2 and is there when its IsPresent says TRUE in any letter case.
CarLayout readCarLayout(const QByteArray& parameters);

// One model of a car, placed.
struct CarPart
{
    QString what; // "the body", "wheel 1 (front left)", "the spinner"
    QString path; // the file it came from
    QVector3D offset;
    PrmMesh mesh; // its most detailed mesh
};

// A car ready to be drawn: its body, the wheels and spinner that could be read, and why anything is
// left out.
struct CarModel
{
    CarPart body;
    QList<CarPart> parts;
    Error bodyError;     // why there is no body to draw; ok when there is
    QStringList missing; // parts left out, each with its reason, one a line
    QString skinPath;    // the current skin in the car's folder; empty when it names none there

    bool hasBody() const { return bodyError.ok(); }
};

// Reads the car in `carPath`. Model paths start at the game folder ("cars\adeon\body.prm"): a path
// into a folder of the car's own name is read from the car's own folder wherever it stands (Car
// Folder or Garage); other paths from the folder beside it of that name (the stock "misc"), then
// from `carFolder`'s, then from the game folder above `carFolder`. Every name is found ignoring
// letter case.
CarModel readCarModel(FileSystem& fs, const QString& carPath, const QString& carFolder = QString());

// The file a path from the game folder names for the car in `carPath`; empty when it is not there.
QString resolveCarFile(FileSystem& fs, const QString& carPath, const QString& carFolder, const QString& path);

} // namespace parkwen
