#include "BestPlayers.h"

#include "state/FileLock.h"

#include "state/Numbers.h"
#include "state/Paths.h"
#include "state/ShipTypes.h"
#include "world/FleetSummary.h"
#include "world/PriceBounds.h"

#include <filesystem>

namespace vlnobrod {

namespace {

// Wide enough for the largest company: cash and account of fifteen digits each, and more.
constexpr const char* ValuePattern = "### ### ### ### ### ##0";
constexpr const char* EmptyPlace = "------";
constexpr double MissingDays = 9999999;

std::string topSection(int place) {
    return "Top" + std::to_string(place);
}

// Days of a place for ranking: a missing or unreadable number ranks like an empty place.
double rankingDays(Profiles& profiles, const std::string& file, int place) {
    const auto v = ParseNumber(profiles.ReadProfile(file, topSection(place), "Days", "9999999"));
    return v ? *v : MissingDays;
}

} // namespace

TableFiles TableFilesOf(const GameState& st) {
    TableFiles files{ScenarioFile(st), {}, TableFile(st.Places, st.Mapa)};
    std::error_code ec;
    files.read = std::filesystem::is_regular_file(files.write, ec) ? files.write : files.map;
    return files;
}

double CompanyValue(const GameState& st) {
    // A ship is worth what the dock pays for it; a type it does not know, nothing.
    const ShipType* type = FindShipType(st.Fleet.Typ);
    const std::int32_t perShip = type ? type->price : 0;
    // Worked out wide: 8 590 galleons are worth more than 32 bits hold.
    const double ships = static_cast<double>(st.Fleet.Pocet) * perShip;
    const CityRecord& here = st.Cities[st.AktualniMesto < MaxCities ? st.AktualniMesto : 0];
    double cargo = 0;
    for (int g = 0; g < CargoSlots; ++g) {
        const auto i = static_cast<std::size_t>(g);
        // At what a sale here would pay: not at the price the player's own purchase lifted.
        cargo += st.Fleet.Naklad[i] * OwnSaleBound(here.Trh[i], here.Trh[i].Cena);
    }
    return st.Hotovost + st.Konto + ships + cargo;
}

std::string ValueText(double value) {
    return FormatGrouped(value, ValuePattern) + " zlatých";
}

Statistics StatisticsOf(const GameState& st) {
    Statistics s;
    s.fleet = FleetText(st.Fleet.Pocet, st.Fleet.Typ);
    s.value = CompanyValue(st);
    s.valueTag = FormatDouble(s.value, NumberLocale{});
    s.valueText = ValueText(s.value);
    s.account = "Na kontě: " + ValueText(st.Konto);
    s.cash = "V hotovosti: " + ValueText(st.Hotovost);
    s.days = std::to_string(st.Den);
    return s;
}

EntryOutcome EnterResult(Profiles& profiles, const TableFiles& given, const GameState& st,
                         double value) {
    EntryOutcome out;
    // Another game on the same data folder may be entering a result into this table right
    // now: the table is read, changed and written back while it is ours alone, and read as
    // it stands then (the other game may have just made the player's own table file).
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(given.write).parent_path(), ec);
    const FileLock lock(given.write + ".lock");
    if (lock.Busy()) {
        out.entry = TopEntry::Placed;
        out.written = false;
        return out;
    }
    TableFiles files = given;
    files.read = std::filesystem::is_regular_file(files.write, ec) ? files.write : files.map;
    const std::string& table = files.read;
    int place = -1;
    for (int i = 0; i < TopPlaces; ++i) {
        if (st.Den <= rankingDays(profiles, table, i)) {
            place = i;
            break;
        }
    }
    if (place < 0)
        return out;

    const std::string here = topSection(place);
    const auto storedDays = ParseNumber(profiles.ReadProfile(table, here, "Days", "0"));
    if (profiles.ReadProfile(table, here, "Name", "") == st.Name &&
        profiles.ReadProfile(table, here, "Company", "") == st.Company && storedDays &&
        ToI32(*storedDays) == st.Den) {
        out.entry = TopEntry::Duplicate;
        return out;
    }

    // Everything is read from the table as it stands and written in one go: a failure on
    // the way leaves the old table untouched.
    auto batch = profiles.Edit(files.write);
    if (files.write != table) {
        const IniDocument shipped = profiles.Snapshot(table);
        for (int i = 0; i < TopPlaces; ++i)
            for (const char* key : {"Name", "Company", "Days", "Value"})
                if (const auto v = shipped.Get(topSection(i), key))
                    batch.Set(topSection(i), key, *v);
    }
    for (int from = TopPlaces - 2; from >= place; --from) {
        const std::string src = topSection(from);
        const std::string dst = topSection(from + 1);
        for (const char* key : {"Name", "Company", "Days", "Value"})
            batch.Set(dst, key, profiles.ReadProfile(table, src, key, ""));
    }
    batch.Set(here, "Name", st.Name);
    batch.Set(here, "Company", st.Company);
    batch.Set(here, "Days", std::to_string(st.Den));
    batch.Set(here, "Value", FormatDouble(value, st.locale));
    out.written = batch.Commit();
    out.entry = TopEntry::Placed;
    out.place = place;
    return out;
}

std::string NotPlacedMessage(std::int16_t days, double value) {
    return "Úkol jste splnil za " + std::to_string(days) + " dnů a dosáhl hodnoty společnosti " +
           FormatGrouped(value, ValuePattern) +
           " zlatých. Přesto jste se neumístil v tabulce výsledků.\n";
}

EntryOutcome OpenTopTable(GameState& st, Profiles& profiles, GameView& view, double value) {
    const TableFiles files = TableFilesOf(st);
    const std::string& mapFile = files.map;
    EntryOutcome outcome{TopEntry::ViewOnly};
    if (st.HandOff == HandOffWord::Zapis) {
        st.HandOff = mapFile;
        outcome = EnterResult(profiles, files, st, value);
        std::string title = "Dokončení mapy";
        if (outcome.entry == TopEntry::NotPlaced) {
            view.ShowMessage(NotPlacedMessage(st.Den, value), MessageButtons::OK, title);
        } else if (!outcome.written) {
            // The old table stands; the player should know the entry did not stick.
            outcome = EntryOutcome{TopEntry::NotPlaced};
            view.ShowMessage("Výsledek se nepodařilo zapsat do tabulky nejlepších hráčů: "
                             "soubor s tabulkou nelze přepsat.",
                             MessageButtons::OK, title);
        }
    }
    st.HandOff = mapFile;
    return outcome;
}

TopTable ReadTopTable(Profiles& profiles, const TableFiles& files, const EntryOutcome& entry,
                      const GameState& st, double value) {
    TopTable t;
    t.heading = "pro mapu " + profiles.ReadProfile(files.map, "Mapa", "Nazev", "XXX");
    const std::string& table = files.read;
    for (int i = 0; i < TopPlaces; ++i) {
        TopRow& row = t.rows[static_cast<std::size_t>(i)];
        const std::string sec = topSection(i);
        row.name = profiles.ReadProfile(table, sec, "Name", "");
        if (row.name != EmptyPlace) {
            row.days = profiles.ReadProfile(table, sec, "Days", "") + " dnů";
            row.company = profiles.ReadProfile(table, sec, "Company", "");
            const auto v = ParseNumber(profiles.ReadProfile(table, sec, "Value", "0"));
            row.value = ValueText(v ? *v : 0);
        }
        if (entry.entry == TopEntry::Placed && entry.place == i) {
            row = TopRow{st.Name, std::to_string(st.Den) + " dnů", st.Company, ValueText(value),
                         true};
        }
    }
    return t;
}

} // namespace vlnobrod
