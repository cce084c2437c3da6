#include "results/BestPlayers.h"
#include "state/FileLock.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <future>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

// Places 1..3 taken with 10, 20 and 30 days, places 4 and 5 empty.
const std::string table = "[Mapa]\nNazev=Severni more\n"
                          "[Top0]\nName=Anna\nCompany=Alfa\nDays=10\nValue=500000\n"
                          "[Top1]\nName=Bedrich\nCompany=Beta\nDays=20\nValue=400000,5\n"
                          "[Top2]\nName=Cyril\nCompany=Gama\nDays=30\nValue=300000\n"
                          "[Top3]\nName=------\nCompany=------\nDays=9999999\nValue=0\n"
                          "[Top4]\nName=------\nCompany=------\nDays=9999999\nValue=0\n";

// Every place taken, with 1 to 5 days.
const std::string fullTable = "[Top0]\nName=A\nDays=1\n[Top1]\nName=B\nDays=2\n[Top2]\nName=C\n"
                              "Days=3\n[Top3]\nName=D\nDays=4\n[Top4]\nName=E\nDays=5\n";

// The names of the five places as the disk has them, "Anna,Bedrich,…".
std::string names(const std::string& f) {
    Profiles p;
    std::string all;
    for (int place = 0; place < TopPlaces; ++place)
        all += (place ? "," : "") + p.ReadProfile(f, "Top" + std::to_string(place), "Name", "");
    return all;
}

// Ludvik's game on map 1, its goal met on `days`, the map's table in `folder`/Data.
GameState finished(const std::string& folder, std::int16_t days, const char* company = "") {
    GameState st;
    st.Name = "Ludvik";
    st.Company = company;
    st.Den = days;
    st.Mapa = "Mapa1";
    st.Places.AppFolder = folder;
    return st;
}

} // namespace

// Ships count at their type's price, worked out wide; a type nobody knows is worth nothing;
// the cargo counts at the current city's prices.
TEST(CompanyValue, AddsMoneyShipsAndCargo) {
    GameState st;
    st.Hotovost = 1000.5;
    st.Konto = -200;
    st.Fleet.Pocet = 8590; // galleons worth more than 32 bits hold
    st.Fleet.Typ = 2;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 2147500000.0);
    st.Fleet.Typ = 7;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5);
    st.AktualniMesto = 1;
    st.Cities[1].Trh[0].Cena = 25;
    st.Cities[0].Trh[0].Cena = 999;
    st.Fleet.Naklad[0] = 10;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 250);
    // 300 wood bought at 169 lifted the price to 269: the cargo is worth what a sale pays.
    st.Fleet.Naklad[0] = 300;
    st.Cities[1].Trh[0] = MarketEntry{269, 169, 0, 169, 100};
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 300 * 169);
}

// A finished game takes the first place not faster than it and the rest move down; the same
// owner, company and days at that place is a duplicate; a result that misses the table, or a
// table that cannot be rewritten, is told. Only looking writes nothing.
TEST(BestPlayers, AResultTakesItsPlaceOnceOrThePlayerIsTold) {
    const std::string ludvik =
        "[Top0]\nName=Ludvik\nCompany=Trotl Transport\nDays=20\n[Top1]\nName=Z\nDays=30\n";
    const std::string missed = "Úkol jste splnil za 6 dnů a dosáhl hodnoty společnosti 654 322 "
                               "zlatých. Přesto jste se neumístil v tabulce výsledků.\n";
    const std::string unwritten = "Výsledek se nepodařilo zapsat do tabulky nejlepších hráčů: "
                                  "soubor s tabulkou nelze přepsat.";
    // The table before, the days and company of the result, whether the table file can be
    // rewritten, then the entry, its place, the names after and what the player is told.
    const std::tuple<std::string, std::int16_t, const char*, bool, TopEntry, int, const char*,
                     std::string>
        rows[] = {
            {table, 20, "Trotl Transport", true, TopEntry::Placed, 1,
             "Anna,Ludvik,Bedrich,Cyril,------", ""},
            {fullTable, 2, "Trotl Transport", true, TopEntry::Placed, 1, "A,Ludvik,B,C,D", ""},
            {fullTable, 6, "Trotl Transport", true, TopEntry::NotPlaced, -1, "A,B,C,D,E", missed},
            {"[Mapa]\n", 50, "Trotl Transport", true, TopEntry::Placed, 0, "Ludvik,,,,", ""},
            {ludvik, 20, "Trotl Transport", true, TopEntry::Duplicate, -1, "Ludvik,Z,,,", ""},
            {ludvik, 20, "Jina", true, TopEntry::Placed, 0, "Ludvik,Ludvik,Z,,", ""},
            {table, 20, "Trotl Transport", false, TopEntry::NotPlaced, -1,
             "Anna,Bedrich,Cyril,------,------", unwritten},
        };
    int n = 0;
    for (const auto& [before, days, company, writable, entry, place, after, message] : rows) {
        SCOPED_TRACE("row " + std::to_string(n++));
        TempDir dir;
        const std::string f = dir.write("Data/Mapa1.mlo", before);
        if (!writable)
            std::filesystem::create_directories(f + "." + std::to_string(::getpid()) + ".tmp~/x");
        Profiles p;
        vlnobrod::testing::FakeGameView view;
        GameState st = finished(dir.path(), days, company);
        EXPECT_EQ(OpenTopTable(st, p, view, 654321.5).entry, TopEntry::ViewOnly);
        EXPECT_EQ(TempDir::read(f), before);
        st.HandOff = HandOffWord::Zapis;
        const EntryOutcome e = OpenTopTable(st, p, view, 654321.5);
        EXPECT_EQ(std::tuple(e.entry, e.place, names(f)), std::tuple(entry, place, after));
        EXPECT_EQ(st.HandOff.File(), f); // the window shows the map's table
        EXPECT_EQ(view.messages.empty() ? "" : view.messages[0].text, message);
        EXPECT_TRUE(view.messages.empty() || view.messages[0].title == "Dokončení mapy");
        EXPECT_TRUE(entry == TopEntry::Placed || TempDir::read(f) == before); // nothing written
        if (entry == TopEntry::Placed && before == table) {
            EXPECT_EQ(p.ReadProfile(f, "Top1", "Value", ""), "654321.5");
            EXPECT_EQ(p.ReadProfile(f, "Top2", "Value", ""), "400000,5");
            EXPECT_EQ(p.ReadProfile(f, "Mapa", "Nazev", ""), "Severni more");
            const TopTable t = ReadTopTable(p, TableFilesOf(st), e, st, 654321.5);
            EXPECT_EQ(t.rows[2].value, "400 001 zlatých"); // a Czech comma
        }
    }
}

// One game at a time holds a table and the next waits only so long; one that waited enters its
// result into the table as the first left it, and nothing is left beside the table. A lock left
// by a game that died holding it is taken at once; a folder nobody may write has no lock.
TEST(BestPlayers, OneGameAtATimeEntersItsResultAndBothEntriesStand) {
    using namespace std::chrono_literals;
    TempDir dir;
    const std::string f = dir.write("Data/Mapa1.mlo", table);
    std::future<EntryOutcome> second;
    {
        const FileLock first(f + ".lock");
        ASSERT_TRUE(first.Held());
        std::string written = TempDir::read(f);
        const auto asked = std::chrono::steady_clock::now();
        const FileLock impatient(f + ".lock", 50ms);
        EXPECT_TRUE(!impatient.Held() && impatient.Busy());
        EXPECT_GE(std::chrono::steady_clock::now() - asked, 50ms);
        second = std::async(std::launch::async, [&] {
            Profiles p;
            const GameState st = finished(dir.path(), 15);
            return EnterResult(p, TableFilesOf(st), st, 1000);
        });
        // Unheld, the second game would have written by now, and the first one over it.
        EXPECT_EQ(second.wait_for(300ms), std::future_status::timeout);
        written.replace(written.find("Name=Cyril"), 10, "Name=Prvni");
        ASSERT_TRUE(Profiles::WriteFileAtomically(f, written));
    }
    const EntryOutcome e = second.get();
    EXPECT_EQ(std::tuple(e.entry, e.written), std::tuple(TopEntry::Placed, true));
    EXPECT_EQ(names(f), "Anna,Ludvik,Bedrich,Prvni,------");
    EXPECT_FALSE(std::filesystem::exists(f + ".lock"));
    dir.write("Data/Mapa1.mlo.lock", "");
    EXPECT_TRUE(FileLock(f + ".lock", 0ms).Held());
    const FileLock nowhere(dir.file("chybi/Mapa1.mlo.lock"), 0ms);
    EXPECT_FALSE(nowhere.Held() || nowhere.Busy());
}
