// The desktop's trash on the local disk, as the freedesktop.org trash layout has it: the home trash
// for files on the disk of the data folder, a ".Trash-<uid>" folder at the top of any other disk.
// Nothing is ever written anywhere else: where neither can be had, the trash is not available.

#include "platform/qt/localfilesystem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen {

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString upOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    if (at <= 0)
        return QStringLiteral("/");
    return path.left(at);
}

// The device of `path` (the link itself for a link), or of its nearest existing ancestor; -1 when
// none can be read.
qint64 deviceOf(QString path)
{
    struct stat st;
    for (;;) {
        if (::lstat(native(path).constData(), &st) == 0)
            return qint64(st.st_dev);
        if (path == QLatin1String("/") || path.isEmpty())
            return -1;
        path = upOf(path);
    }
}

bool isRealFolder(const QString& path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool writable(const QString& path)
{
    return ::access(native(path).constData(), W_OK | X_OK) == 0;
}

// Where a trashed `path` goes: the trash folder (holding files/ and info/), or empty when the disk
// of `path` has none and none can be made.
QString trashFolderFor(const QString& path)
{
    const qint64 device = deviceOf(upOf(path));
    if (device < 0)
        return {};
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QDir::isAbsolutePath(data) && deviceOf(data) == device)
        return data + QStringLiteral("/Trash");

    // The top of the disk: the highest folder above `path` on the same device.
    QString top = upOf(path);
    while (top != QLatin1String("/")) {
        const QString up = upOf(top);
        if (deviceOf(up) != device)
            break;
        top = up;
    }
    const QString uid = QString::number(::getuid());
    // An administrator's shared trash: a real folder with the sticky bit.
    const QString shared = top + QStringLiteral("/.Trash");
    struct stat st;
    if (::lstat(native(shared).constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        isRealFolder(shared + QLatin1Char('/') + uid) && writable(shared + QLatin1Char('/') + uid))
        return shared + QLatin1Char('/') + uid;
    const QString own = QDir::cleanPath(top + QStringLiteral("/.Trash-") + uid);
    if (isRealFolder(own))
        return writable(own) ? own : QString();
    // A link in its place is never followed.
    if (::lstat(native(own).constData(), &st) == 0)
        return {};
    return writable(top) ? own : QString();
}

Error makePrivateFolder(const QString& path)
{
    if (::mkdir(native(path).constData(), 0700) == 0 || (errno == EEXIST && isRealFolder(path)))
        return {};
    return Error::fromErrno(errno);
}

// Entries for `original` whose info file was written but whose item never arrived: a process ended
// between the two steps. The item is still where it was, and trashing it again makes a whole entry.
void forgetUnfinishedEntries(const QString& trash, const QString& base, const QByteArray& infoPath)
{
    const QDir info(trash + QStringLiteral("/info"));
    const QStringList infos = info.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : infos) {
        if (!name.startsWith(base) || !name.endsWith(QLatin1String(".trashinfo")))
            continue;
        const QString entry = name.chopped(int(qstrlen(".trashinfo")));
        if (entry != base && !entry.startsWith(base + QLatin1Char('.')))
            continue;
        struct stat st;
        if (::lstat(native(trash + QStringLiteral("/files/") + entry).constData(), &st) == 0)
            continue;
        QFile file(info.filePath(name));
        if (file.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly))
            continue;
        if (file.readAll().split('\n').contains(infoPath))
            ::unlink(native(info.filePath(name)).constData());
    }
}

} // namespace

bool LocalFileSystem::trashAvailable(const QString& path)
{
    return !trashFolderFor(path).isEmpty();
}

Error LocalFileSystem::moveToTrash(const QString& path, const QString& shownAs)
{
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0)
        return Error::of(err::FileNotFound);
    const QString trash = trashFolderFor(path);
    if (trash.isEmpty())
        return Error::of(err::PermissionDenied);
    // The home trash lives in the data folder, which a new account may not have yet.
    if (!QDir().mkpath(upOf(trash)))
        return Error::of(err::PermissionDenied);
    for (const QString& folder : {trash, trash + QStringLiteral("/files"), trash + QStringLiteral("/info")})
        if (Error e = makePrivateFolder(folder))
            return Error::of(err::PermissionDenied);

    // The entry remembers where the item is restored to; its name is claimed by creating the info
    // file exclusively, so two programs trashing at once never share one.
    const QString restoreTo = shownAs.isEmpty() ? path : shownAs;
    const QString original = QDir::cleanPath(QDir::current().absoluteFilePath(restoreTo));
    // The name in the trash only has to be unique; a name near the system's limit is shortened to
    // leave room for the info file's suffix.
    QString base = lastName(original);
    while (native(base).size() > 200)
        base.chop(1);
    const QByteArray pathLine = "Path=" + QUrl::toPercentEncoding(original, "/");
    forgetUnfinishedEntries(trash, base, pathLine);
    const QByteArray info =
        "[Trash Info]\n" + pathLine + "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + '\n';
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? base : base + QLatin1Char('.') + QString::number(n);
        const QString infoPath = trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo");
        const QString filesPath = trash + QStringLiteral("/files/") + name;
        const int fd =
            ::open(native(infoPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return Error::of(err::PermissionDenied);
        }
        const bool written =
            ::write(fd, info.constData(), size_t(info.size())) == ssize_t(info.size()) && ::fsync(fd) == 0;
        ::close(fd);
        if (!written) {
            ::unlink(native(infoPath).constData());
            return Error::of(err::PermissionDenied);
        }
        const Error moved = renameNode(native(path), native(filesPath));
        if (!moved)
            return {};
        ::unlink(native(infoPath).constData());
        if (moved.fault() != err::PathFileAccess)
            return Error::of(err::PermissionDenied);
    }
    return Error::of(err::PermissionDenied);
}

} // namespace parkwen
