#include "PortKeys.h"

#include "PortLabels.h"
#include "frmMain.h"
#include "widgets/PanelKeys.h"
#include "widgets/WindowKeys.h"

namespace vlnobrod {

namespace {

struct TabKey {
    int tab;
    QKeyCombination keys;
};
constexpr TabKey tabKeys[] = {
    {0, Qt::ALT | Qt::Key_M}, // "Mapa"
    {1, Qt::ALT | Qt::Key_O}, // "Obchod"
    {2, Qt::ALT | Qt::Key_D}, // "Dok"
    {3, Qt::ALT | Qt::Key_B}, // "Banka"
};

struct ActionKey {
    int action;
    QKeyCombination keys;
};
constexpr ActionKey actionKeys[] = {
    {akce::Goal, Qt::ALT | Qt::Key_U},       {akce::OpenSave, Qt::CTRL | Qt::Key_S},
    {akce::Statistics, Qt::ALT | Qt::Key_S}, {akce::BackToMenu, Qt::ALT | Qt::Key_Z},
    {akce::SellAll, Qt::ALT | Qt::Key_V},
};

} // namespace

void InstallPortKeys(frmMain& port) {
    for (const TabKey& t : tabKeys)
        AddShortcut(port, t.keys, *port.lblZal[static_cast<std::size_t>(t.tab)],
                    [&port, tab = t.tab] { port.lblZal_Click(tab); });
    for (const ActionKey& a : actionKeys)
        AddShortcut(port, a.keys, *port.lblAkce[static_cast<std::size_t>(a.action)],
                    [&port, action = a.action] { port.lblAkce_Click(action); });
    // The city information has its own "X" in place of the panel's cross.
    SetBoxKeys(*port.picInf, {.escape = [&port] {
        if (port.lblAkce[akce::CloseCityInfo]->isVisible())
            port.lblAkce_Click(akce::CloseCityInfo);
    }});
}

} // namespace vlnobrod
