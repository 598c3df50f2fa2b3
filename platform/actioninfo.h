#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace parkwen {

// One command a window offers by key, button or menu, before it is translated. A window keeps its
// commands in one table of these; its actions, buttons and key lists are made from the table.
struct ActionInfo
{
    const char* name;     // the action's object name
    const char* caption;  // its text, on its button and in a menu
    const char* tooltip;  // empty: none
    QKeySequence key;     // the key the Keys window and the help name; empty: none
    const char* keysLine; // its line in the Keys window; null: none
    bool autoRepeat;      // held down, the key repeats the command
};

// A key and what it does, as the help lists a window's keys.
struct KeyHelp
{
    QString key;
    QString does;
};

// What a line of the Keys window ("\tF2: Help") says the key does ("Help").
QString keysLineDoes(const QString& line);

// The help's row for a command with a key: its key as the user reads it, and what its line in the
// Keys window (translated in `keysContext`) says it does.
KeyHelp keyHelpOf(const ActionInfo& info, const char* keysContext);

} // namespace parkwen
