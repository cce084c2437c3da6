// What a save, a new game and entering a saved game do when the world gets in the way: the
// program killed halfway, a full disk, read-only files and folders, symbolic links.
#include "menu/MenuRules.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"
#include "trade/SaveGame.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <random>
#include <set>
#include <thread>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr fs::perms ReadOnly =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

fs::perms permsOf(const std::string& file) {
    return fs::status(file).permissions();
}

// A game saving in a child process, which stays open after its save as a game would.
struct SavingChild {
    pid_t pid;
    int done; // reads 1 once the save is through, 0 if it failed
    void kill() const {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(done);
        EXPECT_TRUE(WIFSIGNALED(status));
    }
};

// Returns when the child is about to save.
SavingChild startSaving(Profiles& p, GameState& st, const std::string& name) {
    int ready[2], done[2];
    if (::pipe(ready) != 0 || ::pipe(done) != 0)
        std::abort();
    const pid_t child = ::fork();
    if (child < 0)
        std::abort();
    if (child == 0) {
        const char go = 1;
        if (::write(ready[1], &go, 1) == 1) {
            const char saved = SaveGame(p, st, name).saved ? 1 : 0;
            if (::write(done[1], &saved, 1) != 1)
                std::abort();
        }
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    ::close(done[1]);
    char go = 0;
    if (::read(ready[0], &go, 1) != 1)
        std::abort();
    ::close(ready[0]);
    return {child, done[0]};
}

// A game on a shipped map, in play.
class SaveFaults : public ::testing::Test {
protected:
    SaveFaults() {
        st.Places.AppFolder = dir.path();
        fs::create_directories(SaveFolder(st.Places));
        fs::copy_file(std::string(VLNOBROD_SOURCE_DIR) + "/data/Mapa3.mlo", StateFile(st.Places));
        EXPECT_TRUE(ReadGameFile(p, StateFile(st.Places), st));
        st.HandOff = StateFile(st.Places);
        st.Hotovost = 987654.25;
        st.Den = 3;
    }
    std::string save(const std::string& name) const { return SavePath(st.Places, name); }
    int savedDay(const std::string& file) const {
        Profiles fresh;
        GameState back;
        return ReadGameFile(fresh, file, back) ? back.Den : -1;
    }
    // The save's own message for a file it could not write.
    static void expectRefused(const SaveOutcome& r, const std::string& name) {
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.message.rfind("Hru se nepodařilo uložit do souboru \"" + name + ".mlo\".", 0),
                  0u)
            << r.message;
    }

    TempDir dir;
    Profiles p;
    GameState st;
};

} // namespace

TEST_F(SaveFaults, ASaveKilledAtAnyMomentLeavesTheOldSaveOrTheNewOneWhole) {
    const std::string file = save("Hra");
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    const std::string older = TempDir::read(file);
    st.Den = 17;
    // How long a save takes in a child, so the kills fall all over it and a little after.
    std::chrono::microseconds span{0};
    constexpr int timed = 5;
    for (int i = 0; i < timed; ++i) {
        const SavingChild child = startSaving(p, st, "Vzor");
        const auto start = std::chrono::steady_clock::now();
        char saved = 0;
        const bool told = ::read(child.done, &saved, 1) == 1;
        span += std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        child.kill();
        ASSERT_TRUE(told && saved == 1);
    }
    span /= timed;
    const std::string newer = TempDir::read(save("Vzor"));
    fs::remove(save("Vzor"));
    ASSERT_NE(older, newer);

    // VLNOBROD_SAVE_KILLS asks for a longer run.
    const char* asked = std::getenv("VLNOBROD_SAVE_KILLS");
    const int wanted = std::max(200, asked ? std::atoi(asked) : 0);
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long> delay(0, span.count() * 3 / 2);
    int kills = 0, oldKept = 0, newComplete = 0, corrupt = 0;
    std::size_t mostFiles = 0;
    for (; kills < wanted; ++kills) {
        dir.write("Data/Save/Hra.mlo", older);
        const SavingChild child = startSaving(p, st, "Hra");
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        child.kill();

        const std::string now = TempDir::read(file);
        const int day = savedDay(file);
        if (now == older && day == 3)
            ++oldKept;
        else if (now == newer && day == 17)
            ++newComplete;
        else
            ++corrupt;
        mostFiles = std::max(mostFiles, namesIn(SaveFolder(st.Places)).size());
    }
    std::cout << "Killed saves: " << kills << ", old kept: " << oldKept
              << ", new complete: " << newComplete << ", corrupt: " << corrupt << " (a save takes "
              << span.count() << " µs, kills up to " << span.count() * 3 / 2 << " µs into it)\n";
    EXPECT_EQ(corrupt, 0);
    EXPECT_GT(oldKept, 0);
    EXPECT_GT(newComplete, 0);
    // At most one leftover of each step of a save, however many were cut short...
    EXPECT_LE(mostFiles, 4u);
    // ...and the next save under that name clears them away.
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    EXPECT_EQ(namesIn(SaveFolder(st.Places)), std::set<std::string>{"Hra.mlo"});
    EXPECT_EQ(TempDir::read(file), newer);
}

TEST_F(SaveFaults, AFullOrReadOnlyDiskReportsTheFailureAndKeepsTheOldSave) {
    const std::string folder = SaveFolder(st.Places);
    if (::geteuid() != 0)
        GTEST_SKIP() << "A full disk is a small tmpfs, and only root may mount one.";
    // A mount of this process's own, gone with it whatever happens.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("vlnobrod", folder.c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "No tmpfs can be mounted here (" << std::strerror(errno)
                     << "), so there is no full disk to save to.";
    struct Unmount {
        const std::string& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{folder};

    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    const std::string older = TempDir::read(save("Hra"));
    const std::string filler = folder + "/plno";
    {
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        ::close(fd);
    }
    st.Den = 17; // played on since the save
    st.StateSaved = false;
    expectRefused(SaveGame(p, st, "Hra"), "Hra");
    expectRefused(SaveGame(p, st, "Nova"), "Nova");
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(TempDir::read(save("Hra")), older);
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"Hra.mlo", "plno"}));

    // With room again the same game saves.
    fs::remove(filler);
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    EXPECT_EQ(savedDay(save("Hra")), 17);

    // A disk mounted read-only stops root as well.
    const std::string newer = TempDir::read(save("Hra"));
    ASSERT_EQ(::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    st.Den = 18;
    expectRefused(SaveGame(p, st, "Hra"), "Hra");
    EXPECT_EQ(TempDir::read(save("Hra")), newer);
}

TEST_F(SaveFaults, AReadOnlySaveOrSaveFolderIsNotWritten) {
    const std::string file = save("Hra");
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    const std::string older = TempDir::read(file);
    st.Den = 17; // played on since the save
    st.StateSaved = false;
    // The file says it is read-only: that holds for root too.
    fs::permissions(file, ReadOnly);
    expectRefused(SaveGame(p, st, "Hra"), "Hra");
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(TempDir::read(file), older);
    EXPECT_EQ(permsOf(file), ReadOnly);
    EXPECT_EQ(namesIn(SaveFolder(st.Places)), std::set<std::string>{"Hra.mlo"});

    // The player's own folder made read-only; permission bits do not stop root, so a root run
    // saves as the "nobody" user, who owns the folder and the save.
    const std::string folder = SaveFolder(st.Places);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    {
        vlnobrod::testing::AsUnprivilegedUser user;
        EXPECT_TRUE(user.ok);
        expectRefused(SaveGame(p, st, "Hra"), "Hra");
        expectRefused(SaveGame(p, st, "Nova"), "Nova");
    }
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(TempDir::read(file), older);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"Hra.mlo"});
}

TEST_F(SaveFaults, ThroughASymbolicLinkTheFileItNamesIsWrittenAndKeepsItsPermissions) {
    constexpr fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    constexpr fs::perms shared = ownerOnly | fs::perms::group_read;
    // The player keeps the saved game elsewhere and links it in.
    const std::string file = save("Hra");
    const std::string real = dir.write("jinde/hra.mlo", "[Mapa]\nDen=1\n");
    fs::permissions(real, shared);
    fs::create_symlink("../../jinde/hra.mlo", file);
    st.Den = 17;
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    EXPECT_EQ(fs::read_symlink(file), "../../jinde/hra.mlo");
    EXPECT_EQ(savedDay(real), 17);
    EXPECT_EQ(permsOf(real), shared);
    EXPECT_EQ(namesIn(SaveFolder(st.Places)), std::set<std::string>{"Hra.mlo"});
    EXPECT_EQ(namesIn(dir.file("jinde")), std::set<std::string>{"hra.mlo"});

    // The state file is a link as well. A new game from a read-only map...
    const std::string state = StateFile(st.Places);
    const std::string realState = dir.write("jinde/aktual.map", "[Mapa]\nDen=2\n");
    fs::permissions(realState, ownerOnly);
    fs::remove(state);
    fs::create_symlink(realState, state);
    const std::string map = ScenarioFile(st.Places, "Mapa3");
    fs::copy_file(std::string(VLNOBROD_SOURCE_DIR) + "/data/Mapa3.mlo", map);
    fs::permissions(map, ReadOnly);
    ASSERT_TRUE(StartNewGame(p, st, "Mapa3", "Jantar", "Ota"));
    EXPECT_EQ(fs::read_symlink(state), realState);
    EXPECT_EQ(p.ReadProfile(realState, "Mapa", "Company", ""), "Jantar");
    EXPECT_EQ(permsOf(realState), ownerOnly);
    // ...and entering the saved game write the file the link names.
    ASSERT_TRUE(EnterSavedGame(p, st, file));
    EXPECT_EQ(fs::read_symlink(state), realState);
    EXPECT_EQ(TempDir::read(realState), TempDir::read(real));
    EXPECT_EQ(permsOf(realState), ownerOnly);
    EXPECT_EQ(namesIn(dir.file("jinde")), (std::set<std::string>{"aktual.map", "hra.mlo"}));

    // A copy made for a new name is the player's to write, whatever its source allowed.
    fs::remove(state);
    fs::copy_file(map, state);
    ASSERT_EQ(permsOf(state), ReadOnly);
    ASSERT_TRUE(SaveGame(p, st, "Nova").saved);
    EXPECT_TRUE((permsOf(save("Nova")) & fs::perms::owner_write) != fs::perms::none);
}
