#include "folderlist.h"

#include <QDir>
#include <QHeaderView>
#include <QStyle>

namespace parkwen {

namespace {
constexpr int PathRole = Qt::UserRole;
constexpr int FilledRole = Qt::UserRole + 1;

Qt::CaseSensitivity nameCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}
} // namespace

FolderList::FolderList(FileSystem& fs, QWidget* parent) : QTreeWidget(parent), m_fs(fs)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(12);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Long names scroll sideways rather than being cut off.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { fill(item); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { choose(current); });
}

QString FolderList::folderOf(const QTreeWidgetItem* item)
{
    return item->data(0, PathRole).toString();
}

QTreeWidgetItem* FolderList::addFolder(QTreeWidgetItem* parent, const QString& folder, const QString& text)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, PathRole, folder);
    item->setIcon(0, style()->standardIcon(parent ? QStyle::SP_DirIcon : QStyle::SP_DriveHDIcon));
    // Whether a folder has sub-folders is learnt when it is opened.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

void FolderList::fill(QTreeWidgetItem* item)
{
    if (item->data(0, FilledRole).toBool())
        return;
    item->setData(0, FilledRole, true);
    const Result<QStringList> folders = m_fs.listFolders(folderOf(item));
    if (folders.ok()) {
        for (const QString& folder : folders.value())
            addFolder(item, folder, lastName(folder));
    }
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void FolderList::choose(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString folder = folderOf(item);
    if (folder == m_path)
        return;
    m_path = folder;
    emit pathChanged(m_path);
}

void FolderList::setPath(const QString& folder)
{
    const QString target = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QSignalBlocker quiet(this);
    clear();

    QTreeWidgetItem* rootItem = nullptr;
    QString rootPath;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = drive.absolutePath();
        QTreeWidgetItem* item = addFolder(nullptr, root, QDir::toNativeSeparators(root));
        if (!rootItem && target.startsWith(root, nameCase())) {
            rootItem = item;
            rootPath = root;
        }
    }
    if (!rootItem) {
        // A folder outside every known drive still gets a tree of its own.
        rootPath = target.left(target.indexOf(QLatin1Char('/')) + 1);
        rootItem = addFolder(nullptr, rootPath, QDir::toNativeSeparators(rootPath));
    }

    QTreeWidgetItem* item = rootItem;
    QString current = rootPath;
    for (const QString& name : target.mid(rootPath.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        fill(item);
        item->setExpanded(true);
        current = joinPath(current, name);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (QString::compare(folderOf(item->child(i)), current, nameCase()) == 0)
                next = item->child(i);
        // A folder the listing leaves out (a hidden one) is still on the way to the current folder.
        if (!next)
            next = addFolder(item, current, name);
        item = next;
    }
    fill(item);
    item->setExpanded(true);
    setCurrentItem(item);
    m_path = folderOf(item);
    scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

} // namespace parkwen
