#pragma once

#include <memory>

namespace vlnobrod {

class frmMain;
struct GameServices;

// The port screen with everything that works on it: the transaction box of the trade panel,
// the dock's and the bank's actions, the save panel with the statistics action and the exit
// question. The screen itself only lays out its panels; their actions come from here.
std::unique_ptr<frmMain> MakePortScreen(GameServices& game);

} // namespace vlnobrod
