#include "app/app_host.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Host : ::testing::Test {
    MessageQueue messages;
    MenuModel menu;
    std::vector<std::string> played;
    AppHost host{messages, menu, [this](const std::string& f) { played.push_back(f); }};
};

TEST_F(Host, MessagesQueueInTheOrderRaised) {
    host.showMessage("You got a shield", "PowerUp");
    host.showMessage("Game Over", "Game Over");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.front().text, "You got a shield");
    EXPECT_EQ(messages.front().caption, "PowerUp");
    messages.pop();
    EXPECT_EQ(messages.front().text, "Game Over");
    EXPECT_EQ(messages.front().caption, "Game Over");
}

TEST_F(Host, SoundsGoToThePlayer) {
    host.playSound("cannon.wav");
    host.playSound("chicken.wav");
    const std::vector<std::string> expected{"cannon.wav", "chicken.wav"};
    EXPECT_EQ(played, expected);
    AppHost silent(messages, menu, nullptr);
    silent.playSound("cannon.wav");  // no player: nothing, and no crash
}

TEST_F(Host, ButtonAndShieldsMenuStatesFollowTheRules) {
    EXPECT_TRUE(host.tankButtonsEnabled());
    host.setTankButtonsEnabled(false);
    EXPECT_FALSE(host.tankButtonsEnabled());
    host.setTankButtonsEnabled(true);
    EXPECT_TRUE(host.tankButtonsEnabled());

    menu.setGameItemsEnabled(false);
    EXPECT_FALSE(menu.isEnabled(ShieldsCommand));
    host.setShieldsMenuEnabled(true);
    EXPECT_TRUE(menu.isEnabled(ShieldsCommand));
    host.setShieldsMenuEnabled(false);
    EXPECT_FALSE(menu.isEnabled(ShieldsCommand));
}

}  // namespace
