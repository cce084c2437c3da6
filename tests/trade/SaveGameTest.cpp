#include "trade/SaveGame.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

// What the box holds becomes the save's name: a small ".mlo" dropped, blanks saved as
// QuickSave; a name that is no plain file name is refused with its reason.
TEST(SaveName, TheBoxNamesThePlainFileOrSaysWhyNot) {
    const std::string czech = "řřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřřř"; // 45 letters
    // What is typed, then the name and what is wrong with it.
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"Benatky.mlo.mlo", "Benatky.mlo", ""},
        {"Benatky.MLO", "Benatky.MLO", ""},
        {".mlo", "QuickSave", ""},
        {"a.b c-d_e", "a.b c-d_e", ""},
        {"C:\\hry", "C:\\hry", "Název hry nesmí obsahovat znaky / a \\."},
        {".skryta", ".skryta", "Název hry nesmí začínat tečkou."},
        {"dva\nradky", "dva\nradky", "Název hry nesmí obsahovat řídicí znaky."},
        // Control characters at both ends of both of their ranges, and their neighbours.
        {"a\x1f", "a\x1f", "Název hry nesmí obsahovat řídicí znaky."},
        {"a ~", "a ~", ""},
        {"a\x7f", "a\x7f", "Název hry nesmí obsahovat řídicí znaky."},
        {"a\u0080", "a\u0080", "Název hry nesmí obsahovat řídicí znaky."},
        {"a\u009f", "a\u009f", "Název hry nesmí obsahovat řídicí znaky."},
        {"a\u00a0", "a\u00a0", ""},
        {"\x7f.mlo", "\x7f", "Název hry nesmí obsahovat řídicí znaky."},
        {czech, czech, ""}, // counted in letters, not in bytes
        {czech + "a", czech + "a", "Název hry smí mít nejvýše 45 znaků."},
    };
    for (const auto& [typed, name, problem] : rows)
        EXPECT_EQ(std::tuple(SaveName(typed), SaveNameProblem(name)), std::tuple(name, problem))
            << typed;
}

TEST(SavedGames, TheNewestIsTheLastModifiedAndTheFirstOnATie) {
    EXPECT_EQ(NewestSave({}), -1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0); // nothing after 1990: the first
}
