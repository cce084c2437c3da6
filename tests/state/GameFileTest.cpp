#include "state/GameFile.h"
#include "state/FileCopy.h"
#include "state/Numbers.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <filesystem>
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
        {"Lode", "Naklad03", {{"-5", "0"}, {"8355585", "8355585"}, {"8355586", "8355585"}}},
        {"Lode", "Naklad03", {{"1e308", "8355585"}, {"1E999", "8355585"}}},      // the largest hold
        {"Lode", "Poskozeni", {{"100", "100"}, {"101", "100"}, {"250", "100"}}}, // in port
        {"Mapa", "Name", {{"Jan Amos Komenský z Uherského B", "Jan Amos Komenský z Uherského "}}},
        {"Mapa", "Company", {{"Žluťoučký kůň úpěl ďábelské ód", "Žluťoučký kůň úpěl ďábelské ód"}}},
        {"Mesto00", "Trh03Cena", {{"999", "999"}, {"1000", "999"}, {"-5", "0"}}},
        {"Mesto00", "Trh03RanniCena", {{"999", "999"}, {"1000", "250"}, {"30000", "250"}}},
        {"Mesto00", "Trh03RanniCena", {{"1", "1"}, {"0", "250"}, {"-100", "250"}}},
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

// Every field of every section holds a value no other field of its section holds, and the
// cities differ from each other: a key written from the wrong field, or read into one,
// cannot come back unnoticed.
TEST(GameFile, EveryFieldGoesThroughASaveUnderItsOwnKey) {
    GameState st;
    st.PocetMest = MaxCities;
    st.Mapa = "Mapa7";
    st.Name = "Majitel";
    st.Company = "Společnost";
    st.Hotovost = 1000.5;
    st.Konto = -2000.25;
    st.Den = 321;
    st.AktualniMesto = 5;
    st.Hotovo = true;
    for (std::size_t i = 0; i < MaxCities; ++i) {
        CityRecord& c = st.Cities[i];
        const auto n = static_cast<int>(i);
        c.Nazev = "Město " + std::to_string(n);
        c.PopisTrhu = "Trh města " + std::to_string(n);
        c.Velikost = static_cast<std::uint8_t>(n % 5);
        c.PruzkumTrhu = static_cast<std::uint8_t>(100 + n);
        c.Banka = n % 2 == 0;
        c.Casino = !c.Banka;
        c.Pristup = i == 5 ? 0 : 1000.0 * n + 0.5; // the destination is open
        c.X = static_cast<std::int16_t>(10 + 90 * n);
        c.Y = static_cast<std::int16_t>(30 + 40 * n);
        for (std::size_t nn = 0; nn < MarketSize; ++nn) {
            const auto cena = static_cast<std::int16_t>(100 + 50 * nn + i);
            const auto dopad = static_cast<std::int16_t>(-(10 * nn + i + 1));
            c.Trh[nn] = {cena, static_cast<std::int16_t>(cena + 20), dopad,
                         static_cast<std::int16_t>(cena + 30),
                         static_cast<std::int16_t>(dopad - 500)};
        }
        st.Denik.Mesta[i].Posledni = {static_cast<std::int16_t>(40 + n),
                                      {static_cast<std::int16_t>(n + 1)}};
        st.Denik.Mesta[i].Predchozi = {static_cast<std::int16_t>(20 + n),
                                       {0, static_cast<std::int16_t>(n + 2)}};
    }
    st.Denik.Mesto = 4;
    st.Fleet = {1234, 77, 200, 2, 33, {}};
    for (std::size_t nn = 0; nn < CargoSlots; ++nn)
        st.Fleet.Naklad[nn] = 500.5 + static_cast<double>(nn);
    // At sea from city 3 to the current city 5, (280, 150) to (460, 230): 197 pixels.
    st.PendingAction = Pending::Voyage;
    st.Plavba = {true, 3, 5, 197, -40, 7, 9};

    IniDocument doc;
    WriteGame(doc, st);
    // The file as stored files have it, key by key.
    auto expect = [&doc](const std::string& section, const std::string& key, std::string value) {
        EXPECT_EQ(doc.Get(section, key), value) << section << "/" << key;
    };
    for (const auto& [key, value] : {std::pair("PocetMest", "9"),
                                     std::pair("Name", "Majitel"),
                                     {"Company", "Společnost"},
                                     {"Mapa", "Mapa7"},
                                     {"Hotovost", "1000.5"},
                                     {"Konto", "-2000.25"},
                                     {"Den", "321"},
                                     {"AktualniMesto", "5"},
                                     {"Hotovo", "255"}})
        expect("Mapa", key, value);
    for (int i = 0; i < MaxCities; ++i) {
        const std::string S = "Mesto0" + std::to_string(i), n = std::to_string(i);
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>("Nazev", "Město " + n),
              {"PopisTrhu", "Trh města " + n},
              {"PopisTrhu2", ""},
              {"Velikost", std::to_string(i % 5)},
              {"PruzkumTrhu", std::to_string(100 + i)},
              {"Banka", i % 2 == 0 ? "255" : "0"},
              {"Casino", i % 2 == 0 ? "0" : "255"},
              {"Pristup", i == 5 ? "0" : std::to_string(1000 * i) + ".5"},
              {"X", std::to_string(10 + 90 * i)},
              {"Y", std::to_string(30 + 40 * i)}})
            expect(S, key, value);
        for (int nn = 0; nn < MarketSize; ++nn) {
            const std::string trh = "Trh" + TwoDigits(nn);
            const int cena = 100 + 50 * nn + i, dopad = -(10 * nn + i + 1);
            expect(S, trh + "Cena", std::to_string(cena));
            expect(S, trh + "MinCena", std::to_string(cena + 20));
            expect(S, trh + "Produkce", std::to_string(dopad));
            expect(S, trh + "RanniCena", std::to_string(cena + 30));
            expect(S, trh + "Dopad", std::to_string(dopad - 500));
        }
    }
    for (const auto& [key, value] : {std::pair("Pocet", "1234"),
                                     std::pair("Poskozeni", "77"),
                                     {"Nosnost", "200"},
                                     {"Typ", "2"},
                                     {"Rychlost", "33"}})
        expect("Lode", key, value);
    for (int nn = 0; nn < CargoSlots; ++nn)
        expect("Lode", "Naklad" + TwoDigits(nn), std::to_string(500 + nn) + ".5");
    for (const auto& [key, value] : {std::pair("Odkud", "3"),
                                     std::pair("Kam", "5"),
                                     {"Vzdalenost", "197"},
                                     {"Pozice", "-40"},
                                     {"Tiky", "7"},
                                     {"Dny", "9"}})
        expect("Plavba", key, value);

    GameState back;
    ASSERT_TRUE(ReadGame(doc, back));
    EXPECT_EQ(std::tie(back.Mapa, back.Name, back.Company, back.Hotovost, back.Konto, back.Den,
                       back.AktualniMesto, back.Hotovo, back.PocetMest),
              std::tie(st.Mapa, st.Name, st.Company, st.Hotovost, st.Konto, st.Den,
                       st.AktualniMesto, st.Hotovo, st.PocetMest));
    for (std::size_t i = 0; i < MaxCities; ++i)
        EXPECT_TRUE(back.Cities[i] == st.Cities[i]) << "Mesto0" << i;
    EXPECT_TRUE(back.Denik == st.Denik);
    EXPECT_TRUE(back.Fleet == st.Fleet);
    EXPECT_TRUE(back.Plavba == st.Plavba);
    // And the game read back saves as the same file.
    back.PendingAction = Pending::Voyage;
    IniDocument again;
    WriteGame(again, back);
    EXPECT_EQ(again.Serialize(), doc.Serialize());
}

// A voyage must fit the chart and the game it is read into; otherwise the fleet is in port.
// The small map's Janov (city 1, current) lies 150 pixels from Benátky at (121, 88).
TEST(GameFile, AVoyageThatContradictsTheChartOrTheGameIsMendedOrLeftInPort) {
    struct Row {
        const char* pristup; // of Janov, the destination
        Pending pending;
        bool atSea;
        int city, distance, damage;
    };
    const Row rows[] = {
        {"", Pending::None, true, 1, 150, 250}, // the way as the chart has it, not 0
        {"0", Pending::None, true, 1, 150, 250},
        {"500", Pending::None, false, 0, 0, 100}, // a closed city: the fleet never left
        {"", Pending::NewGame, false, 1, 0, 100}, // a map from the album starts in port
    };
    for (const Row& r : rows) {
        IniDocument doc = IniDocument::Parse(smallMap);
        for (const auto& [key, value] :
             {std::pair("Odkud", "0"), std::pair("Kam", "1"), std::pair("Vzdalenost", "0")})
            doc.Set("Plavba", key, value);
        doc.Set("Lode", "Poskozeni", "250");
        doc.Set("Mesto01", "Pristup", r.pristup);
        GameState st;
        st.PendingAction = r.pending;
        ASSERT_TRUE(ReadGame(doc, st)) << r.pristup;
        EXPECT_EQ(std::tuple(st.Plavba.NaMori, int(st.AktualniMesto), int(st.Plavba.Vzdalenost),
                             int(st.Fleet.Poskozeni)),
                  std::tuple(r.atSea, r.city, r.distance, r.damage))
            << r.pristup << " " << int(r.pending);
    }
}

// However large a file in the save folder is, it is refused as unreadable, not read.
TEST(GameFile, AFileTooBigToBeAGameIsRefusedAndNeverRead) {
    TempDir dir;
    Profiles p;
    GameState st;
    // A game padded with a comment to exactly the largest file read, and one byte more.
    std::string game = cp1250(smallMap) + ";";
    game.resize(Profiles::MaxFileBytes, 'x');
    EXPECT_TRUE(ReadGameFile(p, dir.write("largest.mlo", game), st));
    EXPECT_EQ(ReadGameFile(p, dir.write("over.mlo", game + "x"), st).problem,
              GameFileProblem::Unreadable);
    // A sparse file of a terabyte, as "Načíst poslední" would pick it.
    const std::string huge = dir.write("huge.mlo", cp1250(smallMap));
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 40);
    EXPECT_EQ(ReadGameFile(p, huge, st).problem, GameFileProblem::Unreadable);
    EXPECT_FALSE(ReplaceWithCopy(p, huge, dir.file("aktual.map")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("aktual.map")));
}
