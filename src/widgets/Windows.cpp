#include "Windows.h"

#include "guide/frmHelp.h"
#include "menu/frmMenu.h"
#include "results/frmTop.h"

#include <QApplication>

namespace vlnobrod {

Windows::Windows(GameServices& game) : game_(game) {}

Windows::~Windows() = default;

void Windows::Start() {
    game_.state.FocusKey = "F00";
    menu_ = std::make_unique<frmMenu>(game_);
    menu_->ExitGame = [this] { ExitGame(); };
    menu_->ShowGuide = [this] { ShowGuide(); };
    menu_->show();
}

void Windows::ShowGuide() {
    if (!guide_) {
        guide_ = std::make_unique<frmHelp>(game_);
        guide_->setWindowFlag(Qt::WindowStaysOnTopHint);
        guide_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    guide_->show();
    guide_->raise();
}

void Windows::ShowStatistics(QWidget* owner, GameView& view) {
    frmTop top(game_, view, owner);
    top.exec();
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
