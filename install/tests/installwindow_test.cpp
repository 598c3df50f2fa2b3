#include "install/tests/installsupport.h"
#include "install/ui/installcommand.h"
#include "library/ui/castle.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <QUrl>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// The main window over a test library, with the install command wired as the program wires it.
struct Window
{
    InstallBench b;
    std::unique_ptr<CarLibrary> cars;
    std::unique_ptr<Castle> castle;
    std::unique_ptr<InstallCommand> command;

    explicit Window(const QString& maxCars = QStringLiteral("200"))
    {
        b.lib.writePaths(maxCars);
        cars = std::make_unique<CarLibrary>(b.platform());
        castle = std::make_unique<Castle>(*cars);
        if (!cars->startupReading(QString()))
            throw std::runtime_error("start-up failed");
        b.lib.dialogs.clear();
        command = std::make_unique<InstallCommand>(*cars, castle.get());
        command->questions = &b.questions;
        QObject::connect(castle.get(), &Castle::installRequested, [this] { command->run(); });
        QObject::connect(castle.get(), &Castle::installDropped,
                         [this](const QStringList& paths, bool toGarage) {
                             command->install(paths, toGarage ? CarInstaller::Target::GarageFolder
                                                              : CarInstaller::Target::CarFolder);
                         });
        castle->show();
    }
    template <typename T> T* find(const char* name)
    {
        return castle->findChild<T*>(QString::fromLatin1(name));
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }

    // Drags local files over a list and drops them, as a file manager does.
    bool drop(const char* list, const QStringList& paths)
    {
        QWidget* viewport = find<QListView>(list)->viewport();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = viewport->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(viewport, &dropped);
        return dropped.isAccepted();
    }
};

// Clicks a button of the next modal box once it is up.
void clickInNextBox(const QString& button, bool tickForAll = false)
{
    QTimer::singleShot(0, [button, tickForAll] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return clickInNextBox(button, tickForAll);
        if (tickForAll)
            box->findChild<QCheckBox*>(QStringLiteral("ForAll"))->setChecked(true);
        box->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

class InstallWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void dropOntoEachList_installsIntoThatFolderAndUpdatesTheLists()
    {
        Window w;
        const QString one =
            w.b.archive(QStringLiteral("one.zip"), Format::Zip, carItems(QStringLiteral("cars/One")));
        const QString pack = w.b.archive(QStringLiteral("pack.7z"), Format::SevenZip,
                                         carItems(QStringLiteral("Two")) + carItems(QStringLiteral("Three")));

        QVERIFY(w.drop("Gartery", {one}));
        QTRY_COMPARE(w.cars->folder(FolderRole::Garage).list().texts(), QStringList{QStringLiteral("One")});
        QVERIFY(QFile::exists(w.b.garage(QStringLiteral("One/parameters.txt"))));
        QCOMPARE(w.label("Gam"), QStringLiteral("1"));
        QVERIFY(!w.cars->folder(FolderRole::Garage).pictures().picture(QStringLiteral("OneCAR")).isNull());
        QCOMPARE(w.b.lib.dialogs.messages().last(),
                 QStringLiteral("Installed into the Garage Folder (1 car): One."));

        QVERIFY(w.drop("Cart3", {pack}));
        QTRY_COMPARE(w.cars->folder(FolderRole::Cars).list().texts(),
                     (QStringList{QStringLiteral("Two"), QStringLiteral("Three")}));
        QCOMPARE(w.label("Cam"), QStringLiteral("2"));
        QCOMPARE(w.label("Gam"), QStringLiteral("1"));
        QVERIFY(!w.cars->folder(FolderRole::Cars).pictures().picture(QStringLiteral("ThreeCAR")).isNull());
        QCOMPARE(w.b.lib.dialogs.shown().last().icon, Dialogs::Icon::Information);
        // The last car installed is the one chosen, and its picture is shown.
        QCOMPARE(w.cars->folder(FolderRole::Cars).chosen(), QStringLiteral("Three"));
        QCOMPARE(w.cars->display().caption, QStringLiteral("Three"));
        QCOMPARE(w.find<QListView>("Cart3")->currentIndex().row(), 1);
    }

    void dropOfSomethingNotAFile_isRefused()
    {
        Window w;
        QWidget* viewport = w.find<QListView>("Cart3")->viewport();
        QMimeData data;
        data.setText(QStringLiteral("just text"));
        QDragEnterEvent enter(viewport->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(!enter.isAccepted());
    }

    void installCarsButton_choosesFilesAndFolder()
    {
        Window w;
        auto* button = w.find<QPushButton>("Install");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Install Cars"));
        QCOMPARE(button->toolTip(), QStringLiteral("Install cars from downloaded archives"));
        const QString a =
            w.b.archive(QStringLiteral("a.tar.gz"), Format::TarGz, carItems(QStringLiteral("A")));
        const QString bArchive =
            w.b.archive(QStringLiteral("b.zip"), Format::Zip, carItems(QStringLiteral("B")));
        w.command->chooseFiles = [&] { return QStringList{a, bArchive}; };
        int asked = 0;
        std::optional<CarInstaller::Target> answer; // Cancel first
        w.command->chooseTarget = [&](int count) {
            asked = count;
            return answer;
        };

        button->click();
        QCOMPARE(asked, 2);
        QVERIFY(w.cars->folder(FolderRole::Garage).list().isEmpty());
        QVERIFY(w.b.lib.dialogs.messages().isEmpty()); // Cancel: nothing happens, nothing is said

        answer = CarInstaller::Target::GarageFolder;
        button->click();
        QCOMPARE(w.cars->folder(FolderRole::Garage).list().texts(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(w.label("Gam"), QStringLiteral("2"));
    }

    void keyF6_opensTheInstall()
    {
        Window w;
        int opened = 0;
        w.command->chooseFiles = [&] {
            ++opened;
            return QStringList();
        };
        w.castle->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.castle.get()));
        QTest::keyClick(w.find<QListView>("Cart3"), Qt::Key_F6);
        QCOMPARE(opened, 1);
    }

    void replacingAGaragedCar_movesItsEntryAndTheLightFollows()
    {
        Window w(QStringLiteral("2"));
        makeCar(w.b.lib.carFolder, QStringLiteral("Keep"));
        makeCar(w.b.lib.garageFolder, QStringLiteral("Bolt"));
        w.cars->rereadPaths();
        QCOMPARE(w.label("Gam"), QStringLiteral("1"));
        QVERIFY(!w.cars->display().overLimit);
        w.b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};
        const QString archive =
            w.b.archive(QStringLiteral("bolt.zip"), Format::Zip, carItems(QStringLiteral("Bolt")));

        w.command->install({archive}, CarInstaller::Target::CarFolder);

        QCOMPARE(w.cars->folder(FolderRole::Cars).list().texts(),
                 (QStringList{QStringLiteral("Keep"), QStringLiteral("Bolt")}));
        QVERIFY(w.cars->folder(FolderRole::Garage).list().isEmpty());
        QCOMPARE(w.label("Cam"), QStringLiteral("2"));
        QCOMPARE(w.label("Gam"), QStringLiteral("0"));
        QVERIFY(w.cars->display().overLimit); // two cars at a Max Car Amount of 2
    }

    void replacingUnderTheSameName_showsTheNewPicture()
    {
        Window w;
        makeCar(w.b.lib.carFolder, QStringLiteral("Bolt"), QStringLiteral("car.bmp"), Qt::red);
        w.cars->rereadPaths();
        const QRgb before =
            w.cars->folder(FolderRole::Cars).pictures().picture(QStringLiteral("BoltCAR")).pixel(32, 32);
        w.b.questions.clashAnswers << ClashAnswer{ClashChoice::Replace, false};
        QList<Item> items = {Item::file(QStringLiteral("Bolt/parameters.txt"), "{}"),
                             Item::file(QStringLiteral("Bolt/car.bmp"), bmpBytes(Qt::green))};

        w.command->install({w.b.archive(QStringLiteral("bolt.zip"), Format::Zip, items)},
                           CarInstaller::Target::CarFolder);

        QCOMPARE(w.cars->folder(FolderRole::Cars).list().texts(), QStringList{QStringLiteral("Bolt")});
        QCOMPARE(w.label("Cam"), QStringLiteral("1"));
        const QRgb after =
            w.cars->folder(FolderRole::Cars).pictures().picture(QStringLiteral("BoltCAR")).pixel(32, 32);
        QVERIFY(before != after);
        QCOMPARE(QColor(after), QColor(Qt::green));
    }

    // Archives opened with Parkwen from a file manager: the where-to question comes first.
    void openedWithArchives_asksWhereThenInstalls()
    {
        Window w;
        const QString one =
            w.b.archive(QStringLiteral("one.zip"), Format::Zip, carItems(QStringLiteral("cars/One")));
        clickInNextBox(QStringLiteral("Cancel"));
        w.command->open({one});
        QVERIFY(w.cars->folder(FolderRole::Garage).list().texts().isEmpty());
        QVERIFY(w.b.lib.dialogs.messages().isEmpty());

        QString asked;
        QTimer::singleShot(0, [&asked] {
            QWidget* box = QApplication::activeModalWidget();
            asked = box->objectName() + QLatin1Char(':') + static_cast<QMessageBox*>(box)->text();
            box->findChild<QPushButton*>(QStringLiteral("GarageFolder"))->click();
        });
        w.command->open({one});
        QCOMPARE(asked, QStringLiteral("InstallWhere:Install the cars of this archive into which folder?"));
        QCOMPARE(w.cars->folder(FolderRole::Garage).list().texts(), QStringList{QStringLiteral("One")});
    }

    // "A pack…": the cars go into the pack named, which is made and switched on in the packlist.
    void openedWithArchives_intoANewPack_makesAndSwitchesItOn()
    {
        Window w;
        const QString one =
            w.b.archive(QStringLiteral("one.zip"), Format::Zip, carItems(QStringLiteral("cars/One")));
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()->findChild<QPushButton*>(QStringLiteral("Pack"))->click();
            QTimer::singleShot(0, [] {
                auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (input) {
                    input->setTextValue(QStringLiteral("mine"));
                    input->accept();
                }
            });
        });
        w.command->open({one});
        const QString packs = w.b.lib.root.path() + QStringLiteral("/packs");
        QVERIFY(QFileInfo::exists(packs + QStringLiteral("/mine/cars/One/parameters.txt")));
        QFile list(packs + QStringLiteral("/default.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("default\nmine\n"));
        QVERIFY(w.cars->folder(FolderRole::Cars).list().texts().isEmpty()); // the lists show the two folders,
                                                                            // as ever
        QVERIFY(w.b.lib.dialogs.messages().last().contains(QStringLiteral("One")));
    }

    void boxes_answerWithTheirButtons()
    {
        clickInNextBox(QStringLiteral("GarageFolder"));
        QCOMPARE(InstallCommand::askTarget(nullptr, 3), CarInstaller::Target::GarageFolder);
        clickInNextBox(QStringLiteral("Cancel"));
        QCOMPARE(InstallCommand::askTarget(nullptr, 1), std::nullopt);

        ScriptedDialogs dialogs;
        QtInstallQuestions questions(dialogs, nullptr);
        CarClash clash{
            QStringLiteral("pack.zip"), QStringLiteral("Bolt"), QStringLiteral("bolt"), true, true, false,
            QStringLiteral("Bolt-2")};
        clickInNextBox(QStringLiteral("KeepBoth"), true);
        ClashAnswer answer = questions.clash(clash);
        QCOMPARE(answer.choice, ClashChoice::KeepBoth);
        QVERIFY(answer.forAll);
        clickInNextBox(QStringLiteral("Replace"));
        answer = questions.clash(clash);
        QCOMPARE(answer.choice, ClashChoice::Replace);
        QVERIFY(!answer.forAll);

        // The skin-pack questions: the offer is Yes/No, replacing a file defaults to No and names it.
        dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(!questions.addFiles(QStringLiteral("skins.zip"), QStringLiteral("Bolt"), false,
                                    {QStringLiteral("new.bmp")}, {QStringLiteral("car.bmp")}));
        QVERIFY(dialogs.messages().last().contains(QStringLiteral("Add them to \"Bolt\"?")));
        QVERIFY(questions.replaceFile(QStringLiteral("skins.zip"), QStringLiteral("Bolt"),
                                      QStringLiteral("car.bmp")));
        QCOMPARE(dialogs.shown().last().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(dialogs.messages().last(),
                 QStringLiteral(
                     "The car \"Bolt\" already has the file \"car.bmp\".\n\nReplace it with the one from "
                     "skins.zip?"));
    }

    void progress_cancelButtonStopsTheInstall()
    {
        QWidget parent;
        InstallProgress progress(&parent, 0);
        progress.begin(QStringLiteral("Installing cars"), 2);
        progress.begin(QStringLiteral("Unpacking pack.zip"), 100);
        progress.step(10);
        QVERIFY(progress.dialog());
        QCOMPARE(progress.dialog()->labelText(), QStringLiteral("Unpacking pack.zip"));
        QVERIFY(!progress.cancelled());
        QTest::mouseClick(progress.dialog()->findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(progress.cancelled());
        progress.end();
        QCOMPARE(progress.dialog()->labelText(), QStringLiteral("Installing cars"));
        progress.end();
        QVERIFY(!progress.dialog());
    }
};

QTEST_MAIN(InstallWindowTest)
#include "installwindow_test.moc"
