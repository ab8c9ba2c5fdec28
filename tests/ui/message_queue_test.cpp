#include "ui/message_queue.h"

#include <gtest/gtest.h>

TEST(MessageQueue, ShowsMessagesOneAtATimeInTheOrderRaised) {
    MessageQueue queue;
    EXPECT_TRUE(queue.empty());
    queue.pop();  // dismissing with nothing shown is harmless
    queue.push("You got a weak shield", "PowerUp");
    queue.push("Game Over", "Game Over");
    queue.push("Game Over", "Game Over");
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue.front().text, "You got a weak shield");
    EXPECT_EQ(queue.front().caption, "PowerUp");
    queue.pop();
    EXPECT_EQ(queue.front().caption, "Game Over");
    queue.pop();
    EXPECT_EQ(queue.size(), 1u);  // identical messages are each shown
    queue.pop();
    EXPECT_TRUE(queue.empty());
}
