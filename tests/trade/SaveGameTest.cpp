#include "trade/SaveGame.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

const char* stateFile = "[Mapa]\n"
                        "Mapa=Mapa3\n"
                        "Nazev=Jizni more\n"
                        "Obtiznost=2\n"
                        "Ukol=Vydelat milion\n"
                        "PocetMest=2\n"
                        "Hotovost=10000\n"
                        "[Mesto00]\nNazev=Janov\nTrh00Cena=30\n"
                        "[Mesto01]\nNazev=Tunis\n"
                        "[Top0]\nName=Anna\nDays=10\n";

// A game loaded from the state file and played a little.
GameState played(const TempDir& dir, Profiles& p) {
    GameState st;
    st.Places.AppFolder = dir.path();
    EXPECT_TRUE(ReadGameFile(p, dir.write("Data/aktual.map", stateFile), st));
    st.HandOff = StateFile(st.Places);
    st.Hotovost = 23456.75;
    st.Den = 17;
    st.Cities[0].PopisTrhu = std::string(60, 'x');
    st.StateSaved = false;
    return st;
}

} // namespace

TEST(SaveName, DropsASmallMloEndingAndNamesAnEmptyBoxQuickSave) {
    EXPECT_EQ(SaveName("Benatky.mlo.mlo"), "Benatky.mlo");
    EXPECT_EQ(SaveName("Benatky.MLO"), "Benatky.MLO");
    EXPECT_EQ(SaveName(""), "QuickSave");
    EXPECT_EQ(SaveName(".mlo"), "QuickSave");
    EXPECT_EQ(SaveName("   "), "QuickSave");
    EXPECT_EQ(SaveName(" a "), " a ");
    EXPECT_EQ(SaveName("Poslední hra"), "Poslední hra");
}

TEST(SaveName, RefusesNamesThatAreNoPlainFileName) {
    EXPECT_EQ(SaveNameProblem("a.b c-d_e"), "");
    EXPECT_EQ(SaveNameProblem("../aktual"), "Název hry nesmí obsahovat znaky / a \\.");
    EXPECT_EQ(SaveNameProblem("C:\\hry"), "Název hry nesmí obsahovat znaky / a \\.");
    EXPECT_EQ(SaveNameProblem(".skryta"), "Název hry nesmí začínat tečkou.");
    EXPECT_EQ(SaveNameProblem("dva\nradky"), "Název hry nesmí obsahovat řídicí znaky.");
    EXPECT_EQ(SaveNameProblem("tab\tx"), "Název hry nesmí obsahovat řídicí znaky.");
    // 45 letters are fine, counted as letters and not as bytes.
    std::string czech;
    for (int i = 0; i < 45; ++i)
        czech += "ř";
    EXPECT_EQ(SaveNameProblem(czech), "");
    EXPECT_EQ(SaveNameProblem(czech + "a"), "Název hry smí mít nejvýše 45 znaků.");
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
    EXPECT_EQ(st.NewsQueue[0].kind, 1);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.file("Data/Save"))->path().filename(),
              "Benatky.mlo"); // and nothing else left behind

    Profiles fresh;
    GameState back;
    ASSERT_TRUE(ReadGameFile(fresh, file, back));
    EXPECT_EQ(back.Den, 17); // the cash, fleet and cargo: the save panel test
    EXPECT_EQ(back.Cities[0].PopisTrhu, std::string(60, 'x'));
    // What the save does not write comes from the state file.
    EXPECT_EQ(back.Obtiznost, 2);
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
    EXPECT_DOUBLE_EQ(st.Hotovost, 23456.75);

    // A saved game that is a folder cannot be replaced either.
    std::filesystem::create_directories(dir.file("Data/Save/Slozka.mlo/x"));
    EXPECT_FALSE(SaveGame(p, st, "Slozka").saved);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Data/Save/Slozka.mlo.part~")));

    // Without the state file there is nothing to save over.
    std::filesystem::remove(dir.file("Data/aktual.map"));
    EXPECT_FALSE(SaveGame(p, st, "Nova").saved);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Data/Save/Nova.mlo")));
}

TEST(LeavingTheGame, AsksOnlyWhileTheGameIsUnsaved) {
    GameState st;
    st.StateSaved = true;
    vlnobrod::testing::FakeGameView view;
    view.answers = {MessageAnswer::Ano};
    EXPECT_EQ(AskToLeave(st, view), LeaveChoice::Leave);
    st.StateSaved = false;
    st.HandOff = HandOffWord::Zpet;
    EXPECT_EQ(AskToLeave(st, view), LeaveChoice::Leave);
    EXPECT_TRUE(view.messages.empty());

    st.HandOff = std::string("/hra/Data/aktual.map");
    EXPECT_EQ(AskToLeave(st, view), LeaveChoice::SaveAndLeave);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Chcete hru uložit pod název: Poslední hra ?");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::NeAnoZrusit);
    EXPECT_EQ(view.messages[0].title, "Opuštění hry");
    view.answers = {MessageAnswer::Ne};
    EXPECT_EQ(AskToLeave(st, view), LeaveChoice::Leave);
    view.answers = {MessageAnswer::Zrusit};
    EXPECT_EQ(AskToLeave(st, view), LeaveChoice::Stay);
}
