#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace parkwen {

// Real message and input boxes, titled with the program's title, parented to a window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QString title, QWidget* parent = nullptr) : m_title(std::move(title)), m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer) override;
    void beep() override;
    bool waitUntil(const QString& text, const std::function<bool()>& ready) override;

private:
    QString m_title;
    QWidget* m_parent;
};

} // namespace parkwen
