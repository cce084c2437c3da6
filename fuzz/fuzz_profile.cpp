// Arbitrary bytes as a profile file, whatever an editor, a broken disk or a stranger leaves
// in a map or a save: the parser must not crash, must give back exactly the text it was
// given, must read a value as it was written, and an edit must change only what it writes.
#include "FuzzOptions.h"
#include "state/IniDocument.h"
#include "state/Text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using namespace vlnobrod;

namespace {

// What reading gives for a value the game wrote: one line up to the first NUL, blanks and
// quotes and all.
std::string asRead(std::string v) {
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    return v.substr(0, v.find('\0'));
}

constexpr std::array<std::array<const char*, 2>, 6> probes = {{{"Mapa", "Den"},
                                                               {"Mapa", "Name"},
                                                               {"Lode", "Pocet"},
                                                               {"Mesto00", "Nazev"},
                                                               {"mesto00", "popistrhu"},
                                                               {"S", "K"}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The encodings: what was read is read the same after being written back.
    const text::DecodedText decoded = text::DecodeFile(bytes);
    const text::DecodedText again =
        text::DecodeFile(text::EncodeFile(decoded.utf8, decoded.encoding));
    check(again.utf8 == decoded.utf8);

    // The parser keeps every line and line end.
    const IniDocument doc = IniDocument::Parse(decoded.utf8);
    check(doc.Serialize() == decoded.utf8);

    // Writing two keys, a new one and (where the file has it) one in place: each reads back
    // as written, nothing else changes, and the file says the same after being parsed again.
    std::array<std::optional<std::string_view>, probes.size()> before; // doc stays as it is
    for (std::size_t i = 0; i < probes.size(); ++i)
        before[i] = doc.Find(probes[i][0], probes[i][1]);
    const std::string value(bytes.substr(bytes.size() / 2, 60));
    IniDocument edited = doc;
    edited.Set("Zkouska", "Klic", value);
    edited.Set("Mapa", "Name", "Nový");
    check(edited.Get("zkouska", "KLIC") == asRead(value));
    const IniDocument reparsed = IniDocument::Parse(edited.Serialize());
    check(reparsed.Get("Zkouska", "Klic") == asRead(value));
    check(reparsed.Get("MAPA", "name") == "Nový");
    for (std::size_t i = 0; i < probes.size(); ++i) {
        if (probes[i][1] == std::string_view("Name"))
            continue;
        check(edited.Find(probes[i][0], probes[i][1]) == before[i]);
        check(reparsed.Find(probes[i][0], probes[i][1]) == before[i]);
    }

    // Text helpers on a piece of whatever came in (the whole went through them above).
    const std::string t = text::CharPrefix(decoded.utf8, 64);
    std::string swapped = t; // the same name with the case of its ASCII letters turned
    for (char& c : swapped)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c >= 'A' && c <= 'Z' ? c + 32 : c);
    check(text::EqualFolded(t, swapped) && text::FoldedHash(t) == text::FoldedHash(swapped));
    const std::size_t n = size % 67;
    check(text::CharPrefix(t, n) + t.substr(text::PrefixBytes(t, n)) == t);
    check(text::CharCount(text::CharPrefix(t, n)) == std::min(n, text::CharCount(t)));
    if (const auto cp = text::Utf8ToCp1250(t))
        check(text::Cp1250ToUtf8(*cp) == t);
    return 0;
}
