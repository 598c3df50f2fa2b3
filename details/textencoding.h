#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace parkwen {

// The encodings of the texts inside parameter files: old cars write Windows-1252, newer ones
// UTF-8. A file is read as UTF-8 when the whole of it is valid UTF-8 (plain ASCII included), and as
// Windows-1252 otherwise; a text written into it takes the same encoding, so that the rest of the
// file stays byte for byte as it was.
enum class TextEncoding { Utf8, Windows1252 };

bool isValidUtf8(const QByteArray& bytes);
TextEncoding encodingOf(const QByteArray& file);

// Every byte has a character: the five bytes Windows-1252 leaves undefined keep their own code
// points, as Windows itself does, so that any text decodes and encodes back unchanged.
QString fromWindows1252(const QByteArray& bytes);
// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> toWindows1252(const QString& text);

QString decodeText(const QByteArray& bytes, TextEncoding encoding);
std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding);

} // namespace parkwen
