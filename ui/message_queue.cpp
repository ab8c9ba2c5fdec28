// SPDX-License-Identifier: GPL-3.0-or-later
// Pushing and dismissing queued messages.
#include "ui/message_queue.h"

#include <utility>

void MessageQueue::push(std::string text, std::string caption) {
    messages_.push_back(QueuedMessage{std::move(text), std::move(caption)});
}

void MessageQueue::pop() {
    if (!messages_.empty()) {
        messages_.pop_front();
    }
}
