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

std::string cleanName(const std::string& text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        // The length a well-formed UTF-8 sequence starting here has; 0 for a stray byte.
        const std::size_t length = c < 0x80         ? 1
                                   : (c >> 5) == 6  ? 2
                                   : (c >> 4) == 14 ? 3
                                   : (c >> 3) == 30 ? 4
                                                    : 0;
        bool whole = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!whole) {
            ++i;
            continue;
        }
        if (length > 1 || (c >= 0x20 && c != 0x7F))
            kept.append(text, i, length);
        i += length;
    }
    const std::size_t first = kept.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    kept = kept.substr(first, kept.find_last_not_of(' ') - first + 1);
    return cutToName(kept);
}
