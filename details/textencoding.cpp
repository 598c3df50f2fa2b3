#include "details/textencoding.h"

#include <QStringDecoder>

#include <array>

namespace parkwen {

namespace {

// Bytes 0x80 to 0x9F; the others are the same code points as in Latin-1.
constexpr std::array<char16_t, 32> HighControls = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    Q_UNUSED(decoded);
    return !decoder.hasError();
}

TextEncoding encodingOf(const QByteArray& file)
{
    return isValidUtf8(file) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = (b >= 0x80 && b < 0xa0) ? QChar(HighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xa0 && u <= 0xff)) {
            bytes.append(char(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < int(HighControls.size()); ++i)
            if (HighControls[size_t(i)] == u)
                found = i;
        if (found < 0)
            return std::nullopt;
        bytes.append(char(0x80 + found));
    }
    return bytes;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
}

std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    return toWindows1252(text);
}

} // namespace parkwen
