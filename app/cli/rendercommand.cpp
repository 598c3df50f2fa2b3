#include "app/cli/commands.h"
#include "details/carrenderer.h"
#include "details/naming.h"
#include "library/carlibrary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace parkwen {

namespace {

// The skin file --skin names: a name inside the car's folder (any letter case), or a path to a file
// that stands in it.
QString skinFileOf(FileSystem& fs, const QString& carPath, const QString& given)
{
    if (!given.contains(QLatin1Char('/'))) {
        const QString path = joinPath(carPath, fs.resolve(carPath, given));
        return fs.exists(path) && !fs.isFolder(path) ? path : QString();
    }
    const QFileInfo file(given);
    if (!file.isFile() || file.absoluteDir().canonicalPath() != QDir(carPath).canonicalPath())
        return QString();
    return joinPath(carPath, file.fileName());
}

// The folder of that name in the Car Folder or the Garage Folder, whatever it holds.
QString carFolderNamed(FileSystem& fs, const CarLibrary& library, const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || !isPlainName(name))
        return {};
    for (const QString& folder :
         {library.folder(FolderRole::Cars).path(), library.folder(FolderRole::Garage).path()}) {
        const QString path = joinPath(folder, name);
        if (path != library.folder(FolderRole::Garage).path() && fs.isFolder(path))
            return path;
    }
    return {};
}

} // namespace

int Commands::render(CarLibrary& library, const CommandLine& line)
{
    const QString carPath = carFolderNamed(m_platform.fs, library, line.name);
    if (carPath.isEmpty()) {
        tell(QCoreApplication::translate(
                 "Commands", "There is no car named \"%1\" in the Car Folder or the Garage Folder.")
                 .arg(line.name));
        return Failed;
    }
    FileSystem& fs = m_platform.fs;
    QString skin;
    if (!line.skin.isEmpty()) {
        skin = skinFileOf(fs, carPath, line.skin);
        if (skin.isEmpty()) {
            tell(QCoreApplication::translate("Commands", "\"%1\" is no file of the car's folder %2.")
                     .arg(line.skin, carPath));
            return Failed;
        }
        if (!m_platform.pictures.probe(skin)) {
            tell(QCoreApplication::translate("Commands", "The skin \"%1\" is no picture.").arg(line.skin));
            return Failed;
        }
    }
    if (!m_renderer) {
        tell(QCoreApplication::translate("Commands", "Cars cannot be drawn here."));
        return Failed;
    }
    QStringList missing;
    const Result<QImage> picture =
        renderCarFolder(*m_renderer, fs, m_platform.pictures, carPath,
                        library.folder(FolderRole::Cars).path(), skin, line.size, &missing);
    if (!picture.ok()) {
        tell(QCoreApplication::translate("Commands", "%1 cannot be drawn: %2")
                 .arg(line.name, picture.error().description()));
        return Failed;
    }
    // What the picture leaves out is said, but the picture is made.
    for (const QString& problem : missing)
        tell(QCoreApplication::translate("Commands", "%1 is drawn without: %2").arg(line.name, problem));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.value().save(&buffer, "PNG");
    if (Error e = fs.writeFile(line.picture, png)) {
        tell(QCoreApplication::translate("Commands", "%1 cannot be written: %2")
                 .arg(line.picture, e.description()));
        return Failed;
    }
    return Done;
}

} // namespace parkwen
