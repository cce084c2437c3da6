// The menu's keyboard: a shortcut for every entry, shown in its tooltip, and what Enter and
// Escape do in each panel. Escape closes the open panel; with none open it does nothing, so a
// game waiting behind the menu is never ended by a stray key ("Konec >" is Ctrl+Q).
#include "frmMenu.h"

#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "widgets/PanelKeys.h"
#include "widgets/WindowKeys.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>

namespace vlnobrod {

namespace {

// The menu entries' keys, by entry: the usual ones of a desktop program where there are
// some, Alt with a letter of the caption elsewhere.
constexpr std::array<QKeyCombination, frmMenu::ActionCount> entryKeys = {{
    Qt::CTRL | Qt::Key_Q,        // "Konec >"
    Qt::CTRL | Qt::Key_N,        // "Nová hra"
    Qt::CTRL | Qt::Key_O,        // "Načíst hru"
    Qt::ALT | Qt::Key_S,         // "Nastavení"
    QKeyCombination(Qt::Key_F1), // "Návod"
    Qt::ALT | Qt::Key_O,         // "O hře"
    Qt::ALT | Qt::Key_E,         // "Externí hry"
    Qt::ALT | Qt::Key_P,         // "Pokračovat ve hře >"
}};

} // namespace

bool frmMenu::LoadPanelKey(const QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int last = loadPanel->FileLoad->count() - 1;
    const int at = loadPanel->SelectedIndex();
    switch (e.key()) {
    case Qt::Key_Delete:
        lblAkceB_Click(7);
        return true;
    case Qt::Key_Down:
        loadPanel->Select(std::min(at + 1, last));
        return true;
    case Qt::Key_Up:
        loadPanel->Select(at < 0 ? last : std::max(at - 1, 0));
        return true;
    case Qt::Key_Home:
        loadPanel->Select(last < 0 ? -1 : 0);
        return true;
    case Qt::Key_End:
        loadPanel->Select(last);
        return true;
    default:
        return false;
    }
}

void frmMenu::BuildKeys() {
    for (int i = 0; i < ActionCount; ++i)
        AddShortcut(*this, entryKeys[static_cast<std::size_t>(i)],
                    *lblAkce[static_cast<std::size_t>(i)], [this, i] { lblAkce_Click(i); });
}

// Each panel's keys are set as the panel is made (on the first click or shortcut of its entry).
void frmMenu::BuildPanelKeys(int index) {
    switch (index) {
    case 0:
        // The album takes the arrows as the panel opens; the start form the company's name.
        SetBoxKeys(*picZáložka[0], {.focus = album});
        SetBoxKeys(*picName, {.enter = [this] { lblAkceB_Click(0); },
                              .escape = [this] { lblAkceB_Click(2); },
                              .focus = picName->txtCompany});
        break;
    case 1:
        // The load panel opens with nothing chosen, as it does for the mouse (a list with the
        // focus would choose its first save): the arrows choose, Enter loads, Delete deletes.
        SetBoxKeys(*picZáložka[1], {.enter = [this] { lblAkceB_Click(1); },
                                    .key = [this](const QKeyEvent& e) { return LoadPanelKey(e); }});
        // A double click on a save loads it, as Enter does.
        connect(loadPanel->FileLoad, &QListWidget::itemDoubleClicked, this,
                [this] { lblAkceB_Click(1); });
        break;
    case 2:
        SetBoxKeys(*picZáložka[2], {.enter = [this] { lblAkceB_Click(3); },
                                    .escape = [this] { lblAkceB_Click(5); },
                                    .focus = chk0});
        break;
    case 4:
        SetBoxKeys(*picZáložka[4], {.enter = [this] { lblAkceB_Click(6); }});
        break;
    case 5:
        SetBoxKeys(*picZáložka[5], {.enter = [this] { lblAkceB_Click(4); }, .focus = opt0});
        break;
    default:
        break;
    }
}

} // namespace vlnobrod
