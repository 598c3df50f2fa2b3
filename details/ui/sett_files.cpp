// The commands of the details window's parameter and skin areas.

#include "sett.h"

namespace parkwen {

void Sett::listParams() {}

void Sett::par(const QString& /*path*/) {}

void Sett::par2() {}

void Sett::Params_Click() {}

void Sett::Bacup_Click() {}

void Sett::Settt_Click() {}

void Sett::DelP_Click() {}

void Sett::Impit_Click() {}

void Sett::listSkins() {}

void Sett::PicSel_Change() {}

void Sett::setskin_Click() {}

void Sett::Bakbit_Click() {}

void Sett::DelS_Click() {}

void Sett::IMMPIT_Click() {}

} // namespace parkwen
