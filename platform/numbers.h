#pragma once

#include <QString>

namespace parkwen {

// The leading number of a text, as it is written. Blanks, tabs and line feeds are passed over
// wherever they stand; then an optional sign, digits with at most one decimal point and an
// optional exponent are read up to the first other character. A carriage return is such a
// character: a number never runs on past the end of a CR LF line.
struct LeadingDigits
{
    bool negative = false;
    QString intDigits;  // the digits before the point, as written
    QString fracDigits; // the digits after it
    int exponent = 0;   // 0 without one; held within +-1,000,000, far beyond a double's range

    bool isEmpty() const { return intDigits.isEmpty() && fracDigits.isEmpty(); }
};
LeadingDigits leadingDigits(const QString& text);

// The value of a text's leading number, read as above: the one reading of every number the program
// takes from a text (captions, stored settings, car parameter files). 0 when there is no number.
// A number too large to hold reads as the largest one that can be held (with its sign), one too
// small as 0.
double leadingNumber(const QString& text);

} // namespace parkwen
