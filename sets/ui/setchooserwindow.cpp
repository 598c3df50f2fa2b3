#include "sets/ui/setchooserwindow.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace parkwen {

namespace {
// Translated when shown, once the translations are installed.
QString BlankRefused()
{
    return QCoreApplication::translate(
        "SetChooserWindow", "Permission Denied. Blank. PKN is not to be edited, Select another Set to Edit!");
}
} // namespace

SetChooserWindow::SetChooserWindow(SetStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("editsel"));
    setWindowTitle(QCoreApplication::translate("SetChooserWindow", "Select Set"));
    setModal(true);

    m_file = new QListWidget(this);
    m_file->setObjectName(QStringLiteral("File"));
    m_file->setAccessibleName(QCoreApplication::translate("SetChooserWindow", "Sets"));
    m_file->setSelectionMode(QAbstractItemView::SingleSelection);
    m_file->addItems(store.list());

    m_ok = new QPushButton(QCoreApplication::translate("SetChooserWindow", "OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addWidget(m_ok);
    resize(260, 300);

    connect(m_ok, &QPushButton::clicked, this, &SetChooserWindow::okClicked);
    connect(m_file, &QListWidget::itemDoubleClicked, this, &SetChooserWindow::okClicked);
    m_file->setFocus();
}

bool SetChooserWindow::mayClose()
{
    const QList<QListWidgetItem*> selected = m_file->selectedItems();
    m_chosen = selected.isEmpty() ? QString() : selected.first()->text();
    if (!m_okMark)
        return false;
    if (m_chosen == SetStore::BlankSet) {
        m_dialogs.message(BlankRefused(), Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

void SetChooserWindow::okClicked()
{
    m_okMark = true;
    if (mayClose())
        done(Accepted);
}

void SetChooserWindow::reject()
{
    // The close box and Escape land here: the window closes only once OK has been pressed.
    if (mayClose())
        done(Accepted);
}

QString WindowSetChooser::choose()
{
    SetChooserWindow window(m_store, m_dialogs, m_parent);
    window.exec();
    return window.chosen();
}

} // namespace parkwen
