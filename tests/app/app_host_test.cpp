#include "app/app_host.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(AppHost, PassesMessagesSoundsAndTheShieldsItemOnInOrder) {
    MessageQueue messages;
    MenuModel menu;
    std::vector<std::string> played;
    AppHost host(messages, menu, [&played](const std::string& f) { played.push_back(f); });
    host.showMessage("You got a shield", "PowerUp");
    host.showMessage("Game Over", "Game Over");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.front().text + "/" + messages.front().caption, "You got a shield/PowerUp");
    host.playSound("cannon.wav");
    host.playSound("chicken.wav");
    EXPECT_EQ(played, (std::vector<std::string>{"cannon.wav", "chicken.wav"}));
    AppHost(messages, menu, nullptr).playSound("cannon.wav");  // no player: no crash

    menu.setGameItemsEnabled(false);
    host.setShieldsMenuEnabled(true);
    EXPECT_TRUE(menu.isEnabled(ShieldsCommand));
    host.setShieldsMenuEnabled(false);
    EXPECT_FALSE(menu.isEnabled(ShieldsCommand));
}

}  // namespace
