#include "state/LogbookFile.h"
#include "menu/MenuRules.h"
#include "state/GameFile.h"
#include "support/TempDir.h"
#include "trade/SaveGame.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

const char* olderSave = "[Mapa]\nMapa=Mapa1\nPocetMest=3\nName=Ludvík\nCompany=Trotl\nDen=30\n"
                        "[Mesto00]\nNazev=Janov\nTrh00Cena=200\n"
                        "[Mesto01]\nNazev=Tunis\n[Mesto02]\nNazev=Kadiz\n"
                        "[Lode]\nPocet=1\n";

LogbookPage page(std::int16_t den, std::int16_t gold, std::int16_t silver) {
    LogbookPage p;
    p.Den = den;
    p.Cena[0] = gold;
    p.Cena[1] = silver;
    return p;
}

bool samePage(const LogbookPage& a, const LogbookPage& b) {
    return a.Den == b.Den && a.Cena == b.Cena;
}

} // namespace

TEST(LogbookFile, AnOlderSaveLoadsWithAnEmptyLogbookAndASaveKeepsItWhole) {
    TempDir dir;
    Profiles p;
    GameState st;
    st.Places.AppFolder = dir.path();
    st.Denik.Mesta[1].Posledni = page(3, 1, 1); // the game played before is forgotten
    ASSERT_TRUE(ReadGameFile(p, dir.write("Data/aktual.map", olderSave), st));
    for (const LogbookCity& c : st.Denik.Mesta)
        EXPECT_FALSE(c.Posledni.Written() || c.Predchozi.Written());
    EXPECT_EQ(st.Denik.Mesto, NoCity);

    // Played: the first city twice, the second once, the third never.
    st.Denik.Mesta[0] = {page(30, 210, 0), page(12, 190, 85)};
    st.Denik.Mesta[1].Posledni = page(21, 0, 999);
    st.Denik.Mesto = 0;
    st.HandOff = dir.file("Data/aktual.map");
    ASSERT_TRUE(SaveGame(p, st, "Deník").saved);

    // Every place that reads saved games reads this one.
    const std::string file = dir.file("Data/Save/Deník.mlo");
    Profiles fresh;
    EXPECT_EQ(ReadSaveDetails(fresh, file).owner, "Ludvík");
    GameState back;
    back.Places.AppFolder = dir.path();
    ASSERT_TRUE(EnterSavedGame(fresh, back, file)); // the saved game becomes the state file
    ASSERT_TRUE(ReadGameFile(fresh, back.HandOff.File(), back));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(samePage(back.Denik.Mesta[i].Posledni, st.Denik.Mesta[i].Posledni)) << i;
        EXPECT_TRUE(samePage(back.Denik.Mesta[i].Predchozi, st.Denik.Mesta[i].Predchozi)) << i;
    }
    EXPECT_EQ(back.Denik.Mesto, 0);
    EXPECT_EQ(fresh.ReadProfile(file, "Denik", "Mesto00Ceny", ""), "210 0 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(fresh.ReadProfile(file, "Denik", "Mesto02Den", "-"), "");
}

TEST(LogbookFile, APageThatDoesNotReadIsAsIfNeverWritten) {
    struct Case {
        const char* den;
        const char* ceny;
        bool written;
    };
    const Case cases[] = {
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13 14", true},
        {"7", " 1  2 3 4 5 6 7 8 9 10 11 12 13 14 ", true},
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13", false},       // too few
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", false}, // too many
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13 -14", false},
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13 40000", false},
        {"7", "1 2 3 4 5 6 7 8 9 10 11 12 13 1.5", false},
        {"7", "", false},
        {"-1", "1 2 3 4 5 6 7 8 9 10 11 12 13 14", false},
        {"sedm", "1 2 3 4 5 6 7 8 9 10 11 12 13 14", false},
        {"", "1 2 3 4 5 6 7 8 9 10 11 12 13 14", false},
    };
    for (const Case& c : cases) {
        const std::string text = std::string(olderSave) + "[Denik]\nMesto=2\nMesto01Den=" + c.den +
                                 "\nMesto01Ceny=" + c.ceny +
                                 "\nMesto01PredchoziDen=3\nMesto01PredchoziCeny=" + c.ceny +
                                 "\nMesto05Den=1\nMesto05Ceny=1 2 3 4 5 6 7 8 9 10 11 12 13 14\n";
        GameState st;
        ASSERT_TRUE(ReadGame(IniDocument::Parse(text), st));
        const LogbookCity& city = st.Denik.Mesta[1];
        EXPECT_EQ(city.Posledni.Written(), c.written) << c.den << " / " << c.ceny;
        EXPECT_EQ(city.Predchozi.Written(), c.written) << c.den << " / " << c.ceny;
        if (c.written) {
            EXPECT_EQ(city.Posledni.Cena[13], 14);
        }
        EXPECT_EQ(st.Denik.Mesto, 2);
        EXPECT_FALSE(st.Denik.Mesta[5].Posledni.Written()); // no such city in this game
    }
    // The city of the visit under way must be one of the game's.
    GameState st;
    ASSERT_TRUE(ReadGame(IniDocument::Parse(std::string(olderSave) + "[Denik]\nMesto=3\n"), st));
    EXPECT_EQ(st.Denik.Mesto, NoCity);
}
