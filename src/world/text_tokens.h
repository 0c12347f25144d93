// Whitespace-separated words and "%i" integers of the game's text files, read
// either as the C library reads them or, for the mission list, so that an
// over-long word or a half number is noticed instead of silently shifting
// every later record. Every reader of numbers in text files reads them here.
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
    MALFORMED, // the word is not wholly one number
    TOO_LARGE, // a number outside 32 bits
    END,       // no word left
};

// One whole word that must be one number as C's "%i" reads it: an optional
// sign, then 0x hexadecimal, leading-0 octal or decimal digits, as many as
// there are; no length limit. "0x" with no hexadecimal digit after it is no
// number, as the C standard has it. value is set for OK only; word receives
// the word as it can be shown in a message (a long one cut short with "...").
NumberRead readNumber(std::FILE* file, int32_t& value, std::string& word);

// One "%i" conversion as the C library makes it: white space skipped, then
// the longest run of characters that begins a number; the character that ends
// it is left for the next read, so "08" gives 0 and then 8, "1-4" 1 and then
// -4. False, with value untouched, at the end of the file or when the run is
// no number: a lone sign (which stays read), a bare "0x", or a number outside
// 32 bits.
bool scanNumber(std::FILE* file, int32_t& value);

// The whole word is one "%i" number within 32 bits.
bool parseInteger(const std::string& word, int32_t& value);
