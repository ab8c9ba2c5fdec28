// SPDX-License-Identifier: GPL-3.0-or-later
// WaitingBox: what the box shown while a network game's seats fill says.
#pragma once

#include <string>
#include <vector>

struct WaitingBox {
    std::string title;
    std::vector<std::string> lines;  // a seat and who has taken it, one a line
    std::string note;

    bool operator==(const WaitingBox& o) const {
        return title == o.title && lines == o.lines && note == o.note;
    }
};
