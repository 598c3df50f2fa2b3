#include "app/cli/commandline.h"
#include "app/cli/streamdialogs.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;

Q_DECLARE_METATYPE(CommandLine::Mode)
Q_DECLARE_METATYPE(CommandLine::Command)
Q_DECLARE_METATYPE(CommandLine::Folder)

namespace {

CommandLine parse(const QString& line)
{
    QStringList arguments{QStringLiteral("parkwen")};
    if (!line.isEmpty())
        arguments += line.split(QLatin1Char(' '));
    return parseCommandLine(arguments);
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void window_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("stock");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("/ACC") << "/ACC" << true;
        QTest::newRow("/acc") << "/acc" << true;
        QTest::newRow("/Acc") << "/Acc" << true;
        QTest::newRow("/ACC and more") << "/ACC more" << false;
        QTest::newRow("without its slash") << "ACC" << false;
        QTest::newRow("other text") << "whatever" << false;
        QTest::newRow("Qt's own options") << "-style fusion -reverse -platform=xcb" << false;
        QTest::newRow("Qt's options and /ACC") << "-style fusion /acc" << true;
        QTest::newRow("without the cache") << "--no-cache" << false;
        QTest::newRow("/ACC without the cache") << "/ACC --no-cache" << true;
        QTest::newRow("without the cache, /ACC") << "--no-cache /acc" << true;
    }
    void window()
    {
        QFETCH(QString, line);
        QFETCH(bool, stock);
        const CommandLine parsed = parse(line);
        QCOMPARE(parsed.mode, CommandLine::Mode::Window);
        QCOMPARE(parsed.stockMode, stock);
        QCOMPARE(parsed.command, CommandLine::Command::None);
        QCOMPARE(parsed.noCache, line.contains(QLatin1String("--no-cache")));
    }

    // What a file manager's "Open With" hands over: the archives among the words open the window and
    // are installed; other files, missing files and other words change nothing.
    void window_withArchiveFiles_takesTheArchivesOnly()
    {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        const QString zip = write("pack.ZIP", "PK\x03\x04");
        const QString tar = write("cars.tar.gz", "\x1f\x8b");
        const QString unnamed = write("download", QByteArray("7z\xBC\xAF\x27\x1C", 6));
        const QString text = write("notes.txt", "PK is not the start of this");
        const CommandLine line =
            parseCommandLine({QStringLiteral("parkwen"), zip, text, QStringLiteral("/ACC"),
                              dir.filePath(QStringLiteral("gone.zip")), tar, unnamed});
        QCOMPARE(line.mode, CommandLine::Mode::Window);
        QCOMPARE(line.files, (QStringList{zip, tar, unnamed}));
        QVERIFY(!line.stockMode);
        QVERIFY(parse(QStringLiteral("whatever /ACC")).files.isEmpty());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<CommandLine::Mode>("mode");
        QTest::addColumn<CommandLine::Command>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<CommandLine::Folder>("folder");
        using C = CommandLine::Command;
        using F = CommandLine::Folder;
        const auto cmd = CommandLine::Mode::Command;
        QTest::newRow("help") << "--help" << CommandLine::Mode::Help << C::None << "" << F::None;
        QTest::newRow("-h") << "-h" << CommandLine::Mode::Help << C::None << "" << F::None;
        QTest::newRow("version") << "--version" << CommandLine::Mode::Version << C::None << "" << F::None;
        QTest::newRow("list car") << "--list car" << cmd << C::List << "" << F::Car;
        QTest::newRow("list=garage") << "--list=garage" << cmd << C::List << "" << F::Garage;
        QTest::newRow("list all") << "--list all --json" << cmd << C::List << "" << F::All;
        QTest::newRow("check") << "--check --json" << cmd << C::Check << "" << F::None;
        QTest::newRow("load-set") << "--load-set Race" << cmd << C::LoadSet << "Race" << F::None;
        QTest::newRow("only-set") << "--only-set Race.pkn" << cmd << C::OnlySet << "Race.pkn" << F::None;
        QTest::newRow("remove-set") << "--remove-set Race" << cmd << C::RemoveSet << "Race" << F::None;
        QTest::newRow("move to car") << "--move Toyeca --to car" << cmd << C::Move << "Toyeca" << F::Car;
        QTest::newRow("to before move") << "--to garage --move X" << cmd << C::Move << "X" << F::Garage;
        QTest::newRow("stats") << "--stats Sample" << cmd << C::Stats << "Sample" << F::None;
        QTest::newRow("install") << "--install a.zip b.7z --to garage" << cmd << C::Install << ""
                                 << F::Garage;
    }
    void commands()
    {
        QFETCH(QString, line);
        QFETCH(CommandLine::Mode, mode);
        QFETCH(CommandLine::Command, command);
        QFETCH(QString, name);
        QFETCH(CommandLine::Folder, folder);
        const CommandLine parsed = parse(line);
        QCOMPARE(parsed.mode, mode);
        QCOMPARE(parsed.command, command);
        QCOMPARE(parsed.name, name);
        QCOMPARE(parsed.folder, folder);
        QVERIFY(!parsed.yes);
    }

    void optionsOfCommands()
    {
        QVERIFY(parse(QStringLiteral("--stats A --json")).json);
        QVERIFY(parse(QStringLiteral("--move A --to car --yes")).yes);
        QVERIFY(parse(QStringLiteral("--move A --to car -y")).yes);
        QCOMPARE(parse(QStringLiteral("-style fusion --list garage")).folder, CommandLine::Folder::Garage);
        QCOMPARE(parse(QStringLiteral("--install a.zip b.7z --to garage")).files,
                 (QStringList{QStringLiteral("a.zip"), QStringLiteral("b.7z")}));
        // A name may hold blanks when the shell passes it as one argument.
        const CommandLine spaced = parseCommandLine(
            {QStringLiteral("parkwen"), QStringLiteral("--load-set"), QStringLiteral("Monday night")});
        QCOMPARE(spaced.name, QStringLiteral("Monday night"));
    }

    void wrong_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown option") << "--bogus"
                                        << "bogus";
        QTest::newRow("list of what") << "--list boat"
                                      << "boat";
        QTest::newRow("list without value") << "--list"
                                            << "list";
        QTest::newRow("move without --to") << "--move A"
                                           << "--to";
        QTest::newRow("move to where") << "--move A --to attic"
                                       << "attic";
        QTest::newRow("--to twice") << "--move A --to car --to garage"
                                    << "--to";
        QTest::newRow("--to alone") << "--to car"
                                    << "--to";
        QTest::newRow("--yes alone") << "--yes"
                                     << "--yes";
        QTest::newRow("two commands") << "--load-set A --remove-set B"
                                      << "One command";
        QTest::newRow("a command twice") << "--load-set A --load-set B"
                                         << "more than once";
        QTest::newRow("--to with a set") << "--load-set A --to car"
                                         << "--to";
        QTest::newRow("--json with a move") << "--move A --to car --json"
                                            << "--json";
        QTest::newRow("stray argument") << "--list car extra"
                                        << "extra";
        QTest::newRow("install without files") << "--install --to car"
                                               << "file";
        QTest::newRow("install without --to") << "--install a.zip"
                                              << "--to";
        QTest::newRow("empty name") << "--load-set="
                                    << "name";
    }
    void wrong()
    {
        QFETCH(QString, line);
        const CommandLine parsed = parse(line);
        QCOMPARE(parsed.mode, CommandLine::Mode::Wrong);
        QFETCH(QString, problem);
        QVERIFY2(parsed.problem.contains(problem), qPrintable(parsed.problem));
    }

    void help_namesEveryCommand()
    {
        const QString help = commandLineHelp();
        for (const char* option : {"--list", "--load-set", "--only-set", "--remove-set", "--move", "--to",
                                   "--install", "--stats", "--json", "--yes", "--version", "--help"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    // --help, the manual page and the three shell completions name exactly the options the program
    // takes: an option added, renamed or dropped in one place fails here until all agree.
    void manualAndCompletions_nameExactlyTheOptions_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file :
             {"parkwen.1", "completion/parkwen.bash", "completion/_parkwen", "completion/parkwen.fish"})
            QTest::newRow(file) << QStringLiteral(PARKWEN_DIST_DIR "/") + QString::fromLatin1(file);
        QTest::newRow("--help") << QString();
    }
    void manualAndCompletions_nameExactlyTheOptions()
    {
        QFETCH(QString, file);
        QString text = commandLineHelp();
        if (!file.isEmpty()) {
            QFile f(file);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
            text = QString::fromUtf8(f.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        }
        const bool fish = file.endsWith(QLatin1String(".fish"));
        QSet<QString> options;
        for (const CommandLineOption& option : commandLineOptions())
            options << option.longName();
        // fish names options without their dashes: "complete -c parkwen -l list".
        const QRegularExpression named(
            fish ? QStringLiteral("complete -c parkwen (?:-s \\w )?-l ([a-z][a-z-]*)")
                 : QStringLiteral("(?<![\\w-])--([a-z][a-z-]*)"));
        QSet<QString> found;
        for (const QRegularExpressionMatch& m : named.globalMatch(text))
            found << m.captured(1);
        QCOMPARE(found - options, QSet<QString>());
        QCOMPARE(options - found, QSet<QString>());
    }

    void streamDialogs_writeOneLineEach_andNeverWait()
    {
        QString text;
        QTextStream stream(&text);
        StreamDialogs safe(stream, false);
        QCOMPARE(safe.message(QStringLiteral("Delete this car?\nIt cannot be undone."),
                              Dialogs::Icon::Question, Dialogs::Buttons::YesNo),
                 Dialogs::Answer::No);
        QCOMPARE(
            safe.message(QStringLiteral("Sure?"), Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo),
            Dialogs::Answer::No);
        QCOMPARE(
            safe.message(QStringLiteral("Again?"), Dialogs::Icon::Question, Dialogs::Buttons::RetryCancel),
            Dialogs::Answer::Cancel);
        QCOMPARE(safe.message(QStringLiteral("Done."), Dialogs::Icon::Information, Dialogs::Buttons::Ok),
                 Dialogs::Answer::Ok);
        QCOMPARE(safe.input(QStringLiteral("My Set's Name Is:"), QStringLiteral("x")), std::nullopt);
        stream.flush();
        QCOMPARE(text,
                 QStringLiteral(
                     "Delete this car? It cannot be undone.\nSure?\nAgain?\nDone.\nMy Set's Name Is:\n"));
        QCOMPARE(safe.messageCount(), 5);

        StreamDialogs yes(stream, true);
        QCOMPARE(yes.message(QStringLiteral("Delete?"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo),
                 Dialogs::Answer::Yes);
        QCOMPARE(
            yes.message(QStringLiteral("Sure?"), Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo),
            Dialogs::Answer::Yes);
        // Retrying could ask for ever: even --yes does not retry.
        QCOMPARE(
            yes.message(QStringLiteral("Again?"), Dialogs::Icon::Question, Dialogs::Buttons::RetryCancel),
            Dialogs::Answer::Cancel);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "commandline_test.moc"
