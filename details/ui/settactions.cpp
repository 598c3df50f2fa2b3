#include "details/ui/settactions.h"

#include <QAction>
#include <QPushButton>

namespace parkwen {

SettActions::SettActions(QWidget* window)
    : ActionTable(window, DetailsCommands::context, DetailsCommands::table(), [](int row) {
          // The window has always taken these keys only when pressed alone.
          return QList<QKeySequence>{DetailsCommands::info(Command(row)).key};
      })
{
    setObjectName(QStringLiteral("SettActions"));
}

QPushButton* SettActions::makeButton(Command command, const char* buttonName, QWidget* parent) const
{
    QPushButton* button = buttonFor(command, buttonName, parent);
    button->setAccessibleName(DetailsCommands::doesText(command));
    return button;
}

} // namespace parkwen
