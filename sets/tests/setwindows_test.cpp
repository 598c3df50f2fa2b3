#include "sets/ui/createsetwindow.h"
#include "sets/ui/setchooserwindow.h"
#include "tests/support/carfolders.h"
#include "tests/support/scripteddialogs.h"

#include "platform/qt/localfilesystem.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;
using parkwen::test::ScriptedDialogs;

namespace {

const QString BlankRefused =
    QStringLiteral("Permission Denied. Blank. PKN is not to be edited, Select another Set to Edit!");

struct Program
{
    QTemporaryDir dir;
    LocalFileSystem fs;
    ScriptedDialogs dialogs;
    SetStore store{fs, dir.path()};

    Program()
    {
        test::makeFolder(dir.path(), QStringLiteral("sets"));
        test::writeBytes(setPath(QStringLiteral("blank.pkn")), QByteArray());
    }
    QString setPath(const QString& name) const { return dir.filePath(QStringLiteral("sets/") + name); }
};

QStringList ticked(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            out << list->item(i)->text();
    return out;
}

void selectSet(SetChooserWindow& chooser, const QString& name)
{
    const QList<QListWidgetItem*> items = chooser.fileList()->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    chooser.fileList()->setCurrentItem(items.first());
}

} // namespace

class SetWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void createSet_namedAndTickedByKeyboard_writesSetAndCloses()
    {
        Program p;
        CreateSetWindow window(newSetForm({"Garage1"}, {"Car1", "Car2"}), p.store, p.dialogs);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Create Set"));
        auto* name = window.findChild<QLineEdit*>(QStringLiteral("SetFname"));
        auto* cars = window.findChild<QListWidget*>(QStringLiteral("CarSet"));
        QVERIFY(name && cars && window.findChild<QPushButton*>(QStringLiteral("ok")));
        QVERIFY(!name->isReadOnly());
        QCOMPARE(cars->count(), 3);
        QCOMPARE(cars->item(0)->text(), QStringLiteral("Garage1"));
        QVERIFY(ticked(cars).isEmpty());

        QTest::keyClicks(name, QStringLiteral("Night"));
        cars->setFocus();
        cars->setCurrentRow(2);
        QTest::keyClick(cars, Qt::Key_Space);
        cars->setCurrentRow(0);
        QTest::keyClick(cars, Qt::Key_Space);
        QCOMPARE(ticked(cars), QStringList({"Garage1", "Car2"}));
        QTest::keyClick(name, Qt::Key_Return); // Enter presses OK

        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(test::readBytes(p.setPath("Night.pkn")), QByteArray("\"Garage1\"\r\n\"Car2\"\r\n"));
    }

    void editSet_showsLockedNameAndMembers_closeBoxLeavesFile_okRewritesInListOrder()
    {
        Program p;
        test::writeBytes(p.setPath("Race.pkn"), "\"Car2\"\r\n\"Garage1\"\r\n\"Deleted\"\r\n");
        Result<SetForm> form = editSetForm({"Garage1", "Garage2"}, {"Car1", "Car2"}, p.store, "Race.pkn");
        QVERIFY(form.ok());
        {
            CreateSetWindow window(form.value(), p.store, p.dialogs);
            window.show();
            QCOMPARE(window.windowTitle(), QStringLiteral("Edit Set"));
            auto* name = window.findChild<QLineEdit*>(QStringLiteral("SetFname"));
            QCOMPARE(name->text(), QStringLiteral("Race.pkn"));
            QVERIFY(name->isReadOnly());
            QCOMPARE(ticked(window.findChild<QListWidget*>(QStringLiteral("CarSet"))),
                     QStringList({"Garage1", "Car2"}));
            QVERIFY(window.close());
            QCOMPARE(test::readBytes(p.setPath("Race.pkn")),
                     QByteArray("\"Car2\"\r\n\"Garage1\"\r\n\"Deleted\"\r\n"));
        }
        CreateSetWindow window(form.value(), p.store, p.dialogs);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(p.dialogs.messages().isEmpty());
        QCOMPARE(test::readBytes(p.setPath("Race.pkn")), QByteArray("\"Garage1\"\r\n\"Car2\"\r\n"));
    }

    void chooser_listsSetFiles_refusesCloseBoxAndEscapeBeforeOk()
    {
        Program p;
        test::writeBytes(p.setPath("Race.pkn"), QByteArray());
        test::writeBytes(p.setPath("b.PKN"), QByteArray());
        test::writeBytes(p.setPath("notes.txt"), QByteArray());
        SetChooserWindow chooser(p.store, p.dialogs);
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Select Set"));
        QStringList listed;
        for (int i = 0; i < chooser.fileList()->count(); ++i)
            listed << chooser.fileList()->item(i)->text();
        QCOMPARE(listed, QStringList({"b.PKN", "blank.pkn", "Race.pkn"}));
        chooser.show();
        selectSet(chooser, "Race.pkn");
        QVERIFY(!chooser.close());
        QTest::keyClick(&chooser, Qt::Key_Escape);
        QVERIFY(chooser.isVisible());
        QVERIFY(p.dialogs.messages().isEmpty());
        QCOMPARE(chooser.chosen(), QStringLiteral("Race.pkn"));

        QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.chosen(), QStringLiteral("Race.pkn"));
    }

    void chooser_refusesBlankSetWithMessage_thenAcceptsAnother()
    {
        Program p;
        test::writeBytes(p.setPath("Race.pkn"), QByteArray());
        SetChooserWindow chooser(p.store, p.dialogs);
        chooser.show();
        selectSet(chooser, "blank.pkn");
        auto* ok = chooser.findChild<QPushButton*>(QStringLiteral("ok"));

        QTest::mouseClick(ok, Qt::LeftButton);

        QVERIFY(chooser.isVisible());
        QCOMPARE(p.dialogs.messages(), QStringList{BlankRefused});
        QCOMPARE(p.dialogs.shown().first().icon, Dialogs::Icon::Exclamation);

        selectSet(chooser, "Race.pkn");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.chosen(), QStringLiteral("Race.pkn"));
    }

    void chooser_okWithNothingSelected_returnsEmptyName()
    {
        Program p;
        test::writeBytes(p.setPath("Race.pkn"), QByteArray());
        SetChooserWindow chooser(p.store, p.dialogs);
        chooser.show();
        QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        QVERIFY(!chooser.isVisible());
        QVERIFY(chooser.chosen().isEmpty());
    }
};

QTEST_MAIN(SetWindowsTest)
#include "setwindows_test.moc"
