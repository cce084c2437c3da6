#include "GameFile.h"

#include "Numbers.h"
#include "Text.h"

#include <filesystem>
#include <limits>

namespace vlnobrod {

namespace {

// A reader for one file that converts each key to its field's type, falling back to the
// key's default when the stored text does not fit.
class FieldReader {
public:
    explicit FieldReader(const IniDocument& doc) : doc_(doc) {}

    std::string Str(const std::string& sec, const std::string& key, const std::string& def) {
        return Profiles::ValueOf(doc_, sec, key, def);
    }

    double Number(const std::string& sec, const std::string& key, double def, double lo,
                  double hi) {
        const auto v = ParseNumber(Str(sec, key, ""));
        if (!v || *v < lo || *v > hi)
            return def;
        return *v;
    }

    std::uint8_t U8(const std::string& sec, const std::string& key, std::uint8_t def) {
        return ToU8(Number(sec, key, def, -0.5, 255.5));
    }
    std::int16_t I16(const std::string& sec, const std::string& key, std::int16_t def) {
        return ToI16(Number(sec, key, def, -32768.5, 32767.5));
    }
    double Double(const std::string& sec, const std::string& key, double def) {
        return Number(sec, key, def, std::numeric_limits<double>::lowest(),
                      std::numeric_limits<double>::max());
    }
    bool Bool(const std::string& sec, const std::string& key, bool def) {
        const std::string s = text::FoldCase(Str(sec, key, ""));
        if (s == "true")
            return true;
        if (s == "false")
            return false;
        const auto v = ParseNumber(s);
        return v ? *v != 0 : def;
    }

private:
    const IniDocument& doc_;
};

std::string marketKey(int nn, const char* what) {
    return "Trh" + TwoDigits(nn) + what;
}

std::string boolText(bool b) {
    return b ? "255" : "0";
}

constexpr std::size_t DescriptionSplit = 54;

} // namespace

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

std::string CitySection(int index) {
    return "Mesto" + TwoDigits(index);
}

bool ReadGameFile(Profiles& profiles, const std::string& path, GameState& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f)
            return false;
        std::fclose(f);
    }

    GameState st = out;
    // One look at the disk for the whole game.
    FieldReader r(profiles.Snapshot(path));
    const std::string M = "Mapa";

    // The order of reading follows the port screen's loading.
    st.PocetMest = std::min<std::uint8_t>(r.U8(M, "PocetMest", 0), MaxCities);
    st.Mapa = r.Str(M, "Mapa", "Mapa1");
    for (int i = 0; i < MaxCities; ++i) {
        CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        if (i >= st.PocetMest) {
            c = CityRecord{};
            continue;
        }
        const std::string S = CitySection(i);
        c.Nazev = r.Str(S, "Nazev", "Neznamo");
        c.Velikost = r.U8(S, "Velikost", 2);
        c.PopisTrhu = r.Str(S, "PopisTrhu", "neznám") + r.Str(S, "PopisTrhu2", "");
        c.PruzkumTrhu = r.U8(S, "PruzkumTrhu", 0);
        c.Banka = r.Bool(S, "Banka", false);
        c.Casino = r.Bool(S, "Casino", false);
        c.Pristup = r.Double(S, "Pristup", 0);
        c.X = r.I16(S, "X", 0);
        c.Y = r.I16(S, "Y", 0);
        for (int nn = 0; nn < MarketSize; ++nn) {
            MarketEntry& m = c.Trh[static_cast<std::size_t>(nn)];
            m.Cena = r.I16(S, marketKey(nn, "Cena"), 0);
            m.MinCena = r.I16(S, marketKey(nn, "MinCena"), 0);
            m.Produkce = r.I16(S, marketKey(nn, "Produkce"), 0);
            // Files from before the opening prices were kept open the day at the prices
            // they hold; so does a value that cannot be a price.
            m.RanniCena = r.I16(S, marketKey(nn, "RanniCena"), 0);
            if (m.RanniCena <= 0 || m.Cena == 0)
                m.RanniCena = m.Cena;
        }
    }
    st.Name = r.Str(M, "Name", "XXX");
    st.Company = r.Str(M, "Company", "XXX");

    const std::string L = "Lode";
    st.Fleet.Pocet = r.I16(L, "Pocet", 1);
    st.Fleet.Poskozeni = r.U8(L, "Poskozeni", 0);
    st.Fleet.Nosnost = r.U8(L, "Nosnost", 50);
    st.Fleet.Typ = r.U8(L, "Typ", 0);
    st.Fleet.Rychlost = r.U8(L, "Rychlost", 15);
    for (int nn = 0; nn < CargoSlots; ++nn)
        st.Fleet.Naklad[static_cast<std::size_t>(nn)] = r.Double(L, "Naklad" + TwoDigits(nn), 0);

    st.Hotovo = r.Bool(M, "Hotovo", false);
    const std::int16_t city = r.I16(M, "AktualniMesto", 0);
    st.AktualniMesto = (city < 0 || city >= st.PocetMest) ? 0 : static_cast<std::uint8_t>(city);
    st.Obtiznost = r.U8(M, "Obtiznost", 1);
    st.Den = r.I16(M, "Den", 0);
    st.Hotovost = r.Double(M, "Hotovost", 10000);
    st.Konto = r.Double(M, "Konto", 10000);

    out = std::move(st);
    return true;
}

bool WriteGameFile(Profiles& profiles, const std::string& path, const GameState& st) {
    const NumberLocale& loc = st.locale;
    auto batch = profiles.Edit(path);
    const std::string M = "Mapa";
    batch.Set(M, "PocetMest", std::to_string(st.PocetMest));
    for (int i = 0; i < st.PocetMest; ++i) {
        const CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        const std::string S = CitySection(i);
        batch.Set(S, "Nazev", c.Nazev);
        batch.Set(S, "Velikost", std::to_string(c.Velikost));
        // One key holds at most 98 characters, so the description is kept in two.
        batch.Set(S, "PopisTrhu", text::CharPrefix(c.PopisTrhu, DescriptionSplit));
        batch.Set(S, "PopisTrhu2", text::CharSuffix(c.PopisTrhu, DescriptionSplit));
        batch.Set(S, "PruzkumTrhu", std::to_string(c.PruzkumTrhu));
        batch.Set(S, "Banka", boolText(c.Banka));
        batch.Set(S, "Casino", boolText(c.Casino));
        batch.Set(S, "Pristup", FormatDouble(c.Pristup, loc));
        batch.Set(S, "X", FormatSingle(static_cast<float>(c.X), loc));
        batch.Set(S, "Y", FormatSingle(static_cast<float>(c.Y), loc));
        for (int nn = 0; nn < MarketSize; ++nn) {
            const MarketEntry& m = c.Trh[static_cast<std::size_t>(nn)];
            batch.Set(S, marketKey(nn, "Cena"), std::to_string(m.Cena));
            batch.Set(S, marketKey(nn, "MinCena"), std::to_string(m.MinCena));
            batch.Set(S, marketKey(nn, "Produkce"), std::to_string(m.Produkce));
            batch.Set(S, marketKey(nn, "RanniCena"), std::to_string(m.RanniCena));
        }
    }
    batch.Set(M, "Name", st.Name);
    batch.Set(M, "Company", st.Company);
    batch.Set(M, "Mapa", st.Mapa);
    batch.Set(M, "Hotovost", FormatDouble(st.Hotovost, loc));
    batch.Set(M, "Konto", FormatDouble(st.Konto, loc));
    batch.Set(M, "Den", std::to_string(st.Den));
    batch.Set(M, "AktualniMesto", std::to_string(st.AktualniMesto));
    batch.Set(M, "Hotovo", boolText(st.Hotovo));

    const std::string L = "Lode";
    batch.Set(L, "Pocet", std::to_string(st.Fleet.Pocet));
    batch.Set(L, "Poskozeni", std::to_string(st.Fleet.Poskozeni));
    batch.Set(L, "Nosnost", std::to_string(st.Fleet.Nosnost));
    batch.Set(L, "Typ", std::to_string(st.Fleet.Typ));
    batch.Set(L, "Rychlost", std::to_string(st.Fleet.Rychlost));
    for (int nn = 0; nn < CargoSlots; ++nn)
        batch.Set(L, "Naklad" + TwoDigits(nn),
                  FormatDouble(st.Fleet.Naklad[static_cast<std::size_t>(nn)], loc));
    return batch.Commit();
}

} // namespace vlnobrod
