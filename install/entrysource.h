#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>

struct archive;
struct archive_entry;

namespace parkwen {

// One entry of an archive (or of a dropped folder), as the source declares it. Paths use "/" and are
// not yet checked: they may be absolute or climb out with "..".
struct SourceEntry
{
    enum class Kind { File, Folder, Symlink, Hardlink, Other };
    QString path;
    Kind kind = Kind::File;
    qint64 size = -1;   // the declared size of a file; -1 when the source does not say
    QString linkTarget; // a symbolic link's target, or the archive path a hard link refers to
};

// Reads the entries of something the user wants to install, one after another, and the data of
// the current entry. Reading twice gives the same entries in the same order.
class EntrySource
{
public:
    enum class Next { Entry, End, Failed };
    // Receives the data of an entry block by block; `offset` is where the block goes in the file.
    // Returning false stops the reading.
    using Sink = std::function<bool(const char* data, size_t size, qint64 offset)>;

    virtual ~EntrySource() = default;
    // False when the source cannot be read at all; errorText() says why.
    virtual bool open() = 0;
    virtual Next next(SourceEntry& entry) = 0;
    // Reads the current entry's data. False on a read failure or when the sink stopped it.
    virtual bool readData(const Sink& sink) = 0;
    // Bytes taken from the source's file so far (packed bytes; the same as unpacked for a folder).
    virtual qint64 packedPosition() const = 0;
    virtual QString errorText() const = 0;
    // Whether it is a folder on disk rather than an archive.
    virtual bool isFolder() const { return false; }
};

// An archive read through libarchive: zip, 7z, rar (4 and 5), tar, tar.gz, tar.xz, tar.bz2, told
// apart by their content, never by the file's suffix. Zip names without the UTF-8 flag are read as
// UTF-8 when they are valid UTF-8, else as code page 437, the set old archivers wrote; rar names
// without a declared character set as code page 437.
class ArchiveSource : public EntrySource
{
public:
    explicit ArchiveSource(QString path);
    ~ArchiveSource() override;
    ArchiveSource(const ArchiveSource&) = delete;
    ArchiveSource& operator=(const ArchiveSource&) = delete;

    bool open() override;
    Next next(SourceEntry& entry) override;
    bool readData(const Sink& sink) override;
    qint64 packedPosition() const override;
    QString errorText() const override { return m_error; }

private:
    void takeError(const char* fallback);

    QString m_path;
    struct archive* m_archive = nullptr;
    QString m_error;
};

// A folder dragged onto a list: its files and folders, links as links, never followed.
class FolderSource : public EntrySource
{
public:
    explicit FolderSource(QString path);
    ~FolderSource() override;

    bool open() override;
    Next next(SourceEntry& entry) override;
    bool readData(const Sink& sink) override;
    qint64 packedPosition() const override { return m_position; }
    QString errorText() const override { return m_error; }
    bool isFolder() const override { return true; }

private:
    QString m_path;
    QStringList m_entries; // relative paths, in a stable order
    bool m_listed = false;
    int m_next = 0;
    QString m_current;
    SourceEntry::Kind m_currentKind = SourceEntry::Kind::File;
    qint64 m_position = 0;
    QString m_error;
};

// The right reader for a path: a folder or an archive.
std::unique_ptr<EntrySource> openSource(const QString& path);

} // namespace parkwen
