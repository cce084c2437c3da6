#include "state/GameFile.h"
#include "state/FileCopy.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
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

// The same, as it lies on disk: in Windows-1250.
const std::string smallMapFile = *text::Utf8ToCp1250(smallMap);

} // namespace

TEST(GameFile, AFileThatIsNoGameOrTooBigIsRefusedSaysWhyAndLeavesTheGameAlone) {
    const std::pair<std::string, GameFileProblem> cases[] = {
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
    for (const auto& [bytes, problem] : cases)
        EXPECT_EQ(ReadGameFile(p, dir.write(std::to_string(++n) + ".mlo", bytes), st).problem,
                  problem)
            << bytes;
    const auto missing = ReadGameFile(p, dir.file("missing.mlo"), st);
    EXPECT_EQ(missing.problem, GameFileProblem::Unreadable);
    EXPECT_DOUBLE_EQ(st.Hotovost, 42);
    EXPECT_EQ(missing.Reason("Data/aktual.map"),
              "soubor Data/aktual.map chybí nebo se nedá přečíst."); // after "Hru nelze otevřít: "
    EXPECT_EQ(ReadGame(IniDocument::Parse("[Mapa]\nMapa=../x\nPocetMest=1\n[Mesto00]\n"), st)
                  .Reason("y.mlo"),
              "soubor y.mlo uvádí mapu „../x“, což není název souboru.");

    // A game padded with a comment to exactly the largest file read is read, one byte more is
    // not, nor a sparse file of a terabyte, as "Načíst poslední" would pick it.
    std::string game = smallMapFile + ";";
    game.resize(Profiles::MaxFileBytes, 'x');
    EXPECT_TRUE(ReadGameFile(p, dir.write("largest.mlo", game), st));
    EXPECT_EQ(ReadGameFile(p, dir.write("over.mlo", game + "x"), st).problem,
              GameFileProblem::Unreadable);
    const std::string huge = dir.write("huge.mlo", smallMapFile);
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 40);
    EXPECT_EQ(ReadGameFile(p, huge, st).problem, GameFileProblem::Unreadable);
    EXPECT_FALSE(ReplaceWithCopy(p, huge, dir.file("aktual.map")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("aktual.map")));
}

// Per key: what the file holds (nullptr: as the small map has it), then what a save writes back.
// A value that does not fit takes the default, money stops at fifteen digits, a city label keeps
// 16 pixels on the 849 x 471 chart; only cities before the first gap count, the current among them.
TEST(GameFile, ValuesNoGameCanHoldAreBroughtIntoRangeAndMissingOnesTakeTheirDefaults) {
    const std::string max = "999999999999999", min = "-999999999999999";
    using Key =
        std::tuple<const char*, const char*, std::vector<std::pair<const char*, std::string>>>;
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
    for (const auto& [section, key, cases] : keys)
        for (const auto& [stored, held] : cases) {
            IniDocument doc = IniDocument::Parse(smallMap);
            if (stored)
                doc.Set(section, key, stored);
            GameState g;
            ASSERT_TRUE(ReadGame(doc, g)) << key << "=" << stored;
            IniDocument saved;
            WriteGame(saved, g);
            // The difficulty is no part of a save (it rides along in the copied file).
            const auto back = std::string(key) == "Obtiznost" ? std::to_string(g.Obtiznost)
                                                              : saved.Get(section, key);
            EXPECT_EQ(back, held) << key << "=" << (stored ? stored : "");
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
    const LogbookPage page{7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}};
    for (const auto& [den, ceny, written] : cases) {
        const std::string text = std::string(smallMap) + "[Denik]\nMesto=1\nMesto01Den=" + den +
                                 "\nMesto01Ceny=" + ceny + "\nMesto01PredchoziDen=3\n" +
                                 "Mesto01PredchoziCeny=" + ceny +
                                 "\nMesto05Den=1\nMesto05Ceny=" + first13 + " 14\n";
        GameState st;
        ASSERT_TRUE(ReadGame(IniDocument::Parse(text), st));
        Logbook read; // nothing of city 5, which this game lacks
        read.Mesto = 1;
        if (written)
            read.Mesta[1] = {page, {3, page.Cena}};
        EXPECT_TRUE(st.Denik == read) << den << " / " << ceny;
    }
    // The visit under way must be in one of the game's cities; a game played before is forgotten.
    GameState st;
    st.Denik.Mesto = 1;
    st.Denik.Mesta[5].Posledni.Den = 3;
    ASSERT_TRUE(ReadGame(IniDocument::Parse(std::string(smallMap) + "[Denik]\nMesto=2\n"), st));
    EXPECT_TRUE(st.Denik == Logbook{});
}

// A save splits a description between words and reading joins it back; older saves cut
// after 54 characters, in a word or at a blank that reading dropped.
TEST(MarketDescription, SplitsBetweenWordsAndJoinsBackExactly) {
    const std::string word54(54, 'x');
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        {"  Sklo a koření.  ", "Sklo a koření.", "", true},
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

// No two fields of a section, nor two cities, hold the same value: a key written from or read into
// the wrong field shows. A save goes over a copy of the state file, as the game's: the rest stays.
TEST(GameFile, EveryFieldGoesThroughASaveUnderItsOwnKeyWhateverTheDecimalSeparator) {
    for (const char sep : {'.', ','}) {
        const std::string dec(1, sep);
        std::vector<std::array<std::string, 3>> keys; // section, key, the text stored
        const auto put = [&keys](const std::string& section, const std::string& key, auto& field,
                                 const auto& value, const std::string& text) {
            field = static_cast<std::decay_t<decltype(field)>>(value);
            keys.push_back({section, key, text});
        };
        const auto putNumber = [&put](const std::string& s, const std::string& k, auto& f, int v) {
            put(s, k, f, v, std::to_string(v));
        };
        GameState st;
        st.locale.decimalSeparator = sep;
        putNumber("Mapa", "PocetMest", st.PocetMest, MaxCities);
        put("Mapa", "Mapa", st.Mapa, "Mapa7", "Mapa7");
        put("Mapa", "Name", st.Name, " Majitel", " Majitel"); // a blank kept in quotes
        put("Mapa", "Company", st.Company, "'Trotl' a syn", "'Trotl' a syn");
        put("Mapa", "Hotovost", st.Hotovost, 1000.5, "1000" + dec + "5");
        put("Mapa", "Konto", st.Konto, -0.1, "-0" + dec + "1");
        putNumber("Mapa", "Den", st.Den, 321);
        putNumber("Mapa", "AktualniMesto", st.AktualniMesto, 5);
        put("Mapa", "Hotovo", st.Hotovo, true, "255");
        for (int i = 0; i < MaxCities; ++i) {
            CityRecord& c = st.Cities[i];
            const std::string S = "Mesto0" + std::to_string(i), n = std::to_string(i);
            // The last city's description goes on in the second key.
            const std::string popis = i < 8 ? "Trh města " + n : "Přístav";
            const std::string more = i < 8 ? "" : std::string(50, 'a') + "é" + std::string(20, 'b');
            put(S, "Nazev", c.Nazev, "Město " + n, "Město " + n);
            put(S, "PopisTrhu", c.PopisTrhu, more.empty() ? popis : popis + " " + more, popis);
            keys.push_back({S, "PopisTrhu2", more});
            putNumber(S, "Velikost", c.Velikost, i % 5);
            putNumber(S, "PruzkumTrhu", c.PruzkumTrhu, 60 + i);
            put(S, "Banka", c.Banka, i % 2 == 0, i % 2 == 0 ? "255" : "0");
            put(S, "Casino", c.Casino, i % 2 == 1, i % 2 == 1 ? "255" : "0");
            // The destination of the voyage below is open.
            put(S, "Pristup", c.Pristup, i == 5 ? 0 : 1000.0 * i + 0.5,
                i == 5 ? "0" : std::to_string(1000 * i) + dec + "5");
            putNumber(S, "X", c.X, 10 + 90 * i);
            putNumber(S, "Y", c.Y, 30 + 40 * i);
            for (int nn = 0; nn < MarketSize; ++nn) {
                const std::string trh = "Trh" + TwoDigits(nn);
                const int cena = 100 + 50 * nn + i, dopad = -(10 * nn + i + 1);
                putNumber(S, trh + "Cena", c.Trh[nn].Cena, cena);
                putNumber(S, trh + "MinCena", c.Trh[nn].VcerejsiCena, cena + 20);
                putNumber(S, trh + "Produkce", c.Trh[nn].Produkce, dopad);
                putNumber(S, trh + "RanniCena", c.Trh[nn].RanniCena, cena + 30);
                putNumber(S, trh + "Dopad", c.Trh[nn].Dopad, dopad - 500);
            }
            const auto day = static_cast<std::int16_t>(20 + i);
            if (i < 8) // the last city never seen
                st.Denik.Mesta[i] = {{day, {static_cast<std::int16_t>(i + 1)}}, {day, {0, day}}};
        }
        keys.push_back({"Denik", "Mesto00Den", "20"});
        keys.push_back({"Denik", "Mesto00Ceny", "1 0 0 0 0 0 0 0 0 0 0 0 0 0"});
        st.Denik.Mesto = 4;
        putNumber("Lode", "Pocet", st.Fleet.Pocet, 1234);
        putNumber("Lode", "Poskozeni", st.Fleet.Poskozeni, 77);
        putNumber("Lode", "Nosnost", st.Fleet.Nosnost, 200);
        putNumber("Lode", "Typ", st.Fleet.Typ, 2);
        putNumber("Lode", "Rychlost", st.Fleet.Rychlost, 33);
        for (int nn = 0; nn < CargoSlots; ++nn)
            put("Lode", "Naklad" + TwoDigits(nn), st.Fleet.Naklad[nn], 500.5 + nn,
                std::to_string(500 + nn) + dec + "5");
        // At sea from city 3 to the current city 5, (280, 150) to (460, 230): 197 pixels.
        st.PendingAction = Pending::Voyage;
        st.Plavba.NaMori = true;
        putNumber("Plavba", "Odkud", st.Plavba.Odkud, 3);
        putNumber("Plavba", "Kam", st.Plavba.Kam, 5);
        putNumber("Plavba", "Vzdalenost", st.Plavba.Vzdalenost, 197);
        putNumber("Plavba", "Pozice", st.Plavba.Pozice, -40);
        putNumber("Plavba", "Tiky", st.Plavba.Tiky, 7);
        putNumber("Plavba", "Dny", st.Plavba.Dny, 9);

        TempDir dir;
        Profiles p, fresh;
        const std::string save = dir.file("save.mlo");
        ASSERT_TRUE(ReplaceWithCopy(p, dir.write("aktual.map", smallMapFile), save,
                                    [&](IniDocument& doc) { WriteGame(doc, st); }));
        for (const auto& [section, key, text] : keys)
            EXPECT_EQ(fresh.ReadProfile(save, section, key, ""), text) << section << "/" << key;
        EXPECT_EQ(fresh.ReadProfile(save, "Mapa", "Ukol", ""), "Vydělat");
        GameState back; // read back, the game saves as the same file
        back.locale.decimalSeparator = sep;
        ASSERT_TRUE(ReadGameFile(fresh, save, back));
        EXPECT_EQ(back.Obtiznost, 3);
        back.PendingAction = Pending::Voyage;
        IniDocument again = *fresh.ReadableSnapshot(save);
        WriteGame(again, back);
        EXPECT_EQ(again.Serialize(), fresh.ReadableSnapshot(save)->Serialize());
    }
}

// A voyage must fit the chart and the game it is read into; otherwise the fleet is in port.
// The small map's Janov (city 1, current) lies 150 pixels from Benátky at (121, 88).
TEST(GameFile, AVoyageThatContradictsTheChartOrTheGameIsMendedOrLeftInPort) {
    // Janov's access price, what the game is read for; then at sea, the current city, way, damage.
    const std::tuple<const char*, Pending, bool, int, int, int> rows[] = {
        {"", Pending::None, true, 1, 150, 250}, // the way as the chart has it, not 0
        {"0", Pending::None, true, 1, 150, 250},
        {"500", Pending::None, false, 0, 0, 100}, // a closed city: the fleet never left
        {"", Pending::NewGame, false, 1, 0, 100}, // a map from the album starts in port
    };
    for (const auto& [pristup, pending, atSea, city, distance, damage] : rows) {
        auto doc =
            IniDocument::Parse(std::string(smallMap) + "[Plavba]\nOdkud=0\nKam=1\nVzdalenost=0\n");
        doc.Set("Lode", "Poskozeni", "250");
        doc.Set("Mesto01", "Pristup", pristup);
        GameState st;
        st.PendingAction = pending;
        ASSERT_TRUE(ReadGame(doc, st)) << pristup;
        EXPECT_EQ(std::tuple(st.Plavba.NaMori, int(st.AktualniMesto), int(st.Plavba.Vzdalenost),
                             int(st.Fleet.Poskozeni)),
                  std::tuple(atSea, city, distance, damage))
            << pristup << " " << int(pending);
    }
}
