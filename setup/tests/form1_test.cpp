#include "folderlist.h"
#include "form1.h"

#include "qt/localfilesystem.h"
#include "support/carfolders.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

QStringList stored(const QString& file)
{
    QStringList values;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT Path FROM Paths ORDER BY rowid", -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return values;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_start;
    QString m_cars;
    QString m_garage;
    LocalFileSystem m_fs;
    ScriptedDialogs m_dialogs;

    QString file() const { return m_dir.filePath(QStringLiteral("paths.mdb")); }
    template <typename T> T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_start = makeFolder(m_dir.path(), QStringLiteral("start"));
        m_cars = makeFolder(m_dir.path(), QStringLiteral("cars"));
        m_garage = makeFolder(m_dir.path(), QStringLiteral("garage"));
        m_dialogs.clear();
    }

    void window_hasItsControlsTextsAndTabOrder()
    {
        Form1 window(file(), m_start, m_fs, m_dialogs);
        QCOMPARE(window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Parkwen Setup"));
        QCOMPARE(window.size(), QSize(312, 273));
        QCOMPARE(control<QLabel>(window, "Label1")->text(), QStringLiteral("Where Is Your:"));
        QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("Car Folder?"));
        QCOMPARE(control<QLabel>(window, "Label3")->text(), QStringLiteral("Garage Folder"));
        QCOMPARE(control<QLabel>(window, "Label4")->text(), QStringLiteral("My Max Car Amount is:"));
        QCOMPARE(control<FolderList>(window, "Dir2")->toolTip(), QStringLiteral("Set the car folder to: Re-Volt Folder\\Cars"));
        QCOMPARE(control<FolderList>(window, "Dir1")->toolTip(),
                 QStringLiteral("Set the garage folder to the place where U keep back-up cars"));
        QCOMPARE(control<QLineEdit>(window, "mAX")->toolTip(),
                 QStringLiteral("Set the Max Car Amount to The Max Amount of Cars U can have before Re-volt bombs "
                                "(this does NOT include the Originals"));
        QCOMPARE(control<QLineEdit>(window, "mAX")->text(), QStringLiteral("200"));
        QCOMPARE(control<QPushButton>(window, "Command1")->text(), QStringLiteral("OK"));
        QCOMPARE(control<QPushButton>(window, "Command1")->toolTip(), QStringLiteral("Click to Finalise Settings"));
        QCOMPARE(control<FolderList>(window, "Dir2")->path(), m_start);
        QCOMPARE(control<FolderList>(window, "Dir1")->path(), m_start);

        QVERIFY(window.Form_Load());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(window, "Dir1"));
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"Dir1", "Dir2", "Command1", "mAX"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Dir1"));
        window.close();
    }

    void folderList_showsSubfoldersAndChoosesByKeyboard()
    {
        makeFolder(m_cars, QStringLiteral("b"));
        makeFolder(m_cars, QStringLiteral("A"));
        makeFolder(m_cars, QStringLiteral(".hidden"));
        writeBytes(joinPath(m_cars, QStringLiteral("file.txt")), "x");
        FolderList list(m_fs);
        list.setPath(m_cars + QStringLiteral("/"));
        QCOMPARE(list.path(), m_cars);
        QTreeWidgetItem* current = list.currentItem();
        QCOMPARE(current->childCount(), 2);
        QCOMPARE(current->child(0)->text(0), QStringLiteral("A"));
        QCOMPARE(current->child(1)->text(0), QStringLiteral("b"));
        // The way up to the root is there to walk.
        QTreeWidgetItem* root = current;
        while (root->parent())
            root = root->parent();
        QCOMPARE(root->text(0), QDir::toNativeSeparators(QDir::rootPath()));

        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changed(&list, &FolderList::pathChanged);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.path(), joinPath(m_cars, QStringLiteral("A")));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.path(), m_cars);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.path(), m_dir.path());
        // The way down shows one folder per level; opening a folder shows all of its sub-folders.
        QCOMPARE(list.currentItem()->childCount(), 1);
        QTest::keyClick(&list, Qt::Key_Return);
        QTRY_COMPARE(list.currentItem()->childCount(), 3);
        QCOMPARE(list.path(), m_dir.path());
        QStringList names;
        for (int i = 0; i < 3; ++i)
            names << list.currentItem()->child(i)->text(0);
        QCOMPARE(names, QStringList({"cars", "garage", "start"}));
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.path(), m_garage);
    }

    void maxBox_keepsOnlyTheLeadingNumber()
    {
        Form1 window(file(), m_start, m_fs, m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
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
        // A paste over the whole text.
        box->selectAll();
        box->insert(QStringLiteral("34 cars"));
        QCOMPARE(box->text(), QStringLiteral("34"));
        QCOMPARE(box->cursorPosition(), 2);
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
            // What the close box does.
            QVERIFY(window.close());
            QVERIFY(window.stored());
        }
        QCOMPARE(stored(file()), QStringList({m_cars, m_start, "25"}));

        Form1 window(file(), m_start, m_fs, m_dialogs);
        QVERIFY(window.Form_Load());
        QCOMPARE(m_dialogs.beeps(), 1);
        QCOMPARE(control<FolderList>(window, "Dir2")->path(), m_cars);
        QCOMPARE(control<FolderList>(window, "Dir1")->path(), m_start);
        QCOMPARE(control<QLineEdit>(window, "mAX")->text(), QStringLiteral("25"));
        window.show();
        control<FolderList>(window, "Dir1")->setPath(m_garage);
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(window.stored());
        QCOMPARE(stored(file()), QStringList({m_cars, m_garage, "25"}));
        QVERIFY(m_dialogs.messages().isEmpty());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
