#pragma once

#include <string>

namespace vlnobrod {

// The name of goods `index` on the map `mapa`; empty where the map has no goods there.
// "Mapa3" and "Mapa4" have their own lists, every other map uses the first one.
std::string GoodsName(const std::string& mapa, int index);

} // namespace vlnobrod
