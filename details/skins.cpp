#include "details/skins.h"

#include "details/discard.h"
#include "details/naming.h"

#include <QCoreApplication>

namespace parkwen {

bool Skins::hasSkinSize(qint64 size)
{
    return size >= 0 && QString::number(size).startsWith(QLatin1String("196"));
}

bool Skins::isTextureSize(QSize size)
{
    if (size.width() != size.height())
        return false;
    for (int side = 256; side <= 8192; side *= 2)
        if (size.width() == side)
            return true;
    return false;
}

bool Skins::isSkin(FileSystem& fs, Pictures& pictures, const QString& path)
{
    const qint64 size = fs.fileSize(path);
    if (hasSkinSize(size))
        return true;
    if (size < 0 || !path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return false;
    const std::optional<PictureHeader> header = pictures.probe(path);
    return header && isTextureSize(header->size);
}

QStringList Skins::skinsOf(FileSystem& fs, Pictures& pictures, const QString& folder)
{
    QStringList out;
    for (const QString& name : fs.listFiles(folder, QStringLiteral("*.bmp")))
        if (isSkin(fs, pictures, joinPath(folder, name)))
            out << name;
    return out;
}

Skins::Skins(FileSystem& fs, Pictures& pictures, Dialogs& dialogs, QString carPath)
    : m_fs(fs), m_pictures(pictures), m_dialogs(dialogs), m_carPath(std::move(carPath))
{
}

void Skins::list(const QString& currentSkin)
{
    m_others.clear();
    for (const QString& name : skinsOf(m_fs, m_pictures, m_carPath))
        if (name.compare(currentSkin, Qt::CaseInsensitive) != 0)
            m_others << name;
    m_value = 0;
    showSelected();
}

QString Skins::shownPath() const
{
    return m_shown.isEmpty() ? QString() : joinPath(m_carPath, m_shown);
}

QString Skins::currentSkinPath(const QString& currentSkin) const
{
    if (currentSkin.isEmpty() || !isPlainName(currentSkin))
        return {};
    return joinPath(m_carPath, m_fs.resolve(m_carPath, currentSkin));
}

void Skins::showSelected()
{
    m_shown = (m_value >= 0 && m_value < m_others.size()) ? m_others[m_value] : QString();
}

void Skins::reportError(const Error& e)
{
    m_dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
}

bool Skins::currentSkinUsable(const QString& currentSkin)
{
    // The name comes from the parameters' TPAGE line; it must name a file of this car's folder.
    if (currentSkin.isEmpty() || !isPlainName(currentSkin)) {
        m_dialogs.message(QCoreApplication::translate(
                              "Skins", "The parameters shown name no skin file of this car's folder."),
                          Dialogs::Icon::Exclamation);
        return false;
    }
    // The skin commands write only bitmaps: a TPAGE line naming any other file (parameters.txt)
    // must not get it overwritten with paint.
    if (!currentSkin.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
        m_fs.isFolder(joinPath(m_carPath, m_fs.resolve(m_carPath, currentSkin)))) {
        m_dialogs.message(QCoreApplication::translate(
                              "Skins", "The parameters shown name %1 as the skin, which is not a .bmp file. "
                                       "The skin commands change only the car's .bmp files.")
                              .arg(currentSkin),
                          Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

void Skins::showOther(int value)
{
    m_value = qBound(0, value, maximum());
    showSelected();
}

bool Skins::setChosenAsCurrent(const QString& currentSkin)
{
    if (m_others.isEmpty() || !currentSkinUsable(currentSkin))
        return false;
    const QString other = m_others[m_value];
    const QString current = m_fs.resolve(m_carPath, currentSkin);
    // The skin and its companion change together: no other Parkwen writes between them.
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return false;
    // Copied beside the current skin and renamed over it: a failed copy leaves the old paint.
    if (Error e = m_fs.replaceFileAtomic(joinPath(m_carPath, m_fs.resolve(m_carPath, other)),
                                         joinPath(m_carPath, current))) {
        reportError(e);
        return false;
    }
    // Companion files: the current skin's ends in "q", an other skin's in "Q"; either letter case
    // finds the file.
    const QString currentCompanion = m_fs.resolve(m_carPath, currentSkin.chopped(1) + QLatin1Char('q'));
    const QString otherCompanion = m_fs.resolve(m_carPath, other.chopped(1) + QLatin1Char('Q'));
    const QString currentCompanionPath = joinPath(m_carPath, currentCompanion);
    const QString otherCompanionPath = joinPath(m_carPath, otherCompanion);
    Error e;
    if (m_fs.exists(otherCompanionPath))
        e = m_fs.replaceFileAtomic(otherCompanionPath, currentCompanionPath);
    else if (m_fs.exists(currentCompanionPath))
        e = m_fs.deleteFile(currentCompanionPath);
    pass.reset();
    if (e)
        reportError(e);
    m_dialogs.inform(QCoreApplication::translate("Skins", "Skin Set"));
    return true;
}

void Skins::backUpCurrent(const QString& currentSkin)
{
    if (!currentSkinUsable(currentSkin))
        return;
    const QString current = m_fs.resolve(m_carPath, currentSkin);
    const std::optional<QString> answer = askPlainName(
        m_dialogs, QCoreApplication::translate("Skins", "Back Up As:"), QStringLiteral("Backup"),
        [&](const QString& typed) {
            const QString target = m_fs.resolve(m_carPath, typed + QStringLiteral(".bmp"));
            if (target.compare(current, Qt::CaseInsensitive) != 0)
                return true;
            m_dialogs.message(
                currentSkin + QCoreApplication::translate(
                                  "Skins", " cannot be backed up onto itself. Please choose another name."),
                Dialogs::Icon::Exclamation);
            return false;
        });
    if (!answer)
        return;
    // An existing file of that name (in any letter case) is replaced only when the user says so.
    const QString target = m_fs.resolve(m_carPath, *answer + QStringLiteral(".bmp"));
    if (!confirmReplace(m_fs, m_dialogs, joinPath(m_carPath, target)))
        return;
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return;
    if (Error e = m_fs.replaceFileAtomic(joinPath(m_carPath, current), joinPath(m_carPath, target))) {
        reportError(e);
        return;
    }
    pass.reset();
    // A file listed already keeps its one entry.
    bool listed = false;
    for (const QString& name : m_others)
        if (name.compare(target, Qt::CaseInsensitive) == 0)
            listed = true;
    if (!listed)
        m_others << target;
    m_dialogs.inform(currentSkin + QCoreApplication::translate("Skins", " Backed Up"));
    showSelected();
}

void Skins::deleteChosen()
{
    if (m_others.isEmpty())
        return;
    const QString name = m_others[m_value];
    const QString path = joinPath(m_carPath, m_fs.resolve(m_carPath, name));
    if (!confirmDiscard(m_fs, m_dialogs, path))
        return;
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return;
    const Error e = discardFile(m_fs, path);
    pass.reset();
    // A file already gone only needs its entry removed.
    if (e && e.fault() != err::FileNotFound) {
        reportError(e);
        return;
    }
    m_others.removeAt(m_value);
    m_value = 0;
    m_dialogs.inform(name + QCoreApplication::translate("Skins", " Deleted"));
    showSelected();
}

void Skins::addSkin(const QString& fileName)
{
    m_others << fileName;
    showSelected();
}

} // namespace parkwen
