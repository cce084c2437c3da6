#pragma once

#include "GameServices.h"

#include <memory>

class QWidget;

namespace vlnobrod {

class frmHelp;
class frmMenu;
class GameView;

// Owns the game's windows and moves the player between them: the menu first, the port
// screen for a game, the battle, statistics and guide windows on demand.
class Windows {
public:
    explicit Windows(GameServices& game);
    ~Windows();

    void Start();    // the menu, as the program starts
    void ExitGame(); // closes every window and ends the program

    // The guide, made on first use and kept; shown above the other windows without taking
    // the focus.
    void ShowGuide();
    frmHelp* Guide() const { return guide_.get(); }

    // The statistics and best-players window over `owner`, modal; with HandOff "Zápis" the
    // finished game is entered into the table first.
    void ShowStatistics(QWidget* owner, GameView& view);

    frmMenu* Menu() const { return menu_.get(); }

private:
    GameServices& game_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmHelp> guide_;
    bool exiting_ = false;
};

} // namespace vlnobrod
