#pragma once

#include "library/packlistediting.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parkwen {

// The Packs window: `default` and every pack folder of the game, with its number of cars, whether
// the chosen packlist loads it, its place in the order and the writable mark. Ticking a pack
// switches it on or off; Up and Down (Alt+Up, Alt+Down, or a drag) move it; the packlist can be
// chosen, copied to a new one, renamed and deleted. Every change goes to the packlist at once and
// Ctrl+Z takes it back.
class PacksWindow : public QDialog
{
    Q_OBJECT
public:
    PacksWindow(FileSystem& fs, Dialogs& dialogs, const GameFolder& game, const QString& chosen,
                QWidget* parent = nullptr);
    // On the commands of `editing`, which outlive the window: the main window's Ctrl+Z can take a
    // change back after the window is closed.
    PacksWindow(PacklistEditing& editing, Dialogs& dialogs, const QString& chosen, QWidget* parent = nullptr);

    // The packlist shown, for the settings.
    QString packlist() const;

signals:
    // The packlist chosen in the window is another one now.
    void packlistChosen(const QString& packlist);
    // A packlist changed: what the game loads may have changed.
    void packlistChanged();

private:
    void fill();
    void chooseRow(const QString& pack);
    QString chosenPack() const;
    void afterChange(bool changed, const QString& keepChosen);
    void itemChanged(QTreeWidgetItem* item, int column);
    void moveChosen(int by);
    void newPacklist();
    void renamePacklist();

    std::unique_ptr<PacklistEditing> m_own;
    PacklistEditing& m_editing;
    Dialogs& m_dialogs;
    bool m_filling = false;
    QLabel* m_game;
    QComboBox* m_packlists;
    QTreeWidget* m_packs;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_undo;
    QLabel* m_summary;
};

} // namespace parkwen
