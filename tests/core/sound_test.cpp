#include <gtest/gtest.h>

#include "combat/sounds.h"
#include "game/random.h"
#include "tests/core/fixtures.h"

#include <set>

namespace {

TEST(Taunts, EachCallTakesOneDrawAndAllTenOccur) {
    GameRandom random(99), replay(99);
    RecordingHost host;
    std::set<std::string> heard;
    for (int i = 0; i < 500; ++i) {
        playTaunt(random, host);
        ASSERT_EQ(host.sounds.back(), tauntTable[replay.next() % 10]);
        heard.insert(host.sounds.back());
    }
    EXPECT_EQ(heard.size(), 10u);
    EXPECT_EQ(host.sounds.size(), 500u);
}

}  // namespace
