#pragma once

#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace parkwen {

class HorizontalUpDown;
class Previews;

// The skin chooser (`CarDial`): the user steps through the car's skins and picks the one an
// imported parameter file shall paint the car with.
class CarDial : public QDialog
{
    Q_OBJECT
public:
    CarDial(FileSystem& fs, Pictures& pictures, const QString& carPath, const QStringList& skins,
            QWidget* parent = nullptr);

    // The skin shown when OK was pressed; empty until then.
    const QString& chosenSkin() const { return m_chosen; }

    void PicSel_Change();
    void setskin_Click();
    // Waits until the selected skin is shown.
    void waitForPictures();

private:
    FileSystem& m_fs;
    Pictures& m_pictures;
    QString m_carPath;
    QString m_chosen;

    QListWidget* m_bmps = nullptr;
    QLabel* m_otherIm = nullptr;
    QLabel* m_cartIt = nullptr;
    HorizontalUpDown* m_picSel = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_setskin = nullptr;
    Previews* m_previews = nullptr;
};

} // namespace parkwen
