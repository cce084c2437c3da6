#pragma once

namespace vlnobrod {

class frmMain;

// The port screen's shortcuts, each shown in the tooltip of what it clicks: Alt+M, Alt+O,
// Alt+D and Alt+B the four tabs, Alt+U "Úkol", Ctrl+S "Uložit", Alt+S the statistics,
// Alt+Z "< Zpět do menu" and Alt+V "Prodat vše"; Escape closes the city information as its
// "X" does. Escape on a bare port screen does nothing: the game is left only on purpose.
void InstallPortKeys(frmMain& port);

} // namespace vlnobrod
