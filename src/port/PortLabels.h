#pragma once

namespace vlnobrod {

// The port screen's tabs and panels, one number for both: tab i opens panel i. "Mapa" has no
// panel (it clears the chart); the save panel and the city information have no tab.
namespace zalozka {
enum Index : int {
    Map = 0,      // "Mapa"
    Trade = 1,    // "Obchod": the trade panel with the transaction box (trade/TradeBox.h)
    Dock = 2,     // "Dok" (trade/DockPanel.h)
    Bank = 3,     // "Banka", only in a port with a bank (trade/BankPanel.h)
    Save = 4,     // "Uložit hru" (trade/SavePanel.h)
    CityInfo = 5, // "Informace o městě" (trade/CityInfoPanel.h)
};
constexpr int TabCount = 4;
constexpr int PanelCount = 6;
} // namespace zalozka

// The port screen's own action labels, in the column right of the chart; the panels' actions
// are their own.
namespace akce {
enum Index : int {
    Goal = 0,       // "Úkol"
    OpenSave = 1,   // "Uložit": opens the save panel (its action comes from the save panel)
    Statistics = 2, // "Statistika & Nejlepší hráči" (its action comes from the save panel)
    BackToMenu = 3, // "< Zpět do menu"
};
constexpr int Count = 4;
} // namespace akce

} // namespace vlnobrod
