#pragma once

#include "port/MarketBoard.h"
#include "state/GameState.h"

#include <QString>

namespace vlnobrod {

// The trade panel's rows for a screen reader, as the panel fills them.

// A market row: its goods, price, how the price moved and how much of it is aboard:
// "Sůl, cena 42, cena stoupla, na palubě 10".
QString MarketRowSpeech(const GameState& st, const MarketRow& row);

// A cargo row: "na palubě " and its units as the row writes them.
QString CargoRowSpeech(const QString& units);

} // namespace vlnobrod
