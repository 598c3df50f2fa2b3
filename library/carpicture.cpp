#include "library/carpicture.h"

#include "details/paramrefs.h"

namespace parkwen {

namespace {

QString findIgnoringCase(const QStringList& names, const QString& name)
{
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

struct Choice
{
    QString file;
    bool standIn = false; // neither a "*.jpg" nor the box picture
};

Choice choosePicture(FileSystem& fs, const QString& folder)
{
    const QStringList files = fs.listFiles(folder);
    QStringList bitmaps;
    for (const QString& file : files) {
        if (matchesPattern(file, QStringLiteral("*.jpg")))
            return {file, false};
        if (matchesPattern(file, QStringLiteral("*.bmp")))
            bitmaps << file;
    }
    if (bitmaps.size() <= 1) {
        const QString only = bitmaps.value(0);
        return {only, !only.isEmpty() && only.compare(QLatin1String("carbox.bmp"), Qt::CaseInsensitive) != 0};
    }
    // Several bitmaps: the texture sheet "car.bmp" sorts before the box picture, so ask the
    // parameters which one is the box.
    const QString parameters = findIgnoringCase(files, QStringLiteral("parameters.txt"));
    if (!parameters.isEmpty()) {
        const Result<QByteArray> text = fs.readFile(joinPath(folder, parameters));
        if (text.ok()) {
            const QStringList parts = pathParts(boxPicturePath(readParamRefs(text.value())));
            if (!parts.isEmpty()) {
                const QString named = findIgnoringCase(bitmaps, parts.last());
                if (!named.isEmpty())
                    return {named, false};
            }
        }
    }
    const QString box = findIgnoringCase(bitmaps, QStringLiteral("carbox.bmp"));
    return box.isEmpty() ? Choice{bitmaps.first(), true} : Choice{box, false};
}

} // namespace

QString carPictureFile(FileSystem& fs, const QString& folder)
{
    return choosePicture(fs, folder).file;
}

bool isStandInPicture(FileSystem& fs, const QString& folder, const QString& file)
{
    const Choice choice = choosePicture(fs, folder);
    return choice.standIn && choice.file == file;
}

} // namespace parkwen
