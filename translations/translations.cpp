#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace parkwen {

void installTranslations(QCoreApplication& app)
{
    const QLocale locale;
    auto install = [&app, &locale](const QString& name, const QString& folder) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("parkwen"), QStringLiteral(":/i18n"));
}

} // namespace parkwen
