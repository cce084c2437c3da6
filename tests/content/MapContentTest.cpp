// The scenario maps shipped in data/: each one must load through the game's own reader,
// fit its chart and survive a save.
#include "state/GameFile.h"
#include "state/Scenarios.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {

std::string MapPath(const std::string& id) {
    return std::string(VLNOBROD_SOURCE_DIR) + "/data/" + id + ".mlo";
}

// A key's value exactly as the file holds it, blanks included (the game trims them).
std::optional<std::string> RawValue(const std::string& bytes, const std::string& section,
                                    const std::string& key) {
    std::istringstream in(bytes);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.starts_with('['))
            inSection = line == "[" + section + "]";
        else if (inSection && line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    }
    return std::nullopt;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

class MapContent : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(MapPath(GetParam()))) << MapPath(GetParam());
        ASSERT_TRUE(ReadGameFile(profiles, MapPath(GetParam()), st));
    }
    std::string Read(const std::string& section, const std::string& key) {
        return profiles.ReadProfile(MapPath(GetParam()), section, key, "<missing>");
    }
    Profiles profiles;
    GameState st;
};

// Where the labels land on the chart, with their real size, the port screen test checks.
TEST_P(MapContent, EveryCityIsNamedAndPlacedOnTheVisibleChart) {
    ASSERT_GT(st.PocetMest, 0);
    for (int i = 0; i < st.PocetMest; ++i) {
        const CityRecord& c = st.Cities[i];
        EXPECT_FALSE(c.Nazev.empty());
        EXPECT_TRUE(c.X >= 0 && c.X < 849 && c.Y >= 0 && c.Y < 471) << c.Nazev;
    }
}

TEST_P(MapContent, OnlyNamedGoodsAreTradedAndPricesAreInRange) {
    for (int i = 0; i < st.PocetMest; ++i) {
        const CityRecord& c = st.Cities[i];
        int traded = 0;
        for (int g = 0; g < MarketSize; ++g) {
            const MarketEntry& m = c.Trh[g];
            if (m.Cena == 0)
                continue;
            ++traded;
            EXPECT_FALSE(GoodsName(st.Mapa, g).empty()) << c.Nazev << " trades goods " << g;
            EXPECT_GE(m.Cena, 5) << c.Nazev << " goods " << g;
            EXPECT_LE(m.Cena, 999) << c.Nazev << " goods " << g;
        }
        EXPECT_GE(traded, 4) << c.Nazev << " has hardly a market";
        EXPECT_EQ(c.Trh[14].Cena, 0) << c.Nazev;
        EXPECT_LE(text::CharCount(c.PopisTrhu), 54u + 98u) << c.Nazev;
    }
}

// The market description is stored in two keys, split at a blank that the game puts back
// when it joins them: a blank left at the split would vanish and glue two words.
TEST_P(MapContent, MarketDescriptionsReadBackWordForWord) {
    const std::string bytes = TempDir::read(MapPath(GetParam()));
    for (int i = 0; i < st.PocetMest; ++i) {
        const std::string section = "Mesto" + TwoDigits(i);
        const auto first = RawValue(bytes, section, "PopisTrhu");
        const auto rest = RawValue(bytes, section, "PopisTrhu2");
        ASSERT_TRUE(first && rest) << section;
        const std::string& name = st.Cities[i].Nazev;
        const std::string a = text::Cp1250ToUtf8(*first), b = text::Cp1250ToUtf8(*rest);
        for (const std::string& part : {a, b})
            EXPECT_TRUE(part.empty() || (!IsBlank(part.front()) && !IsBlank(part.back())))
                << name << ": \"" << part << '"';
        EXPECT_LE(text::CharCount(a), 54u) << name;
        EXPECT_EQ(st.Cities[i].PopisTrhu, b.empty() ? a : a + " " + b) << name;
        // The shipped file holds what a save of the game would write.
        EXPECT_EQ(SplitDescription(st.Cities[i].PopisTrhu), std::make_pair(a, b)) << name;
    }
}

TEST_P(MapContent, EveryGoodsSoldCheapSomewhereIsWantedDearerElsewhere) {
    // A map is only worth playing when cheap goods can be carried to a better market.
    for (int g = 0; g < CargoSlots; ++g) {
        int low = 0, high = 0;
        for (int i = 0; i < st.PocetMest; ++i) {
            const int price = st.Cities[i].Trh[g].Cena;
            if (price == 0)
                continue;
            low = low == 0 ? price : std::min(low, price);
            high = std::max(high, price);
        }
        if (low != 0) {
            EXPECT_GE(high - low, 150) << GoodsName(st.Mapa, g) << " has no route";
        }
    }
}

TEST_P(MapContent, TheGameStartsInAnOpenCityWithAFleetAndAGoalToState) {
    EXPECT_EQ(st.Mapa, GetParam()); // the map id is the file name, and names its chart
    EXPECT_TRUE(
        std::filesystem::exists(std::string(VLNOBROD_SOURCE_DIR) + "/data/" + st.Mapa + ".jpg"));
    EXPECT_LT(st.AktualniMesto, st.PocetMest);
    EXPECT_EQ(st.Cities[st.AktualniMesto].Pristup, 0);
    EXPECT_GE(st.Fleet.Pocet, 1);
    EXPECT_EQ(st.Den, 0);
    EXPECT_FALSE(st.Hotovo);
    // A map that started inside its goal would be congratulated as it loads.
    EXPECT_FALSE(GoalMet(st));
    for (const char* key : {"Ukol", "Ukol2", "Ukol3", "Ukol4"}) {
        const std::string line = Read("Mapa", key);
        EXPECT_NE(line, "<missing>") << key;
        EXPECT_FALSE(line.empty()) << key;
    }
    EXPECT_FALSE(Read("Mapa", "Nazev").empty());
    EXPECT_FALSE(Read("Mapa", "Popis").empty());
}

TEST_P(MapContent, TheBestPlayersTableIsEmpty) {
    for (int place = 0; place < 5; ++place) {
        const std::string top = "Top" + std::to_string(place);
        EXPECT_EQ(Read(top, "Name"), "------") << top;
        EXPECT_EQ(Read(top, "Company"), "------") << top;
        EXPECT_EQ(Read(top, "Days"), "9999999") << top;
        EXPECT_EQ(Read(top, "Value"), "0") << top;
    }
}

TEST_P(MapContent, SavingAndLoadingGivesBackTheSameGame) {
    TempDir dir;
    const std::string copy = dir.file(GetParam() + ".mlo");
    std::filesystem::copy_file(MapPath(GetParam()), copy);
    ASSERT_TRUE(WriteGameFile(profiles, copy, st));
    const std::string saved = TempDir::read(copy);
    // The game read back and saved again writes exactly the same file.
    GameState back;
    ASSERT_TRUE(ReadGameFile(profiles, copy, back));
    ASSERT_TRUE(WriteGameFile(profiles, copy, back));
    EXPECT_EQ(TempDir::read(copy), saved);
    EXPECT_EQ(back.Mapa, st.Mapa);
    for (int i = 0; i < st.PocetMest; ++i) {
        EXPECT_EQ(back.Cities[i].Nazev, st.Cities[i].Nazev);
        EXPECT_EQ(back.Cities[i].PopisTrhu, st.Cities[i].PopisTrhu);
    }
    // The save leaves the map's own texts and its table alone.
    EXPECT_EQ(profiles.ReadProfile(copy, "Mapa", "Ukol", ""), Read("Mapa", "Ukol"));
    EXPECT_EQ(profiles.ReadProfile(copy, "Top0", "Name", ""), "------");
}

INSTANTIATE_TEST_SUITE_P(Maps, MapContent, ::testing::Values("Mapa1", "Mapa2", "Mapa3", "Mapa4"),
                         [](const auto& info) { return info.param; });

GameState Load(const std::string& id) {
    Profiles p;
    GameState st;
    EXPECT_TRUE(ReadGameFile(p, MapPath(id), st)) << id;
    return st;
}

int ClosedCities(const GameState& st) {
    int closed = 0;
    for (int i = 0; i < st.PocetMest; ++i)
        closed += st.Cities[i].Pristup > 0;
    return closed;
}

// Each map's setting as its goal needs it.
TEST(MapGoals, EachMapHasWhatItsGoalIsAbout) {
    // The introduction: city 1 closed behind an access price.
    EXPECT_GT(Load("Mapa1").Cities[1].Pristup, 0);
    // The Mediterranean: nine ports, several closed.
    const GameState med = Load("Mapa2");
    EXPECT_EQ(med.PocetMest, 9);
    EXPECT_GE(ClosedCities(med), 2);
    // Indonesia: nine ports, an open one selling books, fewer than 17 ships.
    const GameState indo = Load("Mapa3");
    EXPECT_EQ(indo.PocetMest, 9);
    EXPECT_EQ(GoodsName(indo.Mapa, 7), "Knihy");
    bool books = false;
    for (int i = 0; i < indo.PocetMest; ++i)
        books = books || (indo.Cities[i].Trh[7].Cena > 0 && indo.Cities[i].Pristup == 0);
    EXPECT_TRUE(books) << "an open port must sell books";
    EXPECT_LT(indo.Fleet.Pocet, 17);
    // The spendthrift: ten million to get rid of.
    const GameState spend = Load("Mapa4");
    EXPECT_DOUBLE_EQ(spend.Hotovost + spend.Konto, 10000000);
}

} // namespace
