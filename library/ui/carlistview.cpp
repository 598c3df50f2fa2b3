#include "library/ui/carlistview.h"

#include "library/bothfolders.h"
#include "library/carfilter.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QIODevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

namespace parkwen {

const QString CarListView::CarsMimeType = QStringLiteral("application/x-parkwen-cars");

CarListView::CarListView(const QString& name, QWidget* parent) : QListView(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setItemDelegate(new CarItemDelegate(this));

    // The filter box and the shown line sit over the list's frame but are its siblings: a list view
    // shows accessibility tools only its entries, so children of it would be out of their reach.
    QWidget* host = parent ? parent : this;
    m_filterBox = new QLineEdit(host);
    m_filterBox->setObjectName(name + QStringLiteral("Filter"));
    m_filterBox->setPlaceholderText(tr("Filter cars"));
    m_filterBox->setClearButtonEnabled(true);
    m_filterBox->setToolTip(tr("Shows only the cars whose names contain this text (Ctrl+F, Escape clears)"));
    m_filterBox->installEventFilter(this);
    connect(m_filterBox, &QLineEdit::textChanged, this, &CarListView::filterEdited);

    m_shownLine = new QLabel(host);
    m_shownLine->setObjectName(name + QStringLiteral("Shown"));
    m_shownLine->setAlignment(Qt::AlignCenter);
    m_shownLine->setProperty("shownLine", true);
    m_shownLine->hide();

    viewport()->installEventFilter(this);
    placeExtras();
}

void CarListView::setEntries(QAbstractItemModel* entries, const BothFolders& marks, bool carList)
{
    m_filter = new CarFilterModel(this);
    m_filter->setSourceModel(entries);
    auto* marked = new CarMarksModel(marks, carList, this);
    marked->setSourceModel(m_filter);
    setModel(marked);
    // The line follows the list as cars come and go while a filter is on.
    // (The entries' own signals: the filter says nothing when a hidden entry comes or goes.)
    auto update = [this] { filterEdited(m_filterBox->text()); };
    connect(entries, &QAbstractItemModel::rowsInserted, this, update);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, update);
    connect(entries, &QAbstractItemModel::modelReset, this, update);
}

void CarListView::clearFilter()
{
    m_filterBox->clear();
}

void CarListView::filterEdited(const QString& text)
{
    if (!m_filter)
        return;
    if (text != m_filter->filterText()) {
        // The filter shows its new rows afresh; what was chosen stays chosen where still shown.
        const QList<int> chosen = chosenRows();
        const int current = listRow(currentIndex());
        m_filter->setFilterText(text);
        QItemSelection selection;
        for (int row : chosen) {
            const QModelIndex index = viewIndex(row);
            if (index.isValid())
                selection.select(index, index);
        }
        if (!selection.isEmpty())
            selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        const QModelIndex currentIndex = viewIndex(current);
        if (currentIndex.isValid())
            selectionModel()->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    }
    const QString line = m_filter->shownLine();
    m_shownLine->setText(line);
    const bool show = !line.isEmpty();
    if (show != m_shownLine->isVisible()) {
        m_shownLine->setVisible(show);
        placeExtras();
    }
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void CarListView::placeExtras()
{
    const int top = m_filterBox->sizeHint().height() + 2;
    const int bottom = m_shownLine->isVisible() ? m_shownLine->sizeHint().height() + 2 : 0;
    setViewportMargins(0, top, 0, bottom);
    const QRect area =
        viewport()->geometry().translated(m_filterBox->parentWidget() == this ? QPoint() : pos());
    m_filterBox->setGeometry(area.left(), area.top() - top, area.width(), top - 2);
    m_shownLine->setGeometry(area.left(), area.bottom() + 2, area.width(), bottom - 2);
}

bool CarListView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
        placeExtras();
        break;
    case QEvent::Show:
    case QEvent::Hide:
        // Siblings follow the list's visibility by hand.
        if (m_filterBox->parentWidget() != this) {
            m_filterBox->setVisible(event->type() == QEvent::Show);
            m_shownLine->setVisible(event->type() == QEvent::Show && !m_shownLine->text().isEmpty());
        }
        break;
    default:
        break;
    }
    return QListView::event(event);
}

bool CarListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Resize) {
        placeExtras();
    } else if (watched == m_filterBox) {
        if (event->type() == QEvent::FocusIn) {
            emit used();
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && !m_filterBox->text().isEmpty()) {
                clearFilter();
                return true;
            }
            if (key->key() == Qt::Key_Down) { // on to the entries found
                setFocus();
                return true;
            }
        }
    }
    return QListView::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Rows

int CarListView::listRow(const QModelIndex& viewIndex) const
{
    QModelIndex index = viewIndex;
    while (index.isValid()) {
        auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
        if (!proxy)
            return index.row();
        index = proxy->mapToSource(index);
    }
    return -1;
}

QModelIndex CarListView::viewIndex(int listRow) const
{
    QList<const QAbstractProxyModel*> chain;
    const QAbstractItemModel* m = model();
    while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(m)) {
        chain.prepend(proxy);
        m = proxy->sourceModel();
    }
    if (!m)
        return {};
    QModelIndex index = m->index(listRow, 0);
    for (const QAbstractProxyModel* proxy : std::as_const(chain))
        index = proxy->mapFromSource(index);
    return index;
}

QList<int> CarListView::chosenRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << listRow(index);
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CarListView::chosenCount() const
{
    return selectionModel() ? int(selectionModel()->selectedIndexes().size()) : 0;
}

int CarListView::leadRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current))
        return listRow(current);
    const QList<int> rows = chosenRows();
    return rows.isEmpty() ? -1 : rows.first();
}

// ---------------------------------------------------------------------------------------------
// Choosing

CarListView::ChoiceState CarListView::choiceState() const
{
    if (!selectionModel())
        return {};
    return {selectionModel()->selection(), QPersistentModelIndex(currentIndex())};
}

void CarListView::reportIfChanged(const ChoiceState& before)
{
    const ChoiceState after = choiceState();
    if (after.selection != before.selection || after.current != before.current)
        emit choiceChangedByUser();
}

void CarListView::mousePressEvent(QMouseEvent* event)
{
    const ChoiceState before = choiceState();
    QListView::mousePressEvent(event);
    reportIfChanged(before);
}

void CarListView::mouseMoveEvent(QMouseEvent* event)
{
    const ChoiceState before = choiceState();
    QListView::mouseMoveEvent(event);
    reportIfChanged(before);
}

void CarListView::mouseReleaseEvent(QMouseEvent* event)
{
    const ChoiceState before = choiceState();
    QListView::mouseReleaseEvent(event);
    reportIfChanged(before);
}

void CarListView::keyPressEvent(QKeyEvent* event)
{
    // The menu key and Shift+F10 open the context menu, as in every desktop's lists.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_filter && m_filter->isFiltering()) {
        clearFilter();
        event->accept();
        return;
    }
    const ChoiceState before = choiceState();
    QListView::keyPressEvent(event);
    reportIfChanged(before);
}

void CarListView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    emit used();
}

void CarListView::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu opens at the current entry rather than wherever the mouse is.
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect entry = visualRect(currentIndex());
        at = viewport()->mapToGlobal(entry.isValid() ? entry.bottomLeft() : QPoint(0, 0));
    }
    emit menuRequested(at);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Dragging

QByteArray CarListView::token() const
{
    // Names this list within this very process.
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(this), 16);
}

QMimeData* CarListView::dragData() const
{
    QStringList names;
    for (int row : chosenRows())
        names << model()->data(viewIndex(row), Qt::DisplayRole).toString();
    if (names.isEmpty())
        return nullptr;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << token() << names;
    auto* data = new QMimeData;
    data->setData(CarsMimeType, bytes);
    return data;
}

QStringList CarListView::carsFromPartner(const QMimeData* data) const
{
    if (!m_partner || !data || !data->hasFormat(CarsMimeType))
        return {};
    QByteArray origin;
    QStringList names;
    QDataStream in(data->data(CarsMimeType));
    in >> origin >> names;
    if (in.status() != QDataStream::Ok || origin != m_partner->token())
        return {};
    return names;
}

void CarListView::startDrag(Qt::DropActions)
{
    QMimeData* data = dragData();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QModelIndex lead = viewIndex(leadRow());
    const QImage picture = lead.data(Qt::DecorationRole).value<QImage>();
    if (!picture.isNull())
        drag->setPixmap(
            QPixmap::fromImage(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    // The move itself is the drop's business: the view's own drag would remove the rows here.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

bool CarListView::acceptDrag(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    const bool ours = !carsFromPartner(data).isEmpty();
    if (ours || (!data->hasFormat(CarsMimeType) && acceptsExternalDrop && acceptsExternalDrop(data))) {
        if (ours) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        }
        return true;
    }
    event->ignore();
    return false;
}

void CarListView::dragEnterEvent(QDragEnterEvent* event)
{
    acceptDrag(event);
}

void CarListView::dragMoveEvent(QDragMoveEvent* event)
{
    acceptDrag(event);
}

void CarListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void CarListView::dropEvent(QDropEvent* event)
{
    if (!acceptDrag(event))
        return;
    const QStringList names = carsFromPartner(event->mimeData());
    if (!names.isEmpty())
        emit carsDropped(names);
    else if (onExternalDrop)
        onExternalDrop(event->mimeData());
}

// ---------------------------------------------------------------------------------------------
// Drawing

void CarItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(CarMarksModel::AlsoInOtherRole).toBool())
        return;
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect picture = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &opt, widget);
    // Two cards, one behind the other, in the picture's lower right corner.
    const QRectF badge(picture.right() - 22, picture.bottom() - 22, 22, 22);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::white, 1.5));
    painter->setBrush(QColor(230, 120, 20));
    painter->drawRoundedRect(badge, 5, 5);
    painter->setPen(QPen(Qt::white, 1.6));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(badge.adjusted(5, 5, -9, -9));
    painter->setBrush(QColor(230, 120, 20));
    painter->drawRect(badge.adjusted(9, 9, -5, -5));
    painter->restore();
}

} // namespace parkwen
