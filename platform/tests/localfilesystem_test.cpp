#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"
#include "tests/support/carfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Temporary names from a short, known list, so that a test can occupy every one of them.
class KnownNamesFileSystem : public LocalFileSystem
{
public:
    static constexpr int Names = 3;
    static QString nameFor(int attempt)
    {
        return QStringLiteral(".parkwen-known%1.tmp").arg(attempt % Names);
    }

protected:
    QString temporaryName(int attempt) override { return nameFor(attempt); }
};

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// Writes that go over `limit` bytes fail with EFBIG while the object lives: a real failure in the
// middle of writing, which a full disk would give too.
struct FileSizeLimit
{
    rlimit old{};
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

class LocalFileSystemTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QString m_victim;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_folder = makeFolder(m_dir.path(), QStringLiteral("car"));
        // What a planted link points at: a file outside the car's folder that must stay as it is.
        m_victim = m_dir.path() + QStringLiteral("/victim");
        writeBytes(m_victim, "precious");
    }
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void atomicWrites_neverFollowLinksAtTheirTemporaryNames()
    {
        KnownNamesFileSystem fs;
        const QString source = m_folder + QStringLiteral("/parameters.txt");
        writeBytes(source, "BODY {");
        // Links at all but the last usable name, and at the fixed name older versions wrote.
        for (int k = 0; k < KnownNamesFileSystem::Names - 1; ++k)
            QVERIFY(QFile::link(m_victim, m_folder + QLatin1Char('/') + KnownNamesFileSystem::nameFor(k)));
        QVERIFY(QFile::link(m_victim, m_folder + QStringLiteral("/.parkwen-Backup.txt.tmp")));

        QVERIFY(!fs.replaceFileAtomic(source, m_folder + QStringLiteral("/Backup.txt")));
        QVERIFY(!fs.writeFileAtomic(m_folder + QStringLiteral("/Race.txt"), "race"));
        QCOMPARE(readBytes(m_folder + QStringLiteral("/Backup.txt")), QByteArray("BODY {"));
        QCOMPARE(readBytes(m_folder + QStringLiteral("/Race.txt")), QByteArray("race"));
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));
        // The links are left alone and no temporary file stays behind.
        QCOMPARE(entries(m_folder),
                 QStringList({".parkwen-Backup.txt.tmp", ".parkwen-known0.tmp", ".parkwen-known1.tmp",
                              "Backup.txt", "Race.txt", "parameters.txt"}));

        // With every name taken the write is refused, and still nothing is written through a link.
        QVERIFY(QFile::link(m_victim, m_folder + QLatin1Char('/') +
                                          KnownNamesFileSystem::nameFor(KnownNamesFileSystem::Names - 1)));
        const Error e = fs.writeFileAtomic(m_folder + QStringLiteral("/Race.txt"), "changed");
        QCOMPARE(e.fault(), err::PathFileAccess);
        QCOMPARE(readBytes(m_folder + QStringLiteral("/Race.txt")), QByteArray("race"));
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));
    }

    void atomicWrites_replaceALinkAtTheTargetInsteadOfWritingThroughIt()
    {
        LocalFileSystem fs;
        const QString skin = m_folder + QStringLiteral("/car.bmp");
        QVERIFY(QFile::link(m_victim, skin));
        writeBytes(m_folder + QStringLiteral("/car2.bmp"), "paint");
        QVERIFY(!fs.replaceFileAtomic(m_folder + QStringLiteral("/car2.bmp"), skin));
        QVERIFY(!QFileInfo(skin).isSymLink());
        QCOMPARE(readBytes(skin), QByteArray("paint"));
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));

        const QString set = m_folder + QStringLiteral("/Race.pkn");
        QVERIFY(QFile::link(m_victim, set));
        QVERIFY(!fs.writeFileAtomic(set, "\"A\"\r\n"));
        QCOMPARE(readBytes(set), QByteArray("\"A\"\r\n"));
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));

        // Plain writes and copies refuse a link at the target.
        QVERIFY(QFile::link(m_victim, m_folder + QStringLiteral("/plain.txt")));
        QVERIFY(fs.writeFile(m_folder + QStringLiteral("/plain.txt"), "x").failed());
        QVERIFY(fs.copyFile(m_folder + QStringLiteral("/car2.bmp"), m_folder + QStringLiteral("/plain.txt"))
                    .failed());
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));
    }

    void writesBeneath_neverPassALink()
    {
        LocalFileSystem fs;
        const QByteArray root = QFile::encodeName(m_folder);
        QVERIFY(QFile::link(m_dir.path(), m_folder + QStringLiteral("/out")));
        QVERIFY(QFile::link(m_victim, m_folder + QStringLiteral("/v")));
        writeBytes(m_folder + QStringLiteral("/f"), "file");
        const QStringList outsideBefore = entries(m_dir.path());

        auto createFile = [&](const char* relative) { return fs.createFileBeneath(root, relative).error(); };
        const QList<std::pair<const char*, Error>> refused = {
            {"folder through a link", fs.makeFolderBeneath(root, "out/new")},
            {"folder through a file", fs.makeFolderBeneath(root, "f/new")},
            {"file at a link", createFile("v")},
            {"file through a link", createFile("out/victim")},
            {"link through a link", fs.makeLinkBeneath(root, "out/l", "x")},
            {"copy of a link", fs.copyFileBeneath(root, "v", "copy")},
            {"copy onto a link", fs.copyFileBeneath(root, "f", "v")},
            {"copy through a link", fs.copyFileBeneath(root, "f", "out/copy")},
        };
        for (const auto& [what, e] : refused)
            QVERIFY2(e.fault() == err::PathFileAccess, what);
        QCOMPARE(createFile("../victim").fault(), err::InvalidCall);
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));
        QCOMPARE(entries(m_dir.path()), outsideBefore);
        QCOMPARE(entries(m_folder), QStringList({"f", "out", "v"}));

        // Where nothing is in the way: folders made as needed, a file written at offsets and
        // extended, a copy of it, a link.
        QVERIFY(!fs.makeFolderBeneath(root, "a/b"));
        auto file = fs.createFileBeneath(root, "a/b/c");
        QVERIFY(file.ok());
        QVERIFY(!file.value()->write(2, "lo", 2));
        QVERIFY(!file.value()->write(0, "he", 2));
        QVERIFY(!file.value()->resize(6));
        QVERIFY(!file.value()->close());
        QVERIFY(!fs.copyFileBeneath(root, "a/b/c", "a/d"));
        QVERIFY(!fs.makeLinkBeneath(root, "a/l", "b/c"));
        QCOMPARE(readBytes(m_folder + QStringLiteral("/a/d")), QByteArray("helo\0\0", 6));
        QCOMPARE(QFile::symLinkTarget(m_folder + QStringLiteral("/a/l")),
                 m_folder + QStringLiteral("/a/b/c"));
        QCOMPARE(createFile("a/d").fault(), err::PathFileAccess);
    }

    void atomicWrites_failingHalfwayLeaveTheOldFileAndNoTemporaryFile()
    {
        LocalFileSystem fs;
        const QString target = m_folder + QStringLiteral("/Race.pkn");
        writeBytes(target, "old");
        const QByteArray big(64 * 1024, 'x');
        writeBytes(m_dir.path() + QStringLiteral("/big"), big);
        {
            FileSizeLimit limit(4096);
            QVERIFY(fs.writeFileAtomic(target, big).failed());
            QVERIFY(fs.replaceFileAtomic(m_dir.path() + QStringLiteral("/big"), target).failed());
        }
        QCOMPARE(readBytes(target), QByteArray("old"));
        QCOMPARE(entries(m_folder), QStringList({"Race.pkn"}));

        // A rename that fails: the target is a folder that is not empty.
        const QString folderTarget = makeFolder(m_folder, QStringLiteral("taken"));
        writeBytes(folderTarget + QStringLiteral("/inside"), "x");
        QVERIFY(fs.writeFileAtomic(folderTarget, "new").failed());
        QVERIFY(fs.replaceFileAtomic(target, folderTarget).failed());
        QCOMPARE(entries(m_folder), QStringList({"Race.pkn", "taken"}));

        // A source that is not an ordinary file is never opened for the copy.
        QCOMPARE(fs.replaceFileAtomic(m_folder, target).fault(), err::PathFileAccess);
        QCOMPARE(fs.replaceFileAtomic(m_folder + QStringLiteral("/gone"), target).fault(), err::FileNotFound);
        QCOMPARE(entries(m_folder), QStringList({"Race.pkn", "taken"}));
    }

    void writes_keepPermissions_copiesKeepPermissionsAndTimes()
    {
        LocalFileSystem fs;
        const QString source = m_folder + QStringLiteral("/source.txt");
        writeBytes(source, "BODY {");
        QVERIFY(::chmod(QFile::encodeName(source).constData(), 0640) == 0);
        const QDateTime past = QDateTime::fromString(QStringLiteral("2003-04-05T06:07:08Z"), Qt::ISODate);
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(past, QFileDevice::FileModificationTime));
        }
        const QString copy = m_folder + QStringLiteral("/copy.txt");
        const QString replaced = m_folder + QStringLiteral("/replaced.txt");
        QVERIFY(!fs.copyFile(source, copy));
        QVERIFY(!fs.replaceFileAtomic(source, replaced));
        for (const QString& path : {copy, replaced}) {
            QCOMPARE(modeOf(path) & 0777, mode_t(0640));
            QCOMPARE(QFileInfo(path).lastModified().toUTC(), past);
            QCOMPARE(readBytes(path), QByteArray("BODY {"));
        }

        // A new file gets the permissions any new file gets, whatever its temporary file had.
        QVERIFY(!fs.writeFileAtomic(m_folder + QStringLiteral("/new.pkn"), "\"A\"\r\n"));
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(modeOf(m_folder + QStringLiteral("/new.pkn")) & 0777, mode_t(0666 & ~mask));

        // New content keeps the permissions of the file it replaces.
        QVERIFY(::chmod(QFile::encodeName(copy).constData(), 0604) == 0);
        QVERIFY(!fs.writeFileAtomic(copy, "new"));
        QCOMPARE(modeOf(copy) & 0777, mode_t(0604));
        QCOMPARE(readBytes(copy), QByteArray("new"));
    }

    void copies_goOnWithReadAndWriteWhereTheKernelCopiesShort()
    {
        // Files of /proc say they are empty and /sys files say 4096 bytes whatever they hold: the
        // kernel's own copy gives up early on both, and the copy must still hold every byte there is.
        LocalFileSystem fs;
        for (const QString& source : {QStringLiteral("/proc/version"),
                                      QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled")}) {
            QFile in(source);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QByteArray expected = in.readAll();
            const QString target = m_folder + QStringLiteral("/copy");
            QCOMPARE(fs.copyFile(source, target), Error());
            QCOMPARE(readBytes(target), expected);
            QVERIFY(!expected.isEmpty());
        }
    }

    void reads_refuseAnythingButOrdinaryFiles()
    {
        LocalFileSystem fs;
        QtPictures pictures;
        const QString fifo = m_folder + QStringLiteral("/fifo");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString zero = m_folder + QStringLiteral("/zero");
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        const QString folder = makeFolder(m_folder, QStringLiteral("folder"));
        const QString fifoLink = m_folder + QStringLiteral("/fifolink");
        QVERIFY(QFile::link(fifo, fifoLink));

        for (const QString& path : {fifo, zero, folder, fifoLink}) {
            const Result<QByteArray> read = fs.readFile(path);
            QCOMPARE(read.error().fault(), err::PathFileAccess);
            QCOMPARE(read.error().description(),
                     QStringLiteral("Path/File access error: %1 is not an ordinary file").arg(path));
            QCOMPARE(pictures.load(path).error().fault(), err::PathNotFound);
            QCOMPARE(pictures.load(path, QSize(64, 64)).error().fault(), err::PathNotFound);
            QCOMPARE(fs.copyFile(path, m_folder + QStringLiteral("/copy")).fault(), err::PathFileAccess);
        }
        QCOMPARE(fs.readFile(m_folder + QStringLiteral("/gone")).error().fault(), err::FileNotFound);

        // A link to an ordinary file is read like the file.
        writeBytes(m_folder + QStringLiteral("/real.txt"), "BODY {");
        QVERIFY(QFile::link(m_folder + QStringLiteral("/real.txt"), m_folder + QStringLiteral("/link.txt")));
        QCOMPARE(fs.readFile(m_folder + QStringLiteral("/link.txt")).value(), QByteArray("BODY {"));
    }

    void reads_refuseOversizedFilesUnread()
    {
        LocalFileSystem fs;
        QtPictures pictures;
        // Sparse files: the size is there without the disk space.
        const QString text = m_folder + QStringLiteral("/parameters.txt");
        writeBytes(text, "BODY {");
        QVERIFY(::truncate(QFile::encodeName(text).constData(), FileSystem::MaxTextFileBytes + 1) == 0);
        const Result<QByteArray> read = fs.readFile(text);
        QCOMPARE(read.error().fault(), err::PathFileAccess);
        QCOMPARE(read.error().description(),
                 QStringLiteral("Path/File access error: %1 is larger than 16 MB").arg(text));
        QVERIFY(::truncate(QFile::encodeName(text).constData(), FileSystem::MaxTextFileBytes) == 0);
        QCOMPARE(fs.readFile(text).value().size(), FileSystem::MaxTextFileBytes);

        const QString picture = m_folder + QStringLiteral("/car.bmp");
        writeBytes(picture, "BM");
        QVERIFY(::truncate(QFile::encodeName(picture).constData(), Pictures::MaxFileBytes + 1) == 0);
        for (const QSize size : {QSize(), QSize(64, 64)}) {
            const Result<QImage> loaded = pictures.load(picture, size);
            QCOMPARE(loaded.error().fault(), err::InvalidPicture);
            QCOMPARE(loaded.error().description(),
                     QStringLiteral("Invalid picture: %1 is larger than 64 MB").arg(picture));
        }
    }

    void trash_takesFilesAndLinksAsTheyAre()
    {
        // The desktop's home trash lives in the data folder, here one of the test's own on the same disk.
        const QString data = m_dir.path() + QStringLiteral("/data"); // made on first use
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        LocalFileSystem fs;
        const QString file = m_folder + QStringLiteral("/Backup.txt");
        writeBytes(file, "BODY {");
        QVERIFY(fs.trashAvailable(file));
        QCOMPARE(fs.moveToTrash(file), Error());
        QVERIFY(!QFile::exists(file));
        QCOMPARE(readBytes(data + QStringLiteral("/Trash/files/Backup.txt")), QByteArray("BODY {"));
        QVERIFY(QFile::exists(data + QStringLiteral("/Trash/info/Backup.txt.trashinfo")));

        const QString link = m_folder + QStringLiteral("/car.bmp");
        QVERIFY(QFile::link(m_victim, link));
        QCOMPARE(fs.moveToTrash(link), Error());
        QVERIFY(QFileInfo(data + QStringLiteral("/Trash/files/car.bmp")).isSymLink());
        QCOMPARE(readBytes(m_victim), QByteArray("precious"));
        QCOMPARE(fs.moveToTrash(link).fault(), err::FileNotFound);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_GUILESS_MAIN(LocalFileSystemTest)
#include "localfilesystem_test.moc"
