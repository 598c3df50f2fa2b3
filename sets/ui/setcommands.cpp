#include "sets/ui/setcommands.h"

#include "library/carlibrary.h"
#include "sets/ui/createsetwindow.h"
#include "sets/ui/setchooserwindow.h"

#include <QCoreApplication>

namespace parkwen {

void createSet(CarLibrary& library, Platform platform, QWidget* parent)
{
    setSession().editMode = false;
    SetStore store(platform.fs, platform.dataHome());
    CreateSetWindow window(newSetForm(library.folder(FolderRole::Garage).list().texts(),
                                      library.folder(FolderRole::Cars).list().texts()),
                           store, platform.dialogs, parent);
    window.exec();
}

void editSet(CarLibrary& library, Platform platform, QWidget* parent)
{
    setSession().editMode = true;
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    const std::optional<QString> chosen = chooseSet(chooser, store, platform.dialogs);
    if (!chosen)
        return;
    Result<SetForm> form = editSetForm(library.folder(FolderRole::Garage).list().texts(),
                                       library.folder(FolderRole::Cars).list().texts(), store, *chosen);
    if (!form.ok()) {
        platform.dialogs.message(form.error().miscMessage(), Dialogs::Icon::Exclamation);
        return;
    }
    CreateSetWindow window(form.take(), store, platform.dialogs, parent);
    window.exec();
}

void loadSet(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    loadSet(library, platform, chooser);
}

void loadSetOnly(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    loadSetOnly(library, platform, chooser);
}

void removeSet(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    removeSet(library, platform, chooser);
}

void addCarsToSet(Platform platform, QWidget* parent, const QStringList& names)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    const std::optional<QString> chosen = chooseSet(chooser, store, platform.dialogs);
    if (!chosen)
        return;
    Result<QStringList> members = store.read(*chosen);
    if (!members.ok()) {
        platform.dialogs.message(members.error().miscMessage(), Dialogs::Icon::Exclamation);
        return;
    }
    QStringList all = members.take();
    int added = 0;
    for (const QString& name : names) {
        if (!all.contains(name)) {
            all << name;
            ++added;
        }
    }
    if (Error e = store.write(*chosen, all)) {
        platform.dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return;
    }
    platform.dialogs.inform(QCoreApplication::translate("SetCommands", "%1 of %2 cars added to %3.")
                                .arg(added)
                                .arg(names.size())
                                .arg(*chosen));
}

} // namespace parkwen
