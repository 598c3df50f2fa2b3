#pragma once

#include "library/gamecontent.h"

#include <QDialog>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace parkwen {

// Every car folder of every pack under the chosen packlist, as the game sees it: its pack, whether
// the game loads it, a later pack hides it or its pack is off, and for a car in several packs which
// file the game takes from which pack. Read only: packs are the game's.
class LoadedView : public QDialog
{
    Q_OBJECT
public:
    LoadedView(const GameContent& content, QWidget* parent = nullptr);

    // The rows shown, after the filter.
    int shownCount() const;

private:
    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_filter;
    QLineEdit* m_text;
    QTableView* m_view;
};

} // namespace parkwen
