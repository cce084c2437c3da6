#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vlnobrod {

// The captain's logbook ("Lodní deník"): the prices the player has seen with his own eyes in
// each city, and on which day. It costs nothing and never trades; market research, when
// bought, still shows a faraway city's prices of today.

// The fleet has arrived in the current city: a new visit begins. The page of the last visit
// there becomes the reference of the trend marks, and today's prices are written. The
// arrival calls it, before or after it ends the voyage.
void RecordVisit(GameState& st);

// The current city's market is shown (the trade tab, the game opened, a day passing in
// port): its prices as they stand now are written into the page of the visit under way. A
// city other than that of the visit under way begins a new one. At sea nothing is written.
void RecordMarket(GameState& st);

// One goods line of the logbook.
struct LogbookRow {
    int goods;        // 0..13
    std::string name; // may be empty: a price at an index the map has no name for
    std::int16_t price;
    std::string trend; // "=", "<" (fell), ">" (rose) against the visit before; "" with none
    double barWidth;   // Cena / 110 × 11, as the research chart draws it
};

// What the logbook says of one city.
struct LogbookView {
    bool visited = false;
    std::string heading; // "Ceny z deníku (den N)", or "Zatím nenavštíveno"
    std::vector<LogbookRow> rows;
};
LogbookView LogbookOf(const GameState& st, std::uint8_t city);

// Whether the city information panel shows the logbook for `city`: where no research is
// bought. Research shows today's prices, and the logbook never stands in for it.
bool ShowsLogbook(const GameState& st, std::uint8_t city);

} // namespace vlnobrod
