#include "trade/SaveGame.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

// What the box holds becomes the save's name: a small ".mlo" dropped, blanks saved as
// QuickSave; a name that is no plain file name is refused with its reason.
TEST(SaveName, TheBoxNamesThePlainFileOrSaysWhyNot) {
    std::string czech; // 45 letters, counted as letters and not as bytes
    for (int i = 0; i < 45; ++i)
        czech += "ř";
    const struct {
        std::string typed, name, problem;
    } rows[] = {
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
        {czech, czech, ""},
        {czech + "a", czech + "a", "Název hry smí mít nejvýše 45 znaků."},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(SaveName(r.typed), r.name) << r.typed;
        EXPECT_EQ(SaveNameProblem(r.name), r.problem) << r.typed;
    }
}

TEST(SavedGames, TheNewestIsTheLastModifiedAndTheFirstOnATie) {
    EXPECT_EQ(NewestSave({}), -1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0); // nothing after 1990: the first
}

// The way out of a game asks one question, wherever it is taken, and only while the game is
// unsaved; "Ano" leaves only once the game is saved.
TEST(SavedGames, LeavingAnUnsavedGameAsksAndSavesOnAno) {
    const struct {
        bool saved;
        MessageAnswer answer;
        bool saves, leaves;
    } rows[] = {
        {false, MessageAnswer::Ano, true, true},    {false, MessageAnswer::Ano, false, false},
        {false, MessageAnswer::Ne, false, true},    {false, MessageAnswer::Zrusit, false, false},
        {true, MessageAnswer::Zrusit, false, true},
    };
    for (const auto& r : rows) {
        GameState st;
        st.StateSaved = r.saved;
        vlnobrod::testing::FakeGameView view;
        view.answers = {r.answer};
        int saves = 0;
        EXPECT_EQ(MayLeave(st, view, [&] { return ++saves, r.saves; }), r.leaves);
        EXPECT_EQ(saves, r.answer == MessageAnswer::Ano && !r.saved ? 1 : 0);
        ASSERT_EQ(view.messages.size(), r.saved ? 0u : 1u);
        if (!r.saved) {
            EXPECT_EQ(view.messages[0].title, "Opuštění hry");
            EXPECT_EQ(view.messages[0].text, "Chcete hru uložit pod název: Poslední hra ?");
            EXPECT_EQ(view.messages[0].buttons, MessageButtons::NeAnoZrusit);
        }
    }
}
