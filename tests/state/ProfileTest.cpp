#include "state/Profiles.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;
namespace fs = std::filesystem;

namespace {
std::string cp1250(const std::string& utf8) {
    return *text::Utf8ToCp1250(utf8);
}

struct Profile : ::testing::Test {
    TempDir dir;
    Profiles p;
};
} // namespace

TEST_F(Profile, ReadsFollowTheRulesOfTheOldIniFunctions) {
    const std::string f = dir.write(
        "a.ini",
        cp1250(
            "[Mapa]\r\nDen=12\r\nDEN=4\r\nName=\r\n[MAPA]\r\nKonto=5\r\n[Město]\r\nŘeka=Vltava\r\n"
            "[S]\n  Key  =   some text  \nQ=\"quoted text\"\nS=' single '\nH=\"half\n"
            ";A=commented\n  ; B=also\nA=1\nL=" +
            std::string(120, 'x') + "\nM=" + std::string(99, 'y') + "\nŽ=" + std::string(98, 'z') +
            "\n") +
            std::string("N=ab\0cd\n", 8));
    // Missing section or key: the default, but an empty value is empty. Names match without case,
    // Czech letters too, the first match wins; blanks and quotes of either kind around values go,
    // values stop at 98 characters, ";" starts a comment and a NUL ends a value.
    const std::tuple<const char*, const char*, const char*, std::string> rows[] = {
        {"Mapa", "Name", "XXX", ""},
        {"Mapa", "Konto", "10000", "10000"},
        {"Lode", "Pocet", "1", "1"},
        {"mapa", "dEN", "", "12"},
        {"MĚSTO", "řEKA", "", "Vltava"},
        {"S", "Key", "", "some text"},
        {"S", "Q", "", "quoted text"},
        {"S", "S", "", " single "},
        {"S", "H", "", "\"half"},
        {"S", "L", "", std::string(98, 'x')},
        {"S", "M", "", std::string(98, 'y')},
        {"S", "ž", "", std::string(98, 'z')},
        {"S", "A", "", "1"},
        {"S", ";A", "none", "none"},
        {"S", "; B", "none", "none"},
        {"S", "N", "", "ab"},
    };
    for (const auto& [section, key, fallback, expected] : rows)
        EXPECT_EQ(p.ReadProfile(f, section, key, fallback), expected) << section << "/" << key;
    EXPECT_EQ(p.ReadProfile(dir.file("none.ini"), "Mapa", "Den", "7"), "7");
}

// A game is read key after key in the order of its file; the first of two equal keys still
// wins, a comment or blank line has no key, and a missing key is missing, read in any order.
TEST(IniDocument, KeysReadInTheFilesOrderFollowTheSameRules) {
    const IniDocument doc = IniDocument::Parse("[S]\nA=1\nB=2\nb=3\nD=4\n;c\n\n  \nE=5\n");
    const IniDocument::Section s = doc.FindSection("s");
    const std::pair<const char*, std::optional<std::string_view>> lookups[] = {
        {"A", "1"}, {"B", "2"},         {"b", "2"},          {"B", "2"},
        {"D", "4"}, {"", std::nullopt}, {"C", std::nullopt}, {"e", "5"},
        {"A", "1"}, {" E ", "5"},       {"F", std::nullopt}};
    for (const auto& [key, value] : lookups)
        EXPECT_EQ(s.Find(key), value) << "[" << key << "]";
}

// A changed key is rewritten in place, a new one goes after its section's last entry, a new section
// at the end; other lines keep their line ends, and the file its encoding: Windows-1250 (a new file
// too), UTF-8 with its mark (from an editor without it), UTF-16. Key by key or batched, same bytes.
TEST_F(Profile, WritesChangeOnlyTheirLinesAndKeepLineEndsAndEncoding) {
    const auto u16 = text::EncodeFile;
    const auto le = FileEncoding::Utf16LE, be = FileEncoding::Utf16BE;
    const std::pair<std::string, std::string> rows[] = {
        {cp1250("; notes\r\n[S]\r\nA=1\r\n\r\n[T]\r\nB=Žluť\r\n"),
         cp1250("; notes\r\n[S]\r\na=9\r\nK=v\r\n\r\n[T]\r\nB=Žluť\r\n[N]\r\nK=Kůň\r\n")},
        {"[S]\rA=1\r", cp1250("[S]\ra=9\rK=v\r[N]\rK=Kůň\r")},
        {"[S]\r\nA=1\n[T]\rB=2", cp1250("[S]\r\na=9\nK=v\r\n[T]\rB=2\r\n[N]\r\nK=Kůň\r\n")},
        {"", cp1250("[s]\r\na=9\r\nK=v\r\n[N]\r\nK=Kůň\r\n")},
        {"[S]\nA=1", cp1250("[S]\na=9\nK=v\n[N]\nK=Kůň\n")},
        {"[S]\nA=Kůň\n", "\xEF\xBB\xBF[S]\na=9\nK=v\n[N]\nK=Kůň\n"},
        {"\xEF\xBB\xBF[S]\nA=1\n", "\xEF\xBB\xBF[S]\na=9\nK=v\n[N]\nK=Kůň\n"},
        {u16("[S]\r\nA=1\r\nB=𝄞\r\n", le), u16("[S]\r\na=9\r\nB=𝄞\r\nK=v\r\n[N]\r\nK=Kůň\r\n", le)},
        {u16("[S]\nA=1\nB=Řeka\n", be), u16("[S]\na=9\nB=Řeka\nK=v\n[N]\nK=Kůň\n", be)},
    };
    int n = 0;
    for (const auto& [before, after] : rows) {
        std::string one = dir.write("one" + std::to_string(++n) + ".ini", before);
        const std::string all = dir.write("all" + std::to_string(n) + ".ini", before);
        auto batch = p.Edit(all);
        for (const auto& [section, key, value] :
             {std::tuple("s", "a", "9"), std::tuple("S", "K", "v"), std::tuple("N", "K", "Kůň")}) {
            EXPECT_TRUE(p.WriteProfile(one, section, key, value));
            batch.Set(section, key, value);
        }
        ASSERT_TRUE(batch.Commit());
        EXPECT_EQ(TempDir::read(one), after) << "row " << n;
        EXPECT_EQ(TempDir::read(all), after) << "row " << n;
    }
}

// Line breaks become blanks, a NUL ends the value, quotes and blanks that reading would strip
// are kept; text Windows-1250 cannot hold turns the file to UTF-8 with its mark.
TEST_F(Profile, ValuesReadBackAsWrittenAndNoFileNameMeansSettingsIniBesideTheProgram) {
    const std::pair<std::string, std::string> values[] = {
        {"one\r\ntwo\nthree", "one  two three"},
        {"'Modrá' a \"Bílá\"", "'Modrá' a \"Bílá\""},
        {"  kolem  ", "  kolem  "},
        {"konec\n", "konec "},                // found by fuzzing
        {std::string("'a'\0rest", 8), "'a'"}, // found by fuzzing
        {"Jiří 日本", "Jiří 日本"},
    };
    Profiles inFolder(dir.path());
    std::string f;
    for (std::size_t i = 0; i < std::size(values); ++i)
        ASSERT_TRUE(inFolder.WriteProfile(f, "S", "K" + std::to_string(i), values[i].first));
    EXPECT_EQ(f, dir.path() + "/settings.ini");
    EXPECT_EQ(TempDir::read(f).substr(0, 3), "\xEF\xBB\xBF");
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(Profiles().ReadProfile(f, "S", "K" + std::to_string(i), ""), values[i].second);
}

// Temporary files of writes cut short go at the next write, but not another program's write
// still going on, nor files that are not ours.
TEST_F(Profile, AWriteClearsOnlyItsOwnLeftovers) {
    std::string f = dir.write("a.ini", "[S]\nK=1\n");
    const auto temporary = [](pid_t pid) { return "a.ini." + std::to_string(pid) + ".tmp~"; };
    const std::string running = temporary(getppid());
    // 999999999 lies past the largest process number: a program that no longer runs.
    for (const std::string& name :
         {temporary(getpid()), running, temporary(999999999), std::string("a.ini.tmp~"),
          std::string("b.ini.1.tmp~"), std::string("a.ini.x.tmp~")})
        dir.write(name, "half");
    ASSERT_TRUE(p.WriteProfile(f, "S", "K", "2"));
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.path()))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"a.ini", running, "b.ini.1.tmp~", "a.ini.x.tmp~"}));
}

// Another program's rewrite is seen, even in place with the same size and times to the second
// (a file system with a coarse clock): read too soon after it changed to trust its times, a
// file is looked at again, which costs a read but no parse while its bytes stay the same.
TEST_F(Profile, ReadsSeeChangesMadeOnDiskByOthers) {
    const auto f = dir.write("a.ini", "[S]\nK=1\n");
    const timespec coarse[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, f.c_str(), coarse, 0), 0);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
    std::ofstream(f, std::ios::in | std::ios::out) << "[S]\nK=2\n"; // in place
    ASSERT_EQ(utimensat(AT_FDCWD, f.c_str(), coarse, 0), 0);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "2");
    const std::size_t parses = p.Parses();
    for (int i = 0; i < 50; ++i)
        p.ReadProfile(f, "S", "K", "");
    EXPECT_EQ(p.Parses(), parses);
    fs::remove(f);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", "gone"), "gone");
}

// The game and another program write one file at the same moments, round after round, and the
// game must then read what is on disk: an hour on, the file's times are trusted and only the stamp
// of the game's own write tells the files apart. In memory where it can be: disk flushes are slow.
TEST_F(Profile, TwoProgramsWritingOneFileNeverLeaveAStaleCache) {
    const bool shm = access("/dev/shm", W_OK) == 0;
    const std::string folder = shm ? "/dev/shm/vlnobrod-" + std::to_string(getpid()) : dir.path();
    std::string f = dir.write(folder + "/shared.ini", "[S]\r\nK=start\r\n");
    p.SetClock([] { return std::int64_t{time(nullptr) + 3600}; });
    int turn[2]; // a word from either side: the other's write is done, go on
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, turn), 0);
    constexpr int rounds = 1000;
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    char c = 'x';
    if (other == 0) {
        Profiles theirs;
        for (int i = 0; i < rounds && read(turn[1], &c, 1) == 1; ++i) {
            // Starting a little later each round sweeps this write across the game's.
            usleep(static_cast<useconds_t>(i % 50) * 4);
            theirs.WriteProfile(f, "S", "K", "other" + std::to_string(i));
            if (write(turn[1], &c, 1) != 1)
                break;
        }
        _exit(0);
    }
    int stale = 0;
    for (int i = 0; i < rounds; ++i) {
        ASSERT_EQ(write(turn[0], &c, 1), 1);
        p.WriteProfile(f, "S", "K", "game" + std::to_string(i));
        ASSERT_EQ(read(turn[0], &c, 1), 1);
        stale += p.ReadProfile(f, "S", "K", "") != Profiles().ReadProfile(f, "S", "K", "");
    }
    waitpid(other, nullptr, 0);
    close(turn[0]);
    close(turn[1]);
    EXPECT_EQ(stale, 0);
    fs::remove_all(folder); // the scratch folder goes either way
}

// Names match without case, Czech letters too. Some runs of Czech letters in Windows-1250 are
// valid UTF-8 ("ČŠ" is C8 8A, "éšť" E9 9A 9D, "óššš" a four-byte character): every pair and
// such runs, alone, first or last in a value, read right in either encoding.
TEST(Text, CzechLettersFoldAndAreNeverTakenForUtf8WhateverTheyMeet) {
    for (const auto& [upper, lower] :
         {std::pair{"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽĹĽŁ", "áčďéěíňóřšťúůýžĺľł"}, std::pair{"ŸŹ", "ÿź"}}) {
        EXPECT_TRUE(text::EqualFolded(upper, lower)) << upper;
        EXPECT_EQ(text::FoldedHash(upper), text::FoldedHash(lower)) << upper;
    }
    EXPECT_FALSE(text::EqualFolded("Ÿ", "ź")); // found by fuzzing: Ÿ once folded to Ź
    const std::string all = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž"; // two bytes each in UTF-8
    std::vector<std::string> runs = {"éšť", "ťšé", "óššš", "ňŠŤŽ", "óžťš"};
    for (std::size_t i = 0; i < all.size(); i += 2)
        for (std::size_t j = 0; j < all.size(); j += 2)
            runs.push_back(all.substr(i, 2) + all.substr(j, 2));
    for (const auto& run : runs)
        for (const std::string& value : {run, "x" + run, run + " x"}) {
            const std::string file = "[Mesto00]\r\nNazev=" + value + "\r\n";
            ASSERT_EQ(text::DecodeFile(cp1250(file)).utf8, file) << "in Windows-1250";
            ASSERT_EQ(text::DecodeFile(file).utf8, file) << "in UTF-8";
        }
}
