#include "app/app_host.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <gtest/gtest.h>

#include <string>

TEST(AppHost, PassesMessagesSoundsAndTheShieldsItemOnInOrder) {
    MessageQueue messages;
    MenuModel menu;
    std::string played;
    AppHost host(messages, menu, [&played](const std::string& f) { played += f + " "; });
    host.showMessage("You got a shield", "PowerUp");
    host.showMessage("Game Over", "Game Over");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.front().text + "/" + messages.front().caption, "You got a shield/PowerUp");
    host.playSound("cannon.wav");
    host.playSound("chicken.wav");
    EXPECT_EQ(played, "cannon.wav chicken.wav ");
    AppHost(messages, menu, nullptr).playSound("cannon.wav");  // no player: no crash
    menu.setGameItemsEnabled(false);
    for (bool on : {true, false}) {
        host.setShieldsMenuEnabled(on);
        EXPECT_EQ(menu.isEnabled(ShieldsCommand), on);
    }
}
