#include "Windows.h"

#include "menu/frmMenu.h"

#include <QApplication>

namespace vlnobrod {

Windows::Windows(GameServices& game) : game_(game) {}

Windows::~Windows() = default;

void Windows::Start() {
    game_.state.FocusKey = "F00";
    menu_ = std::make_unique<frmMenu>(game_);
    menu_->ExitGame = [this] { ExitGame(); };
    menu_->show();
}

void Windows::ExitGame() {
    if (exiting_)
        return;
    exiting_ = true;
    if (menu_)
        menu_->hide();
    QApplication::quit();
}

} // namespace vlnobrod
