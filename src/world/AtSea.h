#pragma once

#include "state/GameState.h"

namespace vlnobrod {

// Whether the fleet is at sea: a voyage is under way and the ship is on the voyage strip.
// Every rule that acts differently at sea asks this one question (the day's upkeep, the
// logbook, the voyage's ticks, the screens), so a game that sets sail, arrives or is loaded
// halfway never looks at sea to one rule and in port to another.
inline bool AtSea(const GameState& st) {
    return st.PendingAction == Pending::Voyage && st.Plavba.NaMori;
}

} // namespace vlnobrod
