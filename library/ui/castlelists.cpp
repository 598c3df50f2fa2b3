#include "library/ui/castle.h"

#include "library/ui/carlistview.h"

#include <QLineEdit>
#include <QMenu>
#include <QUrl>

// The two lists: what a click, a double-click, a drop or the context menu does with their entries.

namespace parkwen {

void Castle::connectList(CarListView* view, bool carList)
{
    const CarList& list =
        carList ? m_cars.folder(FolderRole::Cars).list() : m_cars.folder(FolderRole::Garage).list();
    // A click chooses, and so does moving through the list with the keyboard; the list taking the
    // focus or a filter hiding entries chooses nothing.
    connect(view, &CarListView::choiceChangedByUser, this, [this, view] { chooseLead(view); });
    connect(view, &QListView::clicked, this, [this, view] { chooseLead(view); });
    connect(view, &QListView::doubleClicked, this, [this, carList](const QModelIndex&) {
        if (carList)
            Cart3_DblClick();
        else
            Gartery_DblClick();
    });
    connect(view, &CarListView::used, this, [this, view] { m_lastUsedList = view; });
    connect(view, &CarListView::carsDropped, this, [this, carList](const QStringList& names) {
        m_moves.send(names, carList ? FolderRole::Cars : FolderRole::Garage);
    });
    connect(view, &CarListView::menuRequested, this, [this, view](const QPoint& at) {
        QMenu* menu = listMenu(view);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
    // The list's own idea of its selected entry follows the model (after moves and deletions).
    connect(&list, &CarList::selectedRowChanged, this, [this, view](int row) {
        if (m_choosing) // the view shows that choice already, perhaps among several
            return;
        const QModelIndex index = view->viewIndex(row);
        if (index.isValid()) {
            view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            view->scrollTo(index);
        } else {
            view->clearSelection();
            view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        }
    });
}

void Castle::chooseLead(CarListView* view)
{
    m_lastUsedList = view;
    const int row = view->leadRow();
    if (row < 0)
        return;
    m_choosing = true;
    if (view == m_Cart3)
        Cart3_NodeClick(row);
    else
        Gartery_NodeClick(row);
    m_choosing = false;
}

QStringList Castle::chosenNames(CarListView* view) const
{
    const CarList& list =
        view == m_Cart3 ? m_cars.folder(FolderRole::Cars).list() : m_cars.folder(FolderRole::Garage).list();
    QStringList names;
    for (int row : view->chosenRows())
        names << list.text(row);
    return names;
}

void Castle::focusFilter()
{
    QLineEdit* box = m_lastUsedList->filterBox();
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

QMenu* Castle::listMenu(CarListView* view)
{
    using C = CastleActions;
    const bool carList = view == m_Cart3;
    chooseLead(view);
    m_menuList = view;
    const int chosen = view->chosenCount();
    const int lead = view->leadRow();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ListMenu"));
    auto add = [this, menu](C::Command command, const char* name, bool enabled) {
        QAction* entry = m_actions->addToMenu(command, name, menu);
        entry->setEnabled(enabled);
        return entry;
    };
    // A single car-list entry is as movable and deletable as the buttons say (stock cars are not).
    add(C::MoveFromList, "MenuMove",
        chosen > 1 || (chosen == 1 && (!carList || m_cars.display().canSendChosen)));
    add(C::DeleteFromList, "MenuDelete",
        chosen > 1 || (chosen == 1 && (!carList || m_cars.display().canDeleteChosen)));
    menu->addSeparator();
    add(C::OpenDetails, "MenuDetails", lead >= 0);
    add(C::ShowInFileManager, "MenuShow", lead >= 0);
    add(C::Table, "MenuTable", true);
    // A Car Folder that is a pack's cars folder: its pack is a click away.
    const std::optional<GameFolder>& game = m_cars.game().folder();
    if (carList && game && game->carFolderPack != Packlist::DefaultPack)
        add(C::Packs, "MenuPacks", true);
    menu->addSeparator();
    add(C::Undo, "MenuUndo", m_moves.canUndo());
    return menu;
}

} // namespace parkwen
