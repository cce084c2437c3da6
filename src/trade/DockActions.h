#pragma once

namespace vlnobrod {

class frmMain;

// Gives the dock panel's action labels their actions: 5 buy a ship, 6 sell one, 7 repair,
// 8 upgrade. Each shows the fleet again when it is done, asked or refused.
void InstallDockActions(frmMain& main);

} // namespace vlnobrod
