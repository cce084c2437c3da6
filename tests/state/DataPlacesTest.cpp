#include "state/DataPlaces.h"
#include "state/Paths.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vlnobrod;

// Barred from its own folder, the game writes to the player's (a journey follows it there).
TEST(DataPlaces, TheGameWritesBesideItselfOnlyWhereItMay) {
    // The program's and its data folder's writability, XDG_DATA_HOME and HOME, then the
    // player's folder ("": the game's own layout).
    const std::tuple<bool, bool, const char*, const char*, std::string> cases[] = {
        {false, true, "", "/home/eva", "/home/eva/.local/share/vlnobrod"},
        {true, false, "/var/eva", "/home/eva", "/var/eva/vlnobrod"},
        {false, false, "share", "/home/eva", "/home/eva/.local/share/vlnobrod"}, // not absolute
        {false, false, "", "", ""}, // no home at all: the own layout, whose writes then fail
    };
    for (const auto& [app, data, xdg, home, user] : cases) {
        const DataPlaces places = ChooseDataPlaces({"/usr/lib/vlnobrod", app, data, xdg, home});
        EXPECT_EQ(places.AppFolder, "/usr/lib/vlnobrod");
        EXPECT_EQ(places.UserFolder, user) << app << data;
        EXPECT_EQ(SettingsFolder(places), user.empty() ? "/usr/lib/vlnobrod" : user);
    }
}
