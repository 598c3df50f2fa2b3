#pragma once

#include "app/cli/commandline.h"
#include "platform/platform.h"

#include <QTextStream>

#include <optional>

namespace parkwen {

class CarLibrary;
class GameContent;
struct InstallSummary;
class CarRenderer;
class ThumbCache;

// The commands of the command line. Each works on the car library exactly as the window's buttons do
// (the same start-up reading, the same ">>" and "<<" and set commands), with the platform's dialogs
// writing to standard error; results go to `out`.
class Commands
{
public:
    // Exit statuses.
    static constexpr int Done = 0;
    static constexpr int Failed = 1;
    static constexpr int WrongCommandLine = 2;

    // The scans take the pictures they know from `thumbnails` (none: every picture is decoded).
    Commands(Platform platform, QTextStream& out, ThumbCache* thumbnails = nullptr)
        : m_platform(std::move(platform)), m_out(out), m_thumbnails(thumbnails)
    {
    }

    int run(const CommandLine& line);
    // What --render draws with; without one --render fails.
    void setRenderer(CarRenderer* renderer) { m_renderer = renderer; }

private:
    // The start-up reading, with the scans or only the folders.
    bool startLibrary(CarLibrary& library, bool scan = true);
    int list(CarLibrary& library, CommandLine::Folder folder);
    int applySet(CarLibrary& library, const CommandLine& line);
    int move(CarLibrary& library, const QString& name, CommandLine::Folder to);
    int install(CarLibrary& library, const CommandLine& line);
    // --install --to pack:NAME (packcommands.cpp).
    int installIntoPack(CarLibrary& library, const CommandLine& line);
    // Prints what an install did; its exit status.
    int reportInstall(const InstallSummary& summary);
    int stats(CarLibrary& library, const QString& name, bool json);
    int render(CarLibrary& library, const CommandLine& line); // rendercommand.cpp
    // Where the scans would list the car (its folder), found without scanning; empty when nowhere.
    QString folderOfCar(const CarLibrary& library, const QString& name, QString& where);
    // --check and --list --json, which read the folders themselves (healthcommands.cpp).
    int survey(CarLibrary& library, const CommandLine& line);
    bool isSetUp();
    void tell(const QString& text);
    // --packs, --enable-pack, --disable-pack and --list loaded, on the game folder of the Car Folder
    // (packcommands.cpp).
    int packCommand(const QString& carFolder, const CommandLine& line);
    int printPacks(const GameContent& content, bool json);
    int printLoaded(const GameContent& content, bool json);
    int changePacklist(const GameContent& content, const QString& pack, bool enable);
    // The game around the Car Folder under the chosen packlist; none after telling why.
    std::optional<GameContent> readGame(const QString& carFolder, const CommandLine& line);
    // The packlist a command reads: --packlist's, else the one chosen in Settings.
    QString chosenPacklist(const CommandLine& line);
    // --play: the light's check, then the game program in the game folder.
    int play(CarLibrary& library, const CommandLine& line);

    Platform m_platform;
    QTextStream& m_out;
    ThumbCache* m_thumbnails = nullptr;
    CarRenderer* m_renderer = nullptr;
};

} // namespace parkwen
