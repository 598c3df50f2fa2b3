#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parkwen {

// A set file holds one record per member and nothing else: a double quote, the car's name, a double
// quote, CR, LF. A set with no members is an empty file.
QByteArray setFileBytes(const QStringList& members);

// The member names of a set file in file order. Each record runs up to and including its first CR;
// the character after the CR (the LF) is dropped, and the name is the record without its first
// character and its last two (closing quote and CR). The reader accepts any bytes: a record shorter
// than three characters gives an empty name, and a last record cut off before its CR gives its text
// without the opening quote and without a closing quote, if it has one.
QStringList readSetFileBytes(const QByteArray& bytes);

// The file name of a set: the typed name with ".pkn" added unless it ends in exactly ".pkn" (case
// counts, so "Race.PKN" becomes "Race.PKN.pkn").
QString setFileName(const QString& typedName);

// Why a set's file name cannot be used (it would leave the sets folder, be hidden from the set
// chooser, or be too long for the disk), or an empty text when it can.
QString setFileNameProblem(const QString& fileName);

} // namespace parkwen
