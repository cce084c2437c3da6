// Arbitrary bytes as a map or a saved game, read as the port screen reads it: the reader must
// not crash, and a file it takes must give a game that keeps every rule of the file format,
// whatever the file held.
#include "FuzzOptions.h"
#include "state/GameFile.h"
#include "state/IniDocument.h"
#include "state/Numbers.h"
#include "state/Text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vlnobrod;

namespace {

bool isSum(double v) {
    return std::isfinite(v) && std::fabs(v) <= MaxMoney;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniDocument doc = IniDocument::Parse(text::DecodeFile(bytes).utf8);
    GameState g;
    g.Hotovost = 42;
    const GameFileResult read = ReadGame(doc, g);
    if (!read) {
        check(g.Hotovost == 42 && g.PocetMest == 0); // a refused file leaves the game alone
        check(!read.Reason("x").empty());
        return 0;
    }
    check(g.PocetMest >= 1 && g.PocetMest <= MaxCities);
    check(doc.HasSection(CitySection(g.PocetMest - 1)));
    check(g.AktualniMesto < g.PocetMest);
    check(!g.Mapa.empty() && g.Mapa != ".." && g.Mapa.find('/') == std::string::npos &&
          g.Mapa.find('\\') == std::string::npos);
    check(g.Den >= 0 && isSum(g.Hotovost) && isSum(g.Konto));
    check(g.Obtiznost >= 1 && g.Obtiznost <= 5);
    check(g.Fleet.Pocet >= 0 && g.Fleet.Nosnost > 0 && g.Fleet.Rychlost > 0 && g.Fleet.Typ <= 2);
    for (const double cargo : g.Fleet.Naklad)
        check(std::isfinite(cargo) && cargo >= 0);
    for (int i = 0; i < g.PocetMest; ++i) {
        const CityRecord& c = g.Cities[static_cast<std::size_t>(i)];
        check(c.Velikost <= 4 && isSum(c.Pristup) && c.Pristup >= 0);
        check(c.X >= 0 && c.X <= 849 - 16 && c.Y >= 0 && c.Y <= 471 - 16);
        check(StorableDescription(c.PopisTrhu) == c.PopisTrhu); // a save keeps it whole
        const auto [first, second] = SplitDescription(c.PopisTrhu);
        check(text::CharCount(first) <= 54 && text::CharCount(second) <= 98);
    }
    for (int i = g.PocetMest; i < MaxCities; ++i)
        check(g.Cities[static_cast<std::size_t>(i)].Nazev.empty());
    return 0;
}
