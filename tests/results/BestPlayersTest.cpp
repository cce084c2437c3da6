#include "results/BestPlayers.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

// Places 1..3 taken with 10, 20 and 30 days, places 4 and 5 empty.
const char* table = "[Mapa]\n"
                    "Mapa=Mapa1\n"
                    "Nazev=Severni more\n"
                    "[Top0]\nName=Anna\nCompany=Alfa\nDays=10\nValue=500000\n"
                    "[Top1]\nName=Bedrich\nCompany=Beta\nDays=20\nValue=400000,5\n"
                    "[Top2]\nName=Cyril\nCompany=Gama\nDays=30\nValue=300000\n"
                    "[Top3]\nName=------\nCompany=------\nDays=9999999\nValue=0\n"
                    "[Top4]\nName=------\nCompany=------\nDays=9999999\nValue=0\n";

// Every place taken, with 1 to 5 days.
const std::string fullTable = "[Top0]\nName=A\nDays=1\n[Top1]\nName=B\nDays=2\n[Top2]\nName=C\n"
                              "Days=3\n[Top3]\nName=D\nDays=4\n[Top4]\nName=E\nDays=5\n";

GameState finished(std::int16_t days) {
    GameState st;
    st.Name = "Ludvik";
    st.Company = "Trotl Transport";
    st.Den = days;
    return st;
}

std::string top(Profiles& p, const std::string& f, int place, const char* key) {
    return p.ReadProfile(f, "Top" + std::to_string(place), key, "?");
}

} // namespace

TEST(CompanyValue, AddsMoneyShipsByTypeAndCargoAtTheCurrentPrices) {
    GameState st;
    st.Hotovost = 1000.5;
    st.Konto = -200;
    st.Fleet.Pocet = 3;
    st.Fleet.Typ = 1;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 450000);

    st.Fleet.Typ = 0;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 300000);
    st.Fleet.Typ = 2;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 750000);
    st.Fleet.Pocet = 8590; // past what 32 bits hold
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 2147500000.0);
    st.Fleet.Pocet = 3;
    st.Fleet.Typ = 7; // no such ship: worth nothing
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5);

    // 10 units of goods 0 at 25 in the current city; the other city's prices do not count.
    st.AktualniMesto = 1;
    st.Cities[1].Trh[0].Cena = 25;
    st.Cities[0].Trh[0].Cena = 999;
    st.Fleet.Naklad[0] = 10;
    EXPECT_DOUBLE_EQ(CompanyValue(st), 800.5 + 250);
}

TEST(Statistics, FormatsTheFiguresOfTheWindow) {
    GameState st;
    st.Hotovost = 1234567.4;
    st.Konto = 2500;
    st.Den = 42;
    st.Fleet.Pocet = 2;
    st.Fleet.Typ = 2;
    const Statistics s = StatisticsOf(st);
    EXPECT_EQ(s.cash, "V hotovosti: 1 234 567 zlatých");
    EXPECT_EQ(s.account, "Na kontě: 2 500 zlatých");
    EXPECT_EQ(s.valueText, "1 737 067 zlatých");
    EXPECT_EQ(s.valueTag, "1737067.4");
    EXPECT_EQ(s.days, "42");
    EXPECT_NE(s.fleet.find("Galeona"), std::string::npos);
}

TEST(BestPlayers, AnEqualTimeGoesAboveTheEarlierEntryAndTheRestMoveDown) {
    TempDir dir;
    const std::string f = dir.write("Mapa1.mlo", table);
    Profiles p;
    const EntryOutcome e = EnterResult(p, {f, f, f}, finished(20), 654321.5);
    EXPECT_EQ(e.place, 1);
    EXPECT_TRUE(e.written);

    p.Forget(f);
    const char* names[] = {"Anna", "Ludvik", "Bedrich", "Cyril", "------"};
    for (int place = 0; place < 5; ++place)
        EXPECT_EQ(top(p, f, place, "Name"), names[place]) << place;
    EXPECT_EQ(top(p, f, 1, "Company"), "Trotl Transport");
    EXPECT_EQ(top(p, f, 1, "Days"), "20");
    EXPECT_EQ(top(p, f, 1, "Value"), "654321.5");
    EXPECT_EQ(top(p, f, 2, "Value"), "400000,5");
    EXPECT_EQ(top(p, f, 3, "Days"), "30");
    // The map's own keys are kept.
    EXPECT_EQ(p.ReadProfile(f, "Mapa", "Nazev", ""), "Severni more");

    const TopTable t = ReadTopTable(p, {f, f, f}, e, finished(20), 654321.5);
    EXPECT_EQ(t.heading, "pro mapu Severni more");
    EXPECT_TRUE(t.rows[1].highlighted);
    EXPECT_EQ(t.rows[1].days, "20 dnů");
    EXPECT_EQ(t.rows[1].value, "654 322 zlatých");
    EXPECT_FALSE(t.rows[0].highlighted);
    EXPECT_EQ(t.rows[2].value, "400 001 zlatých");
    EXPECT_EQ(t.rows[4].days, "");
    EXPECT_EQ(t.rows[4].value, "");
}

TEST(BestPlayers, AFullTableDropsItsLastPlace) {
    TempDir dir;
    const std::string f = dir.write("Mapa1.mlo", fullTable);
    Profiles p;
    EXPECT_EQ(EnterResult(p, {f, f, f}, finished(2), 1).place, 1);
    const char* names[] = {"A", "Ludvik", "B", "C", "D"};
    for (int place = 0; place < 5; ++place)
        EXPECT_EQ(top(p, f, place, "Name"), names[place]) << place;
}

TEST(BestPlayers, TheSameOwnerWithAnotherCompanyIsANewEntry) {
    TempDir dir;
    const std::string g = dir.write("Mapa2.mlo", table);
    Profiles p;
    EXPECT_EQ(EnterResult(p, {g, g, g}, finished(20), 1).place, 1);
    GameState other = finished(20);
    other.Company = "Jina";
    EXPECT_EQ(EnterResult(p, {g, g, g}, other, 1).place, 1);
    EXPECT_EQ(NotPlacedMessage(6, 1234567.8),
              "Úkol jste splnil za 6 dnů a dosáhl hodnoty společnosti 1 234 568 zlatých. "
              "Přesto jste se neumístil v tabulce výsledků.\n");
}

TEST(BestPlayers, AMapWithoutATableFillsFromTheTop) {
    TempDir dir;
    const std::string f = dir.write("Mapa1.mlo", "[Mapa]\nPocetMest=3\n");
    Profiles p;
    EXPECT_EQ(EnterResult(p, {f, f, f}, finished(50), 9).place, 0);
    const TopTable t =
        ReadTopTable(p, {f, f, f}, EntryOutcome{TopEntry::ViewOnly}, finished(50), 9);
    EXPECT_EQ(t.heading, "pro mapu XXX");
    EXPECT_EQ(t.rows[0].name, "Ludvik");
    EXPECT_FALSE(t.rows[0].highlighted);
    // A place without a section: empty name, " dnů", "0 zlatých".
    EXPECT_EQ(t.rows[1].name, "");
    EXPECT_EQ(t.rows[1].days, " dnů");
    EXPECT_EQ(t.rows[1].value, "0 zlatých");
}

TEST(BestPlayers, OpeningAfterAFinishedMapEntersItOnceAndTellsWhatWentWrong) {
    TempDir dir;
    const std::string f = dir.write("Data/Mapa1.mlo", table);
    Profiles p;
    vlnobrod::testing::FakeGameView view;
    GameState st = finished(20);
    st.Places.AppFolder = dir.path();
    st.Mapa = "Mapa1";

    // Only looking: nothing is written and HandOff points at the map.
    EXPECT_EQ(OpenTopTable(st, p, view, 1).entry, TopEntry::ViewOnly);
    EXPECT_EQ(TempDir::read(f), table);
    EXPECT_EQ(st.HandOff.File(), f);

    st.HandOff = HandOffWord::Zapis;
    const EntryOutcome e = OpenTopTable(st, p, view, 1);
    EXPECT_EQ(e.entry, TopEntry::Placed);
    EXPECT_EQ(e.place, 1);
    EXPECT_EQ(st.HandOff.File(), f);
    st.HandOff = HandOffWord::Zapis;
    // The same owner, company and days again: a duplicate, nothing written.
    const std::string after = TempDir::read(f);
    EXPECT_EQ(OpenTopTable(st, p, view, 1).entry, TopEntry::Duplicate);
    EXPECT_EQ(TempDir::read(f), after);
    EXPECT_TRUE(view.messages.empty());

    // Too slow for a full table: told, with the days and the value.
    dir.write("Data/Mapa1.mlo", fullTable);
    p.Forget(f);
    st.HandOff = HandOffWord::Zapis;
    EXPECT_EQ(OpenTopTable(st, p, view, 1234567.8).entry, TopEntry::NotPlaced);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(view.messages[0].text, NotPlacedMessage(20, 1234567.8));
    EXPECT_EQ(TempDir::read(f), fullTable);

    // A table that cannot be rewritten: the entry does not count, and the player is told.
    dir.write("Data/Mapa1.mlo", table);
    p.Forget(f);
    std::filesystem::create_directories(f + "." + std::to_string(::getpid()) + ".tmp~/blocked");
    st.HandOff = HandOffWord::Zapis;
    EXPECT_EQ(OpenTopTable(st, p, view, 1).entry, TopEntry::NotPlaced);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, "Výsledek se nepodařilo zapsat do tabulky nejlepších hráčů: "
                                     "soubor s tabulkou nelze přepsat.");
    EXPECT_EQ(TempDir::read(f), table);
}

// An installed game: the map ships in a folder the player cannot write, and the player's
// entries go to a table of their own, which holds nothing but the five places.
TEST(BestPlayers, AnInstalledGameKeepsThePlayersTableApartFromTheShippedMap) {
    TempDir dir;
    const std::string shipped = dir.write("usr/Data/Mapa1.mlo", table);
    Profiles p;
    vlnobrod::testing::FakeGameView view;
    GameState st = finished(20);
    st.Places = {dir.file("usr"), dir.file("home/vlnobrod")};
    st.Mapa = "Mapa1";
    const std::string own = dir.file("home/vlnobrod/Mapa1.mlo");

    // Before the first entry the shipped table is shown.
    EXPECT_EQ(ReadTopTable(p, TableFilesOf(st), {TopEntry::ViewOnly}, st, 1).rows[0].name, "Anna");
    st.HandOff = HandOffWord::Zapis;
    EXPECT_EQ(OpenTopTable(st, p, view, 1).place, 1);
    EXPECT_EQ(st.HandOff.File(), shipped);
    EXPECT_EQ(TempDir::read(shipped), table);
    const std::string written = TempDir::read(own);
    EXPECT_EQ(written.find("[Mapa]"), std::string::npos);
    EXPECT_NE(written.find("[Top4]"), std::string::npos);

    // A newer map shipped later: its title shows, the player's table stays theirs.
    dir.write("usr/Data/Mapa1.mlo", "[Mapa]\nNazev=Nove more\n[Top0]\nName=Zora\nDays=1\n");
    const TopTable t = ReadTopTable(p, TableFilesOf(st), {TopEntry::ViewOnly}, st, 1);
    EXPECT_EQ(t.heading, "pro mapu Nove more");
    const char* names[] = {"Anna", "Ludvik", "Bedrich", "Cyril", "------"};
    for (int place = 0; place < 5; ++place)
        EXPECT_EQ(t.rows[static_cast<std::size_t>(place)].name, names[place]) << place;
}
