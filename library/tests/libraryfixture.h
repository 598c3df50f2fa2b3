#pragma once

#include "library/carlibrary.h"
#include "tests/support/testlibrary.h"

namespace parkwen::test {

// A car library over temporary Car and Garage Folders, configured without a paths database.
struct LibraryFixture
{
    TestLibrary lib;
    CarLibrary cars{lib.platform()};
    QList<int> focus; // lists the library asked to focus, in order

    LibraryFixture()
    {
        cars.setCarFolder(lib.carFolder);
        cars.setGarageFolder(lib.garageFolder);
        cars.setMaxCars(200);
        QObject::connect(&cars, &CarLibrary::focusRequested, [this](int list) { focus << list; });
    }
    // Both scans; their messages stay in the transcript.
    void scanBoth()
    {
        cars.scanCarFolder();
        cars.scanGarageFolder();
    }
    // Both scans, then a clean transcript for what the test does next.
    void scan()
    {
        scanBoth();
        lib.dialogs.clear();
    }
    QString car(const QString& name) const { return lib.carFolder + QLatin1Char('/') + name; }
    QString garage(const QString& name) const { return lib.garageFolder + QLatin1Char('/') + name; }
    QStringList messages() const { return lib.dialogs.messages(); }
};

} // namespace parkwen::test
