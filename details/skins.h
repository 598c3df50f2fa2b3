#pragma once

#include "details/cardoor.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <QString>
#include <QStringList>

namespace parkwen {

// The skins of one car: the list of its other skins with the one of them shown, and the commands of
// the skin area. The current skin is named by the parameters shown (their TPAGE line); the window
// hands its name to each command.
class Skins
{
public:
    // The size of the 1999 skins: a size in bytes whose decimal digits begin with "196", as the size
    // of a 256 x 256 bitmap of 24 bits per pixel does.
    static bool hasSkinSize(qint64 size);
    // The textures of today's game: square, 256 to 8192 pixels a side, a power of two.
    static bool isTextureSize(QSize size);
    // A skin is a file of the skin size, or a ".bmp"-named file whose content (BMP, PNG or JPEG, told
    // by its first bytes) is a picture of a texture size. The picture is judged by its header alone,
    // never decoded.
    static bool isSkin(FileSystem& fs, Pictures& pictures, const QString& path);
    // The skins of a folder, the current one included, in the lister's order.
    static QStringList skinsOf(FileSystem& fs, Pictures& pictures, const QString& folder);

    Skins(FileSystem& fs, Pictures& pictures, Dialogs& dialogs, QString carPath);

    // Every command that writes into the car goes through `door` (none: straight in).
    void setDoor(CarDoor* door) { m_door = door; }
    CarDoor* door() const { return m_door; }

    // Fills the list with the skins other than the current one and shows the first.
    void list(const QString& currentSkin);

    const QStringList& others() const { return m_others; }
    // The position of the other skin shown, and the last position.
    int value() const { return m_value; }
    int maximum() const { return m_others.isEmpty() ? 0 : int(m_others.size()) - 1; }
    // Whether any other skin is listed; "Set" and "Delete" are usable only then.
    bool found() const { return !m_others.isEmpty(); }
    // The other skin shown: its file name and its path, empty when nothing is shown.
    const QString& shownName() const { return m_shown; }
    QString shownPath() const;
    // The file shown as the current skin.
    QString currentSkinPath(const QString& currentSkin) const;

    // Shows the other skin at `value`.
    void showOther(int value);
    // "Set": the selected other skin becomes the current skin. True when the current skin changed.
    bool setChosenAsCurrent(const QString& currentSkin);
    // "Backup": copies the current skin to a new file and lists it.
    void backUpCurrent(const QString& currentSkin);
    // "Delete": deletes the selected other skin.
    void deleteChosen();
    // Lists a skin just copied into the folder and shows the selected one.
    void addSkin(const QString& fileName);

private:
    bool currentSkinUsable(const QString& currentSkin);
    void showSelected();
    void reportError(const Error& e);

    FileSystem& m_fs;
    Pictures& m_pictures;
    Dialogs& m_dialogs;
    QString m_carPath;
    QStringList m_others;
    int m_value = 0;
    QString m_shown;
    CarDoor* m_door = nullptr;
};

} // namespace parkwen
