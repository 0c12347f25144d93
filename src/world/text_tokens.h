// Whitespace-separated words and "%i" integers of the game's text files, read
// so that an over-long word or a half number is noticed instead of
// silently shifting every later record. The settings file, the squad stats
// and the mission list read their numbers here.
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

// Skips white space and one word of any length; false at the end of the file.
bool skipWord(std::FILE* file);

enum class NumberRead {
    OK,        // the word is one number
    CUT_SHORT, // a number, then more of the word: the file's reading stops there
    MALFORMED, // the word does not begin with a number
    TOO_LARGE, // a number outside 32 bits
    END,       // no word left
};

// One number as C's "%i" reads it: an optional sign, then 0x hexadecimal,
// leading-0 octal or decimal digits, as many as there are; no length limit.
// "0x" with no hexadecimal digit after it is no number, as the C standard has
// it. value is set for OK and CUT_SHORT only; word receives the word as it
// can be shown in a message (a long one cut short with "...").
NumberRead readNumber(std::FILE* file, int32_t& value, std::string& word);

// The whole word is one "%i" number within 32 bits.
bool parseInteger(const std::string& word, int32_t& value);
