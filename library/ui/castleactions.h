#pragma once

#include "platform/qt/actiontable.h"

#include <QStringList>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace parkwen {

// Every command of the main window a player reaches by key, button or menu, as one QAction each:
// its caption, keys, tooltip and accessible name, translated. The buttons, the lists' menu and the
// keys are built from it, and so are the Keys window and the key table of the help. The actions
// only announce that they were triggered; the window connects them to what they do.
class CastleActions : public ActionTable
{
    // No Q_OBJECT: it adds nothing to ActionTable's signals, and the help viewer uses its table
    // without the rest of the window.
public:
    enum Command {
        BringChosen, // "<<", Z
        SendChosen,  // ">>", X
        Settings,    // F1
        Help,        // F2
        ResetNumber, // F3
        Refresh,     // F5
        Install,     // F6
        Table,       // F7
        Packs,       // F8
        Play,        // F9
        Filter,      // Ctrl+F
        Undo,        // Ctrl+Z
        CreateSet,
        EditSet,
        LoadSet,
        SetOnly,
        RemoveSet,
        AllToGarage,
        AllToCarFolder,
        DeleteCar,
        Keys,
        MoveFromList, // the lists' menu
        DeleteFromList,
        OpenDetails,
        ShowInFileManager,
        CommandCount
    };

    // What one command is, before it is translated.
    using Info = ActionInfo;
    static const Info& info(Command command);

    // The actions of `window`, reached by their keys wherever the focus is in it.
    explicit CastleActions(QWidget* window);

    QAction* action(Command command) const { return actionAt(command); }

    // A button showing the command's caption, tooltip and accessible name; clicking it triggers
    // the command.
    QPushButton* makeButton(Command command, const char* buttonName, QWidget* parent) const;
    // An entry of `menu` for the command: an action of the menu's own (so that a menu can be
    // enabled differently each time it opens) that triggers the command.
    QAction* addToMenu(Command command, const char* entryName, QMenu* menu) const;

    // The lines of the Keys window: the main window's keys and the details window's, as the window
    // has always listed them, then the keys added since.
    static QStringList keysWindowLines();
    // The rows of the help's key table: the key, as the help writes it.
    static QStringList helpKeys();
    // The main window's keys and what they do, as the help viewer lists them.
    static QList<KeyHelp> keyHelp();
};

} // namespace parkwen
