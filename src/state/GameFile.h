#pragma once

#include "GameState.h"
#include "IniDocument.h"
#include "Profiles.h"

#include <string>
#include <utility>

namespace vlnobrod {

// Why a file could not be opened as a game.
enum class GameFileProblem { None, Unreadable, NoGame, NoCities, BadMapId };

struct GameFileResult {
    GameFileProblem problem = GameFileProblem::None;
    std::string mapId; // the offending map id of BadMapId

    explicit operator bool() const { return problem == GameFileProblem::None; }
    // The reason in the player's words, to follow "Hru nelze otevřít: ".
    std::string Reason(const std::string& path) const;
};

// Fills the game part of `st` from a scenario map, state file or saved game. Keys that are
// missing, or hold something that does not fit their field, take their defaults, and values
// no game can hold are brought into range (see ReadGame). `Den` receives the stored day
// count: the port screen turns it into a day change. A file that does not exist, cannot be
// read, is larger than any game (Profiles::MaxFileBytes) or is no game leaves `st` as it was
// and says why.
GameFileResult ReadGameFile(Profiles& profiles, const std::string& path, GameState& st);

// The same from a file already parsed. A file is a game when it has a [Mapa] section, at
// least one city and a map id that is a plain file name. More than nine cities are cut to
// nine, and a count beyond the city sections present to the sections present; a current
// city past the last one becomes city 0. Names are cut to the 30 characters the start form
// takes, prices to 0 .. 999, cargo to the largest fleet's hold; a fleet in port has at most
// 100 % damage. A voyage must fit the chart: it leads from one of the game's cities to the
// current one, which is open, over the distance between the two; otherwise the fleet is in
// port (at the city it left, when the destination is closed). A new game (PendingAction
// NewGame) always starts in port.
GameFileResult ReadGame(const IniDocument& doc, GameState& st);

// Writes the game into a parsed file in the save order. The file should already hold the
// state file, so keys the save does not write (difficulty, goal texts, results table) stay.
void WriteGame(IniDocument& doc, const GameState& st);

// A market description is kept in two keys of at most 98 characters. The first part holds
// at most 54 characters and ends before a blank between two words, which reading puts back;
// only a word longer than the first part is cut, and then the first part holds exactly 54
// characters and the second goes on without a blank. Neither part starts or ends with a
// blank, so nothing is lost to the blanks reading drops.
std::pair<std::string, std::string> SplitDescription(const std::string& description);
std::string JoinDescription(const std::string& first, const std::string& second);
// The description as a save keeps it: blanks at its ends dropped, and at most as much as
// the two keys hold.
std::string StorableDescription(const std::string& description);

// "Mesto00" .. "Mesto08", "Trh00Cena" and friends.
std::string CitySection(int index);
std::string TwoDigits(int n);

} // namespace vlnobrod
