#pragma once

#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QString>

#include <functional>
#include <optional>

namespace parkwen {

// Names typed at the prompts that create files in a car's folder. Such a name must stay a plain
// file name inside that folder.
bool isPlainName(const QString& name);
// Shown when a typed name holds a separator or is "." or "..".
QString plainNameMessage();
// Shown when a typed name holds a character that no file name may hold on this system.
QString badCharacterMessage();

// Asks for a name until the answer is usable: a name with a separator (or "." / "..") is refused
// with a message and the prompt comes again. Cancel or an empty answer gives nothing.
// `extra` may refuse further names: it shows its own message and returns false.
std::optional<QString> askPlainName(Dialogs& dialogs, const QString& prompt, const QString& defaultAnswer,
                                    const std::function<bool(const QString&)>& extra = {});

// The name for a copy to be imported into `folder`: the answer to `prompt` followed by `extension`.
// While a file of that name exists in the folder (ignoring case) the user is told so and asked
// again. Nothing when the user cancels.
std::optional<QString> askNewFileName(FileSystem& fs, Dialogs& dialogs, const QString& folder,
                                      const QString& prompt, const QString& defaultAnswer,
                                      const QString& extension);

// True when a file of `name` exists in `folder`, ignoring case.
bool existsIgnoringCase(FileSystem& fs, const QString& folder, const QString& name);

} // namespace parkwen
