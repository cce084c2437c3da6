#include "world/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(News, TheQueueMovesUpOnePerTickAndLosesNothing) {
    GameState st;
    st.NewsQueue[1] = {"waiting", NewsWarning};
    EXPECT_FALSE(TakeNews(st)); // an empty first slot stops the ticker
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
    st.NewsQueue[1] = {};
    for (const char* text : {"a", "b", "c", "d", "e"}) // d and e wait behind the three slots
        AddNews(st, text, NewsPlain);
    EXPECT_EQ(TakeNews(st)->text, "a");
    AddNews(st, "f", NewsPlain);
    for (const char* next : {"b", "c", "d", "e", "f"})
        EXPECT_EQ(TakeNews(st)->text, next);
    EXPECT_FALSE(TakeNews(st));
}
