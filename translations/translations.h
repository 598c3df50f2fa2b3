#pragma once

class QCoreApplication;

namespace parkwen {

// Installs the program's texts and Qt's own (its dialogs' buttons) in the system's language, where
// there is a translation; English, the language of the sources, needs none.
void installTranslations(QCoreApplication& app);

} // namespace parkwen
