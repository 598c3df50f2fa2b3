#pragma once

#include "details/detailscommands.h"
#include "platform/qt/actiontable.h"

class QAction;
class QPushButton;
class QWidget;

namespace parkwen {

// The car details window's commands reached by key (DetailsCommands), as one QAction each, reached
// by their keys wherever the focus is in the window. Sett connects them to its handlers and makes
// the buttons of the parameter and skin areas from them.
class SettActions : public ActionTable
{
public:
    using Command = DetailsCommands::Command;

    explicit SettActions(QWidget* window);

    QAction* action(Command command) const { return actionAt(command); }
    // A button showing the command's caption and tooltip, named for screen readers by what it does;
    // clicking it triggers the command.
    QPushButton* makeButton(Command command, const char* buttonName, QWidget* parent) const;
};

} // namespace parkwen
