#include "library/tests/gamefixture.h"
#include "library/ui/loadedview.h"
#include "library/ui/packswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

QTreeWidgetItem* rowOf(QTreeWidget* packs, const QString& pack)
{
    for (int i = 0; i < packs->topLevelItemCount(); ++i)
        if (packs->topLevelItem(i)->data(0, Qt::UserRole).toString() == pack)
            return packs->topLevelItem(i);
    return nullptr;
}

} // namespace

class PacksWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Ticking, moving by key and undoing in the window change the packlist's lines and give back
    // its bytes; every control a screen reader meets has a name.
    void tickMoveAndUndo_changeThePacklistAndGiveItBack()
    {
        Game g;
        ScriptedDialogs dialogs;
        const QString file = g.packs + QStringLiteral("/default.txt");
        const QByteArray before = g.fs.readFile(file).value();
        PacksWindow window(g.fs, dialogs, *GameFolder::of(g.carsOf(QStringLiteral("default"))),
                           QStringLiteral("default"));
        QSignalSpy changed(&window, &PacksWindow::packlistChanged);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* packs = window.findChild<QTreeWidget*>(QStringLiteral("packList"));
        QVERIFY(packs);
        for (QWidget* control : window.findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus && qobject_cast<QPushButton*>(control) == nullptr &&
                control->isVisible() && control->parent() == &window)
                QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());

        rowOf(packs, QStringLiteral("spare"))->setCheckState(1, Qt::Checked);
        QTRY_COMPARE(changed.size(), 1);
        QVERIFY(g.fs.readFile(file).value().contains("\r\nspare\r\n"));
        QCOMPARE(rowOf(packs, QStringLiteral("spare"))->text(1), QStringLiteral("loaded"));

        packs->setCurrentItem(rowOf(packs, QStringLiteral("rva")));
        packs->setFocus();
        QTest::keyClick(packs, Qt::Key_Down, Qt::AltModifier);
        QTRY_COMPARE(changed.size(), 2);
        QVERIFY(g.fs.readFile(file).value().contains("default\r\nio\r\nrva\r\n"));
        QCOMPARE(packs->currentItem()->data(0, Qt::UserRole).toString(), QStringLiteral("rva"));

        auto* undo = window.findChild<QPushButton*>(QStringLiteral("packUndo"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g.fs.readFile(file).value(), before);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(dialogs.messages(), QStringList());
    }

    // The table's "Loaded by the game": a row for each car folder of each pack, what the game makes
    // of it, and for the mixed car which file comes from which pack.
    void loadedView_showsEveryPacksCarsAndWhatTheGameMakesOfThem()
    {
        Game g;
        const GameContent content = g.read();
        LoadedView view(content);
        QCOMPARE(view.shownCount(), int(content.cars().size()));
        auto* filter = view.findChild<QLineEdit*>(QStringLiteral("LoadedFilter"));
        auto* table = view.findChild<QTableView*>(QStringLiteral("LoadedTable"));
        filter->setText(QStringLiteral("hidden by pack"));
        QCOMPARE(view.shownCount(), 2); // the game's own toyeca, rva's dart
        filter->setText(QStringLiteral("mixed"));
        QCOMPARE(view.shownCount(), 1);
        const QString files = table->model()->index(0, 3).data().toString();
        QVERIFY2(files.contains(QStringLiteral("body.prm: rva")) &&
                     files.contains(QStringLiteral("parameters.txt: io")),
                 qPrintable(files));
        filter->setText(QStringLiteral("its pack is off"));
        QCOMPARE(view.shownCount(), 1);
    }
};

QTEST_MAIN(PacksWindowTest)
#include "packswindow_test.moc"
