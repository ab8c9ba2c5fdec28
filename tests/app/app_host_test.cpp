#include "app/app_host.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <gtest/gtest.h>

#include <string>

// The window test hears the cannon and reads a refused dialog's message through this host.
TEST(AppHost, PassesSoundsOnAndTheShieldsItemToTheMenu) {
    MessageQueue messages;
    MenuModel menu;
    std::string played;
    AppHost host(messages, menu, [&played](const std::string& f) { played += f + " "; });
    host.playSound("chicken.wav");
    EXPECT_EQ(played, "chicken.wav ");
    AppHost(messages, menu, nullptr).playSound("cannon.wav");  // no player: no crash
    menu.setGameItemsEnabled(false);
    for (bool on : {true, false}) {
        host.setShieldsMenuEnabled(on);
        EXPECT_EQ(menu.isEnabled(ShieldsCommand), on);
    }
}
