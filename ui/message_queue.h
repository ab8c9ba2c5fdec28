// SPDX-License-Identifier: GPL-3.0-or-later
// MessageQueue: message boxes waiting to be shown, in the order they were raised.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

struct QueuedMessage {
    std::string text;
    std::string caption;
};

// Message boxes waiting to be shown. Messages raised while the rules run are shown when the
// frame ends, one at a time, in the order they were raised.
class MessageQueue {
  public:
    void push(std::string text, std::string caption);
    bool empty() const { return messages_.empty(); }
    std::size_t size() const { return messages_.size(); }
    // The message on screen; only valid while not empty.
    const QueuedMessage& front() const { return messages_.front(); }
    // Dismisses the front message; nothing happens on an empty queue.
    void pop();

  private:
    std::deque<QueuedMessage> messages_;
};
