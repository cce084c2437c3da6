#include "menu/MenuRules.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

TEST(SavedGames, TheNewestIsTheLastModifiedTheFirstOnATieAndTheTimeReadsTheCzechWay) {
    EXPECT_EQ(NewestSave({}), -1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0); // nothing after 1990: the first
    EXPECT_EQ(SaveTimeText({2026, 12, 6, 9, 49, 11}), "6. 12. 2026 9:49:11");
    EXPECT_EQ(SaveTimeText({2027, 1, 31, 23, 5, 0}), "31. 1. 2027 23:05:00");
}

// A state file that cannot be written starts no game, enters no saved one, and leaves no
// part of a copy behind.
TEST(NewGame, AStateFileThatCannotBeWrittenStartsNothing) {
    TempDir dir;
    dir.write("Data/Mapa1.mlo", "[Mapa]\nMapa=Mapa1\n");
    std::filesystem::create_directories(dir.file("Data/aktual.map/obsazeno"));
    Profiles p;
    GameState st;
    st.Places.AppFolder = dir.path();
    EXPECT_FALSE(StartNewGame(p, st, "Mapa1", "Jantar", "Ota"));
    EXPECT_FALSE(EnterSavedGame(p, st, dir.write("Data/Save/Hra.mlo", "[Mapa]\n")));
    EXPECT_TRUE(st.HandOff.empty());
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Data/aktual.map.part~")));
}
