#include "library/ui/keyswindow.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QVBoxLayout>

namespace parkwen {

const QStringList& KeysWindow::lines()
{
    static const QStringList list = {
        QCoreApplication::translate("KeysWindow", "Car Selection Screen"),
        QCoreApplication::translate("KeysWindow", "\t Z : Send to Car Folder"),
        QCoreApplication::translate("KeysWindow", " \t X : Send to Garage Folder"),
        QCoreApplication::translate("KeysWindow", "\tF1 : Run Rigwell"),
        QCoreApplication::translate("KeysWindow", "\tF2: Help"),
        QCoreApplication::translate("KeysWindow", "\tF3: Reset Registry"),
        QCoreApplication::translate("KeysWindow", "\tF5: Refresh"),
        QCoreApplication::translate("KeysWindow", "Car Settings Screen"),
        QCoreApplication::translate("KeysWindow", "\tF1: Import Parameters"),
        QCoreApplication::translate("KeysWindow", "\tF2: Backup Parameters"),
        QCoreApplication::translate("KeysWindow", "\tF3: Set Parameters"),
        QCoreApplication::translate("KeysWindow", "\tF4: Backup Skin"),
        QCoreApplication::translate("KeysWindow", "\tF5: Set Skin!"),
    };
    return list;
}

KeysWindow::KeysWindow(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("ks"));
    setWindowTitle(QCoreApplication::translate("KeysWindow", "Key Shortcuts"));
    setModal(true);

    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QCoreApplication::translate("KeysWindow", "Key Shortcuts"));
    m_list->addItems(lines());
    // The headings stand out from the shortcuts listed under them.
    for (int row : {0, 7}) {
        QFont font = m_list->item(row)->font();
        font.setBold(true);
        m_list->item(row)->setFont(font);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list);

    const QFontMetrics metrics(m_list->font());
    resize(qMax(260, metrics.horizontalAdvance(QStringLiteral("        X : Send to Garage Folder")) + 60),
           metrics.height() * (int(lines().size()) + 2) + 40);
}

void KeysWindow::showModal(QWidget* parent)
{
    KeysWindow window(parent);
    window.exec();
}

} // namespace parkwen
