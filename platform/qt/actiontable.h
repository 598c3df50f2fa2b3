#pragma once

#include "platform/actioninfo.h"

#include <QList>
#include <QObject>

#include <functional>
#include <span>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace parkwen {

// A window's commands as one QAction each, made from its table: object name, text and tooltip
// translated in the table's context, keys and auto-repeat. The actions belong to the window and are
// reached by their keys wherever the focus is in it (no event filter). They only announce that they
// were triggered; the window connects them to what they do.
class ActionTable : public QObject
{
    Q_OBJECT
public:
    // The keys that reach the command of `row` (the table's key, with the modifiers the window
    // accepts).
    using KeysOf = std::function<QList<QKeySequence>(int row)>;

    ActionTable(QWidget* window, const char* context, std::span<const ActionInfo> rows, const KeysOf& keysOf);

    QAction* actionAt(int row) const { return m_actions.at(row); }
    const char* context() const { return m_context; }

    // A button showing the command's caption and tooltip; clicking it triggers the command.
    QPushButton* buttonFor(int row, const char* buttonName, QWidget* parent) const;
    // An entry of `menu` for the command: an action of the menu's own (so that a menu can be
    // enabled differently each time it opens) that triggers the command, showing its key when
    // `showKey`.
    QAction* menuEntryFor(int row, const char* entryName, QMenu* menu, bool showKey) const;

private:
    const char* m_context;
    std::span<const ActionInfo> m_rows;
    QList<QAction*> m_actions;
};

} // namespace parkwen
