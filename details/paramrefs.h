#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace parkwen {

// A file a parameter file names by its path from the game folder ("cars\adeon\body.prm").
struct ParamPath
{
    QString key;          // MODEL, TPAGE, TCARBOX, TSHADOW, COLL, SFXENGINE, SFXHONK or SFXSERVO
    QString path;         // as written, decoded in the file's encoding
    qsizetype start = 0;  // where the path's bytes stand in the file (inside the quotes)
    qsizetype length = 0; // how many bytes it takes
};

// What a parameter file names besides its statistics: the car's own name and its files.
struct ParamRefs
{
    QString name; // the quoted value of the first Name line; empty when there is none
    QList<ParamPath> paths;
};

// Reads the lines of a parameter file that name files or the car, by their keys in any letter case.
// Comments are passed over, except lines starting with ";)", which today's game reads. Values of
// "NONE" and empty values name no file.
ParamRefs readParamRefs(const QByteArray& file);

// The path of the box picture (TCARBOX); empty when the file names none.
QString boxPicturePath(const ParamRefs& refs);

// The parts of a path as written with either separator: "cars\adeon/body.prm" gives
// {"cars", "adeon", "body.prm"}. Empty parts are left out.
QStringList pathParts(const QString& path);

// The file with `replacements` applied: each path's bytes replaced by the new text, encoded as the
// file is. Nothing when a new path cannot be written in the file's encoding.
struct PathReplacement
{
    ParamPath old;
    QString path;
};
std::optional<QByteArray> replacePaths(const QByteArray& file, const QList<PathReplacement>& replacements);

} // namespace parkwen
