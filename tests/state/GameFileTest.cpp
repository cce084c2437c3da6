#include "state/GameFile.h"
#include "state/Numbers.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

const char* smallMap =
    "[Mapa]\r\nMapa=Mapa2\r\nNazev=Zkušební moře\r\nPocetMest=2\r\nName=Ludvík\r\n"
    "Company=Trotl Transport\r\nHotovo=0\r\nAktualniMesto=1\r\nObtiznost=3\r\nDen=12\r\n"
    "Hotovost=12345,67\r\nKonto=-500.5\r\nUkol=Vydělat\r\n"
    "[Mesto00]\r\nNazev=Benátky\r\nVelikost=4\r\nPopisTrhu=Sklo a koření.\r\nBanka=1\r\n"
    "Casino=True\r\nPristup=1500\r\nX=120.6\r\nY=88\r\n"
    "Trh03Cena=250\r\nTrh03MinCena=240\r\nTrh03Produkce=-20\r\nTrh14Cena=7\r\n"
    "[Mesto01]\r\nNazev=Janov\r\n"
    "[Lode]\r\nPocet=3\r\nTyp=2\r\nNaklad07=12.5\r\n"
    "[Top0]\r\nName=------\r\n";

std::string cp1250(const std::string& s) {
    return *text::Utf8ToCp1250(s);
}

class GameFile : public ::testing::Test {
protected:
    TempDir dir;
    Profiles p;
    GameState st;
};

} // namespace

// Which key each value is read from, the round trip and the range table show; here what a
// file from elsewhere brings: a decimal comma, a position with a fraction, a city with
// nothing but a name, no opening prices and no fleet figures.
TEST_F(GameFile, ReadsAFileFromAnotherSystemAndSuppliesTheDefaults) {
    ASSERT_TRUE(ReadGameFile(p, dir.write("m.mlo", cp1250(smallMap)), st));
    EXPECT_DOUBLE_EQ(st.Hotovost, 12345.67); // written on a system with a decimal comma
    const CityRecord& a = st.Cities[0];
    EXPECT_TRUE(a.Banka);
    EXPECT_TRUE(a.Casino);
    EXPECT_EQ(a.X, 121);
    EXPECT_EQ(a.Trh[3].RanniCena, 250); // a file without opening prices opens at its prices
    const CityRecord& b = st.Cities[1];
    EXPECT_EQ(b.Velikost, 2);
    EXPECT_EQ(b.PopisTrhu, "neznám");
    EXPECT_FALSE(b.Banka);
    for (const auto& m : b.Trh)
        EXPECT_EQ(m.Cena, 0);
    EXPECT_EQ(st.Fleet.Nosnost, 50);
    EXPECT_EQ(st.Fleet.Rychlost, 15);
}

TEST_F(GameFile, AFileThatIsNoGameIsRefusedAndSaysWhy) {
    struct Case {
        std::string bytes;
        GameFileProblem problem;
    };
    const Case cases[] = {
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
    st.Hotovost = 42;
    for (const Case& c : cases) {
        const auto r = ReadGameFile(p, dir.write("x.mlo", c.bytes), st);
        EXPECT_FALSE(r) << c.bytes;
        EXPECT_EQ(r.problem, c.problem) << c.bytes;
        p.Forget(dir.file("x.mlo"));
    }
    const auto missing = ReadGameFile(p, dir.file("missing.mlo"), st);
    EXPECT_EQ(missing.problem, GameFileProblem::Unreadable);
    EXPECT_DOUBLE_EQ(st.Hotovost, 42); // the game in memory is left alone
    // The reason follows "Hru nelze otevřít: " and names the file.
    EXPECT_EQ(missing.Reason("Data/aktual.map"),
              "soubor Data/aktual.map chybí nebo se nedá přečíst.");
    const auto path =
        ReadGameFile(p, dir.write("y.mlo", "[Mapa]\nMapa=../x\nPocetMest=1\n[Mesto00]\n"), st);
    EXPECT_EQ(path.Reason("y.mlo"), "soubor y.mlo uvádí mapu „../x“, což není název souboru.");
}

TEST_F(GameFile, ValuesNoGameCanHoldAreBroughtIntoRange) {
    using Field = std::function<double(const GameState&)>;
    const Field cargo = [](const GameState& g) { return g.Fleet.Naklad[3]; };
    const Field ships = [](const GameState& g) { return g.Fleet.Pocet; };
    const Field capacity = [](const GameState& g) { return g.Fleet.Nosnost; };
    const Field speed = [](const GameState& g) { return g.Fleet.Rychlost; };
    const Field type = [](const GameState& g) { return g.Fleet.Typ; };
    const Field difficulty = [](const GameState& g) { return g.Obtiznost; };
    const Field size = [](const GameState& g) { return g.Cities[0].Velikost; };
    const Field access = [](const GameState& g) { return g.Cities[0].Pristup; };
    const Field day = [](const GameState& g) { return g.Den; };
    const Field x = [](const GameState& g) { return g.Cities[0].X; };
    const Field y = [](const GameState& g) { return g.Cities[0].Y; };
    const Field cash = [](const GameState& g) { return g.Hotovost; };
    const Field account = [](const GameState& g) { return g.Konto; };
    const Field cities = [](const GameState& g) { return g.PocetMest; };
    const Field price = [](const GameState& g) { return g.Cities[0].Trh[0].Cena; };
    struct Row {
        const char *section, *key, *stored;
        const Field& field;
        double expected;
    };
    const double bound = 999'999'999'999'999.0;
    const Row rows[] = {
        {"Lode", "Naklad03", "-5", cargo, 0},
        {"Lode", "Naklad03", "1E999", cargo, 0},
        {"Lode", "Naklad03", "7.5", cargo, 7.5},
        {"Lode", "Pocet", "-3", ships, 0},
        {"Lode", "Nosnost", "0", capacity, 50},
        // A value that does not fit its field, or is no number, takes the default.
        {"Lode", "Pocet", "99999", ships, 1},
        {"Lode", "Nosnost", "-3", capacity, 50},
        {"Mapa", "Obtiznost", "300", difficulty, 1},
        {"Mapa", "Den", "abc", day, 0},
        {"Mapa", "Hotovost", "12x", cash, 10000},
        {"Mapa", "Konto", "1e", account, 10000},
        {"Mesto00", "Velikost", "lots", size, 2},
        {"Mesto00", "Trh00Cena", "70000", price, 0},
        {"Lode", "Rychlost", "0", speed, 15},
        {"Lode", "Typ", "3", type, 0},
        {"Lode", "Typ", "2", type, 2},
        {"Mapa", "Obtiznost", "0", difficulty, 1},
        {"Mapa", "Obtiznost", "6", difficulty, 1},
        {"Mapa", "Obtiznost", "5", difficulty, 5},
        {"Mesto00", "Velikost", "5", size, 2},
        {"Mesto00", "Velikost", "0", size, 0},
        {"Mesto00", "Pristup", "-100", access, 0},
        {"Mesto00", "Pristup", "1E300", access, bound},
        {"Mapa", "Den", "-4", day, 0},
        {"Mesto00", "X", "-20", x, 0},
        {"Mesto00", "X", "5000", x, 849 - 16},
        {"Mesto00", "Y", "-1", y, 0},
        {"Mesto00", "Y", "900", y, 471 - 16},
        {"Mapa", "Hotovost", "1E300", cash, bound},
        {"Mapa", "Hotovost", "1.79769313486232E+308", cash, bound},
        {"Mapa", "Hotovost", "-1E999", cash, -bound},
        {"Mapa", "Konto", "-999999999999999", account, -bound},
        {"Mapa", "Konto", "1000000000000000,5", account, bound},
        // More cities than sections: only the two present count, however large the number.
        {"Mapa", "PocetMest", "9", cities, 2},
        {"Mapa", "PocetMest", "256", cities, 2},
        {"Mapa", "PocetMest", "70000", cities, 2},
        {"Mapa", "PocetMest", "1", cities, 1},
    };
    for (const Row& r : rows) {
        IniDocument doc = IniDocument::Parse(smallMap);
        doc.Set(r.section, r.key, r.stored);
        GameState g;
        ASSERT_TRUE(ReadGame(doc, g)) << r.key << "=" << r.stored;
        EXPECT_EQ(r.field(g), r.expected) << r.key << "=" << r.stored;
    }
}

TEST_F(GameFile, CitiesFollowOneAnotherFromTheFirstSection) {
    // A gap ends the cities: no "Neznamo" stands in for a missing section.
    const auto f = dir.write("gap.mlo", "[Mapa]\nPocetMest=4\nAktualniMesto=3\n[Mesto00]\nNazev=A\n"
                                        "[Mesto01]\nNazev=B\n[Mesto03]\nNazev=D\n");
    ASSERT_TRUE(ReadGameFile(p, f, st));
    EXPECT_EQ(st.PocetMest, 2);
    EXPECT_EQ(st.Cities[1].Nazev, "B");
    EXPECT_EQ(st.Cities[2].Nazev, "");
    EXPECT_EQ(st.AktualniMesto, 0);
}

TEST(GameFileRoundTrip, ASaveThenLoadGivesBackTheSameGame) {
    // A system separator other than "." or "," (the Arabic one) writes ".".
    for (char sep : {'.', ',', DecimalSeparatorFor("\u066B")}) {
        TempDir dir;
        Profiles p;
        GameState st;
        st.locale.decimalSeparator = sep;
        ASSERT_TRUE(ReadGameFile(p, dir.write("m.mlo", cp1250(smallMap)), st));
        st.Hotovost = 987654.125;
        st.Konto = -0.1;
        st.Cities[0].Pristup = std::numeric_limits<double>::max();
        st.Den = 321;
        st.Hotovo = true;
        st.Fleet.Naklad[2] = 3.75;
        st.Cities[1].PopisTrhu = "Přístav " + std::string(50, 'a') + "é" + std::string(20, 'b');
        st.Cities[1].Trh[14] = {9, 8, -7, 11};
        st.Cities[1].Nazev = " Řím"; // a blank kept in quotes: found by fuzzing
        st.Company = "'Trotl' a syn";
        // A save starts as a copy of the state file.
        const std::string save = dir.write("save.mlo", cp1250(smallMap));
        ASSERT_TRUE(WriteGameFile(p, save, st));

        GameState back;
        back.locale.decimalSeparator = sep;
        Profiles fresh;
        ASSERT_TRUE(ReadGameFile(fresh, save, back));
        EXPECT_DOUBLE_EQ(back.Hotovost, 987654.125);
        EXPECT_DOUBLE_EQ(back.Konto, -0.1);
        EXPECT_EQ(back.Cities[0].Pristup, MaxMoney); // held at the bound, not lost
        EXPECT_EQ(back.Den, 321);
        EXPECT_TRUE(back.Hotovo);
        EXPECT_DOUBLE_EQ(back.Fleet.Naklad[2], 3.75);
        EXPECT_EQ(back.Cities[1].PopisTrhu, st.Cities[1].PopisTrhu);
        EXPECT_EQ(back.Cities[1].Trh[14].Produkce, -7);
        EXPECT_EQ(back.Cities[1].Trh[14].RanniCena, 11);
        EXPECT_EQ(back.Cities[0].X, st.Cities[0].X);
        EXPECT_EQ(back.Name, st.Name);
        EXPECT_EQ(back.Company, "'Trotl' a syn");
        EXPECT_EQ(back.Cities[1].Nazev, " Řím");
        // The save writes only the game; Obtiznost rides along in the copied file.
        EXPECT_EQ(back.Obtiznost, 3);
        EXPECT_EQ(fresh.ReadProfile(save, "Mapa", "Ukol", ""), "Vydělat");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto00", "Banka", ""), "255");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto01", "PopisTrhu", ""), "Přístav");
    }
}

TEST(MarketDescription, SplitsBetweenWordsAndJoinsBackExactly) {
    struct Case {
        std::string whole, first, second;
    };
    const std::string word54(54, 'x');
    const Case cases[] = {
        {"Sklo a koření.", "Sklo a koření.", ""},
        {"  Sklo a koření.  ", "Sklo a koření.", ""},
        {"Bohaté město kupců na konci mysu. Prodává zlato a starožitnosti, za hedvábí, čaj.",
         "Bohaté město kupců na konci mysu. Prodává zlato a", "starožitnosti, za hedvábí, čaj."},
        {word54 + "yy z", word54, "yy z"}, // a word longer than the first part is cut
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitDescription(c.whole), std::make_pair(c.first, c.second)) << c.whole;
        EXPECT_EQ(JoinDescription(c.first, c.second), StorableDescription(c.whole)) << c.whole;
    }
    // Older saves cut after 54 characters, in a word or at a blank that reading dropped.
    EXPECT_EQ(JoinDescription("Rodný přístav vaší společnosti. Levné dřevo, uhlí a jí",
                              "dlo z okolních vesnic."),
              "Rodný přístav vaší společnosti. Levné dřevo, uhlí a jídlo z okolních vesnic.");
    EXPECT_EQ(JoinDescription("Provensálské víno, obilí a uhlí z hor. Chybí dřevo na", "lodě."),
              "Provensálské víno, obilí a uhlí z hor. Chybí dřevo na lodě.");
    EXPECT_EQ(JoinDescription("Město řemeslníků. Tkalci hedvábí, zbrojíři a", " prodávají"),
              "Město řemeslníků. Tkalci hedvábí, zbrojíři a prodávají");

    // Any description: neither part starts or ends with a blank, the first holds at most 54
    // characters, and what a save keeps comes back from the file unchanged, save after save.
    std::mt19937 rnd(13);
    const std::vector<std::string> pieces = {
        "a",  "Příliš", "žluťoučký",         "kůň", "úpěl", "ďábelské", "ódy,", " ",
        "  ", "\t",     std::string(30, 'w')};
    int tried = 0;
    for (; tried < 3000; ++tried) {
        std::string d;
        const int n = static_cast<int>(rnd() % 40);
        for (int i = 0; i < n; ++i)
            d += pieces[rnd() % pieces.size()] + (rnd() % 3 ? " " : "");
        const auto [first, second] = SplitDescription(d);
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        for (const std::string& part : {first, second})
            ASSERT_TRUE(part.empty() || (!blank(part.front()) && !blank(part.back()))) << d;
        ASSERT_LE(text::CharCount(first), 54u) << d;
        const std::string kept = StorableDescription(d);
        ASSERT_EQ(StorableDescription(kept), kept) << d;

        GameState g;
        g.PocetMest = 1;
        g.Cities[0].PopisTrhu = d;
        IniDocument doc;
        WriteGame(doc, g);
        GameState back;
        ASSERT_TRUE(ReadGame(IniDocument::Parse(doc.Serialize()), back)) << d;
        ASSERT_EQ(back.Cities[0].PopisTrhu, kept) << d;
    }
    EXPECT_EQ(tried, 3000);
}
