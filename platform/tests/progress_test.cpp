#include "platform/qt/qtprogress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace parkwen;

class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void shortWork_showsNothing()
    {
        QtProgress progress(QStringLiteral("Parkwen"), 60 * 60 * 1000);
        progress.begin(QStringLiteral("Reading the Car Folder"), 10);
        progress.step(5);
        progress.step(10);
        QVERIFY(!progress.dialog());
        progress.end();
        QVERIFY(!progress.dialog());
    }

    void longWork_showsDoneOfTotal_untilItEnds()
    {
        QtProgress progress(QStringLiteral("Parkwen"), 0);
        progress.begin(QStringLiteral("Reading the Car Folder"), 5000);
        progress.step(256);
        QProgressDialog* dialog = progress.dialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Parkwen"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Reading the Car Folder"));
        QVERIFY(dialog->findChildren<QPushButton*>().isEmpty()); // nothing to cancel with
        auto* bar = dialog->findChild<QProgressBar*>();
        QVERIFY(bar);
        QCOMPARE(bar->text(), QStringLiteral("256 of 5000"));
        progress.step(5000);
        QCOMPARE(bar->text(), QStringLiteral("5000 of 5000"));
        QVERIFY(dialog->isVisible()); // reaching the total does not close it; the end does
        progress.end();
        QVERIFY(!progress.dialog());
    }

    void closingTheDialog_isRefused()
    {
        QtProgress progress(QStringLiteral("Parkwen"), 0);
        progress.begin(QStringLiteral("Moving"), 3);
        progress.step(1);
        QVERIFY(progress.dialog());
        QVERIFY(!progress.dialog()->close());
        QTest::keyClick(progress.dialog(), Qt::Key_Escape);
        QVERIFY(progress.dialog()->isVisible());
        progress.end();
    }

    void nestedWork_showsTheInner_thenTheOuterAgain_andClosesWithTheOuter()
    {
        QtProgress progress(QStringLiteral("Parkwen"), 0);
        progress.begin(QStringLiteral("Outer"), 4);
        progress.step(1);
        progress.begin(QStringLiteral("Inner"), 100);
        progress.step(50);
        QCOMPARE(progress.dialog()->labelText(), QStringLiteral("Inner"));
        QCOMPARE(progress.dialog()->findChild<QProgressBar*>()->text(), QStringLiteral("50 of 100"));
        progress.end();
        QVERIFY(progress.dialog());
        QCOMPARE(progress.dialog()->labelText(), QStringLiteral("Outer"));
        QCOMPARE(progress.dialog()->findChild<QProgressBar*>()->text(), QStringLiteral("1 of 4"));
        progress.end();
        QVERIFY(!progress.dialog());
        progress.end(); // an unmatched end is harmless
        QVERIFY(!progress.dialog());
    }
};

QTEST_MAIN(ProgressTest)
#include "progress_test.moc"
