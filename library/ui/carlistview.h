#pragma once

#include <QListView>
#include <QStyledItemDelegate>

#include <functional>

class QLabel;
class QLineEdit;
class QMimeData;

namespace parkwen {

class BothFolders;
class CarFilterModel;

// One of the main window's car lists: the entries of a CarList with their pictures, a filter box
// above them and the "N of M shown" line below them while a filter is on. Several entries can be
// chosen; chosen entries can be dragged onto the other list. What the choosing and dropping mean
// is the window's business: the view only reports it.
class CarListView : public QListView
{
    Q_OBJECT
public:
    // The type of the data a drag of cars carries.
    static const QString CarsMimeType;

    explicit CarListView(const QString& name, QWidget* parent = nullptr);

    // Shows `entries` (a model whose rows are those of a CarList) through the filter and the marks
    // of cars that are in both folders.
    void setEntries(QAbstractItemModel* entries, const BothFolders& marks, bool carList);
    // The list a drag of this list's cars may be dropped on.
    void setPartner(CarListView* partner) { m_partner = partner; }

    QLineEdit* filterBox() const { return m_filterBox; }
    QLabel* shownLine() const { return m_shownLine; }
    CarFilterModel* filter() const { return m_filter; }
    void clearFilter();

    // Rows of the underlying CarList.
    int listRow(const QModelIndex& viewIndex) const;
    QModelIndex viewIndex(int listRow) const;
    // The chosen entries as rows of the CarList, in list order.
    QList<int> chosenRows() const;
    int chosenCount() const;
    // The entry to treat as the one chosen last: the current entry when it is chosen, else the
    // first chosen one; -1 when nothing is chosen.
    int leadRow() const;

    // What a drag of the chosen cars carries; null when nothing is chosen.
    QMimeData* dragData() const;
    // The car names a drag from the partner list carries; empty for anything else (including a
    // drag from this very list).
    QStringList carsFromPartner(const QMimeData* data) const;

    // Drops from outside the program (files from a file manager). Unset, they are refused.
    std::function<bool(const QMimeData*)> acceptsExternalDrop;
    std::function<void(const QMimeData*)> onExternalDrop;

signals:
    // A click or key changed what is chosen in this list.
    void choiceChangedByUser();
    void carsDropped(const QStringList& names);
    void menuRequested(const QPoint& globalPos);
    // The list or its filter box took the focus.
    void used();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ChoiceState
    {
        QItemSelection selection;
        QPersistentModelIndex current;
    };
    ChoiceState choiceState() const;
    void reportIfChanged(const ChoiceState& before);
    void filterEdited(const QString& text);
    void placeExtras();
    bool acceptDrag(QDropEvent* event);
    QByteArray token() const;

    CarFilterModel* m_filter = nullptr;
    QLineEdit* m_filterBox;
    QLabel* m_shownLine;
    CarListView* m_partner = nullptr;
};

// Draws an entry with its picture and, for a car that is in both folders, a mark on the picture.
class CarItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace parkwen
