#pragma once

#include "state/GameState.h"

#include <cstdint>

namespace vlnobrod::testing {

// One city of size class `velikost` trading goods 0 at `cena`, no money anywhere.
inline GameState OneCity(std::int16_t cena, std::int16_t produkce, std::uint8_t velikost) {
    GameState st;
    st.PocetMest = 1;
    st.Cities[0].Velikost = velikost;
    st.Cities[0].Trh[0] = {cena, 0, produkce};
    st.Konto = st.Hotovost = 0;
    return st;
}

} // namespace vlnobrod::testing
