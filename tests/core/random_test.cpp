#include "game/random.h"

#include <gtest/gtest.h>

TEST(GameRandom, SeedsReplayTheirSequenceWithinRange) {
    GameRandom a(1234), b(1234), c(1235);
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        const int va = a.next();
        ASSERT_EQ(va, b.next());
        ASSERT_TRUE(va >= 0 && va <= GameRandom::maxValue) << va;
        differs |= (va != c.next());
    }
    EXPECT_TRUE(differs);
    a.seed(1234);  // reseeding restarts the sequence
    EXPECT_EQ(a.next(), GameRandom(1234).next());
}
