#include "install/entrysource.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace parkwen {

namespace {

QString decodeName(const char* utf8, const char* raw)
{
    if (utf8)
        return QString::fromUtf8(utf8);
    return raw ? QString::fromLocal8Bit(raw) : QString();
}

// The upper half of code page 437, the DOS set old zip tools wrote names in.
constexpr char16_t kCp437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// A zip name as stored: UTF-8 when the bytes are valid UTF-8 (zip tools of Linux and macOS write
// it without setting the zip's UTF-8 flag), else code page 437. libarchive hands flagged names over
// as UTF-8 already and leaves the others' bytes as they are.
QString decodeZipName(const char* raw, const char* utf8)
{
    if (!raw)
        return utf8 ? QString::fromUtf8(utf8) : QString();
    const QByteArray bytes(raw);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x80 ? QChar(byte) : QChar(kCp437[byte - 0x80]);
    }
    return text;
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
        m_error = QCoreApplication::translate("EntrySource", "out of memory");
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
    // Rar names without a declared character set: the DOS code page of the archivers that wrote
    // them. Zip names are left as stored and told apart by decodeZipName.
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
    const bool zip = (archive_format(m_archive) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP;
    entry.path = zip ? decodeZipName(archive_entry_pathname(e), archive_entry_pathname_utf8(e))
                     : decodeName(archive_entry_pathname_utf8(e), archive_entry_pathname(e));
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
        entry.linkTarget = zip ? decodeZipName(archive_entry_symlink(e), archive_entry_symlink_utf8(e))
                               : decodeName(archive_entry_symlink_utf8(e), archive_entry_symlink(e));
        break;
    case 0:
        // Some zip writers leave the type out; a name ending in "/" is a folder, anything else a file.
        entry.kind =
            entry.path.endsWith(QLatin1Char('/')) ? SourceEntry::Kind::Folder : SourceEntry::Kind::File;
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
        m_error = QCoreApplication::translate("EntrySource", "not a folder");
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
    // What was listed as a file must still be one: a link put in its place is not followed (it could
    // read anything into the car), nor a pipe waited on.
    const QByteArray path = QFile::encodeName(m_path + QLatin1Char('/') + m_current);
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    struct stat st;
    QFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        m_error = QCoreApplication::translate("EntrySource", "not an ordinary file");
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
