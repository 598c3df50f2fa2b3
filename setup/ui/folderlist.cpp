#include "setup/ui/folderlist.h"

#include <QDir>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>
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
    setIndentation(10);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Long names scroll sideways rather than being cut off.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { fill(item); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { choose(current); });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { open(item); });
}

bool FolderList::viewportEvent(QEvent* event)
{
    // Rows are at least as wide as the list, so the chosen row is marked across the whole list.
    if (event->type() == QEvent::Resize)
        header()->setMinimumSectionSize(static_cast<QResizeEvent*>(event)->size().width());
    return QTreeWidget::viewportEvent(event);
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
    // Whether a folder has sub-folders is learnt when it is unfolded.
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

void FolderList::open(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString folder = folderOf(item);
    // The rows are rebuilt, the activated one among them: do it once the activation is over.
    QMetaObject::invokeMethod(
        this,
        [this, folder] {
            const bool changed = folder != m_path;
            setPath(folder);
            if (changed)
                emit pathChanged(m_path);
        },
        Qt::QueuedConnection);
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
        // A folder outside every known drive still gets a way down of its own.
        rootPath = target.left(target.indexOf(QLatin1Char('/')) + 1);
        rootItem = addFolder(nullptr, rootPath, QDir::toNativeSeparators(rootPath));
    }

    // The way down: each folder shows only the next one, open.
    QTreeWidgetItem* item = rootItem;
    QString current = rootPath;
    for (const QString& name : target.mid(rootPath.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        item->setData(0, FilledRole, true);
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        item->setIcon(
            0, style()->standardIcon(item == rootItem ? QStyle::SP_DriveHDIcon : QStyle::SP_DirOpenIcon));
        current = joinPath(current, name);
        QTreeWidgetItem* next = addFolder(item, current, name);
        item->setExpanded(true);
        item = next;
    }
    if (item != rootItem)
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    fill(item);
    item->setExpanded(true);
    setCurrentItem(item);
    m_path = folderOf(item);

    // Scrolled once the list has its final size: from the top, as far as the open folder needs.
    QMetaObject::invokeMethod(
        this,
        [this] {
            scrollToTop();
            if (QTreeWidgetItem* open = currentItem())
                scrollToItem(open);
            horizontalScrollBar()->setValue(0);
        },
        Qt::QueuedConnection);
}

} // namespace parkwen
