#include "state/Profiles.h"
#include "state/Text.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;
namespace fs = std::filesystem;

namespace {
std::string cp1250(const std::string& utf8) {
    return *text::Utf8ToCp1250(utf8);
}

std::string utf16(const std::string& utf8, FileEncoding e) {
    return text::EncodeFile(utf8, e);
}

fs::perms permsOf(const std::string& f) {
    return fs::status(f).permissions();
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
    const std::string blanks = "[S]\n  Key  =   some text  \nQ=\"quoted text\"\nS=' single '\n"
                               "H=\"half\nL=" +
                               std::string(120, 'x') + "\n";
    const std::string classic =
        std::string("[S]\n;A=commented\n  ; B=also\nA=1\nN=ab\0cd\n", 40) + "[T]\n;only=comment\n";
    const Case cases[] = {
        // Missing section or key: the default; an empty value is empty whatever the default.
        {basic, "Mapa", "Den", "0", "12"},
        {basic, "Mapa", "Name", "XXX", ""},
        {basic, "Mapa", "Konto", "10000", "10000"},
        {basic, "Lode", "Pocet", "1", "1"},
        // Names match without case, Czech letters too, and the first match wins.
        {names, "mapa", "Den", "", "3"},
        {names, "MĚSTO", "řEKA", "", "Vltava"},
        // Blanks and quotes of either kind around values go, values are cut to 98 characters.
        {blanks, "S", "Key", "", "some text"},
        {blanks, "S", "Q", "", "quoted text"},
        {blanks, "S", "S", "", " single "},
        {blanks, "S", "H", "", "\"half"},
        {blanks, "S", "L", "", std::string(98, 'x')},
        // ";" starts a comment, a NUL ends a value.
        {classic, "S", "A", "", "1"},
        {classic, "S", ";A", "none", "none"},
        {classic, "S", "; B", "none", "none"},
        {classic, "S", "N", "", "ab"},
        {classic, "T", ";only", "none", "none"},
        // CRLF, CR and LF line ends; Windows-1250, UTF-8 with or without its mark, UTF-16.
        {cp1250("[A]\r\nJméno=Žluťoučký kůň\r\n"), "A", "Jméno", "", "Žluťoučký kůň"},
        {"[A]\rK=1\rL=2\r", "A", "L", "", "2"},
        {"\xEF\xBB\xBF[A]\nK=3\n", "A", "K", "", "3"},
        {"[A]\nJméno=Příliš\n", "A", "Jméno", "", "Příliš"},
        {utf16("[A]\r\nJméno=Kůň 𝄞\r\n", FileEncoding::Utf16LE), "A", "Jméno", "", "Kůň 𝄞"},
        {utf16("[A]\nK=Řeka\n", FileEncoding::Utf16BE), "A", "K", "", "Řeka"},
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

TEST_F(Profile, AnEditedFileKeepsItsLineEndsAndItsEncoding) {
    struct Case {
        std::string before, after;
    };
    const Case cases[] = {
        {"[S]\nA=1\n\n[T]\nB=2", "[S]\nA=9\nK=v\n\n[T]\nB=2\n[N]\nK=v\n"},
        {"[S]\rA=1\r", "[S]\rA=9\rK=v\r[N]\rK=v\r"},
        {"[S]\r\nA=1\n[T]\rB=2", "[S]\r\nA=9\nK=v\r\n[T]\rB=2\r\n[N]\r\nK=v\r\n"},
        {"", "[S]\r\nA=9\r\nK=v\r\n[N]\r\nK=v\r\n"},
        {"[S]\nA=1", "[S]\nA=9\nK=v\n[N]\nK=v\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string f = dir.write("e" + std::to_string(++n) + ".ini", c.before);
        auto batch = p.Edit(f);
        batch.Set("S", "A", "9");
        batch.Set("S", "K", "v");
        batch.Set("N", "K", "v");
        ASSERT_TRUE(batch.Commit());
        EXPECT_EQ(TempDir::read(f), c.after) << c.before;
    }
    // UTF-16 stays UTF-16; UTF-8 from an editor is written back in UTF-8, with its mark.
    for (FileEncoding e : {FileEncoding::Utf16LE, FileEncoding::Utf16BE}) {
        std::string f = dir.write("u16.ini", utf16("[S]\r\nA=Kůň\r\n", e));
        ASSERT_TRUE(p.WriteProfile(f, "S", "B", "Řeka"));
        EXPECT_EQ(TempDir::read(f), utf16("[S]\r\nA=Kůň\r\nB=Řeka\r\n", e));
    }
    std::string f = dir.write("u8.ini", "[S]\nA=Kůň\n");
    ASSERT_TRUE(p.WriteProfile(f, "S", "B", "x"));
    EXPECT_EQ(TempDir::read(f), "\xEF\xBB\xBF[S]\nA=Kůň\nB=x\n");
}

TEST_F(Profile, WritingCreatesTheFileInWindows1250AndKeepsValuesReadable) {
    std::string f = dir.file("new.ini");
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Company", "Šťastná plavba"));
    EXPECT_EQ(TempDir::read(f), "[Mapa]\r\nCompany=" + cp1250("Šťastná plavba") + "\r\n");
    // A text Windows-1250 cannot hold turns the file to UTF-8 with its mark; line breaks in a
    // value become blanks; quotes and blanks that reading would strip are kept.
    EXPECT_TRUE(p.WriteProfile(f, "Mapa", "Name", "Jiří 日本"));
    EXPECT_EQ(TempDir::read(f).substr(0, 3), "\xEF\xBB\xBF");
    p.WriteProfile(f, "S", "K", "one\r\ntwo\nthree");
    p.WriteProfile(f, "S", "Q", "'Modrá' a \"Bílá\"");
    p.WriteProfile(f, "S", "B", "  kolem  ");
    p.WriteProfile(f, "S", "E", "konec\n");                   // found by fuzzing
    p.WriteProfile(f, "S", "N", std::string("'a'\0rest", 8)); // found by fuzzing
    p.WriteProfile(f, "S", "After", "ok");
    Profiles fresh;
    EXPECT_EQ(fresh.ReadProfile(f, "Mapa", "Company", ""), "Šťastná plavba");
    EXPECT_EQ(fresh.ReadProfile(f, "Mapa", "Name", ""), "Jiří 日本");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "K", ""), "one  two three");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "Q", ""), "'Modrá' a \"Bílá\"");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "B", ""), "  kolem  ");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "E", ""), "konec ");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "N", ""), "'a'");
    EXPECT_EQ(fresh.ReadProfile(f, "S", "After", ""), "ok");
}

TEST_F(Profile, AnEmptyFileNameMeansSettingsIniInTheProgramFolder) {
    Profiles inFolder(dir.path());
    std::string file;
    EXPECT_TRUE(inFolder.WriteProfile(file, "Options", "X", "1"));
    EXPECT_EQ(file, dir.path() + "/settings.ini");
    EXPECT_EQ(inFolder.ReadProfile(file, "Options", "X", ""), "1");
}

TEST_F(Profile, AWriteChangesOnlyWhatItWrites) {
    // Through a symbolic link: the link stays, its target gets the key and keeps its
    // permissions.
    const std::string target = dir.write("real/a.ini", "[S]\nK=1\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string link = dir.file("link.ini");
    fs::create_symlink("real/a.ini", link);
    ASSERT_TRUE(p.WriteProfile(link, "S", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::read(target), "[S]\nK=2\n");
    EXPECT_EQ(permsOf(target),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(p.ReadProfile(link, "S", "K", ""), "2");

    // A read-only file is not written, whoever runs the game.
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_FALSE(p.WriteProfile(link, "S", "K", "3"));
    std::string direct = target;
    EXPECT_FALSE(p.WriteProfile(direct, "S", "K", "3"));
    EXPECT_EQ(TempDir::read(target), "[S]\nK=2\n");
    EXPECT_EQ(p.ReadProfile(link, "S", "K", ""), "2");
}

TEST_F(Profile, TemporaryFilesOfWritesCutShortAreRemovedAtTheNextWrite) {
    std::string f = dir.write("a.ini", "[S]\nK=1\n");
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    const std::string mine = "a.ini." + std::to_string(getpid()) + ".tmp~";
    const std::string running = "a.ini." + std::to_string(getppid()) + ".tmp~";
    const std::string ended = "a.ini." + std::to_string(gone) + ".tmp~";
    for (const std::string& name : {mine, running, ended, std::string("a.ini.tmp~"),
                                    std::string("b.ini.1.tmp~"), std::string("a.ini.x.tmp~")})
        dir.write(name, "half");
    ASSERT_TRUE(p.WriteProfile(f, "S", "K", "2"));
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.path()))
        left.insert(e.path().filename().string());
    // Another program's write still going on, and files that are not ours, stay.
    EXPECT_EQ(left, (std::set<std::string>{"a.ini", running, "b.ini.1.tmp~", "a.ini.x.tmp~"}));
}

TEST_F(Profile, AFailedWriteLeavesTheOldFileWhole) {
    std::string f = dir.write("a.ini", "[S]\nK=1\n");
    // Something already stands where the temporary copy would go, so the write cannot
    // even start (the same path a full disk takes, and it works as root too).
    fs::create_directories(f + "." + std::to_string(getpid()) + ".tmp~/x");
    EXPECT_FALSE(p.WriteProfile(f, "S", "K", "2"));
    EXPECT_EQ(TempDir::read(f), "[S]\nK=1\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
}

TEST_F(Profile, ReadsSeeChangesMadeOnDiskByOthers) {
    const auto f = dir.write("a.ini", "[S]\nK=1\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "1");
    dir.write("a.ini", "[S]\nK=22\n");
    EXPECT_EQ(p.ReadProfile(f, "S", "K", ""), "22");
    fs::remove(f);
    EXPECT_EQ(p.ReadProfile(f, "S", "K", "gone"), "gone");

    // The same size, the same file, the same times to the second, as a file system with a
    // coarse clock shows a rewrite within one tick: the file was read too soon after it
    // changed to trust its times, so it is looked at again.
    const std::string g = dir.write("b.ini", "[S]\nK=1\n");
    const timespec coarse[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, g.c_str(), coarse, 0), 0);
    EXPECT_EQ(p.ReadProfile(g, "S", "K", ""), "1");
    {
        std::FILE* same = std::fopen(g.c_str(), "r+b"); // rewritten in place, not replaced
        ASSERT_TRUE(same);
        std::fputs("[S]\nK=2\n", same);
        std::fclose(same);
    }
    ASSERT_EQ(utimensat(AT_FDCWD, g.c_str(), coarse, 0), 0);
    EXPECT_EQ(p.ReadProfile(g, "S", "K", ""), "2");
    // Looking again costs a read, not a parse, while the bytes stay the same.
    const std::size_t parses = p.Parses();
    for (int i = 0; i < 50; ++i)
        p.ReadProfile(g, "S", "K", "");
    EXPECT_EQ(p.Parses(), parses);
}

TEST(ProfileCache, AFileChangedTooShortlyBeforeItWasReadIsNotTrusted) {
    // To the second, as the coarsest file systems keep times.
    struct Row {
        std::int64_t mtime, ctime, lookedAt;
        bool racy;
    };
    const Row rows[] = {
        {100, 100, 100, true},  // changed in the second it was read
        {100, 100, 102, true},  // a two-second clock may still show the same time
        {100, 100, 103, false}, // old enough: a later change shows in its times
        {90, 101, 103, true},   // the inode's change counts as well
        {200, 200, 100, true},  // a time ahead of the clock is never trusted
    };
    for (const Row& r : rows)
        EXPECT_EQ(Profiles::Racy({1, 2, 3, r.mtime, 0, r.ctime, 0}, r.lookedAt), r.racy)
            << r.mtime << " " << r.ctime << " " << r.lookedAt;
}

TEST_F(Profile, TwoProgramsWritingOneFileNeverLeaveAStaleCache) {
    // The game and another program write the same file at the same moments, round after
    // round; after each round the game must read what is on disk. Once with the real clock,
    // once an hour later, when the file's times are trusted and only the stamp of what
    // the game wrote tells the files apart.
    // In memory where the system allows: the disk's flushes would make this slow.
    const bool shm = access("/dev/shm", W_OK) == 0;
    const std::string folder = shm ? "/dev/shm/vlnobrod-" + std::to_string(getpid()) : dir.path();
    fs::create_directories(folder);
    for (const bool late : {false, true}) {
        const std::string f = folder + "/shared.ini";
        dir.write(f, "[S]\r\nK=start\r\n");
        if (late)
            p.SetClock([] { return std::int64_t{time(nullptr) + 3600}; });
        int go[2], done[2];
        ASSERT_EQ(pipe(go), 0);
        ASSERT_EQ(pipe(done), 0);
        constexpr int rounds = 1000;
        const pid_t other = fork();
        ASSERT_GE(other, 0);
        if (other == 0) {
            Profiles theirs;
            std::string file = f;
            char c;
            for (int i = 0; i < rounds && read(go[0], &c, 1) == 1; ++i) {
                // Starting a little later each round sweeps this write across the game's.
                usleep(static_cast<useconds_t>(i % 50) * 4);
                theirs.WriteProfile(file, "S", "K", "other" + std::to_string(i));
                if (write(done[1], "x", 1) != 1)
                    break;
            }
            _exit(0);
        }
        int stale = 0;
        std::string file = f;
        for (int i = 0; i < rounds; ++i) {
            char c = 'x';
            ASSERT_EQ(write(go[1], &c, 1), 1);
            p.WriteProfile(file, "S", "K", "game" + std::to_string(i));
            ASSERT_EQ(read(done[0], &c, 1), 1);
            Profiles fresh;
            stale += p.ReadProfile(f, "S", "K", "") != fresh.ReadProfile(f, "S", "K", "");
        }
        waitpid(other, nullptr, 0);
        for (int fd : {go[0], go[1], done[0], done[1]})
            close(fd);
        EXPECT_EQ(stale, 0) << (late ? "with trusted times" : "with the real clock");
    }
    if (shm)
        fs::remove_all(folder);
}

TEST(Text, Windows1250RoundTripsAndCaseFoldsCzechLetters) {
    const std::string all = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    const auto bytes = text::Utf8ToCp1250(all);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), text::CharCount(all));
    EXPECT_EQ(text::Cp1250ToUtf8(*bytes), all);
    EXPECT_EQ(text::FoldCase("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"), "áčďéěíňóřšťúůýž");
    EXPECT_EQ(text::FoldCase("ĹĽŁ"), "ĺľł");
    EXPECT_EQ(text::FoldCase("ŸŹ"), "ÿź");             // found by fuzzing: Ÿ once folded to Ź
    EXPECT_FALSE(text::IsValidUtf8("\xC8\x65sk\xE9")); // "České" in Windows-1250
    EXPECT_EQ(text::CharPrefix("Příliš", 3), "Pří");
    EXPECT_EQ(text::CharSuffix("Příliš", 3), "liš");
}

TEST(Text, CzechInWindows1250AndInUtf8IsReadRightWhateverTheLettersMeet) {
    // Some runs of Czech letters in Windows-1250 are valid UTF-8 ("ČŠ" is C8 8A, "éšť" is
    // E9 9A 9D, "óššš" a four-byte character): every pair and triple of letters, alone, at
    // the start and at the end of a value, and the four-byte runs.
    std::vector<std::string> letters;
    const std::string all = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    for (std::size_t i = 0; i < all.size();) {
        const std::string one = text::CharPrefix(all.substr(i), 1);
        letters.push_back(one);
        i += one.size();
    }
    std::vector<std::string> runs;
    for (const auto& a : letters)
        for (const auto& b : letters) {
            runs.push_back(a + b);
            for (const auto& c : letters)
                runs.push_back(a + b + c);
        }
    for (const char* lead : {"ň", "ó"})
        for (const char* b : {"Š", "Ť", "Ž", "š", "ť", "ž"})
            for (const char* c : {"Š", "Ť", "Ž", "š", "ť", "ž"})
                for (const char* d : {"Š", "Ť", "Ž", "š", "ť", "ž"})
                    runs.push_back(std::string(lead) + b + c + d);
    int wrong = 0;
    for (const auto& run : runs)
        for (const std::string& value : {run, "x" + run, run + " x"}) {
            const std::string file = "[Mesto00]\r\nNazev=" + value + "\r\n";
            const auto fromCp1250 = text::DecodeFile(cp1250(file));
            const auto fromUtf8 = text::DecodeFile(file);
            if (fromCp1250.utf8 != file || fromCp1250.encoding != FileEncoding::Windows1250 ||
                fromUtf8.utf8 != file || fromUtf8.encoding != FileEncoding::Utf8)
                ADD_FAILURE() << value << (++wrong > 5 ? " (and more)" : "");
            if (wrong > 5)
                return;
        }
    EXPECT_GT(runs.size(), 27000u);
}
