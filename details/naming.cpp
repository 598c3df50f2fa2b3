#include "details/naming.h"

#include <QCoreApplication>

namespace parkwen {

bool isPlainName(const QString& name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

QString plainNameMessage()
{
    return QCoreApplication::translate(
        "Naming", "A name cannot contain \"/\" or \"\\\", and cannot be \".\" or \"..\". "
                  "Please choose another name.");
}

QString badCharacterMessage()
{
    return QCoreApplication::translate("Naming",
                                       "A name cannot contain that character. Please choose another name.");
}

namespace {
// A NUL character would cut the name short on disk; line breaks make names nobody can read back.
bool hasUnusableCharacter(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() == 0 || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    return false;
}
} // namespace

std::optional<QString> askPlainName(Dialogs& dialogs, const QString& prompt, const QString& defaultAnswer,
                                    const std::function<bool(const QString&)>& extra)
{
    for (;;) {
        const std::optional<QString> answer = dialogs.input(prompt, defaultAnswer);
        if (!answer || answer->isEmpty())
            return std::nullopt;
        if (!isPlainName(*answer)) {
            dialogs.message(plainNameMessage(), Dialogs::Icon::Exclamation);
            continue;
        }
        if (hasUnusableCharacter(*answer)) {
            dialogs.message(badCharacterMessage(), Dialogs::Icon::Exclamation);
            continue;
        }
        if (extra && !extra(*answer))
            continue;
        return answer;
    }
}

bool existsIgnoringCase(FileSystem& fs, const QString& folder, const QString& name)
{
    return fs.exists(joinPath(folder, fs.resolve(folder, name)));
}

std::optional<QString> askNewFileName(FileSystem& fs, Dialogs& dialogs, const QString& folder,
                                      const QString& prompt, const QString& defaultAnswer,
                                      const QString& extension)
{
    const std::optional<QString> answer =
        askPlainName(dialogs, prompt, defaultAnswer, [&](const QString& typed) {
            if (!existsIgnoringCase(fs, folder, typed + extension))
                return true;
            dialogs.message(QCoreApplication::translate(
                "Naming", "This File already Exists, Please Choose Another Name:"));
            return false;
        });
    if (!answer)
        return std::nullopt;
    return *answer + extension;
}

} // namespace parkwen
