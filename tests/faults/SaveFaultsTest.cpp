// What a save, a new game and entering a saved game do when the world gets in the way: a full
// disk, read-only files and folders, symbolic links.
#include "state/GameFile.h"
#include "state/Paths.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"
#include "trade/SaveGame.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

using namespace vlnobrod;
using vlnobrod::testing::TempDir;
namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

// A game on a shipped map, in play.
struct SaveFaults : ::testing::Test {
    SaveFaults() {
        st.Places.AppFolder = dir.path();
        fs::create_directories(SaveFolder(st.Places));
        fs::copy_file(std::string(VLNOBROD_SOURCE_DIR) + "/data/Mapa3.mlo", StateFile(st.Places));
        EXPECT_TRUE(ReadGameFile(p, StateFile(st.Places), st));
        st.HandOff = StateFile(st.Places);
        st.Den = 3;
    }
    std::string save(const std::string& name) const { return SavePath(st.Places, name); }
    // A save of "Hra" made, then the game played on: what a refused save must keep.
    std::string savedThenPlayedOn() {
        EXPECT_TRUE(SaveGame(p, st, "Hra").saved);
        st.Den = 17;
        st.StateSaved = false;
        return TempDir::read(save("Hra"));
    }
    // Saving under each of `tried` is refused with the save's own message; the game stays
    // unsaved, "Hra" as it was, and the folder holds `names`.
    void expectNothingSaved(const std::vector<std::string>& tried, const std::string& older,
                            const std::set<std::string>& names) {
        for (const std::string& name : tried) {
            const SaveOutcome r = SaveGame(p, st, name);
            EXPECT_FALSE(r.saved);
            const std::string said = "Hru se nepodařilo uložit do souboru \"" + name + ".mlo\".";
            EXPECT_EQ(r.message.rfind(said, 0), 0u) << r.message;
        }
        EXPECT_FALSE(st.StateSaved);
        EXPECT_EQ(TempDir::read(save("Hra")), older);
        EXPECT_EQ(namesIn(SaveFolder(st.Places)), names);
    }

    TempDir dir;
    Profiles p;
    GameState st;
};

} // namespace

TEST_F(SaveFaults, AFullDiskReportsTheFailureAndKeepsTheOldSave) {
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

    const std::string older = savedThenPlayedOn();
    const std::string filler = folder + "/plno";
    std::ofstream fill(filler, std::ios::binary);
    fill << std::string(256 * 1024, 'x') << std::flush;
    ASSERT_TRUE(fill.fail()) << "the disk took it all";
    fill.close();
    expectNothingSaved({"Hra", "Nova"}, older, {"Hra.mlo", "plno"});

    fs::remove(filler); // with room again the same game saves
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    EXPECT_NE(TempDir::read(save("Hra")).find("\nDen=17"), std::string::npos);
}

// A save folder the player made read-only (a read-only save is refused on the save panel); as
// permission bits do not stop root, a root run saves as "nobody", owner of the folder and the save.
TEST_F(SaveFaults, AReadOnlySaveFolderIsNotWritten) {
    const std::string file = save("Hra"), folder = SaveFolder(st.Places);
    const std::string older = savedThenPlayedOn();
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    vlnobrod::testing::AsUnprivilegedUser user;
    EXPECT_TRUE(user.ok);
    expectNothingSaved({"Hra", "Nova"}, older, {"Hra.mlo"});
}

TEST_F(SaveFaults, ThroughASymbolicLinkTheFileItNamesIsWrittenAndKeepsItsPermissions) {
    constexpr fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    constexpr fs::perms shared = ownerOnly | fs::perms::group_read;
    const std::string file = save("Hra"); // the player keeps the game elsewhere and links it in
    const std::string real = dir.write("jinde/hra.mlo", "[Mapa]\nDen=1\n");
    fs::permissions(real, shared);
    fs::create_symlink("../../jinde/hra.mlo", file);
    st.Den = 17;
    ASSERT_TRUE(SaveGame(p, st, "Hra").saved);
    EXPECT_EQ(fs::read_symlink(file), "../../jinde/hra.mlo");
    EXPECT_NE(TempDir::read(real).find("\nDen=17"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions(), shared);

    // The state file is a link as well: entering the saved game writes the file it names.
    const std::string state = StateFile(st.Places);
    const std::string realState = dir.write("jinde/aktual.map", "[Mapa]\nDen=2\n");
    fs::permissions(realState, ownerOnly);
    fs::remove(state);
    fs::create_symlink(realState, state);
    ASSERT_TRUE(EnterSavedGame(p, st, file));
    EXPECT_EQ(fs::read_symlink(state), realState);
    EXPECT_EQ(TempDir::read(realState), TempDir::read(real));
    EXPECT_EQ(fs::status(realState).permissions(), ownerOnly);
    EXPECT_EQ(namesIn(dir.file("jinde")), (std::set<std::string>{"aktual.map", "hra.mlo"}));

    // A copy made for a new name is the player's to write, whatever its source allowed.
    fs::permissions(realState, fs::perms::owner_read);
    ASSERT_TRUE(SaveGame(p, st, "Nova").saved);
    EXPECT_TRUE((fs::status(save("Nova")).permissions() & fs::perms::owner_write) !=
                fs::perms::none);
}
