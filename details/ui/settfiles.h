#pragma once

namespace parkwen {

class ImportChoosers;
class Sett;

// The details window asks through real chooser windows; a test can hand it scripted ones instead.
// `choosers` must outlive the window's use of it; nullptr brings back the real ones.
void setImportChoosers(Sett& window, ImportChoosers* choosers);

} // namespace parkwen
