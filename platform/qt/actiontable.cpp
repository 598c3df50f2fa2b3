#include "platform/qt/actiontable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace parkwen {

ActionTable::ActionTable(QWidget* window, const char* context, std::span<const ActionInfo> rows,
                         const KeysOf& keysOf)
    : QObject(window), m_context(context), m_rows(rows)
{
    for (int row = 0; row < int(rows.size()); ++row) {
        const ActionInfo& about = rows[size_t(row)];
        auto* action = new QAction(QCoreApplication::translate(context, about.caption), window);
        action->setObjectName(QString::fromLatin1(about.name));
        if (*about.tooltip)
            action->setToolTip(QCoreApplication::translate(context, about.tooltip));
        action->setShortcuts(keysOf(row));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setAutoRepeat(about.autoRepeat);
        window->addAction(action);
        m_actions << action;
    }
}

QPushButton* ActionTable::buttonFor(int row, const char* buttonName, QWidget* parent) const
{
    QAction* a = actionAt(row);
    auto* button = new QPushButton(a->text(), parent);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setToolTip(a->toolTip() == a->text() ? QString() : a->toolTip());
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, a, &QAction::trigger);
    return button;
}

QAction* ActionTable::menuEntryFor(int row, const char* entryName, QMenu* menu, bool showKey) const
{
    QAction* a = actionAt(row);
    QAction* entry = menu->addAction(a->text());
    entry->setObjectName(QString::fromLatin1(entryName));
    if (showKey && !m_rows[size_t(row)].key.isEmpty())
        entry->setShortcut(m_rows[size_t(row)].key);
    connect(entry, &QAction::triggered, a, &QAction::trigger);
    return entry;
}

} // namespace parkwen
