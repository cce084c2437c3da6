#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Profiles.h"
#include "state/Random.h"

namespace vlnobrod {

// A game just read from its file comes to life: its prices move a step, a game saved in port
// writes the market into the logbook (one saved at sea writes nothing and sails on), and
// both figures are shown through ChangeMoney, which congratulates a goal already met. The
// day the game was saved on goes on: its day count, opening prices, research, cash and
// account stay as saved.
void StartLoadedGame(GameState& st, RandomSource& rnd, GameView& view);

// The goal display, the greeting of a new game and the "Úkol" action: reads the four goal
// lines from the map's scenario file (HandOff is pointed at that file) and shows them under
// the title "Úkolem této mapy je ...".
void ShowGoal(GameState& st, Profiles& profiles, GameView& view);

// The two greeting lines of the news and the mark that nothing is unsaved yet: the last
// steps of opening a game, after the current city is shown.
void WelcomeToGame(GameState& st);

} // namespace vlnobrod
