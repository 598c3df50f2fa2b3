#include "details/ui/filechooser.h"

#include "details/ui/previews.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace parkwen {

namespace {
constexpr int TwipsPerPixel = 15;
QRect twips(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}
constexpr int PathRole = Qt::UserRole;

// The folder itself when it exists, else its nearest existing parent, else the root.
QString existingFolder(FileSystem& fs, QString folder)
{
    while (!folder.isEmpty() && !fs.isFolder(folder)) {
        const qsizetype at = folder.lastIndexOf(QLatin1Char('/'));
        if (at <= 0)
            return QDir::rootPath();
        folder.truncate(at);
    }
    return folder.isEmpty() ? QDir::rootPath() : folder;
}

QString parentOf(const QString& folder)
{
    const qsizetype at = folder.lastIndexOf(QLatin1Char('/'));
    return at <= 0 ? QDir::rootPath() : folder.left(at);
}
} // namespace

FileChooser::FileChooser(Kind kind, FileSystem& fs, Pictures& pictures, const QString& startFolder,
                         ImportChoosers::Accept accept, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_fs(fs), m_pictures(pictures), m_accept(std::move(accept))
{
    const bool bitmaps = kind == Kind::Bitmap;
    setObjectName(bitmaps ? QStringLiteral("immpitfrm") : QStringLiteral("impitfrm"));
    setWindowTitle(bitmaps ? tr("Select Bitmap to Import") : tr("Select Parameters to Import"));
    setModal(true);

    m_dir1 = new QListWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(tr("Folders"));
    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setAccessibleName(tr("Files"));
    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(tr("Drive"));
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);

    // The bitmap chooser puts its preview to the left of the same controls.
    int left = 0;
    if (bitmaps) {
        m_pikFra = new QGroupBox(tr("Picture"), this);
        m_pikFra->setObjectName(QStringLiteral("PikFra"));
        m_pikcha = new QLabel(m_pikFra);
        m_previews = new Previews(m_pictures, this);
        m_pikcha->setObjectName(QStringLiteral("Pikcha"));
        m_pikcha->setToolTip(
            tr("A Picture of the car last selected on both the \"Car Folder\" & \"Garage Folder.\""));
        m_pikcha->setAlignment(Qt::AlignCenter);
        auto* frameLayout = new QVBoxLayout(m_pikFra);
        frameLayout->addWidget(m_pikcha);
        m_pikFra->setGeometry(twips(120, 60, 3600, 3900));
        left = 3600;
    }
    m_dir1->setGeometry(twips(left + 120, 120, 3015, 3015));
    m_file1->setGeometry(twips(left + 3210, 120, 3885, 3015));
    m_drive1->setGeometry(twips(left + 120, 3180, 6975, 330));
    m_ok->setGeometry(twips(left + 120, 3590, 6975, 375));
    setFixedSize((left + 7215) / TwipsPerPixel, 4080 / TwipsPerPixel);

    connect(m_dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setFolder(item->data(PathRole).toString()); });
    connect(m_drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(m_file1, &QListWidget::currentRowChanged, this, [this] { File1_Click(); });
    // Enter reaches OK as the default button; a double click chooses too.
    connect(m_file1, &QListWidget::itemDoubleClicked, this, [this] { OK_Click(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { OK_Click(); });

    fillDrives();
    setFolder(existingFolder(m_fs, startFolder));
    m_dir1->setFocus();
}

QStringList FileChooser::drives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    if (!roots.contains(QDir::rootPath()))
        roots << QDir::rootPath();
    sortIgnoringCase(roots);
    return roots;
}

void FileChooser::fillDrives()
{
    const QSignalBlocker block(m_drive1);
    m_drive1->clear();
    m_drive1->addItems(drives());
}

void FileChooser::setFolder(const QString& folder)
{
    m_folder = folder;
    // Drive1 shows the volume that holds the folder.
    const QString root = QStorageInfo(folder).rootPath();
    const int at = m_drive1->findText(root.isEmpty() ? QDir::rootPath() : root);
    if (at >= 0) {
        const QSignalBlocker block(m_drive1);
        m_drive1->setCurrentIndex(at);
    }
    fillFolders();
    fillFiles();
}

void FileChooser::fillFolders()
{
    // Like a folder tree opened down to the current folder: its parents, the folder itself, then its
    // sub-folders, each indented one step further.
    m_dir1->clear();
    QStringList chain;
    for (QString f = m_folder;; f = parentOf(f)) {
        chain.prepend(f);
        if (f == QDir::rootPath() || f.isEmpty())
            break;
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& f : chain) {
        const QString name = f == QDir::rootPath() ? f : lastName(f);
        auto* item = new QListWidgetItem(QString(depth * 3, QLatin1Char(' ')) + name, m_dir1);
        item->setData(PathRole, f);
        item->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        current = item;
        ++depth;
    }
    const Result<QStringList> subs = m_fs.listFolders(m_folder);
    if (subs.ok()) {
        for (const QString& f : subs.value()) {
            auto* item = new QListWidgetItem(QString(depth * 3, QLatin1Char(' ')) + lastName(f), m_dir1);
            item->setData(PathRole, f);
            item->setIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
        }
    }
    m_dir1->setCurrentItem(current);
}

void FileChooser::fillFiles()
{
    const QSignalBlocker block(m_file1);
    m_file1->clear();
    const QString pattern = m_kind == Kind::Bitmap ? QStringLiteral("*.bmp") : QStringLiteral("*.txt");
    m_file1->addItems(m_fs.listFiles(m_folder, pattern));
    m_ok->setEnabled(false);
    if (m_pikcha)
        m_previews->show(m_pikcha, QString());
}

void FileChooser::Drive1_Change()
{
    setFolder(existingFolder(m_fs, m_drive1->currentText()));
}

void FileChooser::File1_Click()
{
    QListWidgetItem* item = m_file1->currentItem();
    m_ok->setEnabled(item != nullptr);
    if (!m_pikcha)
        return;
    m_previews->show(m_pikcha, item ? joinPath(m_folder, item->text()) : QString(), tr("(no picture)"));
}

void FileChooser::waitForPictures()
{
    if (m_previews)
        m_previews->finish();
}

void FileChooser::OK_Click()
{
    QListWidgetItem* item = m_file1->currentItem();
    if (!item)
        return;
    const QString path = joinPath(m_folder, item->text());
    if (m_accept && !m_accept(path))
        return;
    m_chosen = path;
    accept();
}

} // namespace parkwen
