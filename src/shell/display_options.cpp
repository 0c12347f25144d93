#include "shell/display_options.h"

#include <cstring>
#include <string>

const char* const DISPLAY_USAGE = "usage: vellmora [--windowed | --fullscreen] [--scale 1-4]";

namespace {
bool readScale(const char* word, int32_t& scale) {
    // One digit and nothing else: "+2", " 2" or "02" are not what the usage shows.
    if (std::strlen(word) != 1 || word[0] < '1' || word[0] > '0' + LARGEST_SCALE)
        return false;
    scale = word[0] - '0';
    return true;
}
} // namespace

bool parseDisplayOptions(int argc, const char* const* argv, DisplayOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--windowed")
            options.fullScreen = false;
        else if (word == "--fullscreen")
            options.fullScreen = true;
        else if (word != "--scale" || i + 1 >= argc || !readScale(argv[++i], options.scale))
            return false;
    }
    return true;
}
