#pragma once

#include <QString>

namespace parkwen {

// The stock car whose parameters a file was made from, named by the start of the checksum line
// that ends the game's parameter files. Only the first five characters count, compared exactly
// (the game writes them in upper-case hexadecimal). An empty string when no stock car matches.
QString Carbase(const QString& checksum);

} // namespace parkwen
