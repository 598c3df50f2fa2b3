#pragma once

#include "platform/dialogs.h"

#include <QQueue>
#include <QStringList>

namespace parkwen::test {

// Answers dialogs from a script and records what the user would have seen.
// Messages without a queued answer get Ok / Yes / Retry; inputs without one are cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    void queueAnswer(Answer a) { m_answers.enqueue(a); }
    void queueInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }

    Answer message(const QString& text, Icon icon, Buttons buttons) override
    {
        m_shown.append({text, icon, buttons});
        m_transcript << text;
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return Answer::Retry;
        default:
            return Answer::Ok;
        }
    }

    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer) override
    {
        m_prompts << prompt;
        m_defaults << defaultAnswer;
        if (m_inputs.isEmpty())
            return std::nullopt;
        return m_inputs.dequeue();
    }

    void beep() override { ++m_beeps; }

    // Texts of the message boxes shown, in order.
    const QStringList& messages() const { return m_transcript; }
    const QList<Shown>& shown() const { return m_shown; }
    const QStringList& prompts() const { return m_prompts; }
    const QStringList& defaults() const { return m_defaults; }
    int beeps() const { return m_beeps; }
    void clear()
    {
        m_transcript.clear();
        m_shown.clear();
        m_prompts.clear();
        m_defaults.clear();
        m_beeps = 0;
    }

private:
    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QStringList m_transcript;
    QList<Shown> m_shown;
    QStringList m_prompts;
    QStringList m_defaults;
    int m_beeps = 0;
};

} // namespace parkwen::test
