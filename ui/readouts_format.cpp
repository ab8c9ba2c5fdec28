// SPDX-License-Identifier: GPL-3.0-or-later
// Formats the status panel's team line, power, angle and mileage readouts, cut to their room.
#include "ui/readouts.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Each readout line has room for 79 characters; longer text is cut, never overrun.
constexpr std::size_t lineCapacity = 80;

template <typename... Args>
std::string formatLine(const char* format, Args... args) {
    char line[lineCapacity] = {};
    std::snprintf(line, sizeof line, format, args...);
    return line;
}

}  // namespace

StatusReadouts formatStatusReadouts(const char* teamName, const char* playerName,
                                    std::int32_t tankNumber, float power, std::int32_t elevation,
                                    std::int32_t mileage) {
    StatusReadouts r;
    r.hasTank = true;
    r.teamLine = formatLine("Team: %s, Player: %s, Tank#: %ld", teamName ? teamName : "",
                            playerName ? playerName : "", static_cast<long>(tankNumber));
    r.power = formatLine("POWER %06.2f", static_cast<double>(power));
    r.angle = formatLine("ANGLE %2.2f", std::abs(static_cast<double>(elevation)));
    r.mileage = formatLine("mileage: %d units used", static_cast<int>(mileage));
    return r;
}
