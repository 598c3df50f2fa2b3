#pragma once

#include "platform/dialogs.h"

#include <QTextStream>

namespace parkwen {

// Dialogs for a command run from a script: every message becomes one line on the stream (standard
// error), and nothing ever waits for the user. A question takes its safe answer (No, Cancel) unless
// the command line said yes; a prompt is cancelled.
class StreamDialogs : public Dialogs
{
public:
    StreamDialogs(QTextStream& stream, bool yes) : m_stream(stream), m_yes(yes) {}

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer) override;
    void beep() override {}
    // Says once why the command waits, then waits as long as a command may.
    bool waitUntil(const QString& text, const std::function<bool()>& ready) override;

    // The message as one line: line breaks and runs of blanks become single blanks.
    static QString oneLine(const QString& text);

    int messageCount() const { return m_count; }

private:
    QTextStream& m_stream;
    bool m_yes;
    int m_count = 0;
};

} // namespace parkwen
