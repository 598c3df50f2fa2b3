#pragma once

#include "platform/dialogs.h"
#include "platform/processes.h"

namespace parkwen::bench {

// A user who answers nothing: every message box is acknowledged, every input box cancelled.
class SilentDialogs : public Dialogs
{
public:
    Answer message(const QString&, Icon, Buttons) override { return Answer::Ok; }
    std::optional<QString> input(const QString&, const QString&) override { return std::nullopt; }
    void beep() override {}
};

// A machine without the helper programs.
class NoProcesses : public Processes
{
public:
    Error start(const QString&, const QStringList&) override { return Error::of(err::FileNotFound); }
    Error startAndWait(const QString&, const QStringList&) override { return Error::of(err::FileNotFound); }
};

} // namespace parkwen::bench
