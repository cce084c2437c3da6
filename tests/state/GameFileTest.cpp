#include "state/GameFile.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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

TEST_F(GameFile, ReadsEveryKeyAndSuppliesTheDefaults) {
    ASSERT_TRUE(ReadGameFile(p, dir.write("m.mlo", cp1250(smallMap)), st));
    EXPECT_EQ(st.Mapa, "Mapa2");
    EXPECT_EQ(st.PocetMest, 2);
    EXPECT_EQ(st.AktualniMesto, 1);
    EXPECT_EQ(st.Obtiznost, 3);
    EXPECT_EQ(st.Den, 12);
    EXPECT_DOUBLE_EQ(st.Hotovost, 12345.67); // written on a system with a decimal comma
    EXPECT_DOUBLE_EQ(st.Konto, -500.5);
    const CityRecord& a = st.Cities[0];
    EXPECT_EQ(a.Velikost, 4);
    EXPECT_TRUE(a.Banka);
    EXPECT_TRUE(a.Casino);
    EXPECT_DOUBLE_EQ(a.Pristup, 1500);
    EXPECT_EQ(a.X, 121);
    EXPECT_EQ(a.Trh[3].Cena, 250);
    EXPECT_EQ(a.Trh[3].Produkce, -20);
    EXPECT_EQ(a.Trh[3].RanniCena, 250); // a file without opening prices opens at its prices
    EXPECT_EQ(a.Trh[14].Cena, 7);
    // A city with nothing but a name: the defaults of an open, empty market.
    const CityRecord& b = st.Cities[1];
    EXPECT_EQ(b.Nazev, "Janov");
    EXPECT_EQ(b.Velikost, 2);
    EXPECT_EQ(b.PopisTrhu, "neznám");
    EXPECT_FALSE(b.Banka);
    EXPECT_DOUBLE_EQ(b.Pristup, 0);
    for (const auto& m : b.Trh)
        EXPECT_EQ(m.Cena, 0);
    EXPECT_EQ(st.Fleet.Pocet, 3);
    EXPECT_EQ(st.Fleet.Typ, 2);
    EXPECT_EQ(st.Fleet.Nosnost, 50);
    EXPECT_EQ(st.Fleet.Rychlost, 15);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[7], 12.5);
}

TEST_F(GameFile, AnEmptyFileIsTheDefaultGameAndAMissingOneIsRefused) {
    st.Hotovost = 42;
    EXPECT_FALSE(ReadGameFile(p, dir.file("missing.mlo"), st));
    EXPECT_DOUBLE_EQ(st.Hotovost, 42);
    ASSERT_TRUE(ReadGameFile(p, dir.write("empty.mlo", ""), st));
    EXPECT_EQ(st.Mapa, "Mapa1");
    EXPECT_EQ(st.PocetMest, 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10000);
    EXPECT_DOUBLE_EQ(st.Konto, 10000);
    EXPECT_EQ(st.Name, "XXX");
    EXPECT_EQ(st.Fleet.Pocet, 1);
    EXPECT_EQ(st.Obtiznost, 1);
}

TEST_F(GameFile, ValuesThatDoNotFitTheirFieldTakeTheDefault) {
    const auto f = dir.write("bad.mlo", "[Mapa]\nPocetMest=12\nAktualniMesto=11\nObtiznost=300\n"
                                        "Den=abc\nHotovost=12x\nKonto=1e999\n"
                                        "[Lode]\nPocet=99999\nNosnost=-3\nTyp=1\n"
                                        "[Mesto00]\nVelikost=lots\nTrh00Cena=70000\n");
    ASSERT_TRUE(ReadGameFile(p, f, st));
    EXPECT_EQ(st.PocetMest, 9);
    EXPECT_EQ(st.AktualniMesto, 0);
    EXPECT_EQ(st.Obtiznost, 1);
    EXPECT_EQ(st.Den, 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10000);
    EXPECT_DOUBLE_EQ(st.Konto, 10000);
    EXPECT_EQ(st.Fleet.Pocet, 1);
    EXPECT_EQ(st.Fleet.Nosnost, 50);
    EXPECT_EQ(st.Fleet.Typ, 1);
    EXPECT_EQ(st.Cities[0].Velikost, 2);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 0);
}

TEST(GameFileRoundTrip, ASaveThenLoadGivesBackTheSameGame) {
    for (char sep : {'.', ','}) {
        TempDir dir;
        Profiles p;
        GameState st;
        st.locale.decimalSeparator = sep;
        ASSERT_TRUE(ReadGameFile(p, dir.write("m.mlo", cp1250(smallMap)), st));
        st.Hotovost = 987654.125;
        st.Konto = -0.1;
        st.Den = 321;
        st.Hotovo = true;
        st.Fleet.Naklad[2] = 3.75;
        st.Cities[1].PopisTrhu = std::string(54, 'a') + "é" + std::string(20, 'b');
        st.Cities[1].Trh[14] = {9, 8, -7, 11};
        // A save starts as a copy of the state file.
        const std::string save = dir.write("save.mlo", cp1250(smallMap));
        ASSERT_TRUE(WriteGameFile(p, save, st));

        GameState back;
        back.locale.decimalSeparator = sep;
        Profiles fresh;
        ASSERT_TRUE(ReadGameFile(fresh, save, back));
        EXPECT_DOUBLE_EQ(back.Hotovost, 987654.125);
        EXPECT_DOUBLE_EQ(back.Konto, -0.1);
        EXPECT_EQ(back.Den, 321);
        EXPECT_TRUE(back.Hotovo);
        EXPECT_DOUBLE_EQ(back.Fleet.Naklad[2], 3.75);
        EXPECT_EQ(back.Cities[1].PopisTrhu, st.Cities[1].PopisTrhu);
        EXPECT_EQ(back.Cities[1].Trh[14].Produkce, -7);
        EXPECT_EQ(back.Cities[1].Trh[14].RanniCena, 11);
        EXPECT_EQ(back.Cities[0].X, st.Cities[0].X);
        EXPECT_EQ(back.Name, st.Name);
        // The save writes only the game; Obtiznost rides along in the copied file.
        EXPECT_EQ(back.Obtiznost, 3);
        EXPECT_EQ(fresh.ReadProfile(save, "Mapa", "Ukol", ""), "Vydělat");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto00", "Banka", ""), "255");
        EXPECT_EQ(fresh.ReadProfile(save, "Mesto01", "PopisTrhu", "").size(), 54u);
    }
}

TEST_F(GameFile, TheSaveWritesKeysInTheGamesOrder) {
    st.PocetMest = 1;
    st.Cities[0].Nazev = "A";
    const std::string f = dir.file("new.mlo");
    ASSERT_TRUE(WriteGameFile(p, f, st));
    const std::string text = TempDir::read(f);
    const auto pos = [&](const std::string& s) { return text.find(s); };
    EXPECT_LT(pos("[Mapa]\r\nPocetMest=1\r\n"), pos("[Mesto00]\r\nNazev=A\r\nVelikost=2\r\n"));
    EXPECT_LT(
        pos("Trh00Cena=0\r\nTrh00MinCena=0\r\nTrh00Produkce=0\r\nTrh00RanniCena=0\r\nTrh01Cena"),
        pos("[Lode]"));
    // Name and the money land in the Mapa section, at its end, in the save order.
    EXPECT_NE(pos("PocetMest=1\r\nName=XXX\r\nCompany=XXX\r\nMapa=Mapa1\r\nHotovost=10000\r\n"
                  "Konto=10000\r\nDen=0\r\nAktualniMesto=0\r\nHotovo=0\r\n"),
              std::string::npos);
    EXPECT_NE(pos("Rychlost=15\r\nNaklad00=0\r\n"), std::string::npos);
}
