#include "library/carlibrary.h"
#include "tests/support/testlibrary.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Records what a scan reports, for checking begin/step/end.
class RecordingProgress : public Progress
{
public:
    QStringList labels;
    QList<int> totals;
    QList<int> steps;
    int ends = 0;
    void begin(const QString& label, int total) override
    {
        labels << label;
        totals << total;
    }
    void step(int done) override { steps << done; }
    void end() override { ++ends; }
};

QString carName(int i)
{
    return QStringLiteral("car%1").arg(i, 4, 10, QLatin1Char('0'));
}

} // namespace

// Libraries larger than one decoding batch: the order of entries and messages, and the failure
// rules, are those of a scan that takes one folder at a time.
class ScanBatchesTest : public QObject
{
    Q_OBJECT

private slots:
    void damagedPictureInALaterBatch_endsCarScanThere_garageScanGoesOn()
    {
        TestLibrary lib;
        RecordingProgress progress;
        Platform platform = lib.platform();
        platform.progress = &progress;
        CarLibrary cars(platform);
        cars.folder(FolderRole::Cars).setPath(lib.carFolder);
        cars.folder(FolderRole::Garage).setPath(lib.garageFolder);
        cars.options().maxCars = 10000;
        const int count = 700;
        for (int i = 0; i < count; ++i) {
            for (const QString& folder : {lib.carFolder, lib.garageFolder}) {
                if (i == 300 || i == 650) {
                    makeCar(folder, carName(i), QString()); // not a car
                } else if (i == 500) {
                    const QString broken = makeCar(folder, carName(i), QString());
                    writeBytes(broken + QStringLiteral("/car.jpg"), "not a picture");
                } else {
                    makeCar(folder, carName(i),
                            i % 2 ? QStringLiteral("car.jpg") : QStringLiteral("car.bmp"));
                }
            }
        }
        const QString notACar =
            QStringLiteral("Car: %1 is not a car or is an incomplete car, skipping to next one");
        const QString damaged = QStringLiteral("Miscellaneous Error: No. 481 Invalid picture");

        cars.setCount(FolderRole::Cars, 12);
        cars.scan(FolderRole::Cars);
        QCOMPARE(cars.folder(FolderRole::Cars).list().count(), 499); // cars 0..499 but 300
        QCOMPARE(cars.folder(FolderRole::Cars).list().text(0), carName(0));
        QCOMPARE(cars.folder(FolderRole::Cars).list().text(299), carName(299));
        QCOMPARE(cars.folder(FolderRole::Cars).list().text(300), carName(301));
        QCOMPARE(cars.folder(FolderRole::Cars).list().text(498), carName(499));
        QCOMPARE(lib.dialogs.messages(), QStringList({notACar.arg(carName(300)), damaged}));
        QCOMPARE(countText(cars.folder(FolderRole::Cars)), QStringLiteral("12"));
        QCOMPARE(progress.totals, QList<int>({count}));
        QCOMPARE(progress.ends, 1);

        lib.dialogs.clear();
        progress.steps.clear();
        cars.scan(FolderRole::Garage);
        QCOMPARE(cars.folder(FolderRole::Garage).list().count(), count - 2);
        QCOMPARE(cars.folder(FolderRole::Garage).list().text(count - 3), carName(count - 1));
        QCOMPARE(lib.dialogs.messages(),
                 QStringList({notACar.arg(carName(300)), damaged, notACar.arg(carName(650))}));
        QCOMPARE(countText(cars.folder(FolderRole::Garage)), QString::number(count - 2));
        QVERIFY(cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("car0500CAR")).isNull());
        QCOMPARE(cars.folder(FolderRole::Garage).pictures().picture(QStringLiteral("car0699CAR")).size(),
                 QSize(64, 64));
        QCOMPARE(cars.folder(FolderRole::Garage).pictures().count(), count - 3);

        // Steps count the sub-folders examined, rise, and reach the total.
        QCOMPARE(progress.labels.size(), 2);
        QCOMPARE(progress.totals.last(), count);
        QCOMPARE(progress.ends, 2);
        QVERIFY(!progress.steps.isEmpty());
        QCOMPARE(progress.steps.last(), count);
        QVERIFY(std::is_sorted(progress.steps.begin(), progress.steps.end()));
    }
};

QTEST_GUILESS_MAIN(ScanBatchesTest)
#include "scanbatches_test.moc"
