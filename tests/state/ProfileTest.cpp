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

class Profile : public ::testing::Test {
protected:
    TempDir dir;
    Profiles p;
};
} // namespace

TEST_F(Profile, ReadsFollowTheRulesOfTheOldIniFunctions) {
    struct Case {
        std::string bytes;
        const char *section, *key, *fallback;
        std::string expected;
    };
    const std::string basic = "[Mapa]\r\nDen=12\r\nName=\r\n";
    const std::string names =
        cp1250("[MAPA]\nden = 3\nDEN=4\n[mapa]\nDen=5\n[Město]\nŘeka=Vltava\n");
    const std::string blanks =
        "[S]\n  Key  =   some text  \nQ=\"quoted text\"\nL=" + std::string(120, 'x') + "\n";
    const Case cases[] = {
        // Missing section or key: the default; an empty value is empty whatever the default.
        {basic, "Mapa", "Den", "0", "12"},
        {basic, "Mapa", "Name", "XXX", ""},
        {basic, "Mapa", "Konto", "10000", "10000"},
        {basic, "Lode", "Pocet", "1", "1"},
        // Names match without case, Czech letters too, and the first match wins.
        {names, "mapa", "Den", "", "3"},
        {names, "MĚSTO", "řEKA", "", "Vltava"},
        // Blanks and quotes around values go, values are cut to 98 characters.
        {blanks, "S", "Key", "", "some text"},
        {blanks, "S", "Q", "", "quoted text"},
        {blanks, "S", "L", "", std::string(98, 'x')},
        // CRLF, CR and LF line ends; Windows-1250, a byte-order mark, or UTF-8 text.
        {cp1250("[A]\r\nJméno=Žluťoučký kůň\r\n"), "A", "Jméno", "", "Žluťoučký kůň"},
        {"[A]\rK=1\rL=2\r", "A", "L", "", "2"},
        {"\xEF\xBB\xBF[A]\nK=3\n", "A", "K", "", "3"},
        {"[A]\nJméno=Příliš\n", "A", "Jméno", "", "Příliš"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const auto f = dir.write("case" + std::to_string(++n) + ".ini", c.bytes);
        EXPECT_EQ(p.ReadProfile(f, c.section, c.key, c.fallback), c.expected) << c.bytes;
    }
    EXPECT_EQ(p.ReadProfile(dir.file("none.ini"), "Mapa", "Den", "7"), "7");
}

TEST_F(Profile, WritingKeepsLinesInOrderAndAppendsWhereTheOldFunctionsDid) {
    std::string f =
        dir.write("a.ini", "; notes\r\n[Mapa]\r\nDen=1\r\nName=A\r\n\r\n[Lode]\r\nPocet=2\r\n");
    EXPECT_TRUE(p.WriteProfile(f, "mapa", "den", "15"));
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Konto", "500"));
    EXPECT_TRUE(p.WriteProfile(f, "Top0", "Name", "------"));
    EXPECT_EQ(TempDir::read(f), "; notes\r\n[Mapa]\r\nden=15\r\nName=A\r\nKonto=500\r\n\r\n"
                                "[Lode]\r\nPocet=2\r\n[Top0]\r\nName=------\r\n");
}

TEST_F(Profile, WritingCreatesTheFileInWindows1250AndKeepsValuesReadable) {
    std::string f = dir.file("new.ini");
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Company", "Šťastná plavba"));
    EXPECT_EQ(TempDir::read(f), "[Mapa]\r\nCompany=" + cp1250("Šťastná plavba") + "\r\n");
    // A text Windows-1250 cannot hold stays UTF-8; line breaks in a value become blanks.
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Name", "Jiří 日本"));
    p.WriteProfile(f, "S", "K", "one\r\ntwo\nthree");
    p.WriteProfile(f, "S", "After", "ok");
    Profiles fresh;
    EXPECT_EQ(fresh.ReadProfile(f, "Mapa", "Company", ""), "Šťastná plavba");
    EXPECT_EQ(fresh.ReadProfile(f, "Mapa", "Name", ""), "Jiří 日本");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "K", ""), "one  two three");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "After", ""), "ok");
}

TEST_F(Profile, AnEmptyFileNameMeansSettingsIniInTheProgramFolder) {
    Profiles inFolder(dir.path());
    std::string file;
    EXPECT_TRUE(inFolder.WriteProfile(file, "Options", "X", "1"));
    EXPECT_EQ(file, dir.path() + "/settings.ini");
    EXPECT_EQ(inFolder.ReadProfile(file, "Options", "X", ""), "1");
}

TEST_F(Profile, ReadsSeeChangesMadeOnDiskByOthers) {
    const auto f = dir.write("a.ini", "[S]\nK=1\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
    dir.write("a.ini", "[S]\nK=22\n");
    // A rewrite within the same clock tick is still noticed by its size.
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "22");
    std::filesystem::remove(f);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", "gone"), "gone");
}

TEST_F(Profile, ABatchWritesTheSameLinesAsKeyByKeyWriting) {
    const std::string base = "[Mapa]\r\nPocetMest=1\r\n\r\n[Mesto00]\r\nNazev=A\r\n";
    std::string one = dir.write("one.ini", base);
    std::string two = dir.write("two.ini", base);
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

TEST_F(Profile, AFailedWriteLeavesTheOldFileWhole) {
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
