#include "trade/SaveGame.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

const char* stateFile = "[Mapa]\nMapa=Mapa3\nObtiznost=2\nUkol=Vydelat milion\nPocetMest=2\n"
                        "[Mesto00]\nNazev=Janov\n[Mesto01]\nNazev=Tunis\n"
                        "[Top0]\nName=Anna\nDays=10\n";

// A game loaded from the state file and played a little.
GameState played(const TempDir& dir, Profiles& p) {
    GameState st;
    st.Places.AppFolder = dir.path();
    EXPECT_TRUE(ReadGameFile(p, dir.write("Data/aktual.map", stateFile), st));
    st.HandOff = StateFile(st.Places);
    st.Hotovost = 23456.75;
    st.Den = 17;
    st.StateSaved = false;
    return st;
}

} // namespace

// What the box holds becomes the save's name: a small ".mlo" dropped, blanks saved as
// QuickSave; a name that is no plain file name is refused with its reason.
TEST(SaveName, TheBoxNamesThePlainFileOrSaysWhyNot) {
    std::string czech; // 45 letters, counted as letters and not as bytes
    for (int i = 0; i < 45; ++i)
        czech += "ř";
    const struct {
        std::string typed, name, problem;
    } rows[] = {
        {"Benatky.mlo.mlo", "Benatky.mlo", ""},
        {"Benatky.MLO", "Benatky.MLO", ""},
        {".mlo", "QuickSave", ""},
        {"a.b c-d_e", "a.b c-d_e", ""},
        {"C:\\hry", "C:\\hry", "Název hry nesmí obsahovat znaky / a \\."},
        {".skryta", ".skryta", "Název hry nesmí začínat tečkou."},
        {"dva\nradky", "dva\nradky", "Název hry nesmí obsahovat řídicí znaky."},
        {czech, czech, ""},
        {czech + "a", czech + "a", "Název hry smí mít nejvýše 45 znaků."},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(SaveName(r.typed), r.name) << r.typed;
        EXPECT_EQ(SaveNameProblem(r.name), r.problem) << r.typed;
    }
}

TEST(SaveGame, WritesTheGameOverACopyOfTheStateFile) {
    TempDir dir;
    Profiles p;
    GameState st = played(dir, p);
    std::filesystem::remove_all(dir.file("Data/Save")); // made on the first save
    const SaveOutcome r = SaveGame(p, st, "Benatky");
    ASSERT_TRUE(r.saved) << r.message;

    const std::string file = dir.file("Data/Save/Benatky.mlo");
    EXPECT_EQ(st.HandOff.File(), file);
    EXPECT_TRUE(st.StateSaved);
    EXPECT_EQ(st.NewsQueue[0].text, "Hra byla uložena");
    EXPECT_EQ(std::filesystem::directory_iterator(dir.file("Data/Save"))->path().filename(),
              "Benatky.mlo"); // and nothing else left behind

    Profiles fresh;
    GameState back;
    ASSERT_TRUE(ReadGameFile(fresh, file, back));
    EXPECT_EQ(back.Den, 17);
    // What the save does not write comes from the state file.
    EXPECT_EQ(fresh.ReadProfile(file, "Mapa", "Ukol", ""), "Vydelat milion");
    EXPECT_EQ(fresh.ReadProfile(file, "Top0", "Name", ""), "Anna");
    // The state file itself is left as it was.
    EXPECT_EQ(TempDir::read(dir.file("Data/aktual.map")), stateFile);
}

TEST(SaveGame, AFailedWriteKeepsTheOlderSaveAndTheGame) {
    TempDir dir;
    Profiles p;
    GameState st = played(dir, p);
    const std::string older = dir.write("Data/Save/Benatky.mlo", "[Mapa]\nDen=3\n");
    // Something stands where the new save has to be put together (works even as root).
    std::filesystem::create_directories(older + ".part~/x");

    const SaveOutcome r = SaveGame(p, st, "Benatky");
    EXPECT_FALSE(r.saved);
    EXPECT_NE(r.message.find("Hru se nepodařilo uložit"), std::string::npos);
    EXPECT_EQ(TempDir::read(older), "[Mapa]\nDen=3\n");
    EXPECT_EQ(st.HandOff.File(), StateFile(st.Places));
    EXPECT_FALSE(st.StateSaved);
    EXPECT_TRUE(st.NewsQueue[0].text.empty());
}
