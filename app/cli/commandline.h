#pragma once

#include <QString>
#include <QStringList>

namespace parkwen {

// What the command line asks of Parkwen. Without a command the window opens; "/ACC" in any letter
// case, alone, opens it listing the stock cars too. A command runs without any window and ends.
struct CommandLine
{
    enum class Mode { Window, Help, Version, Command, Wrong };
    enum class Command {
        None,
        List,
        LoadSet,
        OnlySet,
        RemoveSet,
        Move,
        Install,
        Stats,
        Check,
        Packs,
        EnablePack,
        DisablePack,
        Play,
        Render
    };
    enum class Folder { None, Car, Garage, All, Loaded, Pack };

    Mode mode = Mode::Window;
    bool stockMode = false;
    // Mode::Wrong: what is wrong, for the user.
    QString problem;

    Command command = Command::None;
    QString name;     // the set of the set commands, the car of --move, --stats and --render, the pack
    QString packlist; // --packlist: the packlist the pack commands read or change
    QString pack;     // --install --to pack:NAME
    Folder folder = Folder::None; // --list's folder (All: both), or where --move and --install send cars
    QStringList files;            // --install's archives; in the window, the archives to install
    QString picture;              // --render: the PNG file to write
    QString skin;                 // --render --skin: a skin file of the car's folder
    int size = 256;               // --render --size: the picture's side in pixels
    bool json = false;            // --stats, --list and --check for machines
    bool yes = false;             // answer the questions that a command meets with yes
    bool noCache = false;         // --no-cache: the window or command runs without the thumbnail cache
};

// One option of the command line as --help, the manual page and the shell completions show it.
struct CommandLineOption
{
    const char* names;       // "y,yes": the short name first, the long one last
    const char* valueName;   // what the option takes ("NAME"); empty for a switch
    const char* description; // English, translated when shown
    CommandLine::Command command = CommandLine::Command::None; // set for the options that are commands
    const char* completion = ""; // the words a shell offers for the value ("car garage"; "@sets": set names)

    QString longName() const;
};

// Every option, in the order --help shows them.
QList<CommandLineOption> commandLineOptions();

// Reads the arguments of the program (the program's name first).
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help.
QString commandLineHelp();

} // namespace parkwen
