#include "CityInfo.h"

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
    switch (city.PruzkumTrhu) {
    case 0:
        info.research = CityInfo::Research::Offer;
        break;
    case 1:
    case 2:
        info.research = CityInfo::Research::Chart;
        break;
    default:
        info.research = CityInfo::Research::Unchanged;
        break;
    }
    return info;
}

} // namespace vlnobrod
