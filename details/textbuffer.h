#pragma once

#include "platform/error.h"

#include <QByteArray>
#include <QString>

namespace parkwen {

class FileSystem;

// A whole parameter or set file held in memory as text, with a reading cursor: a position and a
// selection of zero or more characters starting there. Files are read and written as bytes (one
// character per byte, Latin-1), so every byte, CR LF line ends included, comes back unchanged.
// Positions are character indices counted from 0 and always lie within 0..length().
class TextBuffer
{
public:
    TextBuffer() = default;
    explicit TextBuffer(QString text);

    // --- Files ---
    // Replaces the text by the file's bytes and puts the cursor at 0. On failure the text is left
    // empty (the previous content is gone either way, so no stale text can be mistaken for the file).
    Error load(FileSystem& fs, const QString& path);
    // Resolves `name` inside `folder` ignoring case (the exact name first), then loads it.
    Error load(FileSystem& fs, const QString& folder, const QString& name);
    // Writes the whole text as bytes, replacing the file in one step (old or new, never half).
    Error save(FileSystem& fs, const QString& path) const;

    // --- Text ---
    const QString& text() const { return m_text; }
    // Replaces the text and puts the cursor at 0.
    void setText(const QString& text);
    void clear() { setText(QString()); }
    QByteArray bytes() const { return m_text.toLatin1(); }
    int length() const { return int(m_text.size()); }
    bool isEmpty() const { return m_text.isEmpty(); }
    // The character at `index`, or a null QChar outside the text.
    QChar at(int index) const;
    // Up to `count` characters from `index` (fewer at the end of the text).
    QString mid(int index, int count) const;

    // --- Cursor and selection ---
    int position() const { return m_selStart; }
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    // Moves the cursor (clamped to the text) and empties the selection.
    void setPosition(int position);
    void setSelStart(int position) { setPosition(position); }
    // Selects `length` characters from the position (fewer at the end of the text).
    void setSelLength(int length);
    void select(int start, int length);
    QString selectedText() const;
    // Moves the position by `delta` characters (clamped), emptying the selection.
    void advance(int delta) { setPosition(m_selStart + delta); }

    // --- Finding ---
    // The first occurrence of `key` at or after `from`, ignoring case; -1 when there is none.
    // The cursor is not touched.
    int indexOf(const QString& key, int from = 0) const;
    // Like indexOf, and when found selects the occurrence. When not found the cursor stays.
    int find(const QString& key, int from = 0);
    // The first occurrence of `c` (exactly) at or after `from`; -1 when there is none.
    int indexOf(QChar c, int from) const;
    // Moves the position to the next `c` at or after the position. Returns false (cursor unchanged)
    // when there is none.
    bool moveTo(QChar c);
    // Selects from the position up to, not including, the next `c`; to the end of the text when
    // there is none. Returns whether `c` was found.
    bool selectUpTo(QChar c);

    // --- Editing ---
    // Replaces the selection by `replacement`; the cursor then stands after the inserted text.
    void replaceSelection(const QString& replacement);

private:
    QString m_text;
    int m_selStart = 0;
    int m_selLength = 0;
};

} // namespace parkwen
