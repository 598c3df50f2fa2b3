#include "setcommands.h"

#include "carlibrary.h"
#include "createsetwindow.h"
#include "setchooserwindow.h"

namespace parkwen {

void Crete_Click(CarLibrary& library, Platform platform, QWidget* parent)
{
    setSession().editMode = false;
    SetStore store(platform.fs, platform.dataHome());
    CreateSetWindow window(newSetForm(library.Gartery.texts(), library.Cart3.texts()), store,
                           platform.dialogs, parent);
    window.exec();
}

void Ed_It_Click(CarLibrary& library, Platform platform, QWidget* parent)
{
    setSession().editMode = true;
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    const std::optional<QString> chosen = chooseSet(chooser, store, platform.dialogs);
    if (!chosen)
        return;
    Result<SetForm> form = editSetForm(library.Gartery.texts(), library.Cart3.texts(), store, *chosen);
    if (!form.ok()) {
        platform.dialogs.message(form.error().miscMessage(), Dialogs::Icon::Exclamation);
        return;
    }
    CreateSetWindow window(form.take(), store, platform.dialogs, parent);
    window.exec();
}

void SetLdPlus_Click(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    loadSet(library, platform, chooser);
}

void SetLdOnly_Click(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    loadSetOnly(library, platform, chooser);
}

void SetRemv_Click(CarLibrary& library, Platform platform, QWidget* parent)
{
    SetStore store(platform.fs, platform.dataHome());
    WindowSetChooser chooser(store, platform.dialogs, parent);
    removeSet(library, platform, chooser);
}

} // namespace parkwen
