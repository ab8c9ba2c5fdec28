#include "game/random.h"

#include <gtest/gtest.h>

TEST(GameRandom, SameSeedReplaysTheSameSequenceWithinRange) {
    GameRandom a(1234), b(1234), c(1235);
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        int va = a.next();
        ASSERT_EQ(va, b.next());
        ASSERT_GE(va, 0);
        ASSERT_LE(va, GameRandom::maxValue);
        differs |= (va != c.next());
    }
    EXPECT_TRUE(differs);
}

TEST(GameRandom, ReseedingRestartsTheSequence) {
    GameRandom r(7);
    int first = r.next();
    r.next();
    r.seed(7);
    EXPECT_EQ(first, r.next());
}
