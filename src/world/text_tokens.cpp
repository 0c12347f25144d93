#include "world/text_tokens.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstdint>

namespace {
bool isSpace(int c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool isControl(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}
} // namespace

WordRead readWord(std::FILE* file, size_t maxLength, std::string& word) {
    word.clear();
    int c = std::fgetc(file);
    while (c != EOF && isSpace(c))
        c = std::fgetc(file);
    if (c == EOF)
        return WordRead::END;
    bool tooLong = false;
    for (; c != EOF && !isSpace(c); c = std::fgetc(file)) {
        if (word.size() < maxLength)
            word += static_cast<char>(c);
        else
            tooLong = true;
    }
    return tooLong ? WordRead::TOO_LONG : WordRead::OK;
}

std::string printableWord(const std::string& word) {
    static const char HEX[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : word) {
        if (!isControl(c)) {
            shown += c;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(c);
        shown += "\\x";
        shown += HEX[byte >> 4];
        shown += HEX[byte & 0xF];
    }
    return shown;
}

bool hasControlCharacter(const std::string& word) {
    for (char c : word)
        if (isControl(c))
            return true;
    return false;
}

namespace {
// A message shows this much of a word; a number may be any length.
constexpr size_t SHOWN_LENGTH_MAX = 60;
constexpr uint64_t INT32_MAGNITUDE_MAX = uint64_t{1} << 31; // of -2147483648

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// C's "%i", fed one character at a time.
class NumberScan {
  public:
    // False, with nothing changed, when c is no longer part of the number.
    bool take(char c) {
        switch (state) {
        case State::START:
            if (c == '+' || c == '-') {
                negative = c == '-';
                state = State::SIGNED;
                return true;
            }
            return firstDigit(c);
        case State::SIGNED:
            return firstDigit(c);
        case State::ZERO:
            if (c == 'x' || c == 'X') {
                state = State::HEX_MARK;
                return true;
            }
            return digit(c, 8, State::OCTAL);
        case State::HEX_MARK:
        case State::HEX:
            return digit(c, 16, State::HEX);
        case State::OCTAL:
            return digit(c, 8, State::OCTAL);
        case State::DECIMAL:
            return digit(c, 10, State::DECIMAL);
        }
        return false;
    }
    // "0x" alone is no number: the C standard wants a digit after it.
    bool hasDigits() const {
        return state == State::ZERO || state == State::HEX || state == State::OCTAL ||
               state == State::DECIMAL;
    }
    bool fits() const { return magnitude <= INT32_MAGNITUDE_MAX - (negative ? 0 : 1); }
    int32_t value() const {
        const int64_t m = static_cast<int64_t>(magnitude);
        return static_cast<int32_t>(negative ? -m : m);
    }

  private:
    enum class State { START, SIGNED, ZERO, HEX_MARK, HEX, OCTAL, DECIMAL };
    State state = State::START;
    bool negative = false;
    uint64_t magnitude = 0;

    bool firstDigit(char c) {
        if (c == '0') {
            state = State::ZERO;
            return true;
        }
        return digit(c, 10, State::DECIMAL);
    }
    bool digit(char c, int base, State next) {
        const int d = digitValue(c);
        if (d < 0 || d >= base)
            return false;
        state = next;
        // Held just past the largest magnitude, however many digits follow.
        magnitude = std::min(magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d),
                             INT32_MAGNITUDE_MAX + 1);
        return true;
    }
};

void keepForShowing(std::string& shown, char c) {
    if (shown.size() < SHOWN_LENGTH_MAX)
        shown += c;
    else if (shown.size() == SHOWN_LENGTH_MAX)
        shown += "...";
}
} // namespace

bool skipWord(std::FILE* file) {
    int c = std::fgetc(file);
    while (c != EOF && isSpace(c))
        c = std::fgetc(file);
    if (c == EOF)
        return false;
    while (c != EOF && !isSpace(c))
        c = std::fgetc(file);
    return true;
}

NumberRead readNumber(std::FILE* file, int32_t& value, std::string& word) {
    word.clear();
    int c = std::fgetc(file);
    while (c != EOF && isSpace(c))
        c = std::fgetc(file);
    if (c == EOF)
        return NumberRead::END;
    NumberScan scan;
    bool numberEnded = false;
    for (; c != EOF && !isSpace(c); c = std::fgetc(file)) {
        keepForShowing(word, static_cast<char>(c));
        numberEnded = numberEnded || !scan.take(static_cast<char>(c));
    }
    if (numberEnded || !scan.hasDigits())
        return NumberRead::MALFORMED;
    if (!scan.fits())
        return NumberRead::TOO_LARGE;
    value = scan.value();
    return NumberRead::OK;
}

bool scanNumber(std::FILE* file, int32_t& value) {
    int c = std::fgetc(file);
    while (c != EOF && isSpace(c))
        c = std::fgetc(file);
    NumberScan scan;
    while (c != EOF && scan.take(static_cast<char>(c)))
        c = std::fgetc(file);
    if (c != EOF)
        std::ungetc(c, file);
    if (!scan.hasDigits() || !scan.fits())
        return false;
    value = scan.value();
    return true;
}

bool parseInteger(const std::string& word, int32_t& value) {
    NumberScan scan;
    for (char c : word)
        if (!scan.take(c))
            return false;
    if (!scan.hasDigits() || !scan.fits())
        return false;
    value = scan.value();
    return true;
}
