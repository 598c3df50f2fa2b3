#pragma once

#include "commandline.h"
#include "platform/platform.h"

#include <QTextStream>

namespace parkwen {

class CarLibrary;

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

    Commands(Platform platform, QTextStream& out) : m_platform(std::move(platform)), m_out(out) {}

    int run(const CommandLine& line);

private:
    bool startLibrary(CarLibrary& library);
    int list(CarLibrary& library, CommandLine::Folder folder);
    int applySet(CarLibrary& library, const CommandLine& line);
    int move(CarLibrary& library, const QString& name, CommandLine::Folder to);
    int install(CarLibrary& library, const CommandLine& line);
    int stats(CarLibrary& library, const QString& name, bool json);
    // --check and --list --json, which read the folders themselves (healthcommands.cpp).
    int survey(CarLibrary& library, const CommandLine& line);
    bool isSetUp();
    void tell(const QString& text);

    Platform m_platform;
    QTextStream& m_out;
};

} // namespace parkwen
