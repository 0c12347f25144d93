#include "shell/readable_text.h"

#include <cstddef>

namespace {
constexpr char UNREADABLE = '^';

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// Length of the well-formed sequence at s (the Unicode standard's table of
// well-formed byte sequences), or 0 when none starts there.
size_t sequenceLength(const unsigned char* s) {
    const unsigned char lead = s[0];
    if (lead < 0x80)
        return 1;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    size_t length = 0;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        secondHigh = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (!inRange(s[1], secondLow, secondHigh))
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (!inRange(s[i], 0x80, 0xBF))
            return 0;
    return length;
}
} // namespace

// A NUL ends the text before any range test can read past it.
std::string readableText(const char* text) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    std::string shown;
    while (*s) {
        const size_t length = sequenceLength(s);
        if (length == 0) {
            shown += UNREADABLE;
            ++s;
            continue;
        }
        shown.append(reinterpret_cast<const char*>(s), length);
        s += length;
    }
    return shown;
}
