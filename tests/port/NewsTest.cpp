#include "port/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(News, TheQueueMovesUpOnePerTickAndLosesNothing) {
    GameState st;
    AddNews(st, "a", 1);
    AddNews(st, "b", 0);
    AddNews(st, "c", 4);
    AddNews(st, "d", 2); // waits behind the three slots
    AddNews(st, "e", 3);
    auto first = TakeNews(st);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "a");
    EXPECT_EQ(first->kind, 1);
    EXPECT_EQ(st.NewsQueue[2].text, "d");
    AddNews(st, "f", 0);
    for (const char* next : {"b", "c", "d", "e", "f"})
        EXPECT_EQ(TakeNews(st)->text, next);
    EXPECT_FALSE(TakeNews(st));
}

TEST(News, AnEmptyFirstSlotStopsTheTicker) {
    GameState st;
    st.NewsQueue[1] = {"waiting", 2};
    EXPECT_FALSE(TakeNews(st));
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
}
