#include "app/cli/streamdialogs.h"

namespace parkwen {

QString StreamDialogs::oneLine(const QString& text)
{
    return text.simplified();
}

Dialogs::Answer StreamDialogs::message(const QString& text, Icon /*icon*/, Buttons buttons)
{
    ++m_count;
    m_stream << oneLine(text) << Qt::endl;
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        return m_yes ? Answer::Yes : Answer::No;
    case Buttons::RetryCancel:
        // Retrying would ask again: a script could never get out.
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

std::optional<QString> StreamDialogs::input(const QString& prompt, const QString& /*defaultAnswer*/)
{
    ++m_count;
    m_stream << oneLine(prompt) << Qt::endl;
    return std::nullopt;
}

bool StreamDialogs::waitUntil(const QString& text, const std::function<bool()>& ready)
{
    if (ready())
        return true;
    m_stream << oneLine(text) << Qt::endl;
    return Dialogs::waitUntil(text, ready);
}

} // namespace parkwen
