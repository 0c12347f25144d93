#include "world/text_tokens.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

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

bool parseInteger(const std::string& word, int32_t& value) {
    if (word.empty() || isSpace(word[0]))
        return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(word.c_str(), &end, 0);
    if (errno != 0 || end != word.c_str() + word.size())
        return false;
    if (parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}
