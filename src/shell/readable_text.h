// Text from a file made safe for the library's UTF-8 drawing, which hangs on
// some malformed sequences (a 0xFE or 0xFF byte followed by continuation bytes).
#pragma once

#include <string>

// The text with every byte that does not belong to a well-formed UTF-8
// sequence replaced by '^', the mark the library itself draws for a character
// it cannot read. Well-formed text comes back unchanged.
std::string readableText(const char* text);
