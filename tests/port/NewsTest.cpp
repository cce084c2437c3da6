#include "port/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(News, TheQueueHoldsThreeItemsAndMovesUpOnePerTick) {
    GameState st;
    AddNews(st, "a", 1);
    AddNews(st, "b", 0);
    AddNews(st, "c", 4);
    AddNews(st, "d", 2); // lost
    auto first = TakeNews(st);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "a");
    EXPECT_EQ(first->kind, 1);
    AddNews(st, "e", 3); // room again at the end
    EXPECT_EQ(TakeNews(st)->text, "b");
    EXPECT_EQ(TakeNews(st)->text, "c");
    EXPECT_EQ(TakeNews(st)->text, "e");
    EXPECT_FALSE(TakeNews(st));
}

TEST(News, AnEmptyFirstSlotStopsTheTicker) {
    GameState st;
    st.NewsQueue[1] = {"waiting", 2};
    EXPECT_FALSE(TakeNews(st));
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
}
