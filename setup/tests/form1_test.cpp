#include "setup/ui/folderlist.h"
#include "setup/ui/form1.h"
#include "setup/ui/gamedialog.h"

#include "platform/qt/localfilesystem.h"
#include "setup/tests/pathsfile.h"
#include "tests/support/carfolders.h"
#include "tests/support/scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;
using namespace parkwen::test;

class Form1Test : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_start, m_cars, m_garage;
    LocalFileSystem m_fs;
    ScriptedDialogs m_dialogs;

    QString file() const { return m_dir->filePath(QStringLiteral("paths.mdb")); }
    template <typename T = QWidget> static T* control(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_start = makeFolder(m_dir->path(), QStringLiteral("start"));
        m_cars = makeFolder(m_dir->path(), QStringLiteral("cars"));
        m_garage = makeFolder(m_dir->path(), QStringLiteral("garage"));
        m_dialogs.clear();
    }

    void window_hasItsControlsAndTabOrder()
    {
        Form1 window(file(), m_start, m_fs, m_dialogs);
        QCOMPARE(window.windowTitle(), QStringLiteral("Parkwen Setup"));
        QCOMPARE(window.size(), QSize(312, 273));
        QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("Car Folder?"));
        QCOMPARE(control<QLabel>(window, "Label3")->text(), QStringLiteral("Garage Folder"));
        QCOMPARE(control(window, "Dir2")->toolTip(),
                 QStringLiteral("Set the car folder to: Re-Volt Folder\\Cars"));
        QCOMPARE(control(window, "Dir1")->toolTip(),
                 QStringLiteral("Set the garage folder to the place where U keep back-up cars"));
        QCOMPARE(control<QPushButton>(window, "Command1")->text(), QStringLiteral("OK"));
        QCOMPARE(control<FolderList>(window, "Dir2")->path(), m_start);
        QCOMPARE(control<FolderList>(window, "Dir1")->path(), m_start);

        QVERIFY(window.Form_Load());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), control(window, "Dir1"));
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"Dir1", "Dir2", "Command1", "mAX", "Dir1"}));
        window.close();
    }

    void folderList_walksUpAndDownByKeyboard()
    {
        makeFolder(m_cars, QStringLiteral("b"));
        makeFolder(m_cars, QStringLiteral("A"));
        makeFolder(m_cars, QStringLiteral(".hidden"));
        FolderList list(m_fs);
        list.setPath(m_cars + QStringLiteral("/"));
        QCOMPARE(list.path(), m_cars);
        QTreeWidgetItem* current = list.currentItem();
        QCOMPARE(current->childCount(), 2);
        QCOMPARE(current->child(0)->text(0), QStringLiteral("A"));
        QTreeWidgetItem* root = current;
        while (root->parent())
            root = root->parent();
        QCOMPARE(root->text(0), QDir::toNativeSeparators(QDir::rootPath()));

        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.path(), joinPath(m_cars, QStringLiteral("A")));
        QTest::keyClick(&list, Qt::Key_Up);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.path(), m_dir->path());
        // The way down shows one folder per level; opening a folder shows all of its sub-folders.
        QCOMPARE(list.currentItem()->childCount(), 1);
        QTest::keyClick(&list, Qt::Key_Return);
        QTRY_COMPARE(list.currentItem()->childCount(), 3);
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.path(), m_garage);
    }

    void maxBox_keepsOnlyTheLeadingNumber()
    {
        Form1 window(file(), m_start, m_fs, m_dialogs);
        window.show();
        auto* box = control<QLineEdit>(window, "mAX");
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("0"));
        QTest::keyClicks(box, QStringLiteral("abc"));
        QCOMPARE(box->text(), QStringLiteral("0"));
        QTest::keyClicks(box, QStringLiteral("12abc"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(box->cursorPosition(), 2);
        box->selectAll();
        box->insert(QStringLiteral("34 cars")); // a paste
        QCOMPARE(box->text(), QStringLiteral("34"));
        window.close();
    }

    void closeBoxAndOk_bothStoreTheValues()
    {
        {
            Form1 window(file(), m_start, m_fs, m_dialogs);
            QVERIFY(window.Form_Load());
            window.show();
            control<FolderList>(window, "Dir2")->setPath(m_cars);
            control<QLineEdit>(window, "mAX")->setText(QStringLiteral("25"));
            QVERIFY(window.close()); // what the close box does
            QVERIFY(window.stored());
        }
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_start, "25"}));

        Form1 window(file(), m_start, m_fs, m_dialogs);
        QVERIFY(window.Form_Load());
        QCOMPARE(m_dialogs.beeps(), 1);
        QCOMPARE(control<FolderList>(window, "Dir2")->path(), m_cars);
        QCOMPARE(control<QLineEdit>(window, "mAX")->text(), QStringLiteral("25"));
        window.show();
        control<FolderList>(window, "Dir1")->setPath(m_garage);
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(window.stored());
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_garage, "25"}));
    }

    void foldersThatWouldLoseCars_keepTheWindowOpenAndStoreNothing()
    {
        Form1 window(file(), m_start, m_fs, m_dialogs);
        QVERIFY(window.Form_Load());
        window.show();
        // Both lists still at the starting folder: the close box is refused.
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(m_dialogs.messages(),
                 QStringList{"The Car Folder and the Garage Folder are the same folder. "
                             "Please choose two different folders."});
        QCOMPARE(m_dialogs.shown().first().icon, Dialogs::Icon::Exclamation);

        // A Garage Folder inside the Car Folder: OK is refused too.
        control<FolderList>(window, "Dir2")->setPath(m_cars);
        control<FolderList>(window, "Dir1")->setPath(makeFolder(m_cars, QStringLiteral("parked")));
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QVERIFY(!window.stored());
        QCOMPARE(m_dialogs.messages().size(), 2);
        QVERIFY(m_dialogs.messages().last().startsWith(
            QStringLiteral("The Garage Folder is inside the Car Folder.")));
        QVERIFY(storedPaths(file()).isEmpty());

        control<FolderList>(window, "Dir1")->setPath(m_garage);
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(window.stored());
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_garage, "200"}));
    }

    // The game around the Car Folder: its packlists offered, the choice kept in the game settings.
    void gameDialog_offersThePacklists_andKeepsTheChoice()
    {
        const QString packs = makeFolder(m_dir->path(), QStringLiteral("packs"));
        writeBytes(packs + QStringLiteral("/online.txt"), "default\nrva\n");
        GameDialog dialog(m_fs, m_cars, m_dir->path());
        QCOMPARE(control<QLabel>(dialog, "gameFolder")->text(), m_dir->path());
        auto* chooser = control<QComboBox>(dialog, "packlistChooser");
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->currentText(), QStringLiteral("default"));
        chooser->setCurrentText(QStringLiteral("online"));
        control<QLineEdit>(dialog, "gameProgram")->setText(QStringLiteral("/opt/rvgl/rvgl.64"));
        dialog.accept();
        const GameSettings settings(m_dir->path());
        QCOMPARE(settings.packlist(), QStringLiteral("online"));
        QCOMPARE(settings.program(), QStringLiteral("/opt/rvgl/rvgl.64"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
