#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

namespace parkwen::test {

// Writes car folders and files into real (temporary) folders for tests.
QString makeFolder(const QString& parent, const QString& name);
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
// A small real picture in the format the suffix names (".jpg" or ".bmp").
void writePicture(const QString& path, QColor colour = Qt::red, int size = 32);
// A car folder with one picture file (`pictureName`, e.g. "car.jpg") and a parameters.txt.
QString makeCar(const QString& parent, const QString& name,
                const QString& pictureName = QStringLiteral("car.jpg"), QColor colour = Qt::red);
// Sorted names of the entries (files and folders, hidden ones too) directly inside a folder.
QStringList entries(const QString& folder);
// The hidden ones among them (names starting with a dot): what a stopped move or install leaves.
QStringList hiddenEntries(const QString& folder);

} // namespace parkwen::test
