#include "sets/setediting.h"
#include "tests/support/carfolders.h"
#include "tests/support/faultyfilesystem.h"
#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;
using parkwen::test::FaultyFileSystem;
using parkwen::test::ScriptedDialogs;
using Op = FaultyFileSystem::Op;

namespace {

const QString SetUpMessage = QStringLiteral("Sets not Setup... Setting Up.");
const QString NoName = QStringLiteral("No Name Specified. Name your Set:");
const QString Exists = QStringLiteral("Set Exists, Retry Naming Set or Cancel?");
const QString Prompt = QStringLiteral("My Set's Name Is:");

// A program folder with its delivered blank set.
struct Program
{
    QTemporaryDir dir;
    FaultyFileSystem fs;
    ScriptedDialogs dialogs;
    SetStore store{fs, dir.path()};

    explicit Program(bool withBlank = true)
    {
        if (withBlank)
            test::writeBytes(dir.filePath(QStringLiteral("blank.pkn")), QByteArray());
    }
    QString sets() const { return dir.filePath(QStringLiteral("sets")); }
    QString setPath(const QString& name) const { return sets() + QLatin1Char('/') + name; }
    // A set-up sets folder holding the given sets.
    void setUp(const QHash<QString, QByteArray>& sets = {})
    {
        test::makeFolder(dir.path(), QStringLiteral("sets"));
        test::writeBytes(setPath(QStringLiteral("blank.pkn")), QByteArray());
        for (auto it = sets.begin(); it != sets.end(); ++it)
            test::writeBytes(setPath(it.key()), it.value());
    }
};

SetForm createForm(const QString& name, const QStringList& garage, const QStringList& cars,
                   const QStringList& ticks)
{
    SetForm form = newSetForm(garage, cars);
    form.name = name;
    form.tickMembers(ticks);
    return form;
}

} // namespace

class SetEditingTest : public QObject
{
    Q_OBJECT
private slots:
    void firstSave_setsUpFolderWithBlankSetAndWritesTickedCarsInListOrder()
    {
        Program p;
        test::writeBytes(p.dir.filePath(QStringLiteral("blank.pkn")), "\"Delivered\"\r\n");
        SetForm form =
            createForm(QStringLiteral("Night"), {"Beta", "Gamma"}, {"Alpha", "Delta"}, {"Alpha", "Beta"});

        QVERIFY(saveSet(form, p.store, p.dialogs));

        QCOMPARE(p.dialogs.messages(), QStringList{SetUpMessage});
        QCOMPARE(test::entries(p.sets()), QStringList({"Night.pkn", "blank.pkn"}));
        QCOMPARE(test::readBytes(p.setPath("blank.pkn")), QByteArray("\"Delivered\"\r\n"));
        QCOMPARE(test::readBytes(p.setPath("Night.pkn")), QByteArray("\"Beta\"\r\n\"Alpha\"\r\n"));
        QCOMPARE(form.name, QStringLiteral("Night.pkn"));

        SetForm empty = createForm(QStringLiteral("Empty"), {"A"}, {}, {});
        QVERIFY(saveSet(empty, p.store, p.dialogs));
        QCOMPARE(QFileInfo(p.setPath("Empty.pkn")).size(), 0);
    }

    void typedNames_getPknAddedUnlessEndingInExactlyPkn()
    {
        Program p;
        p.setUp();
        for (const char* typed : {"Race", "Race.PKN"}) {
            SetForm form = createForm(QString::fromLatin1(typed), {}, {"A"}, {"A"});
            QVERIFY(saveSet(form, p.store, p.dialogs));
        }
        QCOMPARE(test::entries(p.sets()), QStringList({"Race.PKN.pkn", "Race.pkn", "blank.pkn"}));
        SetForm again = createForm(QStringLiteral("Race.pkn"), {}, {"A"}, {});
        p.dialogs.queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!saveSet(again, p.store, p.dialogs)); // the set saved as "Race"
        QCOMPARE(p.dialogs.messages(), QStringList{Exists});
    }

    void existingName_retryAsksAgain_cancelLeavesOldFile()
    {
        Program p;
        p.setUp({{"Race.pkn", "\"Old\"\r\n"}, {"race2.pkn", ""}});
        SetForm form = createForm(QStringLiteral("Race"), {}, {"New"}, {"New"});
        p.dialogs.queueAnswer(Dialogs::Answer::Retry);
        p.dialogs.queueInput(QStringLiteral("Race2")); // taken too, ignoring case
        p.dialogs.queueAnswer(Dialogs::Answer::Cancel);

        QVERIFY(!saveSet(form, p.store, p.dialogs));

        QCOMPARE(p.dialogs.messages(), QStringList({Exists, Exists}));
        QCOMPARE(p.dialogs.shown().first().icon, Dialogs::Icon::Question);
        QCOMPARE(p.dialogs.shown().first().buttons, Dialogs::Buttons::RetryCancel);
        QCOMPARE(p.dialogs.prompts(), QStringList{Prompt});
        QCOMPARE(form.name, QStringLiteral("Race2.pkn"));
        QCOMPARE(form.ticked, QList<bool>{true});
        QCOMPARE(test::readBytes(p.setPath("Race.pkn")), QByteArray("\"Old\"\r\n"));
        QCOMPARE(test::entries(p.sets()), QStringList({"Race.pkn", "blank.pkn", "race2.pkn"}));

        p.dialogs.clear();
        p.dialogs.queueInput(QStringLiteral("Race3"));
        QVERIFY(saveSet(form, p.store, p.dialogs));
        QCOMPARE(test::readBytes(p.setPath("Race3.pkn")), QByteArray("\"New\"\r\n"));
    }

    void emptyName_asksUntilNamed_cancelWritesNothing()
    {
        Program p;
        SetForm form = createForm(QString(), {}, {"A"}, {"A"});
        p.dialogs.queueInput(QString()); // an empty answer is asked again
        p.dialogs.queueInput(std::nullopt);

        QVERIFY(!saveSet(form, p.store, p.dialogs));
        QCOMPARE(p.dialogs.messages(), QStringList({NoName, NoName}));
        QCOMPARE(p.dialogs.shown().first().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(p.dialogs.prompts(), QStringList({Prompt, Prompt}));
        QCOMPARE(p.dialogs.defaults(), QStringList({QString(), QString()}));
        QVERIFY(!QFileInfo::exists(p.sets()));

        p.dialogs.queueInput(QStringLiteral("Mine"));
        QVERIFY(saveSet(form, p.store, p.dialogs));
        QCOMPARE(form.name, QStringLiteral("Mine.pkn"));
        QVERIFY(QFileInfo::exists(p.setPath("Mine.pkn")));
    }

    void nameThatIsNoFileNameInSetsFolder_isRefusedAndAskedAgain()
    {
        Program p;
        p.setUp();
        SetForm form = createForm(QStringLiteral("../escape"), {}, {"A"}, {"A"});
        p.dialogs.queueInput(QStringLiteral("a\\b"));
        p.dialogs.queueInput(QStringLiteral("."));
        p.dialogs.queueInput(QStringLiteral("Safe"));

        QVERIFY(saveSet(form, p.store, p.dialogs));

        QCOMPARE(p.dialogs.messages().size(), 3);
        for (const QString& m : p.dialogs.messages())
            QVERIFY2(m.contains(QLatin1String("can't be used")), qPrintable(m));
        QCOMPARE(p.dialogs.prompts(), QStringList({Prompt, Prompt, Prompt}));
        QCOMPARE(test::entries(p.sets()), QStringList({"Safe.pkn", "blank.pkn"}));
        QCOMPARE(test::entries(p.dir.path()), QStringList({"blank.pkn", "sets"}));
    }

    void setUp_worksFromEveryStartingState()
    {
        { // The sets folder exists (spelt "Sets") but lost its blank set.
            Program p;
            test::makeFolder(p.dir.path(), QStringLiteral("Sets"));
            SetForm form = createForm(QStringLiteral("New"), {}, {}, {});
            QVERIFY(saveSet(form, p.store, p.dialogs));
            QCOMPARE(p.dialogs.messages(), QStringList{SetUpMessage});
            QCOMPARE(test::entries(p.dir.filePath("Sets")), QStringList({"New.pkn", "blank.pkn"}));
        }
        { // No blank set in the program folder: an empty one is made.
            Program p(false);
            SetForm form = createForm(QStringLiteral("New"), {}, {}, {});
            QVERIFY(saveSet(form, p.store, p.dialogs));
            QCOMPARE(p.dialogs.messages(), QStringList{SetUpMessage});
            QCOMPARE(QFileInfo(p.setPath("blank.pkn")).size(), 0);
        }
        { // A failure is reported and nothing is written.
            Program p;
            p.fs.failOnName(Op::CreateFolder, QStringLiteral("/sets"), Error::of(err::PermissionDenied));
            SetForm form = createForm(QStringLiteral("New"), {}, {}, {});
            QVERIFY(!saveSet(form, p.store, p.dialogs));
            QCOMPARE(
                p.dialogs.messages(),
                QStringList({SetUpMessage, QStringLiteral("Miscellaneous Error: No. 70 Permission denied")}));
        }
    }

    void editMode_ticksExactlyTheMembersAndRewritesInListOrder()
    {
        Program p;
        // "gone" was deleted meanwhile; "alpha" differs from the car "Alpha" in case only.
        p.setUp({{"Race.pkn", "\"Delta\"\r\n\"gone\"\r\n\"Beta\"\r\n\"alpha\"\r\n"}});
        Result<SetForm> opened = editSetForm({"Beta", "Gamma"}, {"Alpha", "Delta"}, p.store, "Race.pkn");
        QVERIFY(opened.ok());
        SetForm form = opened.take();
        QCOMPARE(form.name, QStringLiteral("Race.pkn"));
        QCOMPARE(form.entries, QStringList({"Beta", "Gamma", "Alpha", "Delta"}));
        QCOMPARE(form.ticked, QList<bool>({true, false, false, true}));

        QVERIFY(saveSet(form, p.store, p.dialogs));

        QVERIFY(p.dialogs.messages().isEmpty());
        QCOMPARE(test::readBytes(p.setPath("Race.pkn")), QByteArray("\"Beta\"\r\n\"Delta\"\r\n"));
        QCOMPARE(test::entries(p.sets()), QStringList({"Race.pkn", "blank.pkn"}));
    }

    void editMode_rewritesTheEditedFile_evenWithUpperCaseExtension()
    {
        Program p;
        p.setUp({{"Old.PKN", "\"A\"\r\n"}});
        Result<SetForm> opened = editSetForm({}, {"A", "B"}, p.store, "Old.PKN");
        QVERIFY(opened.ok());
        SetForm form = opened.take();
        form.ticked = {true, true};
        QVERIFY(saveSet(form, p.store, p.dialogs));
        QCOMPARE(test::entries(p.sets()), QStringList({"Old.PKN", "blank.pkn"}));
        QCOMPARE(test::readBytes(p.setPath("Old.PKN")), QByteArray("\"A\"\r\n\"B\"\r\n"));
    }

    void failedWrite_leavesOldSetWholeAndReportsIt()
    {
        for (Op op : {Op::Write, Op::Rename}) {
            Program p;
            p.setUp({{"Race.pkn", "\"A\"\r\n\"B\"\r\n"}});
            p.fs.failWhen(
                op, [](const QString& path) { return path.contains(QLatin1String("Race.pkn")); },
                Error::of(err::DiskFull));
            Result<SetForm> opened = editSetForm({}, {"A", "B", "C"}, p.store, "Race.pkn");
            QVERIFY(opened.ok());
            SetForm form = opened.take();
            form.ticked = {false, false, true};

            QVERIFY(!saveSet(form, p.store, p.dialogs));

            QCOMPARE(p.dialogs.messages(),
                     QStringList{QStringLiteral("Miscellaneous Error: No. 61 Disk full")});
            QCOMPARE(test::readBytes(p.setPath("Race.pkn")), QByteArray("\"A\"\r\n\"B\"\r\n"));
            QCOMPARE(test::entries(p.sets()), QStringList({"Race.pkn", "blank.pkn"}));
        }
    }
};

QTEST_GUILESS_MAIN(SetEditingTest)
#include "setediting_test.moc"
