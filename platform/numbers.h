#pragma once

#include <QString>

namespace parkwen {

// The value of the leading number of a text, read the way captions and stored values are read:
// blanks anywhere are passed over, then an optional sign, digits, a decimal point and an exponent;
// the first other character ends it. 0 when there is no number. A number too large to hold reads
// as the largest one that can be held, one too small as 0.
double leadingNumber(const QString& text);

} // namespace parkwen
