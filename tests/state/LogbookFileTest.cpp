#include "state/LogbookFile.h"
#include "state/GameFile.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vlnobrod;

namespace {
const char* olderSave = "[Mapa]\nMapa=Mapa1\nPocetMest=3\nName=Ludvík\nCompany=Trotl\nDen=30\n"
                        "[Mesto00]\nNazev=Janov\nTrh00Cena=200\n"
                        "[Mesto01]\nNazev=Tunis\n[Mesto02]\nNazev=Kadiz\n"
                        "[Lode]\nPocet=1\n";
} // namespace

TEST(LogbookFile, AnOlderSaveLoadsWithAnEmptyLogbookAndASaveKeepsItWhole) {
    GameState st;
    st.Denik.Mesta[1].Posledni.Den = 3; // the game played before is forgotten
    ASSERT_TRUE(ReadGame(IniDocument::Parse(olderSave), st));
    for (const LogbookCity& c : st.Denik.Mesta)
        EXPECT_FALSE(c.Posledni.Written() || c.Predchozi.Written());
    EXPECT_EQ(st.Denik.Mesto, NoCity);

    // Played: the first city twice, the second once, the third never.
    st.Denik.Mesta[0].Posledni = {30, {210}};
    st.Denik.Mesta[0].Predchozi = {12, {190, 85}};
    st.Denik.Mesta[1].Posledni = {21, {0, 999}};
    st.Denik.Mesto = 0;
    IniDocument saved = IniDocument::Parse(olderSave); // a save starts as a copy
    WriteGame(saved, st);
    GameState back;
    ASSERT_TRUE(ReadGame(IniDocument::Parse(saved.Serialize()), back));
    for (std::size_t i = 0; i < 3; ++i)
        for (const auto& [was, is] :
             {std::pair(st.Denik.Mesta[i].Posledni, back.Denik.Mesta[i].Posledni),
              std::pair(st.Denik.Mesta[i].Predchozi, back.Denik.Mesta[i].Predchozi)})
            EXPECT_TRUE(was.Den == is.Den && was.Cena == is.Cena) << "city " << i;
    EXPECT_EQ(back.Denik.Mesto, 0);
    EXPECT_EQ(saved.Get("Denik", "Mesto00Ceny"), "210 0 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(saved.Get("Denik", "Mesto02Den"), "");
}

TEST(LogbookFile, APageThatDoesNotReadIsAsIfNeverWritten) {
    const std::string first13 = "1 2 3 4 5 6 7 8 9 10 11 12 13";
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"7", first13 + " 14", true},
        {"7", " " + first13 + "  14 ", true},
        {"7", first13, false},            // too few
        {"7", first13 + " 14 15", false}, // too many
        {"7", first13 + " -14", false},
        {"7", first13 + " 40000", false},
        {"7", first13 + " 1.5", false},
        {"7", "", false},
        {"-1", first13 + " 14", false},
        {"sedm", first13 + " 14", false},
        {"", first13 + " 14", false},
    };
    for (const auto& [den, ceny, written] : cases) {
        const std::string text = std::string(olderSave) + "[Denik]\nMesto=2\nMesto01Den=" + den +
                                 "\nMesto01Ceny=" + ceny + "\nMesto01PredchoziDen=3\n" +
                                 "Mesto01PredchoziCeny=" + ceny +
                                 "\nMesto05Den=1\nMesto05Ceny=" + first13 + " 14\n";
        GameState st;
        ASSERT_TRUE(ReadGame(IniDocument::Parse(text), st));
        const LogbookCity& city = st.Denik.Mesta[1];
        EXPECT_EQ(city.Posledni.Written(), written) << den << " / " << ceny;
        EXPECT_EQ(city.Predchozi.Written(), written) << den << " / " << ceny;
        EXPECT_EQ(city.Posledni.Cena[13], written ? 14 : 0) << den << " / " << ceny;
        EXPECT_EQ(st.Denik.Mesto, 2);
        EXPECT_FALSE(st.Denik.Mesta[5].Posledni.Written()); // no such city in this game
    }
    // The city of the visit under way must be one of the game's.
    GameState st;
    ASSERT_TRUE(ReadGame(IniDocument::Parse(std::string(olderSave) + "[Denik]\nMesto=3\n"), st));
    EXPECT_EQ(st.Denik.Mesto, NoCity);
}
