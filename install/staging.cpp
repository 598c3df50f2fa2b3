#include "staging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace parkwen {

Result<QString> makeStagingFolder(FileSystem& fs, const QString& parent, const QString& name, const QString& prefix)
{
    Error last;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString random = QString::number(QRandomGenerator::global()->generate(), 36);
        const QString path = joinPath(parent, prefix + name + QLatin1Char('-') + random);
        last = fs.createFolder(path);
        if (last.ok())
            return path;
        if (last.number() != err::PathFileAccess)
            break;
    }
    return last;
}

Error placeStagedFolder(FileSystem& fs, const QString& staging, const QString& target)
{
    // A rename replaces an empty folder silently; the target must really be new.
    if (fs.exists(target) || QFileInfo(target).isSymLink())
        return Error::of(err::PathFileAccess);
    return fs.rename(staging, target);
}

void removeStagingFolder(const QString& staging)
{
    if (!staging.isEmpty())
        removeTree(staging);
}

Error syncTree(FileSystem& fs, const QString& folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isSymLink())
            continue;
        if (Error e = fs.sync(path))
            return e;
    }
    return fs.sync(folder);
}

bool removeTree(const QString& folder)
{
    // A read-only folder cannot lose its entries; give the owner write permission back first.
    QDirIterator it(folder, QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadOwner);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!it.fileInfo().isSymLink())
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOwner);
    }
    return QDir(folder).removeRecursively();
}

} // namespace parkwen
