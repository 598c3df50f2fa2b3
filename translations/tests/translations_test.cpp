#include "app/cli/commandline.h"
#include "library/carlibrary.h"
#include "library/ui/carlistview.h"
#include "library/ui/castle.h"
#include "tests/support/testlibrary.h"
#include "translations/translations.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

// The main window speaks the system's language: German under a German locale, Qt's own buttons
// included, and exactly the English of before under any other.
class TranslationsTest : public QObject
{
    Q_OBJECT

    struct Texts
    {
        QString title, install, settings, garageHeading, filterName, picture, shown;
        QString qtCancel;    // a button Qt names itself
        QString commandLine; // a command line's complaint, told without a window
    };

    static Texts windowTexts()
    {
        TestLibrary lib;
        lib.writePaths();
        makeCar(lib.carFolder, QStringLiteral("alpha"));
        makeCar(lib.carFolder, QStringLiteral("bravo"));
        CarLibrary cars(lib.platform());
        Castle castle(cars);
        cars.startupReading(QString());
        auto* list = castle.findChild<CarListView*>(QStringLiteral("Cart3"));
        list->filterBox()->setText(QStringLiteral("al"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        return {
            castle.windowTitle(),
            castle.findChild<QPushButton*>(QStringLiteral("Install"))->text(),
            castle.findChild<QPushButton*>(QStringLiteral("RUNA"))->text(),
            castle.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
            list->filterBox()->accessibleName(),
            castle.findChild<QGroupBox*>(QStringLiteral("PikFra"))->title(),
            list->shownLine()->text(),
            buttons.button(QDialogButtonBox::Cancel)->text(),
            parseCommandLine({QStringLiteral("parkwen"), QStringLiteral("--move"), QStringLiteral("alpha")})
                .problem};
    }

    static void removeTranslators()
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

private slots:
    void mainWindow_germanUnderGermanLocale_englishOtherwise()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        installTranslations(*qApp);
        const Texts german = windowTexts();
        QCOMPARE(german.title, QStringLiteral("Parkwen - Autoauswahl"));
        QCOMPARE(german.install, QStringLiteral("Autos installieren"));
        QCOMPARE(german.settings, QStringLiteral("Einstellungen"));
        QCOMPARE(german.garageHeading, QStringLiteral("Garagenordner"));
        QCOMPARE(german.filterName, QStringLiteral("Autoordner filtern"));
        QCOMPARE(german.picture, QStringLiteral("Bild"));
        QCOMPARE(german.shown, QStringLiteral("1 von 2 gezeigt"));
        QCOMPARE(german.qtCancel, QStringLiteral("Abbrechen"));
        QCOMPARE(german.commandLine, QStringLiteral("--to car oder --to garage fehlt."));
        removeTranslators();

        for (const QLocale& locale :
             {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French)}) {
            QLocale::setDefault(locale);
            installTranslations(*qApp);
            const Texts english = windowTexts();
            QCOMPARE(english.title, QStringLiteral("Parkwen - Car Selection"));
            QCOMPARE(english.install, QStringLiteral("Install Cars"));
            QCOMPARE(english.settings, QStringLiteral("Settings"));
            QCOMPARE(english.garageHeading, QStringLiteral("Garage Folder"));
            QCOMPARE(english.filterName, QStringLiteral("Filter the Car Folder"));
            QCOMPARE(english.picture, QStringLiteral("Picture"));
            QCOMPARE(english.shown, QStringLiteral("1 of 2 shown"));
            QCOMPARE(english.commandLine, QStringLiteral("--to car or --to garage is missing."));
            removeTranslators();
        }
    }
    // Every tooltip of the main window's buttons reads in German under a German locale.
    void tooltips_germanUnderGermanLocale()
    {
        const auto tooltips = [] {
            TestLibrary lib;
            lib.writePaths();
            CarLibrary cars(lib.platform());
            Castle castle(cars);
            QMap<QString, QString> texts;
            for (QPushButton* button : castle.findChildren<QPushButton*>())
                texts.insert(button->objectName(), button->toolTip());
            return texts;
        };
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QMap<QString, QString> english = tooltips();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        installTranslations(*qApp);
        const QMap<QString, QString> german = tooltips();
        removeTranslators();
        QVERIFY(english.size() >= 17);
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            if (!it.value().isEmpty())
                QVERIFY2(german.value(it.key()) != it.value(), qPrintable(it.key()));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
