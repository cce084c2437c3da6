#include "Goods.h"

#include <array>

namespace vlnobrod {

namespace {
constexpr std::array<const char*, 14> firstList = {
    "Zlato", "Stříbro", "Cenosti", "Artefakty", "Uhlí",          "Dřevo",  "Hedvábí",
    "Jídlo", "Whisky",  "Víno",    "Čaj",       "Střelný prach", "Zbraně", "Kamení"};
constexpr std::array<const char*, 14> indonesia = {
    "Stříbro", "Artefakty", "Cennosti", "Zbraně", "Dřevo", "Kaučuk", "Hedvábí",
    "Knihy",   "Jídlo",     "Rýže",     "Cukr",   "Čaj",   "",       ""};
constexpr std::array<const char*, 14> spendthrift = {
    "Zlato",  "Diamanty", "Cennosti", "Zbraně", "Doutníky", "Whisky", "Kokos",
    "Banány", "",         "",         "",       "",         "",       ""};
} // namespace

std::string GoodsName(const std::string& mapa, int index) {
    if (index < 0 || index >= 14)
        return {};
    if (mapa == "Mapa3")
        return indonesia[static_cast<std::size_t>(index)];
    if (mapa == "Mapa4")
        return spendthrift[static_cast<std::size_t>(index)];
    return firstList[static_cast<std::size_t>(index)];
}

} // namespace vlnobrod
