#pragma once

#include "details/imports.h"
#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace parkwen {

class Previews;

// The import choosers: a drive list, a folder list and a file list, and for bitmaps a preview.
// The parameter chooser (`impitfrm`) lists "*.txt" files, the bitmap chooser (`immpitfrm`) "*.bmp"
// files. OK hands the chosen file to the import's test; the chooser closes only when it passes.
class FileChooser : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Parameters, Bitmap };

    FileChooser(Kind kind, FileSystem& fs, Pictures& pictures, const QString& startFolder,
                ImportChoosers::Accept accept, QWidget* parent = nullptr);

    // The file accepted by OK; empty until then.
    const QString& chosenPath() const { return m_chosen; }
    const QString& folder() const { return m_folder; }

    // Dir1 moves to `folder`; File1 follows.
    void setFolder(const QString& folder);
    void OK_Click();
    // Waits until the clicked bitmap's preview is shown.
    void waitForPictures();

    // The drives: on this system the roots of the mounted volumes.
    static QStringList drives();

private:
    void Drive1_Change();
    void File1_Click();
    void fillFolders();
    void fillFiles();
    void fillDrives();

    Kind m_kind;
    FileSystem& m_fs;
    Pictures& m_pictures;
    ImportChoosers::Accept m_accept;
    QString m_folder;
    QString m_chosen;

    QListWidget* m_dir1 = nullptr;
    QListWidget* m_file1 = nullptr;
    QComboBox* m_drive1 = nullptr;
    QPushButton* m_ok = nullptr;
    QGroupBox* m_pikFra = nullptr;
    QLabel* m_pikcha = nullptr;
    Previews* m_previews = nullptr;
};

} // namespace parkwen
