#include "platform/datalocations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;

namespace {

void touch(const QString& path, const QByteArray& bytes = QByteArray())
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A scratch machine: an installed tree (bin/, libexec/parkwen/, share/parkwen/), a build-style program
// folder, and the user's configuration and data folders.
struct Machine
{
    QTemporaryDir root;
    QString prefix = root.path() + QStringLiteral("/usr");
    QString bin = prefix + QStringLiteral("/" PARKWEN_INSTALL_BINDIR);
    QString helpers = prefix + QStringLiteral("/libexec/parkwen");
    QString share = prefix + QStringLiteral("/share/parkwen");
    QString build = root.path() + QStringLiteral("/build/bin");
    QString configHome = root.path() + QStringLiteral("/home/.config");
    QString dataHome = root.path() + QStringLiteral("/home/.local/share");
    bool folderWritable = true;

    Machine()
    {
        touch(bin + QStringLiteral("/parkwen"));
        touch(helpers + QStringLiteral("/rigwell"));
        touch(helpers + QStringLiteral("/hovlen"));
        touch(share + QStringLiteral("/blank.pkn"), "\"Shipped\"\r\n");
        touch(build + QStringLiteral("/parkwen"));
        touch(build + QStringLiteral("/rigwell"));
    }

    DataLocations::Environment env() const
    {
        DataLocations::Environment e;
        e.configHome = configHome;
        e.dataHome = dataHome;
        const bool writable = folderWritable;
        e.writable = [writable](const QString&) { return writable; };
        return e;
    }
    DataLocations main(const QString& folder) const
    {
        return DataLocations::resolve(folder, DataLocations::Asker::Main, env());
    }
    DataLocations helper(const QString& folder) const
    {
        return DataLocations::resolve(folder, DataLocations::Asker::Helper, env());
    }
};

void compareData(const DataLocations& a, const DataLocations& b)
{
    QCOMPARE(a.portable, b.portable);
    QCOMPARE(a.mainFolder, b.mainFolder);
    QCOMPARE(a.helperFolder, b.helperFolder);
    QCOMPARE(a.pathsFile(), b.pathsFile());
    QCOMPARE(a.setsFolder(), b.setsFolder());
    QCOMPARE(a.deliveredBlank, b.deliveredBlank);
}

} // namespace

class DataLocationsTest : public QObject
{
    Q_OBJECT
private slots:
    void writableProgramFolder_isPortable_andBothProgramsAgree()
    {
        Machine m;
        const DataLocations parkwen = m.main(m.build);
        compareData(parkwen, m.helper(m.build));
        QVERIFY(parkwen.portable);
        QVERIFY(!parkwen.installedLayout);
        QCOMPARE(parkwen.pathsFile(), m.build + QStringLiteral("/paths.mdb"));
        QCOMPARE(parkwen.setsFolder(), m.build + QStringLiteral("/sets"));
        QCOMPARE(parkwen.helperFolder, m.build);
        QCOMPARE(parkwen.deliveredBlank, m.build + QStringLiteral("/blank.pkn"));
    }

    void readOnlyProgramFolder_usesTheUsersFolders()
    {
        Machine m;
        m.folderWritable = false;
        const DataLocations parkwen = m.main(m.build);
        compareData(parkwen, m.helper(m.build));
        QVERIFY(!parkwen.portable);
        QCOMPARE(parkwen.pathsFile(), m.configHome + QStringLiteral("/parkwen/paths.mdb"));
        QCOMPARE(parkwen.setsFolder(), m.dataHome + QStringLiteral("/parkwen/sets"));
        // The programs are still found beside parkwen.
        QCOMPARE(parkwen.helperFolder, m.build);
    }

    void portableMarker_keepsTheDataBesideAReadOnlyFolder()
    {
        Machine m;
        m.folderWritable = false;
        touch(m.build + QStringLiteral("/portable"));
        QVERIFY(m.main(m.build).portable);
        QCOMPARE(m.helper(m.build).pathsFile(), m.build + QStringLiteral("/paths.mdb"));
    }

    void installedLayout_seenFromEitherProgram_givesTheSameFolders()
    {
        Machine m;
        // Even where the user may write to bin/ (an install into the home folder).
        const DataLocations parkwen = m.main(m.bin);
        const DataLocations rigwell = m.helper(m.helpers);
        compareData(parkwen, rigwell);
        QVERIFY(parkwen.installedLayout);
        QVERIFY(!parkwen.portable);
        QCOMPARE(parkwen.mainFolder, m.bin);
        QCOMPARE(parkwen.helperFolder, m.helpers);
        QCOMPARE(parkwen.pathsFile(), m.configHome + QStringLiteral("/parkwen/paths.mdb"));
        QCOMPARE(parkwen.deliveredBlank, m.share + QStringLiteral("/blank.pkn"));

        // A portable file beside parkwen turns both back to portable.
        touch(m.bin + QStringLiteral("/portable"));
        const DataLocations marked = m.helper(m.helpers);
        compareData(m.main(m.bin), marked);
        QVERIFY(marked.portable);
        QCOMPARE(marked.pathsFile(), m.bin + QStringLiteral("/paths.mdb"));
    }

    void helperFolderWithoutTheMainProgram_isNoInstall()
    {
        Machine m;
        QFile::remove(m.bin + QStringLiteral("/parkwen"));
        const DataLocations rigwell = m.helper(m.helpers);
        QVERIFY(!rigwell.installedLayout);
        QCOMPARE(rigwell.mainFolder, m.helpers);
    }

    void movedInstall_isFoundWhereItNowIs()
    {
        Machine m;
        const QString moved = m.root.path() + QStringLiteral("/elsewhere");
        QVERIFY(QDir().rename(m.prefix, moved));
        const DataLocations parkwen = m.main(moved + QStringLiteral("/" PARKWEN_INSTALL_BINDIR));
        QVERIFY(parkwen.installedLayout);
        QCOMPARE(parkwen.helperFolder, moved + QStringLiteral("/libexec/parkwen"));
        compareData(parkwen, m.helper(moved + QStringLiteral("/libexec/parkwen")));
    }

    void prepare_createsTheUsersFoldersWithTheShippedBlankSet_once()
    {
        Machine m;
        const DataLocations at = m.main(m.bin);
        QVERIFY(!at.prepare());
        QVERIFY(QFileInfo(m.configHome + QStringLiteral("/parkwen")).isDir());
        QFile blank(m.dataHome + QStringLiteral("/parkwen/blank.pkn"));
        QVERIFY(blank.open(QIODevice::ReadOnly));
        QCOMPARE(blank.readAll(), QByteArray("\"Shipped\"\r\n"));
        blank.close();
        // The copy can be replaced by the user even though the shipped one is read-only.
        QVERIFY(QFileInfo(blank.fileName()).permissions() & QFile::WriteOwner);
        // No sets folder yet: the first saved set sets it up as always.
        QVERIFY(!QFileInfo::exists(at.setsFolder()));

        // A blank set the user already has, in any letter case, is left alone.
        QVERIFY(blank.remove());
        touch(m.dataHome + QStringLiteral("/parkwen/BLANK.PKN"), "mine");
        QVERIFY(!at.prepare());
        QCOMPARE(QDir(m.dataHome + QStringLiteral("/parkwen")).entryList(QDir::Files),
                 QStringList{QStringLiteral("BLANK.PKN")});
    }

    void prepare_withoutAShippedBlankSet_writesAnEmptyOne()
    {
        Machine m;
        QFile::remove(m.share + QStringLiteral("/blank.pkn"));
        QVERIFY(!m.main(m.bin).prepare());
        QCOMPARE(QFileInfo(m.dataHome + QStringLiteral("/parkwen/blank.pkn")).size(), 0);
    }

    void prepare_portable_writesNothing()
    {
        Machine m;
        const QStringList before = QDir(m.build).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY(!m.main(m.build).prepare());
        QCOMPARE(QDir(m.build).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFileInfo::exists(m.configHome));
    }

    void prepare_unwritableHome_fails()
    {
        Machine m;
        touch(m.configHome); // a file where the folder should be
        QVERIFY(m.main(m.bin).prepare());
    }

    void describe_namesTheFolders()
    {
        Machine m;
        const QStringList lines = m.main(m.bin).describe();
        QVERIFY(lines.contains(QStringLiteral("Data: per user")));
        QVERIFY(lines.contains(QStringLiteral("Settings: ") + m.configHome +
                               QStringLiteral("/parkwen/paths.mdb")));
        QVERIFY(lines.contains(QStringLiteral("Sets: ") + m.dataHome + QStringLiteral("/parkwen/sets")));
    }
};

QTEST_GUILESS_MAIN(DataLocationsTest)
#include "datalocations_test.moc"
