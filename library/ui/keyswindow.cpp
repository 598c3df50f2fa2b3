#include "keyswindow.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace parkwen {

const QStringList& KeysWindow::lines()
{
    static const QStringList list = {
        QStringLiteral("Car Selection Screen"),
        QStringLiteral("\t Z : Send to Car Folder"),
        QStringLiteral(" \t X : Send to Garage Folder"),
        QStringLiteral("\tF1 : Run Rigwell"),
        QStringLiteral("\tF2: Help"),
        QStringLiteral("\tF3: Reset Registry"),
        QStringLiteral("\tF5: Refresh"),
        QStringLiteral("Car Settings Screen"),
        QStringLiteral("\tF1: Import Parameters"),
        QStringLiteral("\tF2: Backup Parameters"),
        QStringLiteral("\tF3: Set Parameters"),
        QStringLiteral("\tF4: Backup Skin"),
        QStringLiteral("\tF5: Set Skin!"),
    };
    return list;
}

KeysWindow::KeysWindow(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("ks"));
    setWindowTitle(QStringLiteral("Key Shortcuts"));
    setModal(true);

    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Key Shortcuts"));
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
