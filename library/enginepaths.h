#pragma once

#include "platform/filesystem.h"

#include <QByteArray>
#include <QFile>
#include <QLatin1StringView>
#include <QString>

// How the move engine spells paths: the file system's own bytes, and the names of its hidden
// folders in the Car Folder and the Garage Folder.
namespace parkwen::enginepaths {

using Kind = FileSystem::NodeInfo::Kind;

inline QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

inline QString text(const QByteArray& path)
{
    return QFile::decodeName(path);
}

inline QByteArray join(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// Beside a car making way for one placed elsewhere: a link naming the new car's path.
inline QByteArray replacementRecord()
{
    return QByteArrayLiteral(".parkwen-replacement");
}

// A new token for a hidden folder's name: 8 hexadecimal digits.
QByteArray token();

enum class Hidden { None, Wrapper, Flat };

// What a hidden entry of a car folder is: one of today's wrappers ("<prefix><token>", holding the
// car under its own name), a flat name of earlier versions ("<prefix><name>-<token>", the car
// itself; tokens of 8 hexadecimal digits, or up to 7 base-36 digits from the installer), or
// neither. `car` receives the car name of a flat one.
Hidden hiddenKind(const QByteArray& entry, QLatin1StringView prefix, QByteArray* car = nullptr);

} // namespace parkwen::enginepaths
