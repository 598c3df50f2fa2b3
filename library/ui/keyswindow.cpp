#include "library/ui/keyswindow.h"

#include "library/ui/castleactions.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QVBoxLayout>

namespace parkwen {

QStringList KeysWindow::lines()
{
    return CastleActions::keysWindowLines();
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
    const QStringList shown = lines();
    m_list->addItems(shown);
    // The headings stand out from the shortcuts listed under them.
    for (int row = 0; row < shown.size(); ++row) {
        if (shown[row].startsWith(QLatin1Char('\t')) || shown[row].startsWith(QLatin1Char(' ')))
            continue;
        QFont font = m_list->item(row)->font();
        font.setBold(true);
        m_list->item(row)->setFont(font);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list);

    const QFontMetrics metrics(m_list->font());
    int widest = metrics.horizontalAdvance(QStringLiteral("        X : Send to Garage Folder"));
    for (const QString& line : shown)
        widest = qMax(widest, metrics.horizontalAdvance(
                                  QString(line).replace(QLatin1Char('\t'), QString(16, QLatin1Char(' ')))));
    resize(qMax(260, widest + 60), metrics.height() * (int(shown.size()) + 2) + 40);
}

void KeysWindow::showModal(QWidget* parent)
{
    KeysWindow window(parent);
    window.exec();
}

} // namespace parkwen
