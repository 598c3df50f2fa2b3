#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace parkwen {

// Message boxes, input boxes and the beep: everything that talks to the user. The window's
// implementation shows real boxes with the program's title; tests answer from a script.
class Dialogs
{
public:
    enum class Icon { None, Information, Exclamation, Question };
    // YesNoDefaultNo: a destructive question, where Enter must not destroy anything.
    enum class Buttons { Ok, YesNo, RetryCancel, YesNoDefaultNo };
    enum class Answer { Ok, Yes, No, Retry, Cancel };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok) = 0;
    // An input box; std::nullopt when the user cancels.
    virtual std::optional<QString> input(const QString& prompt, const QString& defaultAnswer = QString()) = 0;
    virtual void beep() = 0;
    // Shows `text` with a Cancel button while waiting for `ready()` to come true (asked every tenth
    // of a second). False when the user cancelled first. Without a user to ask it waits up to
    // waitLimitSeconds(), then gives up.
    virtual bool waitUntil(const QString& text, const std::function<bool()>& ready);
    // PARKWEN_LOCK_WAIT seconds when set, else 30.
    static int waitLimitSeconds();
    // Asks `ready()` every tenth of a second for up to waitLimitSeconds(); false when it never came
    // true.
    static bool pollUntil(const std::function<bool()>& ready);

    // Shorthands.
    void inform(const QString& text) { message(text, Icon::Information); }
    void plain(const QString& text) { message(text, Icon::None); }
};

} // namespace parkwen
