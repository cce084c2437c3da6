#include "menu/MenuRules.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

TEST(MapAlbum, ShowsTitleCityCountAndDescriptionOfAMap) {
    TempDir dir;
    Profiles p;
    const std::string f =
        dir.write("Mapa2.mlo", "[Mapa]\nNazev=Baltske more\nPocetMest=12\nPopis=Sled a jantar\n");
    const MapInfo m = ReadMapInfo(p, f);
    EXPECT_EQ(m.title, "Baltske more");
    EXPECT_EQ(m.cities, "Počet měst: 12");
    EXPECT_EQ(m.description, "Sled a jantar");

    const MapInfo bare = ReadMapInfo(p, dir.write("Prazdna.mlo", "[Mapa]\n"));
    EXPECT_EQ(bare.title, "");
    EXPECT_EQ(bare.cities, "Počet měst: ");
    EXPECT_EQ(bare.description, "");
}

TEST(SavedGames, DetailsDefaultToXXX) {
    TempDir dir;
    Profiles p;
    const SaveDetails d = ReadSaveDetails(p, dir.write("a.mlo", "[Mapa]\nName=Ota\n"));
    EXPECT_EQ(d.owner, "Ota");
    EXPECT_EQ(d.company, "XXX");
}

TEST(SavedGames, TheNewestIsTheLastModifiedAndTheFirstOnATie) {
    EXPECT_EQ(NewestSave({}), -1);
    // "Alfa" a year old, "Poslední hra" from today.
    EXPECT_EQ(NewestSave({1700000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    // Nothing later than 1 January 1990: the first file.
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0);
}

TEST(About, ShowsMajorAndMinorVersion) {
    EXPECT_EQ(VersionText(1, 0), "Verze 1.0");
    EXPECT_EQ(VersionText(2, 13), "Verze 2.13");
}
