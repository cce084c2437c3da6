// The port screen's shortcuts, each shown in the tooltip of what it clicks: Alt+M, Alt+O,
// Alt+D and Alt+B the four tabs, Alt+U "Úkol", Ctrl+S "Uložit", Alt+S the statistics and
// Alt+Z "< Zpět do menu". The panels add their own (Alt+V "Prodat vše", Escape on the city
// information). Escape on a bare port screen does nothing: the game is left only on purpose.

#include "frmMain.h"
#include "widgets/WindowKeys.h"

namespace vlnobrod {

namespace {

struct TabKey {
    int tab;
    QKeyCombination keys;
};
constexpr TabKey tabKeys[] = {
    {zalozka::Map, Qt::ALT | Qt::Key_M},
    {zalozka::Trade, Qt::ALT | Qt::Key_O},
    {zalozka::Dock, Qt::ALT | Qt::Key_D},
    {zalozka::Bank, Qt::ALT | Qt::Key_B},
};

struct ActionKey {
    int action;
    QKeyCombination keys;
};
constexpr ActionKey actionKeys[] = {
    {akce::Goal, Qt::ALT | Qt::Key_U},
    {akce::OpenSave, Qt::CTRL | Qt::Key_S},
    {akce::Statistics, Qt::ALT | Qt::Key_S},
    {akce::BackToMenu, Qt::ALT | Qt::Key_Z},
};

} // namespace

void frmMain::BuildKeys() {
    for (const TabKey& t : tabKeys)
        AddShortcut(*this, t.keys, *lblZal[static_cast<std::size_t>(t.tab)],
                    [this, tab = t.tab] { ShowTab(tab); });
    for (const ActionKey& a : actionKeys)
        AddShortcut(*this, a.keys, *lblAkce[static_cast<std::size_t>(a.action)],
                    [this, action = a.action] { lblAkce_Click(action); });
}

} // namespace vlnobrod
