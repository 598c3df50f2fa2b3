#pragma once

#include "platform/filesystem.h"

namespace parkwen {

// The prefix of the hidden folders in which a car is put together before it is renamed into place.
// The moves use the same naming, so whatever looks after leftovers at start-up treats both alike.
inline const QString kStagingPrefix = QStringLiteral(".parkwen-staging-");

// Where a car that is being replaced waits, under its own name, until the new one is in place. A
// different prefix: such a folder holds a complete car, not a half-made one, and must not be cleared
// away as a leftover.
inline const QString kReplacedPrefix = QStringLiteral(".parkwen-replaced-");

// Makes a new hidden folder for `name` inside `parent`: "<prefix><name>-<random>".
Result<QString> makeStagingFolder(FileSystem& fs, const QString& parent, const QString& name,
                                  const QString& prefix = kStagingPrefix);

// Renames a complete staging folder to `target`, which must not exist yet. This is the one step
// that makes a staged car visible.
Error placeStagedFolder(FileSystem& fs, const QString& staging, const QString& target);

// Removes a staging folder and everything in it (hidden files included).
void removeStagingFolder(const QString& staging);

// Flushes every file and folder below `folder`, and the folder itself, to the disk.
Error syncTree(FileSystem& fs, const QString& folder);

// Removes a whole folder tree, making read-only folders writable first.
bool removeTree(const QString& folder);

} // namespace parkwen
