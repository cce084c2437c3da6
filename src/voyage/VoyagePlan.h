#pragma once

#include "state/GameState.h"

#include <cstdint>

namespace vlnobrod {

// The voyage strip below the chart, in pixels: the ship picture crosses it from just outside
// its left edge until it has left it on the right, one timer tick at a time.
namespace voyagestrip {
inline constexpr int Width = 573;
inline constexpr int Height = 77;
inline constexpr int IntervalMs = 100;
} // namespace voyagestrip

// How wide the strip's ship picture is for a ship type, as the ship-type table says; a type
// the game does not know sails as the smallest.
int ShipPictureWidth(std::uint8_t typ);

// How a voyage is sailed.
struct VoyagePlan {
    std::int16_t distance = 0; // map pixels
    double days = 0;           // the unrounded duration
    std::uint8_t step = 1;     // pixels the ship picture moves each tick
    std::uint8_t ticksPerDay = 1;
};

// The straight way between two cities' labels on the chart, to the nearest pixel.
std::int16_t SeaDistance(const CityRecord& from, const CityRecord& to);

// A voyage of `distance` pixels for the fleet: the ship crosses the strip in about one
// second of real time per day. A short voyage still moves at least a pixel a tick and never
// more than 255, and a day is never less than one tick.
VoyagePlan PlanVoyage(std::int16_t distance, const FleetRecord& fleet);

// The plan of the voyage under way.
VoyagePlan CurrentPlan(const GameState& st);

enum class SailAnswer : std::uint8_t {
    Sailing,     // the voyage has begun (or turned towards the new city)
    NoAccess,    // "Do města není povolen přístup"
    NowhereToGo, // "Není kam cestovat!": the city is the current one
    NoShips,     // "Nemáte žádnou loď!"
    NoSuchCity,  // no city of the map has that index: nothing happens
};

// A right click on a city: refused in the news when the city is closed (even the current
// one), when it is the current city, or when the company has no ship. Otherwise the fleet
// sets sail: the city becomes current at once and each day at sea costs upkeep. A fleet
// already at sea turns: the new course is planned from the city it left, from the start of
// the strip, and the days already sailed stay sailed, so turning towards a near city first
// never shortens a long voyage.
SailAnswer SetSail(GameState& st, int city);

} // namespace vlnobrod
