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
        lblAkceB_Click(menubutton::DeleteSave);
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
                    *lblAkce_[static_cast<std::size_t>(i)], [this, i] { lblAkce_Click(i); });
}

// Each panel's keys are set as the panel is made (on the first click or shortcut of its entry).
void frmMenu::BuildPanelKeys(int index) {
    switch (index) {
    case menupanel::NewGame:
        // The album takes the arrows as the panel opens; the start form the company's name.
        SetBoxKeys(*picZáložka_[menupanel::NewGame], {.focus = album});
        SetBoxKeys(*picName, {.enter = [this] { lblAkceB_Click(menubutton::StartGame); },
                              .escape = [this] { lblAkceB_Click(menubutton::CancelStart); },
                              .focus = picName->txtCompany});
        break;
    case menupanel::Load:
        // The load panel opens with nothing chosen, as it does for the mouse (a list with the
        // focus would choose its first save): the arrows choose, Enter loads, Delete deletes.
        SetBoxKeys(*picZáložka_[menupanel::Load],
                   {.enter = [this] { lblAkceB_Click(menubutton::LoadGame); },
                    .key = [this](const QKeyEvent& e) { return LoadPanelKey(e); }});
        break;
    case menupanel::Settings:
        SetBoxKeys(*picZáložka_[menupanel::Settings],
                   {.enter = [this] { lblAkceB_Click(menubutton::SettingsOK); },
                    .escape = [this] { lblAkceB_Click(menubutton::SettingsCancel); },
                    .focus = chk0});
        break;
    case menupanel::About:
        SetBoxKeys(*picZáložka_[menupanel::About],
                   {.enter = [this] { lblAkceB_Click(menubutton::AboutOK); }});
        break;
    case menupanel::Duel:
        SetBoxKeys(*picZáložka_[menupanel::Duel],
                   {.enter = [this] { lblAkceB_Click(menubutton::RunDuel); }, .focus = opt0});
        break;
    default:
        break;
    }
}

} // namespace vlnobrod
