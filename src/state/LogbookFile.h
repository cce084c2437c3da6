#pragma once

#include "GameState.h"
#include "IniDocument.h"

namespace vlnobrod {

// The logbook is kept in a section of its own, "Denik", which files from before it simply
// lack: such a file gives an empty logbook. Per city NN: MestoNNDen and MestoNNCeny (the day
// and the fourteen prices, separated by blanks) of the last visit, and MestoNNPredchoziDen
// and MestoNNPredchoziCeny of the visit before; "Mesto" names the city of the visit under
// way.
inline constexpr const char* LogbookSection = "Denik";

// Reads the logbook of the cities the game has (PocetMest read already). A page that does
// not read as a day and fourteen prices counts as never written; a visit before without a
// last visit is dropped with it.
void ReadLogbook(const IniDocument& doc, GameState& st);

// Writes the logbook into the section, every page the game has, an empty value where a city
// has none. A game without a single page adds no section to a file that has none.
void WriteLogbook(IniDocument& doc, const GameState& st);

} // namespace vlnobrod
