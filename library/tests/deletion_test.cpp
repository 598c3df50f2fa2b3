#include "library/carlibrary.h"
#include "library/tests/libraryfixture.h"
#include "tests/support/treesnapshot.h"

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

QString misc(Fault fault)
{
    return Error::of(fault).miscMessage();
}

const QString kToTrash = QStringLiteral(" (it goes to the trash)");
const QString kForGood = QStringLiteral(" (it is deleted for good)");

} // namespace

class DeletionTest : public QObject
{
    Q_OBJECT

    // The desktop's trash of these tests: a temporary one, never the user's.
    QTemporaryDir m_data;
    QString trashed(const QString& name) const
    {
        return m_data.path() + QStringLiteral("/Trash/files/") + name;
    }

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path())); }

    void answeringNo_deletesNothing()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.cars.deleteChosen();
        QCOMPARE(
            f.messages(),
            QStringList({"Are you sure you want to delete the car alpha from your Car Folder" + kToTrash}));
        QCOMPARE(f.lib.dialogs.shown().at(0).icon, Dialogs::Icon::Question);
        QCOMPARE(f.lib.dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(entries(f.car("alpha")), QStringList({"car.jpg", "parameters.txt"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));
        QVERIFY(f.focus.isEmpty());
    }

    void emptySelection_deletesNothingAndSaysSo()
    {
        Fixture f;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.deleteChosen(); // the garage list is the last-selected list at first, with nothing chosen
        QCOMPARE(f.messages(), QStringList({"Please Select Something to Delete. Fix, Think About It"}));
        QVERIFY(QFileInfo::exists(f.garage("alpha")));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha"}));
    }

    void fromCarList_removesFolderEntryAndSelectsTheNextCar()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.carFolder, QStringLiteral("gamma"), QStringLiteral("c.jpg"), Qt::blue);
        makeCar(f.lib.garageFolder, QStringLiteral("delta"));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 1);
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.chooseRow(FolderRole::Cars, 1); // the car list was used last
        f.cars.deleteChosen();
        QCOMPARE(
            f.messages(),
            QStringList({"Are you sure you want to delete the car beta from your Car Folder" + kToTrash}));
        QVERIFY(!QFileInfo::exists(f.car("beta")));
        QCOMPARE(entries(trashed(QStringLiteral("beta"))), QStringList({"b.jpg", "parameters.txt"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"alpha", "gamma"}));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha", "gamma"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
        QCOMPARE(f.focus, QList<FolderRole>({FolderRole::Cars}));
        QCOMPARE(f.cars.display().lastChosen, FolderRole::Cars);
        QCOMPARE(f.cars.display().caption, QStringLiteral("gamma"));
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("gamma"));
        QVERIFY(isMostly(f.cars.display().picture, Qt::blue));
        QVERIFY(f.cars.display().canSendChosen && f.cars.display().canDeleteChosen);
        // The picture stays registered.
        QVERIFY(f.cars.folder(FolderRole::Cars).pictures().contains(QStringLiteral("betaCAR")));
    }

    void fromGarageList_showsNextGarageCarWithoutMessage()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.garageFolder, QStringLiteral("gamma"), QStringLiteral("c.jpg"), Qt::blue);
        f.scan();
        f.setChosenCarActions(false); // whatever the buttons show, a garage deletion leaves them
        f.cars.chooseRow(FolderRole::Garage, 1);
        f.cars.deleteChosen();
        QCOMPARE(f.messages(),
                 QStringList(
                     {"Are you sure you want to delete the car gamma from your Garage Folder" + kToTrash}));
        QVERIFY(!QFileInfo::exists(f.garage("gamma")));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"beta"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));
        QCOMPARE(f.focus, QList<FolderRole>({FolderRole::Garage}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).chosen(), QStringLiteral("beta"));
        QCOMPARE(f.cars.display().caption, QStringLiteral("beta"));
        QVERIFY(isMostly(f.cars.display().picture, Qt::green));
        QVERIFY(!f.cars.display().canSendChosen);
    }

    void forGood_deletesTheWholeTree_andNothingItLinksTo()
    {
        Fixture f;
        TreeRemover remover{f.lib.root.path()};
        f.lib.fs.trashOffered = false;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        makeCar(f.lib.carFolder, QStringLiteral("beta"));
        makeFolder(f.car("alpha"), QStringLiteral("extras/deep"));
        writeBytes(f.car("alpha") + QStringLiteral("/extras/deep/notes.txt"), "notes");
        writeBytes(f.car("alpha") + QStringLiteral("/.DS_Store"), "finder");
        const QString outside = makeFolder(f.lib.root.path(), QStringLiteral("elsewhere"));
        writeBytes(outside + QStringLiteral("/keep.txt"), "keep");
        QVERIFY(QFile::link(outside, f.car("alpha") + QStringLiteral("/extras/linked")));
        QVERIFY(
            QFile::link(outside + QStringLiteral("/keep.txt"), f.car("alpha") + QStringLiteral("/keep.txt")));
        const auto before = treeSnapshot(outside);
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.deleteChosen();
        QCOMPARE(
            f.messages(),
            QStringList({"Are you sure you want to delete the car alpha from your Car Folder" + kForGood}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"beta"}));
        QCOMPARE(treeSnapshot(outside), before);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"beta"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("1"));
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("beta"));
    }

    void forGood_withReadOnlyFile_isReportedAndDeletesNothing()
    {
        Fixture f;
        f.lib.fs.trashOffered = false;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        makeFolder(f.garage("alpha"), QStringLiteral("bonus"));
        writeBytes(f.garage("alpha") + QStringLiteral("/bonus/z.prm"), "z");
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        QVERIFY(!f.lib.fs.setReadOnly(f.garage("alpha") + QStringLiteral("/bonus/z.prm")));
        const auto whole = treeSnapshot(f.garage("alpha"));
        f.scan();
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.deleteChosen();
        QCOMPARE(f.messages().mid(1), QStringList({misc(err::PathFileAccess)}));
        QCOMPARE(treeSnapshot(f.garage("alpha")), whole);
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"alpha", "beta"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"alpha", "beta"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("2"));
        QVERIFY(f.focus.isEmpty());
    }

    void forGood_failingPartWay_keepsTheRestHiddenAndSaysWhere()
    {
        Fixture f;
        f.lib.fs.trashOffered = false;
        makeCar(f.lib.garageFolder, QStringLiteral("alpha"));
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        f.scan();
        f.lib.fs.failOnName(FaultyFileSystem::Op::Delete, QStringLiteral("/parameters.txt"),
                            Error::of(err::PermissionDenied));
        f.cars.chooseRow(FolderRole::Garage, 0);
        f.cars.deleteChosen();
        const QStringList hidden = entries(f.lib.garageFolder).filter(QStringLiteral(".parkwen-deleting-"));
        QCOMPARE(hidden.size(), 1);
        QCOMPARE(entries(f.lib.garageFolder), QStringList({hidden.first(), "beta"}));
        QCOMPARE(
            f.messages().mid(1),
            QStringList(
                {misc(err::PermissionDenied),
                 "The car alpha could not be deleted completely. What is left of it is kept, hidden, in " +
                     f.garage(hidden.first()) + "/alpha"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"beta"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("1"));

        // The next start finishes the deletion the user asked for.
        f.lib.fs.clearFailures();
        f.cars.door().recover();
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"beta"}));
    }

    void linkedCarFolder_removesOnlyTheLink_andSaysTheFolderIsKept()
    {
        Fixture f;
        QTemporaryDir secondDisk;
        makeCar(secondDisk.path(), QStringLiteral("far"));
        const auto behind = treeSnapshot(secondDisk.path());
        const QString target = secondDisk.path() + QStringLiteral("/far");
        QVERIFY(QFile::link(target, f.car("far")));
        makeCar(f.lib.carFolder, QStringLiteral("near"));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.deleteChosen();
        QCOMPARE(
            f.messages(),
            QStringList({"Are you sure you want to delete the car far from your Car Folder (it is a link: "
                         "only the link is removed; the linked folder " +
                         target + " is kept)"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"near"}));
        QCOMPARE(treeSnapshot(secondDisk.path()), behind);
        QVERIFY(!QFileInfo::exists(trashed(QStringLiteral("far"))));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"near"}));
    }

    void lastCarOfCarList_reportsMissingSelectionAndDisablesButtons()
    {
        Fixture f;
        makeCar(f.lib.carFolder, QStringLiteral("alpha"));
        f.scan();
        f.cars.chooseRow(FolderRole::Cars, 0);
        f.cars.deleteChosen();
        QCOMPARE(f.messages().mid(1),
                 QStringList({misc(err::IndexOutOfBounds), misc(err::IndexOutOfBounds)}));
        QVERIFY(f.cars.folder(FolderRole::Cars).list().isEmpty());
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("0"));
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("alpha"));
        QVERIFY(!f.cars.display().canSendChosen && !f.cars.display().canDeleteChosen);
        QVERIFY(!QFileInfo::exists(f.car("alpha")));
    }

    void r5SelectedAfterwards_becomesR5Turbo_andStockFlagsFollow()
    {
        Fixture f;
        f.cars.options().listsStockCars = true;
        makeCar(f.lib.carFolder, QStringLiteral("q"), QStringLiteral("q.jpg"), Qt::white);
        makeCar(f.lib.carFolder, QStringLiteral("r4car"), QStringLiteral("a.jpg"), Qt::red);
        makeCar(f.lib.carFolder, QStringLiteral("r5"), QStringLiteral("b.jpg"), Qt::green);
        makeCar(f.lib.carFolder, QStringLiteral("R5Turbo"), QStringLiteral("c.jpg"), Qt::blue);
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(),
                 QStringList({"q", "r4car", "r5", "R5Turbo"}));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[3], -1);
        f.cars.chooseRow(FolderRole::Cars, 1);
        f.cars.deleteChosen();
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"q", "r5", "R5Turbo"}));
        QCOMPARE(f.cars.display().caption, QStringLiteral("r5"));
        QCOMPARE(f.cars.folder(FolderRole::Cars).chosen(), QStringLiteral("R5Turbo"));
        QVERIFY(isMostly(f.cars.display().picture, Qt::blue));
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[1], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[2], -1);
        QCOMPARE(stockFlags(f.cars.folder(FolderRole::Cars))[3], 0);
        // The entry now selected is the stock car r5.
        QVERIFY(!f.cars.display().canSendChosen && !f.cars.display().canDeleteChosen);
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("-32"));
    }
};

QTEST_MAIN(DeletionTest)
#include "deletion_test.moc"
