#pragma once

#include <QByteArray>
#include <QString>

namespace parkwen::paramtext {

// Helpers on the bytes of a parameter file. Parameter files are single-byte text; positions are byte
// indices and every byte, CR LF included, is kept as it is.

// The first occurrence of `word` at or after `from`, ASCII letters compared without regard to case;
// -1 when there is none.
qsizetype find(const QByteArray& text, const QByteArray& word, qsizetype from = 0);

// A parameter file holds "BODY {" somewhere, in any letter case.
bool isParameterText(const QByteArray& text);

// Where the name field lies: the characters between the first pair of double quotes after the first
// "Name" of the text. `found` is false when there is no "Name" followed by a double quote; a missing
// closing quote ends the field at the end of its line.
struct Field
{
    bool found = false;
    qsizetype start = 0;
    qsizetype length = 0;
};
Field nameField(const QByteArray& text);
// The name field as text, decoded as the file is written (UTF-8 or Windows-1252); empty when there
// is none.
QString nameOf(const QByteArray& text);
// Whether `title` can be written in the file's own encoding.
bool canHoldName(const QByteArray& text, const QString& title);
// The text with its name field replaced by `title`, written in the file's own encoding; every other
// byte is kept. Unchanged when it has no name field or cannot hold the title.
QByteArray withName(const QByteArray& text, const QString& title);

} // namespace parkwen::paramtext
