#pragma once

#include "state/GameState.h"
#include "state/Profiles.h"

#include <cstdint>
#include <string>
#include <vector>

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

// A saved game becomes the state file and is handed to the port screen; false, with nothing
// changed, when it could not be copied.
bool EnterSavedGame(Profiles& profiles, GameState& st, const std::string& saveFile);

// Owner and company of a saved game, "XXX" when missing.
struct SaveDetails {
    std::string owner;
    std::string company;
};
SaveDetails ReadSaveDetails(Profiles& profiles, const std::string& saveFile);

// When a saved game was written, the Czech way whatever the system's language:
// "6. 12. 2026 9:49:11" (day and month without a leading zero, minutes and seconds with).
struct SaveTime {
    int year, month, day, hour, minute, second;
};
std::string SaveTimeText(const SaveTime& t);

// The saved game to load as the newest: the one modified last, the first in list order on
// a tie; files older than 1 January 1990 count as not newer than that day, so then the
// first file wins. -1 for an empty list. Times are seconds since 1970.
int NewestSave(const std::vector<std::int64_t>& modified);

// "Verze 1.0"
std::string VersionText(int major, int minor);

} // namespace vlnobrod
