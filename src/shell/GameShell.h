#pragma once

#include "platform/SettingsStore.h"
#include "shell/Windows.h"
#include "state/Random.h"
#include "widgets/GameServices.h"

namespace vlnobrod {

// The whole game as the program runs it: the player's settings, the dice, the services every
// window works with (the game in memory, its files, the sounds) and the windows themselves.
// Made once by the program after the application object.
class GameShell {
public:
    GameShell();

    // The menu, the first window.
    void Start() { windows_.Start(); }

private:
    SettingsStore settings_;
    ClockRandom random_;
    GameServices services_;
    Windows windows_;
};

} // namespace vlnobrod
