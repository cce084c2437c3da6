#include "state/DataPlaces.h"
#include "state/Paths.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

// Where the game may not write beside itself, what it writes goes to the player's folder.
// (The journey of an installed game follows the saves, the state file and the table there.)
TEST(DataPlaces, TheGameWritesBesideItselfOnlyWhereItMay) {
    const struct {
        bool appWritable, dataWritable;
        const char *xdgDataHome, *home;
        const char* userFolder; // "" = the game's own layout
    } cases[] = {
        {true, true, "/x", "/home/eva", ""}, // a build tree, a copy unpacked anywhere
        {false, true, "", "/home/eva", "/home/eva/.local/share/vlnobrod"},
        {true, false, "/var/eva", "/home/eva", "/var/eva/vlnobrod"},
        {false, false, "share", "/home/eva", "/home/eva/.local/share/vlnobrod"}, // not absolute
        {false, false, "", "", ""}, // no home at all: the own layout, whose writes then fail
    };
    for (const auto& c : cases) {
        const DataPlaces places = ChooseDataPlaces(
            {"/usr/lib/vlnobrod", c.appWritable, c.dataWritable, c.xdgDataHome, c.home});
        EXPECT_EQ(places.AppFolder, "/usr/lib/vlnobrod");
        EXPECT_EQ(places.UserFolder, c.userFolder) << c.appWritable << c.dataWritable;
        EXPECT_EQ(SettingsFolder(places), *c.userFolder ? c.userFolder : "/usr/lib/vlnobrod");
    }
}
