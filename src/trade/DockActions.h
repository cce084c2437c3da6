#pragma once

namespace vlnobrod {

class frmMain;

// Gives the dock panel's action labels their actions: buy a ship, sell one, repair, upgrade.
// Each shows the fleet again when it is done, asked or refused.
void InstallDockActions(frmMain& main);

} // namespace vlnobrod
