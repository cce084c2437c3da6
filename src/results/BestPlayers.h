#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Profiles.h"

#include <array>
#include <cstdint>
#include <string>

namespace vlnobrod {

// The best-players table of a map: sections "Top0" .. "Top4", fewest days first.
constexpr int TopPlaces = 5;

// Where a map's table is read and written. The game's own layout keeps it in the map's
// file; an installed game writes each player's table to a file of its own (TableFile) and
// shows the table shipped in the map until that file exists.
struct TableFiles {
    std::string map;   // the map's file: its title
    std::string read;  // the table as it stands
    std::string write; // where an entry goes
};
TableFiles TableFilesOf(const GameState& st);

// How an opening of the table went: the finished game was entered at a place, stood there
// already, was too slow for the table, or the table was only looked at.
enum class TopEntry : std::uint8_t { Placed, Duplicate, NotPlaced, ViewOnly };

// Cash + account + the ships at the dock's price of their type + the cargo at what a sale in
// the current city would pay.
double CompanyValue(const GameState& st);

// "1 234 567 zlatých"
std::string ValueText(double value);

// The figures of the statistics window.
struct Statistics {
    std::string fleet;    // "3 lodě typu: Galeona"
    double value = 0;     // the company value
    std::string valueTag; // the value as plain decimal text
    std::string valueText;
    std::string account; // "Na kontě: … zlatých"
    std::string cash;    // "V hotovosti: … zlatých"
    std::string days;    // the day count
};
Statistics StatisticsOf(const GameState& st);

struct EntryOutcome {
    TopEntry entry = TopEntry::NotPlaced;
    int place = -1;      // 0..4, the place taken (Placed only)
    bool written = true; // false when the map file could not be rewritten
};

// Enters the finished game (owner, company, day count, `value`) into the table: the first
// place whose days are not fewer than ours is taken, the places below
// move down one and the last one drops out. The same owner, company and day count already
// standing at that place is a duplicate and changes nothing. The table file is rewritten
// whole, so a failure leaves the old table as it was; a player's first entry starts their
// own table file with the five places of the shipped one and nothing else. Reading and
// writing happen under the table's lock (a FileLock beside it, "<table>.lock"), so two games
// entering results at the same moment both stand; a table another game keeps locked too long is not
// written.
EntryOutcome EnterResult(Profiles& profiles, const TableFiles& files, const GameState& st,
                         double value);

// The "Dokončení mapy" text for a result that missed the table.
std::string NotPlacedMessage(std::int16_t days, double value);

// The statistics window opens: with HandOff holding Zápis the finished game, worth `value`,
// is first entered into its map's table, and the player is told in the message box when it
// missed the table or the table could not be rewritten (then nothing counts as entered).
// Afterwards HandOff points at the map's file, whose table the window shows.
EntryOutcome OpenTopTable(GameState& st, Profiles& profiles, GameView& view, double value);

struct TopRow {
    std::string name;
    std::string days;
    std::string company;
    std::string value;
    bool highlighted = false; // the row just entered, drawn in red
};
struct TopTable {
    std::string heading; // "pro mapu " + the map's title
    std::array<TopRow, TopPlaces> rows;
};

// What the table box shows after `entry` (or a view-only opening): a place just taken shows
// the finished game in red.
TopTable ReadTopTable(Profiles& profiles, const TableFiles& files, const EntryOutcome& entry,
                      const GameState& st, double value);

} // namespace vlnobrod
