#include "CityInfo.h"

#include "world/Research.h"

#include <array>

namespace vlnobrod {

CityInfo DescribeCity(const CityRecord& city) {
    static constexpr std::array<const char*, 5> sizeWords = {"malé", "střední", "velké",
                                                             "velmi velké", "velkoměsto"};
    CityInfo info;
    info.name = city.Nazev;
    if (city.Velikost < sizeWords.size())
        info.sizeWord = sizeWords[city.Velikost];
    if (city.Banka)
        info.services = "Banka";
    if (city.Casino)
        info.services += ", Casino";
    info.description = city.PopisTrhu;
    info.accessOffered = city.Pristup != 0;
    info.accessPrice = city.Pristup;
    if (!KnownResearch(city))
        info.research = CityInfo::Research::Unchanged;
    else if (ResearchOf(city) == Research::None)
        info.research = CityInfo::Research::Offer;
    else
        info.research = CityInfo::Research::Chart;
    return info;
}

} // namespace vlnobrod
