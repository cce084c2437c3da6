#pragma once

#include "GameServices.h"

#include <memory>

namespace vlnobrod {

class frmMenu;

// Owns the game's windows and moves the player between them: the menu first, the port
// screen for a game, the battle, statistics and guide windows on demand.
class Windows {
public:
    explicit Windows(GameServices& game);
    ~Windows();

    void Start();    // the menu, as the program starts
    void ExitGame(); // closes every window and ends the program

    frmMenu* Menu() const { return menu_.get(); }

private:
    GameServices& game_;
    std::unique_ptr<frmMenu> menu_;
    bool exiting_ = false;
};

} // namespace vlnobrod
