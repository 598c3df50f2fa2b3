#include "install/unpacker.h"

#include "platform/progress.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <limits>

namespace parkwen {

QString countText(qint64 n)
{
    return QLocale(QLocale::English).toString(n);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 30) && bytes % (qint64(1) << 30) == 0)
        return countText(bytes >> 30) + QCoreApplication::translate("CarInstaller", " GB");
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return countText(bytes >> 20) + QCoreApplication::translate("CarInstaller", " MB");
    return countText(bytes) + QCoreApplication::translate("CarInstaller", " bytes");
}

namespace {

QString notWritten(const QString& relative, const Error& e)
{
    return QCoreApplication::translate("CarInstaller", "the file %1 could not be written (%2)")
        .arg(relative, e.description());
}

QString folderOf(const QString& relative)
{
    const qsizetype at = relative.lastIndexOf(QLatin1Char('/'));
    return at < 0 ? QString() : relative.left(at);
}

} // namespace

Unpacker::Unpacker(FileSystem& fs, const InstallLimits& limits, Progress* progress,
                   std::function<bool()> cancelled)
    : m_fs(fs), m_limits(limits), m_progress(progress), m_isCancelled(std::move(cancelled))
{
}

QString Unpacker::count(qint64 bytes, qint64 entryBytes, qint64 entryPacked, qint64 packedNow,
                        const QString& relative)
{
    m_unpacked += bytes;
    if (m_unpacked > m_limits.maxUnpackedBytes)
        return QCoreApplication::translate("CarInstaller", "it unpacks to more than %1, so it was stopped")
            .arg(sizeText(m_limits.maxUnpackedBytes));
    // Many entries each under the floor, or copies of one entry (hard links), add up: the archive as
    // a whole is held to the ratio too. The entry at hand is named when it is past the ratio itself.
    const bool entryOver = entryBytes > m_limits.maxRatio * qMax<qint64>(1, entryPacked);
    const bool archiveOver = m_unpacked > m_limits.ratioFloorBytes &&
                             m_unpacked > m_limits.maxRatio * qMax<qint64>(1, packedNow - m_packedStart);
    if (entryOver && (entryBytes > m_limits.ratioFloorBytes || archiveOver))
        return QCoreApplication::translate(
                   "CarInstaller",
                   "the entry %1 unpacks to more than %2 times its packed size, so it was stopped as a "
                   "possible archive bomb")
            .arg(relative, countText(m_limits.maxRatio));
    if (archiveOver)
        return QCoreApplication::translate(
                   "CarInstaller",
                   "it unpacks to more than %1 times its packed size, so it was stopped as a possible "
                   "archive bomb")
            .arg(countText(m_limits.maxRatio));
    if (m_isCancelled && m_isCancelled()) {
        m_cancelled = true;
        return QCoreApplication::translate("CarInstaller", "cancelled");
    }
    if (m_progress && (m_unpacked >> 20) != m_shownMb) {
        m_shownMb = m_unpacked >> 20;
        m_progress->step(int(qMin<qint64>(m_unpacked / 1024, std::numeric_limits<int>::max())));
    }
    return {};
}

QString Unpacker::write(EntrySource& source, const QString& root, const PlannedEntry& entry)
{
    const QByteArray rootBytes = QFile::encodeName(root);
    const QString folder =
        entry.kind == SourceEntry::Kind::Folder ? entry.relative : folderOf(entry.relative);
    if (!folder.isEmpty()) {
        if (Error e = m_fs.makeFolderBeneath(rootBytes, QFile::encodeName(folder)))
            return QCoreApplication::translate("CarInstaller", "the folder %1 could not be made (%2)")
                .arg(folder, e.description());
    }

    switch (entry.kind) {
    case SourceEntry::Kind::Folder:
        return {};
    case SourceEntry::Kind::Symlink:
        // Made last: no file or folder of the archive is ever written while a link of it stands.
        m_links.append({rootBytes, entry.relative, entry.linkTarget});
        return {};
    case SourceEntry::Kind::Hardlink: {
        // A copy of a file this install wrote into the same car, counted as bytes of its own.
        const auto written = m_written.constFind(root + QLatin1Char('/') + entry.linkTarget);
        if (written == m_written.constEnd())
            return QCoreApplication::translate("CarInstaller",
                                               "the link %1 leads to no file written before it")
                .arg(entry.relative);
        const qint64 size = written.value();
        QString why = count(size, size, 0, source.packedPosition(), entry.relative);
        if (m_cancelled)
            return {};
        if (!why.isEmpty())
            return why;
        if (Error e = m_fs.copyFileBeneath(rootBytes, QFile::encodeName(entry.linkTarget),
                                           QFile::encodeName(entry.relative)))
            return notWritten(entry.relative, e);
        m_written.insert(root + QLatin1Char('/') + entry.relative, size);
        return {};
    }
    case SourceEntry::Kind::File:
    case SourceEntry::Kind::Other:
        break;
    }
    const QString why = writeFile(source, root, entry);
    return m_cancelled ? QString() : why;
}

QString Unpacker::writeFile(EntrySource& source, const QString& root, const PlannedEntry& entry)
{
    Result<std::unique_ptr<FileSystem::NewFile>> created =
        m_fs.createFileBeneath(QFile::encodeName(root), QFile::encodeName(entry.relative));
    if (!created.ok())
        return notWritten(entry.relative, created.error());
    std::unique_ptr<FileSystem::NewFile> file = created.take();
    const qint64 packedAtStart = source.packedPosition();
    qint64 entryBytes = 0;
    qint64 end = 0;
    QString why;
    const bool ok = source.readData([&](const char* data, size_t size, qint64 offset) {
        // Counted before it is written: the limits hold for what reaches the disk.
        const qint64 packedNow = source.packedPosition();
        entryBytes += qint64(size);
        why = count(qint64(size), entryBytes, packedNow - packedAtStart, packedNow, entry.relative);
        if (!why.isEmpty())
            return false;
        if (Error e = file->write(offset, data, qint64(size))) {
            why = notWritten(entry.relative, e);
            return false;
        }
        end = qMax(end, offset + qint64(size));
        return true;
    });
    if (!ok) {
        file->close();
        return why.isEmpty() ? QCoreApplication::translate("CarInstaller", "the archive is damaged (%1)")
                                   .arg(source.errorText())
                             : why;
    }
    // A sparse file's hole at its end takes room too once copied.
    if (entry.size > end) {
        const qint64 packedNow = source.packedPosition();
        why = count(entry.size - end, entryBytes + entry.size - end, packedNow - packedAtStart, packedNow,
                    entry.relative);
        if (!why.isEmpty()) {
            file->close();
            return why;
        }
        if (Error e = file->resize(entry.size)) {
            file->close();
            return notWritten(entry.relative, e);
        }
        end = entry.size;
    }
    if (Error e = file->close())
        return notWritten(entry.relative, e);
    m_written.insert(root + QLatin1Char('/') + entry.relative, end);
    return {};
}

QString Unpacker::finish()
{
    for (const Link& link : std::as_const(m_links)) {
        const QString folder = folderOf(link.relative);
        Error e;
        if (!folder.isEmpty())
            e = m_fs.makeFolderBeneath(link.root, QFile::encodeName(folder));
        if (!e)
            e = m_fs.makeLinkBeneath(link.root, QFile::encodeName(link.relative),
                                     QFile::encodeName(link.target));
        if (e)
            return QCoreApplication::translate("CarInstaller", "the link %1 could not be made (%2)")
                .arg(link.relative, e.description());
    }
    m_links.clear();
    return {};
}

} // namespace parkwen
