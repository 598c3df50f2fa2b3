#pragma once

#include "platform/dialogs.h"
#include "platform/processes.h"

#include <QStringList>

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

// A user who says Yes to every question and keeps every message shown, so that a benchmark can
// count them; every input box is cancelled.
class AgreeingDialogs : public Dialogs
{
public:
    QStringList messages;
    Answer message(const QString& text, Icon, Buttons buttons) override
    {
        messages << text;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&) override { return std::nullopt; }
    void beep() override {}
};

// A machine whose helper programs start, and end at once, without doing anything.
class IdleProcesses : public Processes
{
public:
    Error start(const QString&, const QStringList&) override { return {}; }
    Error startAndWait(const QString&, const QStringList&) override { return {}; }
};

} // namespace parkwen::bench
