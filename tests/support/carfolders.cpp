#include "tests/support/carfolders.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <stdexcept>

namespace parkwen::test {

QString makeFolder(const QString& parent, const QString& name)
{
    const QString path = parent + QLatin1Char('/') + name;
    QDir().mkpath(path);
    return path;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writePicture(const QString& path, QColor colour, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    const QByteArray format = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? "BMP" : "JPG";
    if (!image.save(path, format.constData()))
        throw std::runtime_error("cannot write test picture " + path.toStdString());
}

QString makeCar(const QString& parent, const QString& name, const QString& pictureName, QColor colour)
{
    const QString folder = makeFolder(parent, name);
    if (!pictureName.isEmpty())
        writePicture(folder + QLatin1Char('/') + pictureName, colour);
    writeBytes(folder + QStringLiteral("/parameters.txt"), "{\r\nName \"" + name.toLatin1() + "\"\r\n}\r\n");
    return folder;
}

QStringList entries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    return names;
}

QStringList hiddenEntries(const QString& folder)
{
    QStringList out;
    for (const QString& e : entries(folder))
        if (e.startsWith(QLatin1Char('.')))
            out << e;
    return out;
}

} // namespace parkwen::test
