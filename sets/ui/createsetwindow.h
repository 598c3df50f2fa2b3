#pragma once

#include "platform/dialogs.h"
#include "sets/setediting.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace parkwen {

// The set window (CreateSet): the set's name and every car of both folders with a tick box. In edit
// mode the name is locked and the set's members come ticked.
class CreateSetWindow : public QDialog
{
    Q_OBJECT
public:
    CreateSetWindow(SetForm form, SetStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // The form as the controls show it now.
    SetForm form() const;

private:
    void okClicked();

    SetForm m_form;
    SetStore& m_store;
    Dialogs& m_dialogs;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_listLabel;
    QListWidget* m_cars;
    QPushButton* m_ok;
};

} // namespace parkwen
