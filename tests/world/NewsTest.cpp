#include "world/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(News, TheQueueMovesUpOnePerTickAndLosesNothing) {
    GameState st;
    st.NewsQueue[1] = {"waiting", NewsWarning};
    EXPECT_FALSE(TakeNews(st)); // an empty first slot stops the ticker
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
    st.NewsQueue[1] = {};
    AddNews(st, "a", NewsInfo);
    AddNews(st, "b", NewsPlain);
    AddNews(st, "c", NewsError);
    AddNews(st, "d", NewsWarning); // waits behind the three slots
    AddNews(st, "e", NewsStop);
    auto first = TakeNews(st);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->kind, NewsInfo);
    AddNews(st, "f", NewsPlain);
    for (const char* next : {"b", "c", "d", "e", "f"})
        EXPECT_EQ(TakeNews(st)->text, next);
    EXPECT_FALSE(TakeNews(st));
}
