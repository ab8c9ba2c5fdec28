// SPDX-License-Identifier: GPL-3.0-or-later
// copyName and cutToName: fitting a name into its 24-byte buffer without splitting a character.
#include "game/names.h"

#include <cstring>

std::string cutToName(const std::string& text) {
    std::size_t length = text.size();
    if (length > nameCapacity - 1) {
        length = nameCapacity - 1;
        // Step back over UTF-8 continuation bytes so the cut falls between characters.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    // An embedded NUL ends the name, as it would in the C buffer.
    std::size_t nul = text.find('\0');
    if (nul != std::string::npos && nul < length) {
        length = nul;
    }
    return text.substr(0, length);
}

void copyName(char (&target)[nameCapacity], const std::string& text) {
    std::string cut = cutToName(text);
    std::memcpy(target, cut.data(), cut.size());
    target[cut.size()] = '\0';
}
