#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Profiles.h"

#include <string>

namespace vlnobrod {

// Saved games are "Save/" + name + ".mlo" where the game writes (Paths.h): copies of the
// state file with the game written over them.
constexpr std::size_t MaxSaveNameChars = 45;
// Said of a name longer than that, typed, pasted or chosen.
inline constexpr const char* SaveNameTooLong = "Název hry smí mít nejvýše 45 znaků.";
inline constexpr const char* LastGameName = "Poslední hra";

// The name box's text as a save name: a trailing ".mlo" (in small letters only, as the file
// list gives it) is dropped, and nothing at all, or blanks alone, becomes "QuickSave".
std::string SaveName(const std::string& typed);

// Why `name` cannot be a saved game's file name, in words for the player; empty when it can.
// Control characters (below a blank, DEL, U+0080 .. U+009F) are refused: a file name that
// holds one cannot be told apart in a list or typed again.
std::string SaveNameProblem(const std::string& name);

struct SaveOutcome {
    bool saved = false;
    std::string message; // why not, for the player
};

// Saves the game in memory under `name`: the state file is copied beside the target under a
// temporary name, every value of the game is written into the copy, and only then does the
// whole of it replace the saved game (a read-only one is not replaced; a link keeps
// pointing where it did). On success the saved game becomes the game's file (HandOff),
// the news tells the player and the game counts as saved. On failure nothing of the game
// changes and an older saved game of that name stays as it was.
SaveOutcome SaveGame(Profiles& profiles, GameState& st, const std::string& name);

// Closing the port screen while the game has changed since the last save asks the player
// whether to save it as "Poslední hra".
enum class LeaveChoice { Leave, SaveAndLeave, Stay };
LeaveChoice AskToLeave(const GameState& st, GameView& view);

} // namespace vlnobrod
