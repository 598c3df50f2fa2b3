#pragma once

#include "platform/dialogs.h"
#include "sets/setloading.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace parkwen {

// The set chooser (editsel, "Select Set"): the set files of the sets folder; it closes only through
// OK and never with the blank set selected.
class SetChooserWindow : public QDialog
{
    Q_OBJECT
public:
    SetChooserWindow(SetStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // The selected file name stored by the last attempt to close (empty when nothing was selected).
    const QString& chosen() const { return m_chosen; }
    QListWidget* fileList() const { return m_file; }

    // The close box and Escape both end here (QDialog's close event asks reject()).
    void reject() override;

private:
    // Whether the window may close now; stores the selected file name either way.
    bool mayClose();
    void okClicked();

    Dialogs& m_dialogs;
    QListWidget* m_file;
    QPushButton* m_ok;
    bool m_okMark = false;
    QString m_chosen;
};

// The chooser as the commands use it: a modal SetChooserWindow.
class WindowSetChooser : public SetChooser
{
public:
    WindowSetChooser(SetStore& store, Dialogs& dialogs, QWidget* parent)
        : m_store(store), m_dialogs(dialogs), m_parent(parent)
    {
    }
    QString choose() override;

private:
    SetStore& m_store;
    Dialogs& m_dialogs;
    QWidget* m_parent;
};

} // namespace parkwen
