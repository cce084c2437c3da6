#include "GameFile.h"

#include "LogbookFile.h"
#include "Numbers.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

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
constexpr std::size_t NameChars = 30;         // the start form's limit for the owner and company
constexpr double MaxPrice = 999;              // no day change or trade leaves a price higher
constexpr double MaxCargo = 32767.0 * 255;    // the hold of the largest fleet
constexpr std::uint8_t MaxDamageInPort = 100; // more sinks a ship as the fleet arrives
constexpr double I16Min = std::numeric_limits<std::int16_t>::min();
constexpr double I16Max = std::numeric_limits<std::int16_t>::max();

// What a number outside its range becomes, and whether the save writes it.
enum class Outside { Default, Nearest };
enum class Use { ReadAndWrite, ReadOnly };
struct Range {
    double lo, hi, def;
    Outside outside = Outside::Default;
    Use use = Use::ReadAndWrite;
};
struct Chars { // text of at most `chars` characters
    std::size_t chars;
    const char* def;
};
struct Flag { // "255" or "0" written; "True", "false" or any number read
    bool def;
};
struct Description {}; // the market description, kept in two keys
struct CityCount {};   // read with the checks that come before anything else
struct Pages {};       // the logbook, a section of its own (LogbookFile)

const std::string MapSection = "Mapa", FleetSection = "Lode", VoyageSection = "Plavba";

// The keys of a market slot, made once: every load and save asks for all of them.
struct MarketKeys {
    std::string cena, minCena, produkce, ranniCena, dopad;
};
const std::array<MarketKeys, MarketSize>& marketKeys() {
    static const std::array<MarketKeys, MarketSize> keys = [] {
        std::array<MarketKeys, MarketSize> k;
        for (std::size_t nn = 0; nn < MarketSize; ++nn) {
            const std::string trh = "Trh" + TwoDigits(static_cast<int>(nn));
            k[nn] = {trh + "Cena", trh + "MinCena", trh + "Produkce", trh + "RanniCena",
                     trh + "Dopad"};
        }
        return k;
    }();
    return keys;
}

// Every key of a game, in the order a save writes them, with its field and what it may hold:
// reading, bringing into range and writing all walk this one list. `State` is a GameState,
// const for writing.
template <typename State, typename Visit> void eachKey(State& st, Visit&& visit) {
    const std::string& M = MapSection;
    const double lastCity = st.PocetMest - 1;
    visit(M, "PocetMest", st.PocetMest, CityCount{});
    visit(M, "Name", st.Name, Chars{NameChars, "XXX"});
    visit(M, "Company", st.Company, Chars{NameChars, "XXX"});
    visit(M, "Mapa", st.Mapa, Chars{PartChars, "Mapa1"});
    visit(M, "Hotovost", st.Hotovost, Range{-MaxMoney, MaxMoney, 10000});
    visit(M, "Konto", st.Konto, Range{-MaxMoney, MaxMoney, 10000});
    visit(M, "Den", st.Den, Range{0, I16Max, 0, Outside::Nearest});
    visit(M, "AktualniMesto", st.AktualniMesto, Range{0, lastCity, 0});
    visit(M, "Hotovo", st.Hotovo, Flag{false});
    // The difficulty rides along in the copied state file.
    visit(M, "Obtiznost", st.Obtiznost,
          Range{1, MaxDifficulty, 1, Outside::Default, Use::ReadOnly});
    for (std::size_t i = 0; i < st.PocetMest; ++i) {
        auto& c = st.Cities[i];
        const std::string S = CitySection(static_cast<int>(i));
        visit(S, "Nazev", c.Nazev, Chars{PartChars, "Neznamo"});
        visit(S, "Velikost", c.Velikost, Range{0, CitySizes - 1, 2});
        visit(S, "PopisTrhu", c.PopisTrhu, Description{}); // and PopisTrhu2
        visit(S, "PruzkumTrhu", c.PruzkumTrhu, Range{0, 255, 0});
        visit(S, "Banka", c.Banka, Flag{false});
        visit(S, "Casino", c.Casino, Flag{false});
        visit(S, "Pristup", c.Pristup, Range{0, MaxMoney, 0}); // a negative price is no price
        visit(S, "X", c.X, Range{0, ChartWidth - MarkerCorner, 0, Outside::Nearest});
        visit(S, "Y", c.Y, Range{0, ChartHeight - MarkerCorner, 0, Outside::Nearest});
        for (std::size_t nn = 0; nn < MarketSize; ++nn) {
            auto& m = c.Trh[nn];
            const MarketKeys& k = marketKeys()[nn];
            visit(S, k.cena, m.Cena, Range{0, MaxPrice, 0, Outside::Nearest});
            visit(S, k.minCena, m.VcerejsiCena, Range{0, MaxPrice, 0, Outside::Nearest});
            visit(S, k.produkce, m.Produkce, Range{I16Min, I16Max, 0});
            // 0: the day opened at today's price (see settle).
            visit(S, k.ranniCena, m.RanniCena, Range{1, MaxPrice, 0});
            visit(S, k.dopad, m.Dopad, Range{I16Min, I16Max, 0});
        }
    }
    visit(LogbookSection, "", st.Denik, Pages{});
    const std::string& L = FleetSection;
    auto& f = st.Fleet;
    visit(L, "Pocet", f.Pocet, Range{0, I16Max, 1, Outside::Nearest});
    visit(L, "Poskozeni", f.Poskozeni, Range{0, 255, 0}); // at most 100 in port (see settle)
    visit(L, "Nosnost", f.Nosnost, Range{1, 255, 50});
    visit(L, "Typ", f.Typ, Range{0, ShipTypes - 1, 0});
    visit(L, "Rychlost", f.Rychlost, Range{1, 255, 15});
    for (std::size_t nn = 0; nn < CargoSlots; ++nn)
        visit(L, "Naklad" + TwoDigits(static_cast<int>(nn)), f.Naklad[nn], Range{0, MaxCargo, 0});
    // A game saved at sea (see settle for what must agree with the chart).
    const std::string& P = VoyageSection;
    auto& v = st.Plavba;
    visit(P, "Odkud", v.Odkud, Range{0, lastCity, NoCity});
    visit(P, "Kam", v.Kam, Range{0, lastCity, NoCity});
    visit(P, "Vzdalenost", v.Vzdalenost, Range{0, I16Max, 0, Outside::Nearest});
    visit(P, "Pozice", v.Pozice, Range{-1000, 1000, 0, Outside::Nearest});
    visit(P, "Tiky", v.Tiky, Range{0, 255, 0});
    visit(P, "Dny", v.Dny, Range{0, I16Max, 0, Outside::Nearest});
}

// Converts each key's text to its field, falling back to the key's default when the text
// does not fit, and brings numbers into their range.
class Reader {
public:
    Reader(const IniDocument& doc, GameState& st)
        : doc_(doc), st_(st), section_(doc.FindSection(MapSection)) {}

    void operator()(const std::string& s, std::string_view key, std::string& field, Chars c) {
        field = text::CharPrefix(Raw(s, key).value_or(c.def), c.chars);
    }
    void operator()(const std::string& s, std::string_view key, std::string& field, Description) {
        field = StorableDescription(
            JoinDescription(Part(s, key, "neznám"), Part(s, std::string(key) + "2", "")));
    }
    void operator()(const std::string& s, std::string_view key, bool& field, Flag f) {
        const std::string_view v = Raw(s, key).value_or("");
        const auto n = ParseNumber(v);
        field = text::EqualFolded(v, "true") ||
                (!text::EqualFolded(v, "false") && (n ? *n != 0 : f.def));
    }
    void operator()(const std::string& s, std::string_view key, double& field, Range r) {
        const auto v = ParseMoney(Raw(s, key).value_or("")); // held within +-MaxMoney
        field = v ? std::clamp(*v, r.lo, r.hi) : r.def;
    }
    void operator()(const std::string& s, std::string_view key, std::uint8_t& f, Range r) {
        f = static_cast<std::uint8_t>(Whole<std::uint8_t>(s, key, r));
    }
    void operator()(const std::string& s, std::string_view key, std::int16_t& f, Range r) {
        f = static_cast<std::int16_t>(Whole<std::int16_t>(s, key, r));
    }
    void operator()(const std::string&, std::string_view, std::uint8_t&, CityCount) {}
    void operator()(const std::string&, std::string_view, Logbook&, Pages) {
        ReadLogbook(doc_, st_);
    }

private:
    std::optional<std::string_view> Raw(const std::string& s, std::string_view key) {
        if (s != name_) {
            name_ = s;
            section_ = doc_.FindSection(s);
        }
        return section_.Find(key);
    }
    std::string Part(const std::string& s, std::string_view key, std::string_view def) {
        const std::string_view v = Raw(s, key).value_or(def);
        return std::string(v.substr(0, text::PrefixBytes(v, PartChars)));
    }
    // A whole number of the field's own type (any other number is rounded); one the type
    // cannot hold gives the default.
    template <typename Int> double Whole(const std::string& s, std::string_view key, Range r) {
        constexpr double lo = std::numeric_limits<Int>::min(), hi = std::numeric_limits<Int>::max();
        const auto raw = Raw(s, key); // most maps lack a few keys
        const auto v = raw ? ParseNumber(*raw) : std::nullopt;
        if (!v || *v < lo - 0.5 || *v > hi + 0.5)
            return r.def;
        const double n = std::clamp(std::nearbyint(*v), lo, hi);
        if (n >= r.lo && n <= r.hi)
            return n;
        return r.outside == Outside::Nearest ? std::clamp(n, r.lo, r.hi) : r.def;
    }

    const IniDocument& doc_;
    GameState& st_;
    std::string name_ = MapSection;
    IniDocument::Section section_;
};

// Writes each key into the document, over the key of the same name where the file has one.
class Writer {
public:
    Writer(IniDocument& doc, const GameState& st)
        : doc_(doc), st_(st), atSea_(st.Plavba.NaMori && st.PendingAction == Pending::Voyage) {}

    void operator()(const std::string& s, std::string_view key, const std::string& f, Chars) {
        Put(s, key, f);
    }
    void operator()(const std::string& s, std::string_view key, const std::string& f, Description) {
        // One key holds at most 98 characters, so the description is kept in two.
        const auto [first, second] = SplitDescription(f);
        Put(s, key, first);
        Put(s, std::string(key) + "2", second);
    }
    void operator()(const std::string& s, std::string_view key, bool f, Flag) {
        Put(s, key, f ? "255" : "0");
    }
    // Held at the bound, so the number reads back as written.
    void operator()(const std::string& s, std::string_view key, double f, Range r) {
        Put(s, key, FormatDouble(std::clamp(f, r.lo, r.hi), st_.locale));
    }
    void operator()(const std::string& s, std::string_view key, std::int16_t f, Range r) {
        if (r.use == Use::ReadAndWrite)
            Put(s, key, std::to_string(f));
    }
    void operator()(const std::string& s, std::string_view key, std::uint8_t f, Range r) {
        if (r.use == Use::ReadAndWrite)
            Put(s, key, std::to_string(f));
    }
    void operator()(const std::string& s, std::string_view key, std::uint8_t f, CityCount) {
        Put(s, key, std::to_string(f));
    }
    void operator()(const std::string&, std::string_view, const Logbook&, Pages) {
        WriteLogbook(doc_, st_);
    }

private:
    void Put(const std::string& s, std::string_view key, std::string_view value) {
        // A game in port writes no voyage; one left from a save at sea is emptied.
        if (s == VoyageSection && !atSea_) {
            if (doc_.HasSection(s))
                doc_.Set(s, key, "");
            return;
        }
        doc_.Set(s, key, value);
    }

    IniDocument& doc_;
    const GameState& st_;
    bool atSea_;
};

// The length of a voyage between two cities, as the fleet measures it when it sets sail.
std::int16_t chartDistance(const CityRecord& from, const CityRecord& to) {
    const double dx = double(to.X) - from.X;
    const double dy = double(to.Y) - from.Y;
    return ToI16(std::sqrt(dy * dy + dx * dx));
}

// Values that must agree with each other, brought into agreement once all are read.
void settle(GameState& st, bool newGame) {
    // Files from before the opening prices were kept open the day at the prices they hold;
    // so does a value that cannot be a price.
    for (CityRecord& c : st.Cities)
        for (MarketEntry& m : c.Trh)
            if (m.RanniCena == 0 || m.Cena == 0)
                m.RanniCena = m.Cena;
    // A game saved at sea sails on to the current city, as the voyage set it at departure.
    // A file without a voyage, with an empty one (a save in port over a file that was at
    // sea) or with one that does not fit the game is in port; so is a new game, whatever a
    // map carries, for its goal comes first. No voyage leads into a closed city: that fleet
    // never left the city it came from.
    VoyageRecord& v = st.Plavba;
    const bool sailing = !newGame && v.Kam == st.AktualniMesto && v.Odkud < st.PocetMest;
    if (sailing && st.Cities[v.Kam].Pristup > 0)
        st.AktualniMesto = v.Odkud;
    if (sailing && st.Cities[v.Kam].Pristup == 0) {
        v.NaMori = true;
        v.Vzdalenost = chartDistance(st.Cities[v.Odkud], st.Cities[v.Kam]);
    } else {
        v = VoyageRecord{};
        st.Fleet.Poskozeni = std::min(st.Fleet.Poskozeni, MaxDamageInPort);
    }
}

// A map id names the chart and the map file in the data folder: a file name, nothing more.
bool isPlainFileName(const std::string& s) {
    if (s.empty() || s == "." || s == "..")
        return false;
    return std::none_of(s.begin(), s.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c == '/' || c == '\\' || c < 0x20 || c == 0x7F;
    });
}

// How many cities the file has: its count, at most nine, and no more than the city
// sections that follow one another from Mesto00.
std::uint8_t cityCount(const IniDocument& doc, const IniDocument::Section& map) {
    // Any number, however large, is a count over nine.
    const double stored = ParseMoney(map.Find("PocetMest").value_or("")).value_or(0);
    const std::uint8_t n = stored >= MaxCities ? MaxCities : ToU8(std::max(stored, 0.0));
    for (std::uint8_t i = 0; i < n; ++i)
        if (!doc.HasSection(CitySection(i)))
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
    if (!doc.HasSection(MapSection))
        return {GameFileProblem::NoGame, {}};
    // Everything that refuses the file comes first: a refused file leaves the game alone.
    const IniDocument::Section map = doc.FindSection(MapSection);
    const std::uint8_t cities = cityCount(doc, map);
    if (cities == 0)
        return {GameFileProblem::NoCities, {}};
    const std::string id = Profiles::ValueOf(map, "Mapa", "Mapa1");
    if (!isPlainFileName(id))
        return {GameFileProblem::BadMapId, id};
    st.PocetMest = cities;
    for (std::size_t i = cities; i < MaxCities; ++i)
        st.Cities[i] = CityRecord{};
    eachKey(st, Reader(doc, st));
    settle(st, st.PendingAction == Pending::NewGame);
    return {};
}

void WriteGame(IniDocument& doc, const GameState& st) {
    eachKey(st, Writer(doc, st));
}

} // namespace vlnobrod
