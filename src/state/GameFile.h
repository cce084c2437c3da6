#pragma once

#include "GameState.h"
#include "Profiles.h"

#include <string>

namespace vlnobrod {

// Fills the game part of `st` from a scenario map, state file or saved game. Keys that are
// missing, or hold something that does not fit their field, take their defaults; more than
// nine cities are cut to nine and a current city past the last one becomes city 0.
// `Den` receives the stored day count: the port screen turns it into a day change.
// Returns false, leaving `st` as it was, when the file does not exist or cannot be read.
bool ReadGameFile(Profiles& profiles, const std::string& path, GameState& st);

// Writes the game into `path` in the save order. The file should already hold a copy of the
// state file, so keys the save does not write (difficulty, goal texts, results table) stay.
// The file is put on disk once, whole. Returns false when it could not be written.
bool WriteGameFile(Profiles& profiles, const std::string& path, const GameState& st);

// "Mesto00" .. "Mesto08", "Trh00Cena" and friends.
std::string CitySection(int index);
std::string TwoDigits(int n);

} // namespace vlnobrod
