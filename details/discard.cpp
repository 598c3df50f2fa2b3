#include "details/discard.h"

#include <QCoreApplication>

namespace parkwen {

bool confirmDiscard(FileSystem& fs, Dialogs& dialogs, const QString& path)
{
    const QString name = lastName(path);
    const QString question =
        fs.trashAvailable(path)
            ? QCoreApplication::translate("Discard",
                                          "Delete %1? It goes to the trash, from where it can be restored.")
                  .arg(name)
            : QCoreApplication::translate(
                  "Discard", "Delete %1? There is no trash for this disk: it will be deleted for good.")
                  .arg(name);
    return dialogs.message(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) ==
           Dialogs::Answer::Yes;
}

Error discardFile(FileSystem& fs, const QString& path)
{
    if (!fs.trashAvailable(path))
        return fs.deleteFile(path);
    if (!fs.exists(path))
        return Error::of(err::FileNotFound);
    if (fs.isReadOnly(path))
        return Error::of(err::PathFileAccess);
    return fs.moveToTrash(path);
}

bool confirmReplace(FileSystem& fs, Dialogs& dialogs, const QString& path)
{
    if (!fs.exists(path))
        return true;
    return dialogs.message(
               QCoreApplication::translate("Discard", "%1 already exists. Replace it?").arg(lastName(path)),
               Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) == Dialogs::Answer::Yes;
}

} // namespace parkwen
