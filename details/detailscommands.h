#pragma once

#include "platform/actioninfo.h"

#include <QStringList>

#include <span>

namespace parkwen {

// The commands of the car details window a player reaches by key, in one table: each one's object
// name, caption, tooltip, key and the line the Keys window shows for it. The window's actions and
// buttons are made from it (details/ui/settactions.h); the Keys window and the help list its keys.
struct DetailsCommands
{
    enum Command {
        ImportParameters, // F1, "Import" in the parameter area
        BackUpParameters, // F2, "Backup" in the parameter area
        SetParameters,    // F3, "Set" in the parameter area
        BackUpSkin,       // F4, "Backup" in the skin area
        SetSkin,          // F5, "Set" in the skin area
        CommandCount
    };

    // The window's translation context, which the captions and tooltips keep.
    static constexpr const char* context = "parkwen::Sett";

    static std::span<const ActionInfo> table();
    static const ActionInfo& info(Command command);
    // What the command does, as its line in the Keys window says it, translated: the name a screen
    // reader gives its button, since two buttons share each caption.
    static QString doesText(Command command);

    // The window's lines in the Keys window, under its heading.
    static QStringList keysWindowLines();
    // The window's keys and what they do, as the help lists them.
    static QList<KeyHelp> keyHelp();
};

} // namespace parkwen
