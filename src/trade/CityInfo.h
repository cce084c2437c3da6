#pragma once

#include "state/GameState.h"

#include <optional>
#include <string>

namespace vlnobrod {

// What the city information panel shows of a city.
struct CityInfo {
    std::string name;
    // "malé", "střední", "velké", "velmi velké", "velkoměsto"; nothing for a size class the
    // game does not know (the panel keeps the word it showed before).
    std::optional<std::string> sizeWord;
    std::string services; // "Banka", ", Casino", "Banka, Casino" or nothing
    std::string description;
    bool accessOffered = false; // a closed city: access is for sale at accessPrice
    double accessPrice = 0;
    // Research: none offers it (the chart is hidden); a day's or permanent research shows
    // the chart instead; a value the game does not know leaves the panel's research as it was.
    enum class Research { Offer, Chart, Unchanged } research = Research::Offer;
};

CityInfo DescribeCity(const CityRecord& city);

} // namespace vlnobrod
