// Whitespace-separated words and "%i" integers of the game's text files, read
// so that an over-long word or a half number is noticed instead of
// silently shifting every later record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Labels and numbers alike fit in this many characters.
constexpr size_t WORD_LENGTH_MAX = 39;

enum class WordRead { OK, END, TOO_LONG };

// Skips whitespace and reads one word of at most maxLength characters. An
// over-long word is consumed whole, so the next read starts after it.
WordRead readWord(std::FILE* file, size_t maxLength, std::string& word);

// The word as it can be shown in a one-line message: control characters,
// which a file may hold inside a word, are written as \xNN.
std::string printableWord(const std::string& word);
bool hasControlCharacter(const std::string& word);

// Decimal, 0x hexadecimal or leading-0 octal, optionally signed, the whole
// word and within 32 bits.
bool parseInteger(const std::string& word, int32_t& value);
