#include "install/installwords.h"

#include "install/unpacker.h"

#include <QCoreApplication>

namespace parkwen::installwords {

QString folderLabel(bool garage)
{
    return garage ? QCoreApplication::translate("CarInstaller", "Garage Folder")
                  : QCoreApplication::translate("CarInstaller", "Car Folder");
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString cutList(QStringList names, int maxNames)
{
    if (maxNames > 0 && names.size() > maxNames) {
        const qsizetype rest = names.size() - maxNames;
        names = names.mid(0, maxNames);
        names << QCoreApplication::translate("CarInstaller", "and %1 more").arg(countText(rest));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace parkwen::installwords
