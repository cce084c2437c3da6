// Arbitrary bytes as a map or a saved game, loaded, saved over a copy of itself and loaded
// again: what a save writes must load as the same game. Everything happens in memory; a
// whole save and load for every input makes this the slowest of the targets.
#include "FuzzOptions.h"
#include "state/GameFile.h"
#include "state/IniDocument.h"
#include "state/Numbers.h"
#include "state/Text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

using namespace vlnobrod;

namespace {

// Sums go through the file with fifteen digits; the first trip may round them.
bool sameSum(double a, double b) {
    return FormatDouble(a, {}) == FormatDouble(b, {});
}

bool sameGame(const GameState& a, const GameState& b) {
    if (a.Mapa != b.Mapa || a.PocetMest != b.PocetMest || a.AktualniMesto != b.AktualniMesto ||
        a.Den != b.Den || !sameSum(a.Hotovost, b.Hotovost) || !sameSum(a.Konto, b.Konto) ||
        a.Name != b.Name || a.Company != b.Company || a.Hotovo != b.Hotovo ||
        a.Obtiznost != b.Obtiznost)
        return false;
    const FleetRecord &f = a.Fleet, &g = b.Fleet;
    if (f.Pocet != g.Pocet || f.Poskozeni != g.Poskozeni || f.Nosnost != g.Nosnost ||
        f.Typ != g.Typ || f.Rychlost != g.Rychlost)
        return false;
    for (int i = 0; i < CargoSlots; ++i)
        if (!sameSum(f.Naklad[static_cast<std::size_t>(i)], g.Naklad[static_cast<std::size_t>(i)]))
            return false;
    for (int i = 0; i < a.PocetMest; ++i) {
        const CityRecord &c = a.Cities[static_cast<std::size_t>(i)],
                         &d = b.Cities[static_cast<std::size_t>(i)];
        if (c.Nazev != d.Nazev || c.Velikost != d.Velikost || c.PopisTrhu != d.PopisTrhu ||
            c.PruzkumTrhu != d.PruzkumTrhu || c.Banka != d.Banka || c.Casino != d.Casino ||
            !sameSum(c.Pristup, d.Pristup) || c.X != d.X || c.Y != d.Y)
            return false;
        for (int nn = 0; nn < MarketSize; ++nn) {
            const MarketEntry &m = c.Trh[static_cast<std::size_t>(nn)],
                              &n = d.Trh[static_cast<std::size_t>(nn)];
            if (m.Cena != n.Cena || m.MinCena != n.MinCena || m.Produkce != n.Produkce)
                return false;
        }
        const LogbookCity &p = a.Denik.Mesta[static_cast<std::size_t>(i)],
                          &q = b.Denik.Mesta[static_cast<std::size_t>(i)];
        for (const auto& [x, y] :
             {std::pair(p.Posledni, q.Posledni), std::pair(p.Predchozi, q.Predchozi)})
            if (x.Den != y.Den || x.Cena != y.Cena)
                return false;
    }
    return a.Denik.Mesto == b.Denik.Mesto;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniDocument doc = IniDocument::Parse(text::DecodeFile(bytes).utf8);
    GameState loaded;
    loaded.locale.decimalSeparator = size % 2 ? ',' : '.';
    if (!ReadGame(doc, loaded))
        return 0;
    // A save starts as a copy of the file the game came from.
    IniDocument saved = doc;
    WriteGame(saved, loaded);
    GameState back;
    check(static_cast<bool>(ReadGame(IniDocument::Parse(saved.Serialize()), back)));
    check(sameGame(loaded, back));
    return 0;
}
