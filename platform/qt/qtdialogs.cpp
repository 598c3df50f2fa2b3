#include "platform/qt/qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace parkwen {

Dialogs::Answer QtDialogs::message(const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(m_title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& defaultAnswer)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(m_title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

bool QtDialogs::waitUntil(const QString& text, const std::function<bool()>& ready)
{
    if (ready())
        return true;
    QProgressDialog box(text, QObject::tr("Cancel"), 0, 0, m_parent);
    box.setWindowTitle(m_title);
    box.setWindowModality(Qt::WindowModal);
    box.setMinimumDuration(0);
    box.setAccessibleName(text);
    bool done = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&] {
        if (ready()) {
            done = true;
            box.reset();
        }
    });
    poll.start(100);
    box.exec();
    return done;
}

} // namespace parkwen
