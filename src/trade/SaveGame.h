#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Profiles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// Leaving the game (closing the port screen, or ending or replacing it from the menu) while
// it has changed since the last save asks the player whether to save it as "Poslední hra".
enum class LeaveChoice { Leave, SaveAndLeave, Stay };
LeaveChoice AskToLeave(const GameState& st, GameView& view);

// The whole way out, wherever it is taken: asks as AskToLeave does and, on "Ano", runs
// `saveAsLastGame` (true when it saved). True: the game may be left. A game that could not
// be saved is not thrown away.
bool MayLeave(const GameState& st, GameView& view, const std::function<bool()>& saveAsLastGame);

// Saves the game as "Poslední hra"; a failure is told in the view's box "Uložení hry".
bool SaveAsLastGame(Profiles& profiles, GameState& st, GameView& view);

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

} // namespace vlnobrod
