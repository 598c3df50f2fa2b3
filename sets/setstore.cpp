#include "sets/setstore.h"

#include "sets/setfile.h"

#include <QCoreApplication>

namespace parkwen {

QString SetStore::folder()
{
    return joinPath(m_programFolder, m_fs.resolve(m_programFolder, FolderName));
}

QString SetStore::pathOf(const QString& fileName)
{
    const QString sets = folder();
    return joinPath(sets, m_fs.resolve(sets, fileName));
}

bool SetStore::exists(const QString& fileName)
{
    return !fileName.isEmpty() && m_fs.fileSize(pathOf(fileName)) >= 0;
}

bool SetStore::isTaken(const QString& fileName)
{
    return !fileName.isEmpty() && m_fs.exists(pathOf(fileName));
}

QStringList SetStore::list()
{
    return m_fs.listFiles(folder(), Pattern);
}

Result<QStringList> SetStore::read(const QString& fileName)
{
    if (fileName.isEmpty())
        return Error::of(err::FileNotFound);
    Result<QByteArray> bytes = m_fs.readFile(pathOf(fileName));
    if (!bytes.ok())
        return bytes.error();
    return readSetFileBytes(bytes.value());
}

Error SetStore::write(const QString& fileName, const QStringList& members)
{
    if (fileName.isEmpty() || !setFileNameProblem(fileName).isEmpty())
        return Error::of(err::InvalidCall);
    return m_fs.writeFileAtomic(pathOf(fileName), setFileBytes(members));
}

bool SetStore::isSetUp()
{
    return exists(BlankSet);
}

Error SetStore::setUp(Dialogs& dialogs)
{
    if (isSetUp())
        return {};
    dialogs.message(QCoreApplication::translate("SetStore", "Sets not Setup... Setting Up."),
                    Dialogs::Icon::Information);

    // The folder may exist already (a set-up that lost its blank set): then only the blank set is missing.
    const QString sets = folder();
    if (!m_fs.isFolder(sets)) {
        if (m_fs.exists(sets))
            return Error::of(err::PathFileAccess);
        if (Error e = m_fs.createFolder(sets))
            return e;
    }
    const QString target = joinPath(sets, BlankSet);
    const QString delivered = joinPath(m_programFolder, m_fs.resolve(m_programFolder, BlankSet));
    if (m_fs.fileSize(delivered) >= 0)
        return m_fs.replaceFileAtomic(delivered, target);
    return m_fs.writeFileAtomic(target, QByteArray());
}

} // namespace parkwen
