#pragma once

#include "qt/localfilesystem.h"

#include <QHash>

#include <functional>

namespace parkwen::test {

// The real disk, with failures injected on demand: as root, permission bits do not stop reads, and
// a full disk cannot be produced at will.
class FaultyFileSystem : public LocalFileSystem
{
public:
    enum class Op { Copy, Delete, CreateFolder, RemoveFolder, Rename, Write, Read };
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
    void clearFailures() { m_rules.clear(); }
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

private:
    struct Rule
    {
        Op op;
        std::function<bool(const QString&)> match;
        Error error;
    };
    Error check(Op op, const QString& path)
    {
        ++m_counts[int(op)];
        for (const Rule& r : m_rules)
            if (r.op == op && r.match(path))
                return r.error;
        return {};
    }
    QList<Rule> m_rules;
    QHash<int, int> m_counts;
};

} // namespace parkwen::test
