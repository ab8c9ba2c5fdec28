// SPDX-License-Identifier: GPL-3.0-or-later
// Team and player names in their 24-byte buffers, cut at a UTF-8 character boundary.
#pragma once

#include <cstddef>
#include <string>

// Team and player names live in fixed buffers of 24 bytes: at most 23 bytes of text.
constexpr std::size_t nameCapacity = 24;

// Copies text into a name buffer, cut to 23 bytes at a UTF-8 character boundary, so a
// long entry never overflows and never leaves half a character behind.
void copyName(char (&target)[nameCapacity], const std::string& text);

// The longest prefix of text that fits a name buffer (same cut as copyName).
std::string cutToName(const std::string& text);

// A name from elsewhere (another machine, the login) as a typed one would be: control
// characters and broken UTF-8 dropped, blanks trimmed, cut to a name buffer.
std::string cleanName(const std::string& text);
