#pragma once

#include "platform/qt/localfilesystem.h"

#include <QFile>
#include <QHash>

#include <functional>
#include <memory>
#include <mutex>

namespace parkwen::test {

// The real disk, with failures injected on demand: as root, permission bits do not stop reads, and
// a full disk cannot be produced at will.
class FaultyFileSystem : public LocalFileSystem
{
public:
    enum class Op { Copy, Delete, CreateFolder, RemoveFolder, Rename, Write, Read, Link };
    // Fails the operation when `match(path)` is true (the source path for copies and renames).
    void failWhen(Op op, std::function<bool(const QString&)> match, Error error)
    {
        m_rules.append({op, std::move(match), std::move(error)});
    }
    void failOnName(Op op, const QString& nameEnding, Error error)
    {
        failWhen(
            op, [nameEnding](const QString& p) { return p.endsWith(nameEnding); }, std::move(error));
    }
    void clearFailures()
    {
        m_rules.clear();
        m_failStep = 0;
        m_crashed = false;
    }
    int count(Op op) const { return m_counts.value(int(op)); }

    Error copyFile(const QString& s, const QString& t) override
    {
        if (Error e = check(Op::Copy, s))
            return e;
        return LocalFileSystem::copyFile(s, t);
    }
    Error deleteFile(const QString& p) override
    {
        if (Error e = check(Op::Delete, p))
            return e;
        return LocalFileSystem::deleteFile(p);
    }
    Error createFolder(const QString& p) override
    {
        if (Error e = check(Op::CreateFolder, p))
            return e;
        return LocalFileSystem::createFolder(p);
    }
    Error removeFolder(const QString& p) override
    {
        if (Error e = check(Op::RemoveFolder, p))
            return e;
        return LocalFileSystem::removeFolder(p);
    }
    Error rename(const QString& s, const QString& t) override
    {
        if (Error e = check(Op::Rename, s))
            return e;
        return LocalFileSystem::rename(s, t);
    }
    Error writeFile(const QString& p, const QByteArray& b) override
    {
        if (Error e = check(Op::Write, p))
            return e;
        return LocalFileSystem::writeFile(p, b);
    }
    // Every changing step of the whole-tree operations is counted. The k-th (from 1) fails with
    // `error`; with `crash`, it and every later step fail without touching the disk, as if the
    // program had stopped there.
    void failAtStep(int k, Error error, bool crash = false)
    {
        m_step = 0;
        m_failStep = k;
        m_stepError = std::move(error);
        m_crashAtStep = crash;
        m_crashed = false;
    }
    int steps() const { return m_step; }
    // Called before each counted step with its number.
    std::function<void(int)> onStep;
    // Whether the desktop's trash is offered.
    bool trashOffered = true;
    // Called when a lock is refused because another process holds it.
    std::function<void()> onLockRefused;
    std::unique_ptr<FolderLock> tryLockFolder(const QString& folder,
                                              LockKind kind = LockKind::Exclusive) override
    {
        std::unique_ptr<FolderLock> lock = LocalFileSystem::tryLockFolder(folder, kind);
        if (!lock && onLockRefused)
            onLockRefused();
        return lock;
    }

    Error makeNodeFolder(const QByteArray& p) override
    {
        if (Error e = check(Op::CreateFolder, QFile::decodeName(p)))
            return e;
        return step() ? m_stepError : LocalFileSystem::makeNodeFolder(p);
    }
    Error copyNodeFile(const QByteArray& s, const QByteArray& t) override
    {
        if (Error e = check(Op::Copy, QFile::decodeName(s)))
            return e;
        return step() ? m_stepError : LocalFileSystem::copyNodeFile(s, t);
    }
    Error copyNodeAttributes(const QByteArray& s, const QByteArray& t) override
    {
        return step() ? m_stepError : LocalFileSystem::copyNodeAttributes(s, t);
    }
    Error makeNodeLink(const QByteArray& target, const QByteArray& p) override
    {
        return step() ? m_stepError : LocalFileSystem::makeNodeLink(target, p);
    }
    Error renameNode(const QByteArray& s, const QByteArray& t) override
    {
        if (Error e = check(Op::Rename, QFile::decodeName(s)))
            return e;
        return step() ? m_stepError : LocalFileSystem::renameNode(s, t);
    }
    Error removeNode(const QByteArray& p) override
    {
        if (Error e = check(Op::Delete, QFile::decodeName(p)))
            return e;
        return step() ? m_stepError : LocalFileSystem::removeNode(p);
    }
    Error makeNodeWritable(const QByteArray& p) override
    {
        return step() ? m_stepError : LocalFileSystem::makeNodeWritable(p);
    }
    Error syncNode(const QByteArray& p) override
    {
        return step() ? m_stepError : LocalFileSystem::syncNode(p);
    }
    Error syncNodeFileSystem(const QByteArray& p) override
    {
        return step() ? m_stepError : LocalFileSystem::syncNodeFileSystem(p);
    }
    bool trashAvailable(const QString& p) override
    {
        return trashOffered && LocalFileSystem::trashAvailable(p);
    }
    Error moveToTrash(const QString& p, const QString& shownAs = QString()) override
    {
        return step() ? m_stepError : LocalFileSystem::moveToTrash(p, shownAs);
    }
    // Tree removal step by step through the single-node operations above, so that each of them can
    // fail; the local disk's own removal works by descriptors and is tested on its own.
    Error removeNodeTree(const QByteArray& p) override { return FileSystem::removeNodeTree(p); }

    // Writing beneath a folder: each call, and each call on a new file, is a counted step; rules
    // match the full path (root and relative joined), the source's for copies.
    Error makeFolderBeneath(const QByteArray& root, const QByteArray& relative) override
    {
        if (Error e = check(Op::CreateFolder, beneath(root, relative)))
            return e;
        return step() ? m_stepError : LocalFileSystem::makeFolderBeneath(root, relative);
    }
    Result<std::unique_ptr<NewFile>> createFileBeneath(const QByteArray& root,
                                                       const QByteArray& relative) override
    {
        const QString path = beneath(root, relative);
        if (Error e = check(Op::Write, path))
            return e;
        if (step())
            return m_stepError;
        Result<std::unique_ptr<NewFile>> file = LocalFileSystem::createFileBeneath(root, relative);
        if (!file.ok())
            return file;
        return std::unique_ptr<NewFile>(std::make_unique<FaultyNewFile>(*this, path, file.take()));
    }
    Error makeLinkBeneath(const QByteArray& root, const QByteArray& relative,
                          const QByteArray& target) override
    {
        if (Error e = check(Op::Link, beneath(root, relative)))
            return e;
        return step() ? m_stepError : LocalFileSystem::makeLinkBeneath(root, relative, target);
    }
    Error copyFileBeneath(const QByteArray& root, const QByteArray& source, const QByteArray& target) override
    {
        if (Error e = check(Op::Copy, beneath(root, source)))
            return e;
        return step() ? m_stepError : LocalFileSystem::copyFileBeneath(root, source, target);
    }

    // The atomic writes fail as their inner steps would: a write or rename failure of the target.
    Error writeFileAtomic(const QString& p, const QByteArray& b) override
    {
        if (Error e = check(Op::Write, p))
            return e;
        if (Error e = check(Op::Rename, p))
            return e;
        return LocalFileSystem::writeFileAtomic(p, b);
    }
    // A copy failure matches the source, a rename failure the target.
    Error replaceFileAtomic(const QString& s, const QString& t) override
    {
        if (Error e = check(Op::Copy, s))
            return e;
        if (Error e = check(Op::Rename, t))
            return e;
        return LocalFileSystem::replaceFileAtomic(s, t);
    }
    Result<QByteArray> readFile(const QString& p) override
    {
        if (Error e = check(Op::Read, p))
            return e;
        return LocalFileSystem::readFile(p);
    }
    Result<QByteArray> readBytes(const QString& p, qint64 maxBytes) override
    {
        if (Error e = check(Op::Read, p))
            return e;
        return LocalFileSystem::readBytes(p, maxBytes);
    }

private:
    static QString beneath(const QByteArray& root, const QByteArray& relative)
    {
        return QFile::decodeName(root + '/' + relative);
    }
    class FaultyNewFile : public NewFile
    {
    public:
        FaultyNewFile(FaultyFileSystem& fs, QString path, std::unique_ptr<NewFile> file)
            : m_fs(fs), m_path(std::move(path)), m_file(std::move(file))
        {
        }
        Error write(qint64 offset, const char* data, qint64 size) override
        {
            if (Error e = fail())
                return e;
            return m_file->write(offset, data, size);
        }
        Error resize(qint64 size) override
        {
            if (Error e = fail())
                return e;
            return m_file->resize(size);
        }
        Error flush() override
        {
            if (Error e = fail())
                return e;
            return m_file->flush();
        }
        Error close() override
        {
            // The file is closed whatever the injected failure says.
            const Error e = fail();
            const Error closed = m_file->close();
            return e ? e : closed;
        }

    private:
        Error fail()
        {
            if (Error e = m_fs.check(Op::Write, m_path))
                return e;
            return m_fs.step() ? m_fs.m_stepError : Error();
        }
        FaultyFileSystem& m_fs;
        QString m_path;
        std::unique_ptr<NewFile> m_file;
    };

    struct Rule
    {
        Op op;
        std::function<bool(const QString&)> match;
        Error error;
    };
    Error check(Op op, const QString& path)
    {
        // Reads come from the pool's threads too (the scans' pictures, the survey's folders).
        const std::lock_guard lock(m_checkLock);
        ++m_counts[int(op)];
        for (const Rule& r : m_rules)
            if (r.op == op && r.match(path))
                return r.error;
        return {};
    }
    // True when this step must fail.
    bool step()
    {
        ++m_step;
        if (onStep)
            onStep(m_step);
        if (m_crashed)
            return true;
        if (m_step != m_failStep)
            return false;
        m_crashed = m_crashAtStep;
        return true;
    }
    QList<Rule> m_rules;
    QHash<int, int> m_counts;
    std::mutex m_checkLock;
    int m_step = 0;
    int m_failStep = 0;
    Error m_stepError;
    bool m_crashAtStep = false;
    bool m_crashed = false;
};

} // namespace parkwen::test
