#include "carlibrary.h"
#include "libraryfixture.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

using Fixture = LibraryFixture;

bool isMostly(const QImage& image, QColor colour)
{
    if (image.isNull())
        return false;
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
           qAbs(c.blue() - colour.blue()) < 40;
}

QString misc(int number)
{
    return Error::of(number).miscMessage();
}

} // namespace

class DeletionTest : public QObject
{
    Q_OBJECT

private slots:
    void answeringNo_deletesNothing()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.Cart3_NodeClick(0);
        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.cars.Del_Click();
        QCOMPARE(f.messages(),
                 QStringList({"Are you sure you want to delete the car alpha from your Car Folder"}));
        QCOMPARE(f.lib.dialogs.shown().at(0).icon, Dialogs::Icon::Question);
        QCOMPARE(f.lib.dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(entries(f.car("alpha")), QStringList({"car.jpg", "parameters.txt"}));
        QCOMPARE(f.cars.Cart3.texts(), QStringList({"alpha"}));
        QCOMPARE(f.cars.cam(), QStringLiteral("1"));
        QVERIFY(f.focus.isEmpty());
    }

    void emptySelection_deletesNothingAndSaysSo()
    {
        Fixture f;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.Del_Click(); // the garage list is the last-selected list at first, with nothing chosen
        QCOMPARE(f.messages(), QStringList({"Please Select Something to Delete. Fix, Think About It"}));
        QVERIFY(QFileInfo::exists(f.garage("alpha")));
        QCOMPARE(f.cars.Gartery.texts(), QStringList({"alpha"}));
    }

    void fromCarList_removesFolderEntryAndSelectsTheNextCar()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.carFolder, QStringLiteral("gamma"), QStringLiteral("c.jpg"), Qt::blue);
        makeCar(f.lib.garageFolder, QStringLiteral("delta"));
        f.scan();
        f.cars.Cart3_NodeClick(1);
        f.cars.Gartery_NodeClick(0);
        f.cars.Cart3_NodeClick(1); // the car list was used last
        f.cars.Del_Click();
        QCOMPARE(f.messages(),
                 QStringList({"Are you sure you want to delete the car beta from your Car Folder"}));
        QVERIFY(!QFileInfo::exists(f.car("beta")));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"alpha", "gamma"}));
        QCOMPARE(f.cars.Cart3.texts(), QStringList({"alpha", "gamma"}));
        QCOMPARE(f.cars.cam(), QStringLiteral("2"));
        QCOMPARE(f.cars.gam(), QStringLiteral("1"));
        QCOMPARE(f.focus, QList<int>({CarLibrary::LastCarList}));
        QCOMPARE(f.cars.lastSelected, CarLibrary::LastCarList);
        QCOMPARE(f.cars.frameCaption, QStringLiteral("gamma"));
        QCOMPARE(f.cars.carSelection, QStringLiteral("gamma"));
        QVERIFY(isMostly(f.cars.picture, Qt::blue));
        QVERIFY(f.cars.garterEnabled && f.cars.delEnabled);
        // The picture stays registered.
        QVERIFY(f.cars.CarpList.contains(QStringLiteral("betaCAR")));
    }

    void fromGarageList_showsNextGarageCarWithoutMessage()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.garageFolder, QStringLiteral("gamma"), QStringLiteral("c.jpg"), Qt::blue);
        f.scan();
        f.cars.garterEnabled = false; // whatever the buttons show, a garage deletion leaves them
        f.cars.Gartery_NodeClick(1);
        f.cars.Del_Click();
        QCOMPARE(f.messages(),
                 QStringList({"Are you sure you want to delete the car gamma from your Garage Folder"}));
        QVERIFY(!QFileInfo::exists(f.garage("gamma")));
        QCOMPARE(f.cars.Gartery.texts(), QStringList({"beta"}));
        QCOMPARE(f.cars.gam(), QStringLiteral("1"));
        QCOMPARE(f.cars.cam(), QStringLiteral("1"));
        QCOMPARE(f.focus, QList<int>({CarLibrary::LastGarageList}));
        QCOMPARE(f.cars.garageSelection, QStringLiteral("beta"));
        QCOMPARE(f.cars.frameCaption, QStringLiteral("beta"));
        QVERIFY(isMostly(f.cars.picture, Qt::green));
        QVERIFY(!f.cars.garterEnabled);
    }

    void folderWithSubfolder_reportsAndStillLeavesTheList()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.carFolder, QStringLiteral("beta"));
        makeFolder(f.car("alpha"), QStringLiteral("extras"));
        f.scan();
        f.cars.Cart3_NodeClick(0);
        f.cars.Del_Click();
        QCOMPARE(f.messages().mid(1), QStringList({misc(err::PathFileAccess)}));
        QCOMPARE(entries(f.car("alpha")), QStringList({"extras"}));
        QCOMPARE(f.cars.Cart3.texts(), QStringList({"beta"}));
        QCOMPARE(f.cars.cam(), QStringLiteral("1"));
        QCOMPARE(f.cars.carSelection, QStringLiteral("beta"));
    }

    void readOnlyFile_isReportedOnceAndTheRestDeleted()
    {
        Fixture f;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        writeBytes(f.garage("alpha") + QStringLiteral("/z.prm"), "z");
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        QVERIFY(!f.lib.fs.setReadOnly(f.garage("alpha") + QStringLiteral("/parameters.txt")));
        f.scan();
        f.cars.Gartery_NodeClick(0);
        f.cars.Del_Click();
        // The file, then the folder that still holds it.
        QCOMPARE(f.messages().mid(1), QStringList({misc(err::PathFileAccess), misc(err::PathFileAccess)}));
        QCOMPARE(entries(f.garage("alpha")), QStringList({"parameters.txt"}));
        QCOMPARE(f.cars.Gartery.texts(), QStringList({"beta"}));
        QCOMPARE(f.cars.gam(), QStringLiteral("1"));
    }

    void lastCarOfCarList_reportsMissingSelectionAndDisablesButtons()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.Cart3_NodeClick(0);
        f.cars.Del_Click();
        QCOMPARE(f.messages().mid(1),
                 QStringList({misc(err::IndexOutOfBounds), misc(err::IndexOutOfBounds)}));
        QVERIFY(f.cars.Cart3.isEmpty());
        QCOMPARE(f.cars.cam(), QStringLiteral("0"));
        QCOMPARE(f.cars.carSelection, QStringLiteral("alpha"));
        QVERIFY(!f.cars.garterEnabled && !f.cars.delEnabled);
        QVERIFY(!QFileInfo::exists(f.car("alpha")));
    }

    void r5SelectedAfterwards_becomesR5Turbo_andStockFlagsFollow()
    {
        Fixture f;
        f.cars.stockMode = true;
        makeCar(f.lib.carFolder, QStringLiteral("q"), QStringLiteral("q.jpg"), Qt::white);
        makeCar(f.lib.carFolder, QStringLiteral("r4car"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("r5"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.carFolder, QStringLiteral("R5Turbo"), QStringLiteral("c.jpg"), Qt::blue);
        f.scan();
        QCOMPARE(f.cars.Cart3.texts(), QStringList({"q", "r4car", "r5", "R5Turbo"}));
        QCOMPARE(f.cars.stockFlags[3], -1);
        f.cars.Cart3_NodeClick(1);
        f.cars.Del_Click();
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.cars.Cart3.texts(), QStringList({"q", "r5", "R5Turbo"}));
        QCOMPARE(f.cars.frameCaption, QStringLiteral("r5"));
        QCOMPARE(f.cars.carSelection, QStringLiteral("R5Turbo"));
        QVERIFY(isMostly(f.cars.picture, Qt::blue));
        QCOMPARE(f.cars.stockFlags[1], -1);
        QCOMPARE(f.cars.stockFlags[2], -1);
        QCOMPARE(f.cars.stockFlags[3], 0);
        // The entry now selected is the stock car r5.
        QVERIFY(!f.cars.garterEnabled && !f.cars.delEnabled);
        QCOMPARE(f.cars.cam(), QStringLiteral("-32"));
    }
};

QTEST_MAIN(DeletionTest)
#include "deletion_test.moc"
