#pragma once

#include "library/carlibrary.h"
#include "tests/support/testlibrary.h"

namespace parkwen::test {

// A car library over temporary Car and Garage Folders, configured without a paths database.
struct LibraryFixture
{
    TestLibrary lib;
    CarLibrary cars{lib.platform()};
    QList<FolderRole> focus; // lists the library asked to focus, in order

    LibraryFixture()
    {
        cars.folder(FolderRole::Cars).setPath(lib.carFolder);
        cars.folder(FolderRole::Garage).setPath(lib.garageFolder);
        cars.options().maxCars = 200;
        QObject::connect(&cars, &CarLibrary::focusRequested, [this](FolderRole role) { focus << role; });
    }
    // Both scans; their messages stay in the transcript.
    void scanBoth()
    {
        cars.scan(FolderRole::Cars);
        cars.scan(FolderRole::Garage);
    }
    // Both scans, then a clean transcript for what the test does next.
    void scan()
    {
        scanBoth();
        lib.dialogs.clear();
    }
    // Turns ">>" and "Del. Car" off or on, as choosing a stock car or another does.
    void setChosenCarActions(bool enabled)
    {
        cars.m_display.canSendChosen = enabled;
        cars.m_display.canDeleteChosen = enabled;
    }
    QString car(const QString& name) const { return lib.carFolder + QLatin1Char('/') + name; }
    QString garage(const QString& name) const { return lib.garageFolder + QLatin1Char('/') + name; }
    QStringList messages() const { return lib.dialogs.messages(); }
};

} // namespace parkwen::test
