#include "library/ui/castleactions.h"

#include "details/detailscommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace parkwen {

namespace {

// The main window's texts keep the window's translation context.
constexpr const char* kContext = "parkwen::Castle";
constexpr const char* kKeysContext = "KeysWindow";

using C = CastleActions;

// In the order of the enum.
const std::array<C::Info, C::CommandCount> kCommands = {{
    {"bringChosen", "<<",
     QT_TRANSLATE_NOOP("parkwen::Castle",
                       "Click to Send Car selected in \"Garage Folder\" to \"Care Folder\""),
     QKeySequence(Qt::Key_Z), QT_TRANSLATE_NOOP("KeysWindow", "\t Z : Send to Car Folder"), true},
    {"sendChosen", ">>",
     QT_TRANSLATE_NOOP("parkwen::Castle",
                       "Click to Send Car selected in \"Car Folder\" to \"Garage Folder.\""),
     QKeySequence(Qt::Key_X), QT_TRANSLATE_NOOP("KeysWindow", " \t X : Send to Garage Folder"), true},
    {"settings", QT_TRANSLATE_NOOP("parkwen::Castle", "Settings"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to run \"Rigwell.\""), QKeySequence(Qt::Key_F1),
     QT_TRANSLATE_NOOP("KeysWindow", "\tF1 : Run Rigwell"), false},
    {"help", QT_TRANSLATE_NOOP("parkwen::Castle", "Help"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to view Help for Parkwen"), QKeySequence(Qt::Key_F2),
     QT_TRANSLATE_NOOP("KeysWindow", "\tF2: Help"), false},
    {"resetNumber", QT_TRANSLATE_NOOP("parkwen::Castle", "Reset Reg."),
     QT_TRANSLATE_NOOP(
         "parkwen::Castle",
         "To reset the \"Selected Car\" Number in the registry. Use if the last you selected in "
         "Re-Volt exceeds the amount of cars you now have in your Car Directory"),
     QKeySequence(Qt::Key_F3), QT_TRANSLATE_NOOP("KeysWindow", "\tF3: Reset Registry"), false},
    {"refresh", QT_TRANSLATE_NOOP("parkwen::Castle", "Refresh"),
     QT_TRANSLATE_NOOP("parkwen::Castle",
                       "Click to refresh the \"Car Folder\" & \"Garage Folder\" if any subdirectory of those "
                       "directories has between moved\\deleted."),
     QKeySequence(Qt::Key_F5), QT_TRANSLATE_NOOP("KeysWindow", "\tF5: Refresh"), false},
    {"install", QT_TRANSLATE_NOOP("parkwen::Castle", "Install Cars"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Install cars from downloaded archives"), QKeySequence(Qt::Key_F6),
     QT_TRANSLATE_NOOP("KeysWindow", "\tF6: Install Cars"), false},
    {"table", QT_TRANSLATE_NOOP("parkwen::Castle", "Car Table"),
     QT_TRANSLATE_NOOP("parkwen::Castle",
                       "Every car of both folders in one table, with statistics and health (F7)"),
     QKeySequence(Qt::Key_F7), QT_TRANSLATE_NOOP("KeysWindow", "\tF7: Car Table"), false},
    {"packs", QT_TRANSLATE_NOOP("parkwen::Castle", "Packs"),
     QT_TRANSLATE_NOOP(
         "parkwen::Castle",
         "The game's packs: which the chosen packlist loads, in which order, with their cars (F8)"),
     QKeySequence(Qt::Key_F8), QT_TRANSLATE_NOOP("KeysWindow", "\tF8: Packs"), false},
    {"play", QT_TRANSLATE_NOOP("parkwen::Castle", "Play"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Start the game with the chosen packlist (F9)"),
     QKeySequence(Qt::Key_F9), QT_TRANSLATE_NOOP("KeysWindow", "\tF9: Play"), false},
    {"filter", QT_TRANSLATE_NOOP("parkwen::Castle", "Filter"), "", QKeySequence(Qt::CTRL | Qt::Key_F),
     QT_TRANSLATE_NOOP("KeysWindow", "\tCtrl+F: Filter the list used last"), true},
    {"undo", QT_TRANSLATE_NOOP("parkwen::Castle", "Undo"), "", QKeySequence(Qt::CTRL | Qt::Key_Z),
     QT_TRANSLATE_NOOP("KeysWindow", "\tCtrl+Z: Undo the last move"), false},
    {"createSet",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Create Set"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to Create a Set of Cars for Quick-loading"),
     {},
     nullptr,
     false},
    {"editSet",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Edit Set"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to Edit a already created Set of Cars for Quick-loading"),
     {},
     nullptr,
     false},
    {"loadSet",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Load set"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to Load the selected Set into the Car Folder."),
     {},
     nullptr,
     false},
    {"setOnly",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Set only"),
     QT_TRANSLATE_NOOP("parkwen::Castle",
                       "Click to Load Only the selected Set into the Car Folder, all others will be removed "
                       "from the Car Folder to the Garage Folder."),
     {},
     nullptr,
     false},
    {"removeSet",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Rem. Set"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Sends all set members not in Garage Folder, to Garage Folder"),
     {},
     nullptr,
     false},
    {"allToGarage",
     QT_TRANSLATE_NOOP("parkwen::Castle", "All: Gar."),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to place all Cars into the Garage Folder"),
     {},
     nullptr,
     false},
    {"allToCarFolder",
     QT_TRANSLATE_NOOP("parkwen::Castle", "All: Car"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to place all Cars into the Car Folder"),
     {},
     nullptr,
     false},
    {"deleteCar",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Del. Car"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to completely remove the last selected car."),
     {},
     nullptr,
     false},
    {"keys",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Keys"),
     QT_TRANSLATE_NOOP("parkwen::Castle", "Click to view key Shortcuts"),
     {},
     nullptr,
     false},
    {"moveFromList", QT_TRANSLATE_NOOP("parkwen::Castle", "Move"), "", {}, nullptr, false},
    {"deleteFromList", QT_TRANSLATE_NOOP("parkwen::Castle", "Delete"), "", {}, nullptr, false},
    {"openDetails", QT_TRANSLATE_NOOP("parkwen::Castle", "Open Details"), "", {}, nullptr, false},
    {"showInFileManager",
     QT_TRANSLATE_NOOP("parkwen::Castle", "Show in File Manager"),
     "",
     {},
     nullptr,
     false},
}};

// The commands the Keys window listed from the start, in its order; the others with a key follow
// after the details window's keys.
constexpr C::Command kFirstListed[] = {C::BringChosen, C::SendChosen,  C::Settings,
                                       C::Help,        C::ResetNumber, C::Refresh};

// The game's window has always read a key whatever Shift, Ctrl or Alt was held with it, except where
// the key with Ctrl is a command of its own (Ctrl+Z, Ctrl+F).
QList<QKeySequence> keysOf(C::Command command)
{
    const QKeySequence key = C::info(command).key;
    if (key.isEmpty())
        return {};
    const Qt::Key bare = key[0].key();
    if (command == C::Filter || command == C::Undo)
        return {key};
    QList<QKeySequence> keys;
    for (int shift = 0; shift < 2; ++shift)
        for (int ctrl = 0; ctrl < 2; ++ctrl)
            for (int alt = 0; alt < 2; ++alt) {
                if (ctrl && bare == Qt::Key_Z)
                    continue; // undo
                Qt::KeyboardModifiers modifiers;
                if (shift)
                    modifiers |= Qt::ShiftModifier;
                if (ctrl)
                    modifiers |= Qt::ControlModifier;
                if (alt)
                    modifiers |= Qt::AltModifier;
                keys << QKeySequence(QKeyCombination(modifiers, bare));
            }
    return keys;
}

} // namespace

const CastleActions::Info& CastleActions::info(Command command)
{
    return kCommands[size_t(command)];
}

CastleActions::CastleActions(QWidget* window)
    : ActionTable(window, kContext, kCommands, [](int row) { return keysOf(Command(row)); })
{
    setObjectName(QStringLiteral("CastleActions"));
    // The table is a command of its own in the menu, where its key would only crowd the entry.
    for (int i = 0; i < CommandCount; ++i)
        action(Command(i))->setShortcutVisibleInContextMenu(i != Table);
}

QPushButton* CastleActions::makeButton(Command command, const char* buttonName, QWidget* parent) const
{
    return buttonFor(command, buttonName, parent);
}

QAction* CastleActions::addToMenu(Command command, const char* entryName, QMenu* menu) const
{
    return menuEntryFor(command, entryName, menu, action(command)->isShortcutVisibleInContextMenu());
}

QStringList CastleActions::keysWindowLines()
{
    const auto line = [](const char* text) { return QCoreApplication::translate(kKeysContext, text); };
    QStringList lines{line(QT_TRANSLATE_NOOP("KeysWindow", "Car Selection Screen"))};
    for (Command command : kFirstListed)
        lines << line(info(command).keysLine);
    lines << line(QT_TRANSLATE_NOOP("KeysWindow", "Car Settings Screen"));
    lines << DetailsCommands::keysWindowLines();
    lines << line(QT_TRANSLATE_NOOP("KeysWindow", "Car Selection Screen: more keys"));
    for (int i = 0; i < CommandCount; ++i) {
        const Command command = Command(i);
        if (info(command).keysLine &&
            std::find(std::begin(kFirstListed), std::end(kFirstListed), command) == std::end(kFirstListed))
            lines << line(info(command).keysLine);
    }
    return lines;
}

QStringList CastleActions::helpKeys()
{
    QStringList keys;
    for (const Info& about : kCommands)
        if (!about.key.isEmpty())
            keys << about.key.toString(QKeySequence::PortableText);
    // Keys of the lists themselves rather than commands of the window.
    keys << QStringLiteral("Menu key, Shift+F10") << QStringLiteral("Tab");
    return keys;
}

QList<KeyHelp> CastleActions::keyHelp()
{
    QList<KeyHelp> rows;
    for (const Info& about : kCommands)
        if (!about.key.isEmpty())
            rows << keyHelpOf(about, kKeysContext);
    // Keys of the lists themselves rather than commands of the window.
    const auto translated = [](const char* text) { return QCoreApplication::translate(kContext, text); };
    rows << KeyHelp{translated(QT_TRANSLATE_NOOP("parkwen::Castle", "Menu key, Shift+F10")),
                    translated(QT_TRANSLATE_NOOP("parkwen::Castle", "the context menu of a list"))}
         << KeyHelp{translated(QT_TRANSLATE_NOOP("parkwen::Castle", "Tab")),
                    translated(QT_TRANSLATE_NOOP("parkwen::Castle", "from a filter box to its list and on"))};
    return rows;
}

} // namespace parkwen
