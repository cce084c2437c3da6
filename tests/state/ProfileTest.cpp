#include "state/Profiles.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;

namespace {
std::string cp1250(const std::string& utf8) {
    return *text::Utf8ToCp1250(utf8);
}
} // namespace

TEST(Profile, MissingThingsGiveTheDefaultAndEmptyValuesGiveEmpty) {
    TempDir dir;
    Profiles p;
    EXPECT_EQ(p.ReadProfile(dir.file("none.ini"), "Mapa", "Den", "7"), "7");
    const auto f = dir.write("a.ini", "[Mapa]\r\nDen=12\r\nName=\r\n");
    EXPECT_EQ(p.ReadProfile(f, "Mapa", "Den", "0"), "12");
    EXPECT_EQ(p.ReadProfile(f, "Mapa", "Name", "XXX"), "");
    EXPECT_EQ(p.ReadProfile(f, "Mapa", "Konto", "10000"), "10000");
    EXPECT_EQ(p.ReadProfile(f, "Lode", "Pocet", "1"), "1");
}

TEST(Profile, NamesMatchWithoutCaseAndTheFirstMatchWins) {
    TempDir dir;
    Profiles p;
    const auto f = dir.write("a.ini", cp1250("[MAPA]\nden = 3\nDEN=4\n[mapa]\nDen=5\n"
                                             "[Město]\nŘeka=Vltava\n"));
    EXPECT_EQ(p.ReadProfile(f, "mapa", "Den", ""), "3");
    EXPECT_EQ(p.ReadProfile(f, "MĚSTO", "řEKA", ""), "Vltava");
}

TEST(Profile, BlanksAndQuotesAroundValuesAreDroppedAndValuesCutTo98) {
    TempDir dir;
    Profiles p;
    const std::string longValue(120, 'x');
    const auto f =
        dir.write("a.ini", "[S]\n  Key  =   some text  \nQ=\"quoted text\"\nL=" + longValue + "\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "Key", ""), "some text");
    EXPECT_EQ(p.ReadProfile(f, "S", "Q", ""), "quoted text");
    EXPECT_EQ(p.ReadProfile(f, "S", "L", ""), std::string(98, 'x'));
}

TEST(Profile, AllLineEndsAreReadAndCzechTextComesBackAsUtf8) {
    TempDir dir;
    Profiles p;
    const auto crlf = dir.write("crlf.ini", cp1250("[A]\r\nJméno=Žluťoučký kůň\r\n"));
    const auto cr = dir.write("cr.ini", "[A]\rK=1\rL=2\r");
    const auto bom = dir.write("bom.ini", "\xEF\xBB\xBF[A]\nK=3\n");
    const auto utf8 = dir.write("utf8.ini", "[A]\nJméno=Příliš\n");
    EXPECT_EQ(p.ReadProfile(crlf, "A", "Jméno", ""), "Žluťoučký kůň");
    EXPECT_EQ(p.ReadProfile(cr, "A", "L", ""), "2");
    EXPECT_EQ(p.ReadProfile(bom, "A", "K", ""), "3");
    EXPECT_EQ(p.ReadProfile(utf8, "A", "Jméno", ""), "Příliš");
}

TEST(Profile, WritingKeepsLinesInOrderAndAppendsWhereTheOldFunctionsDid) {
    TempDir dir;
    Profiles p;
    std::string f =
        dir.write("a.ini", "; notes\r\n[Mapa]\r\nDen=1\r\nName=A\r\n\r\n[Lode]\r\nPocet=2\r\n");
    EXPECT_TRUE(p.WriteProfile(f, "mapa", "den", "15"));
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Konto", "500"));
    EXPECT_TRUE(p.WriteProfile(f, "Top0", "Name", "------"));
    EXPECT_EQ(TempDir::read(f), "; notes\r\n[Mapa]\r\nden=15\r\nName=A\r\nKonto=500\r\n\r\n"
                                "[Lode]\r\nPocet=2\r\n[Top0]\r\nName=------\r\n");
}

TEST(Profile, WritingCreatesTheFileAndStoresWindows1250) {
    TempDir dir;
    Profiles p;
    std::string f = dir.file("new.ini");
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Company", "Šťastná plavba"));
    EXPECT_EQ(TempDir::read(f), "[Mapa]\r\nCompany=" + cp1250("Šťastná plavba") + "\r\n");
    EXPECT_EQ(p.ReadProfile(f, "Mapa", "Company", ""), "Šťastná plavba");
}

TEST(Profile, ATextWindows1250CannotHoldIsKeptAsUtf8) {
    TempDir dir;
    Profiles p;
    std::string f = dir.file("new.ini");
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Name", "Jiří 日本"));
    Profiles fresh;
    EXPECT_EQ(fresh.ReadProfile(f, "Mapa", "Name", ""), "Jiří 日本");
}

TEST(Profile, AnEmptyFileNameMeansSettingsIniInTheProgramFolder) {
    TempDir dir;
    Profiles p(dir.path());
    std::string file;
    EXPECT_TRUE(p.WriteProfile(file, "Options", "X", "1"));
    EXPECT_EQ(file, dir.path() + "/settings.ini");
    EXPECT_EQ(p.ReadProfile(file, "Options", "X", ""), "1");
}

TEST(Profile, LineBreaksInsideAValueBecomeBlanks) {
    TempDir dir;
    Profiles p;
    std::string f = dir.file("a.ini");
    p.WriteProfile(f, "S", "K", "one\r\ntwo\nthree");
    p.WriteProfile(f, "S", "After", "ok");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "one  two three");
    EXPECT_EQ(p.ReadProfile(f, "S", "After", ""), "ok");
}

TEST(Profile, ReadsSeeChangesMadeOnDiskByOthers) {
    TempDir dir;
    Profiles p;
    const auto f = dir.write("a.ini", "[S]\nK=1\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
    dir.write("a.ini", "[S]\nK=22\n");
    // A rewrite within the same clock tick is still noticed by its size.
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "22");
    std::filesystem::remove(f);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", "gone"), "gone");
}

TEST(Profile, ABatchWritesTheSameLinesAsKeyByKeyWriting) {
    TempDir dir;
    const std::string base = "[Mapa]\r\nPocetMest=1\r\n\r\n[Mesto00]\r\nNazev=A\r\n";
    std::string one = dir.write("one.ini", base);
    std::string two = dir.write("two.ini", base);
    Profiles p;
    const std::vector<std::array<std::string, 3>> keys = {
        {"Mapa", "Den", "3"},       {"Mesto00", "Nazev", "B"}, {"Mesto00", "X", "10"},
        {"Mapa", "PocetMest", "2"}, {"Mesto01", "Nazev", "C"}, {"Lode", "Pocet", "1"},
        {"mesto01", "Y", "4"}};
    for (const auto& k : keys)
        p.WriteProfile(one, k[0], k[1], k[2]);
    auto batch = p.Edit(two);
    for (const auto& k : keys)
        batch.Set(k[0], k[1], k[2]);
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(TempDir::read(one), TempDir::read(two));
}

TEST(Profile, AFailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    Profiles p;
    std::string f = dir.write("a.ini", "[S]\nK=1\n");
    // Something already stands where the temporary copy would go, so the write cannot
    // even start (the same path a full disk takes, and it works as root too).
    std::filesystem::create_directories(f + ".tmp~/x");
    EXPECT_FALSE(p.WriteProfile(f, "S", "K", "2"));
    EXPECT_EQ(TempDir::read(f), "[S]\nK=1\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
}

TEST(Text, Windows1250RoundTripsAndCaseFoldsCzechLetters) {
    const std::string all = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    const auto bytes = text::Utf8ToCp1250(all);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), text::CharCount(all));
    EXPECT_EQ(text::Cp1250ToUtf8(*bytes), all);
    EXPECT_EQ(text::FoldCase("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"), "áčďéěíňóřšťúůýž");
    EXPECT_EQ(text::FoldCase("ĹĽŁ"), "ĺľł");
    EXPECT_FALSE(text::IsValidUtf8("\xC8\x65sk\xE9")); // "České" in Windows-1250
    EXPECT_EQ(text::CharPrefix("Příliš", 3), "Pří");
    EXPECT_EQ(text::CharSuffix("Příliš", 3), "liš");
}
