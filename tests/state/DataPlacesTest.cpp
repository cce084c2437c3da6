#include "state/DataPlaces.h"
#include "state/Paths.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(DataPlaces, TheGameWritesBesideItselfOnlyWhereItMay) {
    const struct {
        bool appWritable, dataWritable;
        const char* xdgDataHome;
        const char* home;
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
    }
}

TEST(DataPlaces, ShippedFilesComeFromTheProgramAndWrittenOnesGoToThePlayer) {
    const DataPlaces own{"/hra", ""};
    const DataPlaces installed{"/usr/lib/vlnobrod", "/home/eva/.local/share/vlnobrod"};
    const std::string user = installed.UserFolder;
    const std::string shipped = "/usr/lib/vlnobrod/Data";
    const std::pair<std::string, std::string> paths[] = {
        {StateFile(own), "/hra/Data/aktual.map"},
        {StateFile(installed), user + "/aktual.map"},
        {SavePath(own, "Hra"), "/hra/Data/Save/Hra.mlo"},
        {SavePath(installed, "Hra"), user + "/Save/Hra.mlo"},
        {SettingsFolder(own), "/hra"},
        {SettingsFolder(installed), user},
        // The table lies in the map itself, or in a file of the player's that holds it alone.
        {TableFile(own, "Mapa2"), "/hra/Data/Mapa2.mlo"},
        {TableFile(installed, "Mapa2"), user + "/Mapa2.mlo"},
        {ScenarioFile(installed, "Mapa2"), shipped + "/Mapa2.mlo"},
        {ChartFile(installed, "Mapa2"), shipped + "/Mapa2.jpg"},
        {SoundFile(installed, "Ding"), shipped + "/Sounds/Ding.wav"},
    };
    for (const auto& [path, expected] : paths)
        EXPECT_EQ(path, expected);
}
