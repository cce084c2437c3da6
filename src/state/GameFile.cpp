#include "GameFile.h"

#include "LogbookFile.h"
#include "Numbers.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <string_view>
#include <type_traits>

namespace vlnobrod {

namespace {

// What a game can hold. City labels lie on the 849 x 471 chart with at least a corner of
// 16 pixels on it, enough to see and to click.
constexpr int ChartWidth = 849, ChartHeight = 471, MarkerCorner = 16;
constexpr std::uint8_t ShipTypes = 3;      // small merchant, large merchant, galleon
constexpr std::uint8_t CitySizes = 5;      // "malé" .. "velkoměsto"
constexpr std::uint8_t MaxDifficulty = 5;  // the shipped maps go up to 3
constexpr std::size_t FirstPartChars = 54; // of a market description
constexpr std::size_t PartChars = Profiles::MaxValueChars;

using Key = IniDocument::Key;

// A reader for one section that converts each key to its field's type, falling back to the
// key's default when the stored text does not fit.
class FieldReader {
public:
    FieldReader(const IniDocument& doc, std::string_view section)
        : section_(doc.FindSection(section)) {}

    std::string Str(const Key& key, std::string_view def) {
        return Profiles::ValueOf(section_, key, def);
    }
    // The same without a copy.
    std::string_view View(const Key& key, std::string_view def) {
        const std::string_view v = section_.Find(key).value_or(def);
        return v.substr(0, text::PrefixBytes(v, Profiles::MaxValueChars));
    }
    // The stored text without a copy, for numbers (none is anywhere near 98 characters).
    std::string_view Raw(const Key& key) { return section_.Find(key).value_or(std::string_view()); }

    double Number(std::string_view raw, double def, double lo, double hi) {
        const auto v = ParseNumber(raw);
        if (!v || *v < lo || *v > hi)
            return def;
        return *v;
    }
    // A whole number of the field's own type; one the type cannot hold gives the default.
    // Most are plain whole numbers, which need no double on their way; any other goes
    // through one and is rounded.
    template <typename Int> Int Whole(const Key& key, Int def) {
        constexpr std::int64_t lo = std::numeric_limits<Int>::min();
        constexpr std::int64_t hi = std::numeric_limits<Int>::max();
        const std::string_view raw = Raw(key);
        bool minus = false;
        std::int64_t digits = 0;
        if (ReadPlainWhole(raw, minus, digits)) {
            const std::int64_t v = minus ? -digits : digits;
            return v < lo || v > hi ? def : static_cast<Int>(v);
        }
        const double v =
            Number(raw, def, static_cast<double>(lo) - 0.5, static_cast<double>(hi) + 0.5);
        if constexpr (std::is_same_v<Int, std::uint8_t>)
            return ToU8(v);
        else
            return ToI16(v);
    }

    std::uint8_t U8(const Key& key, std::uint8_t def) { return Whole<std::uint8_t>(key, def); }
    // An 8-bit value that means something only within lo .. hi.
    std::uint8_t U8In(const Key& key, std::uint8_t def, std::uint8_t lo, std::uint8_t hi) {
        const std::uint8_t v = U8(key, def);
        return v < lo || v > hi ? def : v;
    }
    std::int16_t I16(const Key& key, std::int16_t def) { return Whole<std::int16_t>(key, def); }
    double Double(const Key& key, double def) {
        return Number(Raw(key), def, std::numeric_limits<double>::lowest(),
                      std::numeric_limits<double>::max());
    }
    double Money(const Key& key, double def) { return ParseMoney(Raw(key)).value_or(def); }
    bool Bool(const Key& key, bool def) {
        const std::string s = text::FoldCase(Raw(key));
        if (s == "true")
            return true;
        if (s == "false")
            return false;
        const auto v = ParseNumber(s);
        return v ? *v != 0 : def;
    }

private:
    IniDocument::Section section_;
};

// The key names, made once: a game reads and writes hundreds of them, the same in every
// city's section.
struct KeyNames {
    Key Nazev = "Nazev", Velikost = "Velikost", PopisTrhu = "PopisTrhu", PopisTrhu2 = "PopisTrhu2",
        PruzkumTrhu = "PruzkumTrhu", Banka = "Banka", Casino = "Casino", Pristup = "Pristup",
        X = "X", Y = "Y";
    // Cena, MinCena, Produkce, RanniCena, Dopad
    std::array<std::array<Key, 5>, MarketSize> market;
    std::array<Key, CargoSlots> cargo;
    std::array<std::string, MaxCities> cities;
    KeyNames() {
        for (int nn = 0; nn < MarketSize; ++nn) {
            const std::string trh = "Trh" + TwoDigits(nn);
            market[static_cast<std::size_t>(nn)] = {trh + "Cena", trh + "MinCena", trh + "Produkce",
                                                    trh + "RanniCena", trh + "Dopad"};
        }
        for (int nn = 0; nn < CargoSlots; ++nn)
            cargo[static_cast<std::size_t>(nn)] = "Naklad" + TwoDigits(nn);
        for (int i = 0; i < MaxCities; ++i)
            cities[static_cast<std::size_t>(i)] = CitySection(i);
    }
};
const KeyNames& keyNames() {
    static const KeyNames names;
    return names;
}

std::string boolText(bool b) {
    return b ? "255" : "0";
}

// A map id names the chart and the map file in the data folder: a file name, nothing more.
bool isPlainFileName(const std::string& s) {
    if (s.empty() || s == "." || s == "..")
        return false;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

// How many cities the file has: its count, at most nine, and no more than the city
// sections that follow one another from Mesto00.
std::uint8_t cityCount(const IniDocument& doc, FieldReader& map) {
    // Any number, however large, is a count over nine.
    const double stored = ParseMoney(map.Raw("PocetMest")).value_or(0);
    std::uint8_t n = stored >= MaxCities ? MaxCities : ToU8(std::max(stored, 0.0));
    for (std::uint8_t i = 0; i < n; ++i)
        if (!doc.HasSection(keyNames().cities[i]))
            return i;
    return n;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

const std::string VoyageSection = "Plavba";

// A game saved at sea: the voyage goes on. Files without the section, with an empty one (a
// save in port over a file that was at sea) or with one that does not fit the game are in
// port. The destination is the current city, as the voyage set it at departure.
VoyageRecord ReadVoyage(const IniDocument& doc, const GameState& st) {
    FieldReader r(doc, VoyageSection);
    VoyageRecord v;
    const std::int16_t kam = r.I16("Kam", -1);
    const std::int16_t odkud = r.I16("Odkud", -1);
    if (kam != st.AktualniMesto || odkud < 0 || odkud >= st.PocetMest)
        return v;
    v.NaMori = true;
    v.Kam = static_cast<std::uint8_t>(kam);
    v.Odkud = static_cast<std::uint8_t>(odkud);
    // No chart is wider than 849 x 471: a longer way is a damaged file.
    v.Vzdalenost = std::clamp<std::int16_t>(r.I16("Vzdalenost", 0), 0, 1000);
    v.Pozice = std::clamp<std::int16_t>(r.I16("Pozice", 0), -1000, 1000);
    v.Tiky = r.U8("Tiky", 0);
    v.Dny = std::max<std::int16_t>(r.I16("Dny", 0), 0);
    return v;
}

void WriteVoyage(IniDocument& doc, const GameState& st) {
    const std::string& P = VoyageSection;
    const VoyageRecord& v = st.Plavba;
    const bool atSea = v.NaMori && st.PendingAction == Pending::Voyage;
    if (!atSea) {
        // A game in port writes no voyage; one left from a save at sea is emptied.
        if (doc.HasSection(P))
            for (const char* key : {"Odkud", "Kam", "Vzdalenost", "Pozice", "Tiky", "Dny"})
                doc.Set(P, key, "");
        return;
    }
    doc.Set(P, "Odkud", std::to_string(v.Odkud));
    doc.Set(P, "Kam", std::to_string(v.Kam));
    doc.Set(P, "Vzdalenost", std::to_string(v.Vzdalenost));
    doc.Set(P, "Pozice", std::to_string(v.Pozice));
    doc.Set(P, "Tiky", std::to_string(v.Tiky));
    doc.Set(P, "Dny", std::to_string(v.Dny));
}

} // namespace

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

std::string CitySection(int index) {
    return "Mesto" + TwoDigits(index);
}

namespace {

// The two parts of a description, as pieces of it: a game loads nine of them.
std::pair<std::string_view, std::string_view> splitDescription(std::string_view description) {
    const std::string_view t = trimBlanks(description);
    // Where the first characters start, as far as the first part and the one after it reach.
    std::array<std::size_t, FirstPartChars + 2> at{};
    std::size_t chars = 0;
    for (std::size_t i = 0; i < t.size() && chars < at.size(); ++chars) {
        at[chars] = i;
        i += static_cast<unsigned char>(t[i]) < 0x80 ? 1 : text::PrefixBytes(t.substr(i), 1);
    }
    if (chars <= FirstPartChars) // all of it seen
        return {t, {}};
    auto blank = [&](std::size_t k) { return isBlank(t[at[k]]); };
    // The last single blank between two words within reach of the first part: a space, the
    // blank that reading puts back.
    for (std::size_t k = FirstPartChars - 1; k >= 1; --k)
        if (t[at[k]] == ' ' && !blank(k - 1) && !blank(k + 1))
            return {t.substr(0, at[k]), t.substr(at[k + 1])};
    const std::string_view first = t.substr(0, at[FirstPartChars]);
    const std::string_view second = t.substr(at[FirstPartChars]);
    // A word too long for the first part is cut; blanks around the cut do not survive.
    return {trimBlanks(first), trimBlanks(second)};
}

std::string joinDescription(std::string_view first, std::string_view second) {
    if (second.empty())
        return std::string(first);
    if (first.empty())
        return std::string(second);
    // A full first part is a word cut in two (and how every older save split descriptions);
    // a blank kept at either side (in quotes) is the file's own.
    const bool apart = text::CharCount(first) < FirstPartChars && !isBlank(first.back()) &&
                       !isBlank(second.front());
    std::string joined;
    joined.reserve(first.size() + 1 + second.size());
    joined += first;
    if (apart)
        joined += ' ';
    joined += second;
    return joined;
}

std::string storableDescription(std::string_view description) {
    const auto [first, second] = splitDescription(description);
    return joinDescription(first,
                           trimBlanks(second.substr(0, text::PrefixBytes(second, PartChars))));
}

} // namespace

std::pair<std::string, std::string> SplitDescription(const std::string& description) {
    const auto [first, second] = splitDescription(description);
    return {std::string(first), std::string(second)};
}

std::string JoinDescription(const std::string& first, const std::string& second) {
    return joinDescription(first, second);
}

std::string StorableDescription(const std::string& description) {
    return storableDescription(description);
}

std::string GameFileResult::Reason(const std::string& path) const {
    switch (problem) {
    case GameFileProblem::None:
        return {};
    case GameFileProblem::Unreadable:
        return "soubor " + path + " chybí nebo se nedá přečíst.";
    case GameFileProblem::NoGame:
        return "soubor " + path + " není hra ani mapa (chybí v něm oddíl [Mapa]).";
    case GameFileProblem::NoCities:
        return "v souboru " + path + " není žádné město.";
    case GameFileProblem::BadMapId:
        return "soubor " + path + " uvádí mapu „" + mapId + "“, což není název souboru.";
    }
    return {};
}

GameFileResult ReadGameFile(Profiles& profiles, const std::string& path, GameState& out) {
    // One look at the disk for the whole game.
    const IniDocument* doc = profiles.ReadableSnapshot(path);
    if (!doc)
        return {GameFileProblem::Unreadable, {}};
    return ReadGame(*doc, out);
}

GameFileResult ReadGame(const IniDocument& doc, GameState& st) {
    const std::string M = "Mapa";
    if (!doc.HasSection(M))
        return {GameFileProblem::NoGame, {}};
    FieldReader r(doc, M);
    // Everything that refuses the file comes first: a refused file leaves the game alone.
    const std::uint8_t cities = cityCount(doc, r);
    if (cities == 0)
        return {GameFileProblem::NoCities, {}};
    std::string map = r.Str("Mapa", "Mapa1");
    if (!isPlainFileName(map))
        return {GameFileProblem::BadMapId, map};

    // The order of reading follows the port screen's loading.
    st.PocetMest = cities;
    st.Mapa = std::move(map);
    for (int i = 0; i < MaxCities; ++i) {
        CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        if (i >= st.PocetMest) {
            c = CityRecord{};
            continue;
        }
        const KeyNames& k = keyNames();
        FieldReader s(doc, k.cities[static_cast<std::size_t>(i)]);
        c.Nazev = s.Str(k.Nazev, "Neznamo");
        c.Velikost = s.U8In(k.Velikost, 2, 0, CitySizes - 1);
        c.PopisTrhu = storableDescription(
            joinDescription(s.View(k.PopisTrhu, "neznám"), s.View(k.PopisTrhu2, "")));
        c.PruzkumTrhu = s.U8(k.PruzkumTrhu, 0);
        c.Banka = s.Bool(k.Banka, false);
        c.Casino = s.Bool(k.Casino, false);
        c.Pristup = std::max(s.Money(k.Pristup, 0), 0.0); // a negative price is no price
        c.X = std::clamp<std::int16_t>(s.I16(k.X, 0), 0, ChartWidth - MarkerCorner);
        c.Y = std::clamp<std::int16_t>(s.I16(k.Y, 0), 0, ChartHeight - MarkerCorner);
        for (std::size_t nn = 0; nn < MarketSize; ++nn) {
            MarketEntry& m = c.Trh[nn];
            const auto& key = k.market[nn];
            m.Cena = s.I16(key[0], 0);
            m.MinCena = s.I16(key[1], 0);
            m.Produkce = s.I16(key[2], 0);
            // Files from before the opening prices were kept open the day at the prices
            // they hold; so does a value that cannot be a price.
            m.RanniCena = s.I16(key[3], 0);
            if (m.RanniCena <= 0 || m.Cena == 0)
                m.RanniCena = m.Cena;
            m.Dopad = s.I16(key[4], 0);
        }
    }
    ReadLogbook(doc, st);
    st.Name = r.Str("Name", "XXX");
    st.Company = r.Str("Company", "XXX");

    FieldReader l(doc, "Lode");
    st.Fleet.Pocet = std::max<std::int16_t>(l.I16("Pocet", 1), 0);
    st.Fleet.Poskozeni = l.U8("Poskozeni", 0);
    st.Fleet.Nosnost = l.U8In("Nosnost", 50, 1, 255);
    st.Fleet.Typ = l.U8In("Typ", 0, 0, ShipTypes - 1);
    st.Fleet.Rychlost = l.U8In("Rychlost", 15, 1, 255);
    for (std::size_t nn = 0; nn < CargoSlots; ++nn)
        st.Fleet.Naklad[nn] = std::max(l.Double(keyNames().cargo[nn], 0), 0.0);

    st.Hotovo = r.Bool("Hotovo", false);
    const std::int16_t city = r.I16("AktualniMesto", 0);
    st.AktualniMesto = (city < 0 || city >= st.PocetMest) ? 0 : static_cast<std::uint8_t>(city);
    st.Obtiznost = r.U8In("Obtiznost", 1, 1, MaxDifficulty);
    st.Den = std::max<std::int16_t>(r.I16("Den", 0), 0);
    st.Hotovost = r.Money("Hotovost", 10000);
    st.Konto = r.Money("Konto", 10000);
    st.Plavba = ReadVoyage(doc, st);
    return {};
}

void WriteGame(IniDocument& doc, const GameState& st) {
    const NumberLocale& loc = st.locale;
    const std::string M = "Mapa";
    doc.Set(M, "PocetMest", std::to_string(st.PocetMest));
    for (int i = 0; i < st.PocetMest; ++i) {
        const CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        const std::string& S = keyNames().cities[static_cast<std::size_t>(i)];
        doc.Set(S, "Nazev", c.Nazev);
        doc.Set(S, "Velikost", std::to_string(c.Velikost));
        // One key holds at most 98 characters, so the description is kept in two.
        const auto [first, second] = SplitDescription(c.PopisTrhu);
        doc.Set(S, "PopisTrhu", first);
        doc.Set(S, "PopisTrhu2", second);
        doc.Set(S, "PruzkumTrhu", std::to_string(c.PruzkumTrhu));
        doc.Set(S, "Banka", boolText(c.Banka));
        doc.Set(S, "Casino", boolText(c.Casino));
        doc.Set(S, "Pristup", FormatDouble(ClampMoney(c.Pristup), loc));
        doc.Set(S, "X", FormatSingle(static_cast<float>(c.X), loc));
        doc.Set(S, "Y", FormatSingle(static_cast<float>(c.Y), loc));
        for (std::size_t nn = 0; nn < MarketSize; ++nn) {
            const MarketEntry& m = c.Trh[nn];
            const auto& key = keyNames().market[nn];
            doc.Set(S, key[0].Name(), std::to_string(m.Cena));
            doc.Set(S, key[1].Name(), std::to_string(m.MinCena));
            doc.Set(S, key[2].Name(), std::to_string(m.Produkce));
            doc.Set(S, key[3].Name(), std::to_string(m.RanniCena));
            doc.Set(S, key[4].Name(), std::to_string(m.Dopad));
        }
    }
    WriteLogbook(doc, st);
    doc.Set(M, "Name", st.Name);
    doc.Set(M, "Company", st.Company);
    doc.Set(M, "Mapa", st.Mapa);
    // Held at the bound, so the sum reads back as written.
    doc.Set(M, "Hotovost", FormatDouble(ClampMoney(st.Hotovost), loc));
    doc.Set(M, "Konto", FormatDouble(ClampMoney(st.Konto), loc));
    doc.Set(M, "Den", std::to_string(st.Den));
    doc.Set(M, "AktualniMesto", std::to_string(st.AktualniMesto));
    doc.Set(M, "Hotovo", boolText(st.Hotovo));

    const std::string L = "Lode";
    doc.Set(L, "Pocet", std::to_string(st.Fleet.Pocet));
    doc.Set(L, "Poskozeni", std::to_string(st.Fleet.Poskozeni));
    doc.Set(L, "Nosnost", std::to_string(st.Fleet.Nosnost));
    doc.Set(L, "Typ", std::to_string(st.Fleet.Typ));
    doc.Set(L, "Rychlost", std::to_string(st.Fleet.Rychlost));
    for (std::size_t nn = 0; nn < CargoSlots; ++nn)
        doc.Set(L, keyNames().cargo[nn].Name(), FormatDouble(st.Fleet.Naklad[nn], loc));
    WriteVoyage(doc, st);
}

} // namespace vlnobrod
