#include "entrysource.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <system_error>

namespace parkwen {

namespace {

QString decodeName(const char* utf8, const char* raw)
{
    if (utf8)
        return QString::fromUtf8(utf8);
    return raw ? QString::fromLocal8Bit(raw) : QString();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Archives

ArchiveSource::ArchiveSource(QString path) : m_path(std::move(path)) {}

ArchiveSource::~ArchiveSource()
{
    if (m_archive)
        archive_read_free(m_archive);
}

void ArchiveSource::takeError(const char* fallback)
{
    const char* text = m_archive ? archive_error_string(m_archive) : nullptr;
    m_error = QString::fromLocal8Bit(text ? text : fallback);
}

bool ArchiveSource::open()
{
    if (m_archive)
        archive_read_free(m_archive);
    m_archive = archive_read_new();
    if (!m_archive) {
        m_error = QStringLiteral("out of memory");
        return false;
    }
    archive_read_support_filter_gzip(m_archive);
    archive_read_support_filter_xz(m_archive);
    archive_read_support_filter_bzip2(m_archive);
    archive_read_support_filter_lzma(m_archive);
    archive_read_support_format_zip(m_archive);
    archive_read_support_format_7zip(m_archive);
    archive_read_support_format_rar(m_archive);
    archive_read_support_format_rar5(m_archive);
    archive_read_support_format_tar(m_archive);
    // Names without a declared character set: the DOS code page of the archivers that wrote them.
    archive_read_set_format_option(m_archive, "zip", "hdrcharset", "CP437");
    archive_read_set_format_option(m_archive, "rar", "hdrcharset", "CP437");
    const QByteArray name = QFile::encodeName(m_path);
    if (archive_read_open_filename(m_archive, name.constData(), 256 * 1024) != ARCHIVE_OK) {
        takeError("cannot be opened");
        return false;
    }
    return true;
}

EntrySource::Next ArchiveSource::next(SourceEntry& entry)
{
    struct archive_entry* e = nullptr;
    const int r = archive_read_next_header(m_archive, &e);
    if (r == ARCHIVE_EOF)
        return Next::End;
    // A warning (a name that did not convert cleanly, say) still gives a usable entry.
    if (r < ARCHIVE_WARN || !e) {
        takeError("damaged entry");
        return Next::Failed;
    }
    entry = SourceEntry();
    entry.path = decodeName(archive_entry_pathname_utf8(e), archive_entry_pathname(e));
    entry.size = archive_entry_size_is_set(e) ? archive_entry_size(e) : -1;
    const char* hardlink = archive_entry_hardlink(e);
    if (hardlink) {
        entry.kind = SourceEntry::Kind::Hardlink;
        entry.linkTarget = decodeName(archive_entry_hardlink_utf8(e), hardlink);
        return Next::Entry;
    }
    switch (archive_entry_filetype(e)) {
    case AE_IFREG:
        entry.kind = SourceEntry::Kind::File;
        break;
    case AE_IFDIR:
        entry.kind = SourceEntry::Kind::Folder;
        break;
    case AE_IFLNK:
        entry.kind = SourceEntry::Kind::Symlink;
        entry.linkTarget = decodeName(archive_entry_symlink_utf8(e), archive_entry_symlink(e));
        break;
    case 0:
        // Some zip writers leave the type out; a name ending in "/" is a folder, anything else a file.
        entry.kind = entry.path.endsWith(QLatin1Char('/')) ? SourceEntry::Kind::Folder : SourceEntry::Kind::File;
        break;
    default:
        entry.kind = SourceEntry::Kind::Other;
        break;
    }
    return Next::Entry;
}

bool ArchiveSource::readData(const Sink& sink)
{
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(m_archive, &block, &size, &offset);
        if (r == ARCHIVE_EOF)
            return true;
        // A warning here is a checksum that does not match: the data is damaged.
        if (r != ARCHIVE_OK) {
            takeError("damaged data");
            return false;
        }
        if (size > 0 && !sink(static_cast<const char*>(block), size, offset))
            return false;
    }
}

qint64 ArchiveSource::packedPosition() const
{
    return m_archive ? archive_filter_bytes(m_archive, -1) : 0;
}

// ---------------------------------------------------------------------------------------------
// Folders

FolderSource::FolderSource(QString path) : m_path(std::move(path)) {}

FolderSource::~FolderSource() = default;

bool FolderSource::open()
{
    m_next = 0;
    m_position = 0;
    if (!QFileInfo(m_path).isDir()) {
        m_error = QStringLiteral("not a folder");
        return false;
    }
    // Listed once: reading again must give the same entries, even when the install has meanwhile
    // made staging folders inside the folder being read.
    if (m_listed)
        return true;
    m_listed = true;
    const QDir root(m_path);
    QDirIterator it(m_path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        m_entries << root.relativeFilePath(it.next());
    // Parents before their contents, in the same order every time.
    m_entries.sort();
    return true;
}

EntrySource::Next FolderSource::next(SourceEntry& entry)
{
    if (m_next >= m_entries.size())
        return Next::End;
    m_current = m_entries[m_next++];
    const QString full = m_path + QLatin1Char('/') + m_current;
    const QFileInfo info(full);
    entry = SourceEntry();
    entry.path = m_current;
    if (info.isSymLink()) {
        entry.kind = SourceEntry::Kind::Symlink;
        std::error_code ec;
        const auto target = std::filesystem::read_symlink(QFile::encodeName(full).toStdString(), ec);
        entry.linkTarget = ec ? QString() : QFile::decodeName(QByteArray::fromStdString(target.string()));
    } else if (info.isDir()) {
        entry.kind = SourceEntry::Kind::Folder;
    } else if (info.isFile()) {
        entry.kind = SourceEntry::Kind::File;
        entry.size = info.size();
    } else {
        entry.kind = SourceEntry::Kind::Other;
    }
    m_currentKind = entry.kind;
    return Next::Entry;
}

bool FolderSource::readData(const Sink& sink)
{
    if (m_currentKind != SourceEntry::Kind::File)
        return true;
    QFile file(m_path + QLatin1Char('/') + m_current);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    qint64 offset = 0;
    for (;;) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0) {
            m_error = file.errorString();
            return false;
        }
        if (n == 0)
            return true;
        m_position += n;
        if (!sink(buffer.constData(), size_t(n), offset))
            return false;
        offset += n;
    }
}

std::unique_ptr<EntrySource> openSource(const QString& path)
{
    if (QFileInfo(path).isDir())
        return std::make_unique<FolderSource>(path);
    return std::make_unique<ArchiveSource>(path);
}

} // namespace parkwen
