#pragma once

// Writes test archives through libarchive's own writer, so the reader meets what real archivers make.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QFile>
#include <QList>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace parkwen::test {

struct Item
{
    enum class Kind { File, Folder, Symlink, Hardlink, CharDevice, Fifo };
    QString path;
    QByteArray data;
    Kind kind = Kind::File;
    QString link; // symbolic link target, or the path a hard link refers to

    static Item file(const QString& path, const QByteArray& data = QByteArrayLiteral("x")) { return {path, data, Kind::File, {}}; }
    static Item folder(const QString& path) { return {path, {}, Kind::Folder, {}}; }
    static Item symlink(const QString& path, const QString& target) { return {path, {}, Kind::Symlink, target}; }
    static Item hardlink(const QString& path, const QString& target) { return {path, {}, Kind::Hardlink, target}; }
    static Item device(const QString& path) { return {path, {}, Kind::CharDevice, {}}; }
    static Item fifo(const QString& path) { return {path, {}, Kind::Fifo, {}}; }
};

enum class Format { Zip, SevenZip, TarGz, ZipCp437 };

inline const char* formatSuffix(Format format)
{
    switch (format) {
    case Format::SevenZip:
        return ".7z";
    case Format::TarGz:
        return ".tar.gz";
    default:
        return ".zip";
    }
}

// A file of `size` zero bytes, written in pieces so the test does not hold it all.
struct ZeroFile
{
    QString path;
    qint64 size;
};

inline void writeArchive(const QString& file, Format format, const QList<Item>& items,
                         const QList<ZeroFile>& zeros = {})
{
    struct archive* a = archive_write_new();
    switch (format) {
    case Format::Zip:
        archive_write_set_format_zip(a);
        break;
    case Format::ZipCp437:
        archive_write_set_format_zip(a);
        archive_write_set_format_option(a, "zip", "hdrcharset", "CP437");
        break;
    case Format::SevenZip:
        archive_write_set_format_7zip(a);
        break;
    case Format::TarGz:
        archive_write_set_format_pax_restricted(a);
        archive_write_add_filter_gzip(a);
        break;
    }
    if (archive_write_open_filename(a, QFile::encodeName(file).constData()) != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(a));
    auto begin = [&](const QString& path) {
        struct archive_entry* e = archive_entry_new();
        if (format == Format::ZipCp437)
            archive_entry_copy_pathname(e, path.toUtf8().constData()); // converted to CP437 by the writer
        else
            archive_entry_set_pathname_utf8(e, path.toUtf8().constData());
        archive_entry_set_perm(e, 0644);
        archive_entry_set_mtime(e, 1700000000, 0);
        return e;
    };
    auto finish = [&](struct archive_entry* e) {
        if (archive_write_header(a, e) < ARCHIVE_WARN)
            throw std::runtime_error(archive_error_string(a));
        archive_entry_free(e);
    };
    for (const Item& item : items) {
        struct archive_entry* e = begin(item.path);
        switch (item.kind) {
        case Item::Kind::File:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_size(e, item.data.size());
            finish(e);
            if (!item.data.isEmpty())
                archive_write_data(a, item.data.constData(), size_t(item.data.size()));
            continue;
        case Item::Kind::Folder:
            archive_entry_set_filetype(e, AE_IFDIR);
            archive_entry_set_perm(e, 0755);
            break;
        case Item::Kind::Symlink:
            archive_entry_set_filetype(e, AE_IFLNK);
            archive_entry_set_symlink_utf8(e, item.link.toUtf8().constData());
            break;
        case Item::Kind::Hardlink:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_hardlink_utf8(e, item.link.toUtf8().constData());
            archive_entry_set_size(e, 0);
            break;
        case Item::Kind::CharDevice:
            archive_entry_set_filetype(e, AE_IFCHR);
            archive_entry_set_rdev(e, 0x0103);
            break;
        case Item::Kind::Fifo:
            archive_entry_set_filetype(e, AE_IFIFO);
            break;
        }
        finish(e);
    }
    const QByteArray block(1 << 20, '\0');
    for (const ZeroFile& zero : zeros) {
        struct archive_entry* e = begin(zero.path);
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_size(e, zero.size);
        finish(e);
        for (qint64 left = zero.size; left > 0; left -= block.size())
            archive_write_data(a, block.constData(), size_t(qMin<qint64>(left, block.size())));
    }
    archive_write_close(a);
    archive_write_free(a);
}

// A small real bitmap, as a car's skin.
inline QByteArray bmpBytes(QColor colour = Qt::blue)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The files of one car as an archive holds them under `folder`.
inline QList<Item> carItems(const QString& folder, const QByteArray& parameters = QByteArrayLiteral("{ }"))
{
    return {Item::file(folder + QStringLiteral("/parameters.txt"), parameters),
            Item::file(folder + QStringLiteral("/body.prm"), QByteArray(3000, 'p')),
            Item::file(folder + QStringLiteral("/car.bmp"), bmpBytes())};
}

} // namespace parkwen::test
