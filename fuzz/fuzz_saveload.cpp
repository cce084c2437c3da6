// Arbitrary bytes as a map or a saved game, loaded, saved over a copy of itself and loaded
// again: what a save writes must load as the same game. Everything happens in memory; a
// whole save and load for every input makes this the slowest of the targets.
#include "FuzzOptions.h"
#include "state/GameFile.h"
#include "state/IniDocument.h"
#include "state/Text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vlnobrod;

namespace {

// Everything a save writes, as it writes it: two games that save alike are the same game.
// Sums go through the file with fifteen digits, so the first trip may round them.
std::string asSaved(GameState g) {
    if (g.Plavba.NaMori)
        g.PendingAction = Pending::Voyage;
    g.locale = {};
    IniDocument doc;
    WriteGame(doc, g);
    return doc.Serialize();
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
    if (loaded.Plavba.NaMori)
        loaded.PendingAction = Pending::Voyage; // as the port screen sails on with it
    WriteGame(saved, loaded);
    GameState back;
    check(static_cast<bool>(ReadGame(IniDocument::Parse(saved.Serialize()), back)));
    check(asSaved(loaded) == asSaved(back));
    check(loaded.Obtiznost == back.Obtiznost); // not saved: it rides along in the copied file
    return 0;
}
