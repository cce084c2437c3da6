#include "menu/MenuRules.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

TEST(MapAlbum, ShowsTitleCityCountAndDescriptionOfAMap) {
    TempDir dir;
    Profiles p;
    const std::string f =
        dir.write("Mapa2.mlo", "[Mapa]\nNazev=Baltske more\nPocetMest=12\nPopis=Sled a jantar\n");
    const MapInfo m = ReadMapInfo(p, f);
    EXPECT_EQ(m.title, "Baltske more");
    EXPECT_EQ(m.cities, "Počet měst: 12");
    EXPECT_EQ(m.description, "Sled a jantar");

    const MapInfo bare = ReadMapInfo(p, dir.write("Prazdna.mlo", "[Mapa]\n"));
    EXPECT_EQ(bare.title, "");
    EXPECT_EQ(bare.cities, "Počet měst: ");
    EXPECT_EQ(bare.description, "");
}

TEST(SavedGames, DetailsDefaultToXXX) {
    TempDir dir;
    Profiles p;
    const SaveDetails d = ReadSaveDetails(p, dir.write("a.mlo", "[Mapa]\nName=Ota\n"));
    EXPECT_EQ(d.owner, "Ota");
    EXPECT_EQ(d.company, "XXX");
}

TEST(SavedGames, TheNewestIsTheLastModifiedAndTheFirstOnATie) {
    EXPECT_EQ(NewestSave({}), -1);
    // "Alfa" a year old, "Poslední hra" from today.
    EXPECT_EQ(NewestSave({1700000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    // Nothing later than 1 January 1990: the first file.
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0);
}

TEST(About, ShowsMajorAndMinorVersion) {
    EXPECT_EQ(VersionText(1, 0), "Verze 1.0");
    EXPECT_EQ(VersionText(2, 13), "Verze 2.13");
}

TEST(NewGame, TheMapBecomesTheStateFileWithTheNamesAndTheGoalToGreet) {
    TempDir dir;
    dir.write("Data/Mapa1.mlo", "[Mapa]\nMapa=Mapa1\nHotovost=25000\n");
    const std::string state = dir.write("Data/aktual.map", "[Mapa]\nStaryKlic=1\n");
    Profiles p;
    GameState st;
    st.Places.AppFolder = dir.path();
    ASSERT_TRUE(StartNewGame(p, st, "Mapa1", "Jantar a syn", "Ota Kormidelník"));
    EXPECT_EQ(p.ReadProfile(state, "Mapa", "Company", ""), "Jantar a syn");
    EXPECT_EQ(p.ReadProfile(state, "Mapa", "Name", ""), "Ota Kormidelník");
    EXPECT_EQ(p.ReadProfile(state, "Mapa", "Hotovost", ""), "25000");
    EXPECT_EQ(p.ReadProfile(state, "Mapa", "StaryKlic", "-"), "-");
    EXPECT_EQ(st.HandOff.File(), state);
    EXPECT_EQ(st.PendingAction, Pending::NewGame);

    // A saved game is copied the same way, with no greeting.
    st.PendingAction = Pending::None;
    ASSERT_TRUE(EnterSavedGame(p, st, dir.write("Data/Save/Hra.mlo", "[Mapa]\nDen=33\n")));
    EXPECT_EQ(p.ReadProfile(state, "Mapa", "Den", ""), "33");
    EXPECT_EQ(st.PendingAction, Pending::None);
}

TEST(NewGame, AStateFileThatCannotBeWrittenStartsNothing) {
    TempDir dir;
    dir.write("Data/Mapa1.mlo", "[Mapa]\nMapa=Mapa1\n");
    std::filesystem::create_directories(dir.file("Data/aktual.map/obsazeno"));
    Profiles p;
    GameState st;
    st.Places.AppFolder = dir.path();
    EXPECT_FALSE(StartNewGame(p, st, "Mapa1", "Jantar", "Ota"));
    EXPECT_FALSE(EnterSavedGame(p, st, dir.file("Data/Save/zadna.mlo")));
    EXPECT_TRUE(st.HandOff.empty());
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Data/aktual.map.part~")));
}

TEST(SavedGames, TheTimeOfASaveReadsTheCzechWay) {
    EXPECT_EQ(SaveTimeText({2026, 12, 6, 9, 49, 11}), "6. 12. 2026 9:49:11");
    EXPECT_EQ(SaveTimeText({2027, 1, 31, 23, 5, 0}), "31. 1. 2027 23:05:00");
}
