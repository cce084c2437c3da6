#include "state/GameFile.h"
#include "state/FileCopy.h"
#include "state/Numbers.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <vector>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

// A file from another system: a decimal comma, a position with a fraction, "True", a city with
// nothing but a name, no opening prices, no fleet figures, and a city section after a gap.
const char* smallMap =
    "[Mapa]\r\nMapa=Mapa2\r\nNazev=Zkušební moře\r\nPocetMest=2\r\nName=Ludvík\r\n"
    "Company=Trotl Transport\r\nHotovo=0\r\nAktualniMesto=1\r\nObtiznost=3\r\nDen=12\r\n"
    "Hotovost=12345,67\r\nKonto=-500.5\r\nUkol=Vydělat\r\n"
    "[Mesto00]\r\nNazev=Benátky\r\nVelikost=4\r\nPopisTrhu=Sklo a koření.\r\nBanka=1\r\n"
    "Casino=True\r\nPristup=1500\r\nX=120.6\r\nY=88\r\n"
    "Trh03Cena=250\r\nTrh03MinCena=240\r\nTrh03Produkce=-20\r\nTrh14Cena=7\r\n"
    "[Mesto01]\r\nNazev=Janov\r\n"
    "[Lode]\r\nPocet=3\r\nTyp=2\r\nNaklad07=12.5\r\n"
    "[Mesto03]\r\nNazev=Za mezerou\r\n";

std::string cp1250(const std::string& s) {
    return *text::Utf8ToCp1250(s);
}

} // namespace

TEST(GameFile, AFileThatIsNoGameIsRefusedSaysWhyAndLeavesTheGameAlone) {
    const std::pair<std::string, GameFileProblem> cases[] = {
        {"", GameFileProblem::NoGame},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), GameFileProblem::NoGame},
        {"[Mesto00]\nNazev=Benátky\n[Lode]\nPocet=3\n", GameFileProblem::NoGame},
        {"[Mapa]\nPocetMest=0\n[Mesto00]\nNazev=A\n", GameFileProblem::NoCities},
        {"[Mapa]\nPocetMest=abc\n[Mesto00]\nNazev=A\n", GameFileProblem::NoCities},
        {"[Mapa]\nPocetMest=3\n[Mesto01]\nNazev=A\n", GameFileProblem::NoCities},
        {"[Mapa]\nMapa=../../etc/Mapa1\nPocetMest=1\n[Mesto00]\n", GameFileProblem::BadMapId},
        {"[Mapa]\nMapa=..\nPocetMest=1\n[Mesto00]\n", GameFileProblem::BadMapId},
        {"[Mapa]\nMapa=/tmp/Mapa1\nPocetMest=1\n[Mesto00]\n", GameFileProblem::BadMapId},
        {"[Mapa]\nMapa=Data\\Mapa1\nPocetMest=1\n[Mesto00]\n", GameFileProblem::BadMapId},
        {"[Mapa]\nMapa=\"\"\nPocetMest=1\n[Mesto00]\n", GameFileProblem::BadMapId},
    };
    TempDir dir;
    Profiles p;
    GameState st;
    st.Hotovost = 42;
    int n = 0;
    for (const auto& [bytes, problem] : cases) {
        const auto r = ReadGameFile(p, dir.write(std::to_string(++n) + ".mlo", bytes), st);
        EXPECT_EQ(r.problem, problem) << bytes;
    }
    const auto missing = ReadGameFile(p, dir.file("missing.mlo"), st);
    EXPECT_EQ(missing.problem, GameFileProblem::Unreadable);
    EXPECT_DOUBLE_EQ(st.Hotovost, 42);
    // The reason follows "Hru nelze otevřít: " and names the file.
    EXPECT_EQ(missing.Reason("Data/aktual.map"),
              "soubor Data/aktual.map chybí nebo se nedá přečíst.");
    EXPECT_EQ(ReadGame(IniDocument::Parse("[Mapa]\nMapa=../x\nPocetMest=1\n[Mesto00]\n"), st)
                  .Reason("y.mlo"),
              "soubor y.mlo uvádí mapu „../x“, což není název souboru.");
}

// Per key: what the file holds (nullptr: as the file from elsewhere has it), and what the game
// then holds, as a save writes it back. A value that does not fit its field takes the default,
// money is held at fifteen digits, a city label keeps 16 pixels on the 849 x 471 chart; only
// the cities up to the first gap count, and the current city is one of them.
TEST(GameFile, ValuesNoGameCanHoldAreBroughtIntoRangeAndMissingOnesTakeTheirDefaults) {
    const std::string max = "999999999999999", min = "-999999999999999";
    struct Key {
        const char *section, *key;
        std::vector<std::pair<const char*, std::string>> cases;
    };
    const Key keys[] = {
        {"Mapa", "Hotovost", {{nullptr, "12345.67"}, {"12x", "10000"}, {"-1E999", min}}},
        {"Mapa", "Hotovost", {{"1.79769313486232E+308", max}}},
        {"Mapa", "Konto", {{"1e", "10000"}, {"-999999999999999", min}}},
        {"Mapa", "Konto", {{"1000000000000000,5", max}}},
        {"Mapa", "Den", {{"abc", "0"}, {"-4", "0"}}},
        {"Mapa", "Obtiznost", {{"0", "1"}, {"6", "1"}, {"5", "5"}}},
        {"Mapa", "PocetMest", {{"4", "2"}, {"256", "2"}, {"70000", "2"}, {"1", "1"}}},
        {"Mapa", "AktualniMesto", {{"3", "0"}}},
        {"Mesto00", "X", {{nullptr, "121"}, {"-20", "0"}, {"5000", "833"}}},
        {"Mesto00", "Y", {{"900", "455"}}},
        {"Mesto00", "Velikost", {{"lots", "2"}, {"5", "2"}, {"0", "0"}}},
        {"Mesto00", "Pristup", {{"-100", "0"}, {"1E300", max}}},
        {"Mesto00", "Casino", {{nullptr, "255"}}},
        {"Mesto00", "Trh00Cena", {{"70000", "0"}}},
        {"Mesto00", "Trh03RanniCena", {{nullptr, "250"}}}, // no opening price: today's
        {"Mesto01", "Velikost", {{nullptr, "2"}}},
        {"Mesto01", "PopisTrhu", {{nullptr, "neznám"}}},
        {"Mesto01", "Banka", {{nullptr, "0"}}},
        {"Lode", "Naklad03", {{"-5", "0"}, {"1E999", "0"}}},
        {"Lode", "Pocet", {{"-3", "0"}, {"99999", "1"}}},
        {"Lode", "Nosnost", {{"0", "50"}}},
        {"Lode", "Rychlost", {{"0", "15"}}},
        {"Lode", "Typ", {{"3", "0"}, {"2", "2"}}},
    };
    for (const Key& k : keys)
        for (const auto& [stored, held] : k.cases) {
            IniDocument doc = IniDocument::Parse(smallMap);
            if (stored)
                doc.Set(k.section, k.key, stored);
            GameState g;
            ASSERT_TRUE(ReadGame(doc, g)) << k.key << "=" << stored;
            IniDocument saved;
            WriteGame(saved, g);
            // The difficulty is no part of a save (it rides along in the copied file).
            const auto back = std::string(k.key) == "Obtiznost" ? std::to_string(g.Obtiznost)
                                                                : saved.Get(k.section, k.key);
            EXPECT_EQ(back, held) << k.key << "=" << (stored ? stored : "");
        }
}

TEST(GameFile, ASaveThenLoadGivesBackTheSameGame) {
    // A system separator other than "." or "," (the Arabic one) writes ".".
    for (char sep : {'.', ',', DecimalSeparatorFor("\u066B")}) {
        TempDir dir;
        Profiles p;
        GameState st;
        st.locale.decimalSeparator = sep;
        st.Denik.Mesta[1].Posledni.Den = 3; // the game played before is forgotten
        ASSERT_TRUE(ReadGameFile(p, dir.write("m.mlo", cp1250(smallMap)), st));
        for (const LogbookCity& c : st.Denik.Mesta)
            EXPECT_FALSE(c.Posledni.Written() || c.Predchozi.Written());
        EXPECT_EQ(st.Denik.Mesto, NoCity);
        // Played: the first city twice, the second never.
        st.Denik.Mesta[0] = {{30, {210}}, {12, {190, 85}}};
        st.Denik.Mesto = 0;
        st.Hotovost = 987654.125;
        st.Konto = -0.1;
        st.Cities[0].Pristup = std::numeric_limits<double>::max();
        st.Hotovo = true;
        st.Fleet.Naklad[2] = 3.75;
        st.Cities[1].PopisTrhu = "Přístav " + std::string(50, 'a') + "é" + std::string(20, 'b');
        st.Cities[1].Trh[14] = {9, 8, -7, 11};
        st.Cities[1].Nazev = " Řím"; // a blank kept in quotes: found by fuzzing
        st.Company = "'Trotl' a syn";
        // A save is written over a copy of the state file, as the game saves.
        const std::string save = dir.file("save.mlo");
        ASSERT_TRUE(ReplaceWithCopy(p, dir.write("aktual.map", cp1250(smallMap)), save,
                                    [&](IniDocument& doc) { WriteGame(doc, st); }));

        GameState back;
        back.locale.decimalSeparator = sep;
        Profiles fresh;
        ASSERT_TRUE(ReadGameFile(fresh, save, back));
        EXPECT_DOUBLE_EQ(back.Hotovost, 987654.125);
        EXPECT_DOUBLE_EQ(back.Konto, -0.1);
        EXPECT_EQ(back.Cities[0].Pristup, MaxMoney); // held at the bound, not lost
        EXPECT_TRUE(back.Hotovo);
        EXPECT_DOUBLE_EQ(back.Fleet.Naklad[2], 3.75);
        EXPECT_EQ(back.Cities[1].PopisTrhu, st.Cities[1].PopisTrhu);
        EXPECT_EQ(back.Cities[1].Trh[14].RanniCena, 11);
        EXPECT_EQ(back.Company, "'Trotl' a syn");
        EXPECT_EQ(back.Cities[1].Nazev, " Řím");
        EXPECT_EQ(back.Denik.Mesta[0].Predchozi.Cena, st.Denik.Mesta[0].Predchozi.Cena);
        EXPECT_EQ(back.Denik.Mesta[0].Posledni.Den, 30);
        EXPECT_FALSE(back.Denik.Mesta[1].Posledni.Written());
        EXPECT_EQ(back.Denik.Mesto, 0);
        EXPECT_EQ(fresh.ReadProfile(save, "Denik", "Mesto00Ceny", ""),
                  "210 0 0 0 0 0 0 0 0 0 0 0 0 0");
        // The save writes only the game; the rest rides along in the copied file.
        EXPECT_EQ(back.Obtiznost, 3);
        EXPECT_EQ(fresh.ReadProfile(save, "Mapa", "Ukol", ""), "Vydělat");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto00", "Banka", ""), "255");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto01", "PopisTrhu", ""), "Přístav");
    }
}

// The logbook has a section of its own, which files from before it lack.
TEST(GameFile, ALogbookPageThatDoesNotReadIsAsIfNeverWritten) {
    const std::string first13 = "1 2 3 4 5 6 7 8 9 10 11 12 13";
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"7", first13 + " 14", true},
        {"7", " " + first13 + "  14 ", true},
        {"7", first13, false},            // too few
        {"7", first13 + " 14 15", false}, // too many
        {"7", first13 + " -14", false},
        {"7", first13 + " 40000", false},
        {"7", first13 + " 1.5", false},
        {"-1", first13 + " 14", false},
        {"sedm", first13 + " 14", false},
    };
    for (const auto& [den, ceny, written] : cases) {
        const std::string text = std::string(smallMap) + "[Denik]\nMesto=1\nMesto01Den=" + den +
                                 "\nMesto01Ceny=" + ceny + "\nMesto01PredchoziDen=3\n" +
                                 "Mesto01PredchoziCeny=" + ceny +
                                 "\nMesto05Den=1\nMesto05Ceny=" + first13 + " 14\n";
        GameState st;
        ASSERT_TRUE(ReadGame(IniDocument::Parse(text), st));
        const LogbookCity& city = st.Denik.Mesta[1];
        EXPECT_EQ(city.Posledni.Written(), written) << den << " / " << ceny;
        EXPECT_EQ(city.Predchozi.Written(), written) << den << " / " << ceny;
        EXPECT_EQ(city.Posledni.Cena[13], written ? 14 : 0) << den << " / " << ceny;
        EXPECT_EQ(st.Denik.Mesto, 1);
        EXPECT_FALSE(st.Denik.Mesta[5].Posledni.Written()); // no such city in this game
    }
    // The city of the visit under way must be one of the game's.
    GameState st;
    ASSERT_TRUE(ReadGame(IniDocument::Parse(std::string(smallMap) + "[Denik]\nMesto=2\n"), st));
    EXPECT_EQ(st.Denik.Mesto, NoCity);
}

// A save splits a description between words and reading joins it back; older saves cut
// after 54 characters, in a word or at a blank that reading dropped.
TEST(MarketDescription, SplitsBetweenWordsAndJoinsBackExactly) {
    const std::string word54(54, 'x');
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        {"  Sklo a koření.  ", "Sklo a koření.", "", true},
        {"Bohaté město kupců na konci mysu. Prodává zlato a starožitnosti, za hedvábí, čaj.",
         "Bohaté město kupců na konci mysu. Prodává zlato a", "starožitnosti, za hedvábí, čaj.",
         true},
        {word54 + "yy z", word54, "yy z", true}, // a word longer than the first part is cut
        {"Rodný přístav vaší společnosti. Levné dřevo, uhlí a jídlo z okolních vesnic.",
         "Rodný přístav vaší společnosti. Levné dřevo, uhlí a jí", "dlo z okolních vesnic.", false},
        {"Provensálské víno, obilí a uhlí z hor. Chybí dřevo na lodě.",
         "Provensálské víno, obilí a uhlí z hor. Chybí dřevo na", "lodě.", false},
        {"Město řemeslníků. Tkalci hedvábí, zbrojíři a prodávají",
         "Město řemeslníků. Tkalci hedvábí, zbrojíři a", " prodávají", false},
    };
    for (const auto& [whole, first, second, saved] : cases) {
        if (saved) {
            EXPECT_EQ(SplitDescription(whole), std::make_pair(first, second)) << whole;
        }
        EXPECT_EQ(JoinDescription(first, second), StorableDescription(whole)) << whole;
    }
}
