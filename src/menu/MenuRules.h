#pragma once

#include "state/GameState.h"
#include "state/Profiles.h"

#include <string>

namespace vlnobrod {

// What the album shows for one scenario map file.
struct MapInfo {
    std::string title;       // "Nazev", empty when missing
    std::string cities;      // "Počet měst: " + "PocetMest"
    std::string description; // "Popis"
};
MapInfo ReadMapInfo(Profiles& profiles, const std::string& mapFile);

// A new game on map `mapa`: the map's file becomes the state file with the typed company
// and owner names written into it, and the game is handed to the port screen, which greets
// it with the map's goal. False, with the old state file and the game in memory as they
// were, when the state file could not be written.
bool StartNewGame(Profiles& profiles, GameState& st, const std::string& mapa,
                  const std::string& company, const std::string& name);

// "Verze 1.0"
std::string VersionText(int major, int minor);

} // namespace vlnobrod
