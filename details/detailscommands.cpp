#include "details/detailscommands.h"

#include <QCoreApplication>

#include <array>

namespace parkwen {

namespace {

constexpr const char* kKeysContext = "KeysWindow";

using D = DetailsCommands;

// In the order of the enum. The keys are read alone: with Shift, Ctrl or Alt they do nothing.
const std::array<ActionInfo, D::CommandCount> kCommands = {{
    {"importParameters", QT_TRANSLATE_NOOP("parkwen::Sett", "Import"),
     QT_TRANSLATE_NOOP("parkwen::Sett", "Click to Import Parameters from another Folder"),
     QKeySequence(Qt::Key_F1), QT_TRANSLATE_NOOP("KeysWindow", "\tF1: Import Parameters"), true},
    {"backUpParameters", QT_TRANSLATE_NOOP("parkwen::Sett", "Backup"),
     QT_TRANSLATE_NOOP("parkwen::Sett", "Click to BackUp \"Current Parameters\" (Parameters.Txt.)"),
     QKeySequence(Qt::Key_F2), QT_TRANSLATE_NOOP("KeysWindow", "\tF2: Backup Parameters"), true},
    {"setParameters", QT_TRANSLATE_NOOP("parkwen::Sett", "Set"),
     QT_TRANSLATE_NOOP("parkwen::Sett",
                       "Click to set the Currently Selected Parameters to \"Current Parameters\" "
                       "(Parameters.Txt.)"),
     QKeySequence(Qt::Key_F3), QT_TRANSLATE_NOOP("KeysWindow", "\tF3: Set Parameters"), true},
    {"backUpSkin", QT_TRANSLATE_NOOP("parkwen::Sett", "Backup"),
     QT_TRANSLATE_NOOP("parkwen::Sett", "Click to Backup the \"Current Skin.\""), QKeySequence(Qt::Key_F4),
     QT_TRANSLATE_NOOP("KeysWindow", "\tF4: Backup Skin"), true},
    {"setSkin", QT_TRANSLATE_NOOP("parkwen::Sett", "Set"),
     QT_TRANSLATE_NOOP("parkwen::Sett", "Click to Set the Current \"Other Skin\" to the \"Current Skin\""),
     QKeySequence(Qt::Key_F5), QT_TRANSLATE_NOOP("KeysWindow", "\tF5: Set Skin!"), true},
}};

} // namespace

std::span<const ActionInfo> DetailsCommands::table()
{
    return kCommands;
}

const ActionInfo& DetailsCommands::info(Command command)
{
    return kCommands[size_t(command)];
}

QString DetailsCommands::doesText(Command command)
{
    return keysLineDoes(QCoreApplication::translate(kKeysContext, info(command).keysLine));
}

QStringList DetailsCommands::keysWindowLines()
{
    QStringList lines;
    for (const ActionInfo& about : kCommands)
        lines << QCoreApplication::translate(kKeysContext, about.keysLine);
    return lines;
}

QList<KeyHelp> DetailsCommands::keyHelp()
{
    QList<KeyHelp> rows;
    for (const ActionInfo& about : kCommands)
        rows << keyHelpOf(about, kKeysContext);
    return rows;
}

} // namespace parkwen
