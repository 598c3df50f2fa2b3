#pragma once

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen::test {

// Everything of a folder tree, read with the system's own calls and never through a link: for each
// path below the root (raw bytes), its kind, permissions, modification time and content or link
// target. Two snapshots are equal exactly when the trees are.
inline QMap<QByteArray, QByteArray> treeSnapshot(const QString& root)
{
    QMap<QByteArray, QByteArray> out;
    auto visit = [&](auto& self, const QByteArray& path, const QByteArray& relative) -> void {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return;
        QByteArray what = QByteArray::number(st.st_mode & 07777, 8) + ' ' +
                          QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
                          QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ' ';
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            out.insert(relative, "link " + QByteArray(target, n < 0 ? 0 : int(n)));
            return;
        }
        if (S_ISREG(st.st_mode)) {
            QFile f(QFile::decodeName(path));
            QByteArray content;
            if (f.open(QIODevice::ReadOnly))
                content = f.readAll();
            out.insert(relative, "file " + what + content);
            return;
        }
        if (!S_ISDIR(st.st_mode)) {
            out.insert(relative, "other");
            return;
        }
        if (!relative.isEmpty())
            out.insert(relative, "folder " + what);
        DIR* dir = ::opendir(path.constData());
        if (!dir)
            return;
        while (dirent* e = ::readdir(dir)) {
            const QByteArray name(e->d_name);
            if (name == "." || name == "..")
                continue;
            self(self, path + '/' + name, relative.isEmpty() ? name : relative + '/' + name);
        }
        ::closedir(dir);
    };
    visit(visit, QFile::encodeName(root), QByteArray());
    return out;
}

// Whether anything, a dangling link included, stands at `path`.
inline bool nodeExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Removes a folder tree on leaving a scope, names that are not valid text included (which Qt's own
// removal cannot name). Declare it after the temporary folder it empties.
struct TreeRemover
{
    QString root;
    ~TreeRemover()
    {
        ::nftw(
            QFile::encodeName(root).constData(),
            [](const char* path, const struct stat* st, int, struct FTW*) {
                if (!S_ISLNK(st->st_mode))
                    ::chmod(path, S_ISDIR(st->st_mode) ? 0700 : 0600);
                ::remove(path);
                return 0;
            },
            16, FTW_DEPTH | FTW_PHYS);
    }
};

} // namespace parkwen::test
