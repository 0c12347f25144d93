#include "pixel_art.h"

#include <map>
#include <sstream>

namespace {

bool fail(std::string& why, int line, const std::string& reason) {
    why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool readChannel(std::istringstream& in, int& value) {
    return static_cast<bool>(in >> value) && value >= 0 && value <= 255;
}

} // namespace

bool parsePixelArt(const std::string& text, PixelArt& art, std::string& why) {
    std::map<char, uint32_t> palette;
    std::vector<std::string> rows;
    int scale = 1;
    bool inPixels = false;
    int firstRowLine = 0;

    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (inPixels) {
            if (line.empty())
                continue; // trailing blank lines are checked below
            if (!rows.empty() && rows.size() + firstRowLine != static_cast<size_t>(lineNo))
                return fail(why, lineNo, "blank line inside the pixels");
            if (rows.empty())
                firstRowLine = lineNo;
            if (!rows.empty() && line.size() != rows.front().size())
                return fail(why, lineNo,
                            "row is " + std::to_string(line.size()) +
                                " pixels wide, the first row is " +
                                std::to_string(rows.front().size()));
            for (char c : line)
                if (!palette.count(c))
                    return fail(why, lineNo,
                                std::string("character '") + c + "' is not in the palette");
            rows.push_back(line);
            continue;
        }
        std::istringstream in(line);
        std::string word;
        if (!(in >> word) || word[0] == '#')
            continue;
        if (word == "pixels") {
            inPixels = true;
        } else if (word == "scale") {
            if (!(in >> scale) || scale < 1 || scale > PIXEL_ART_MAX_SCALE)
                return fail(why, lineNo,
                            "scale must be 1 to " + std::to_string(PIXEL_ART_MAX_SCALE));
        } else if (word == "color") {
            std::string key;
            int r, g, b;
            if (!(in >> key) || key.size() != 1)
                return fail(why, lineNo, "color needs one character");
            if (!readChannel(in, r) || !readChannel(in, g) || !readChannel(in, b))
                return fail(why, lineNo, "color needs red, green and blue from 0 to 255");
            if (palette.count(key[0]))
                return fail(why, lineNo, "character '" + key + "' is defined twice");
            palette[key[0]] = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
        } else {
            return fail(why, lineNo, "unknown word '" + word + "'");
        }
    }
    if (rows.empty())
        return fail(why, lineNo, "no pixels");

    const int width = static_cast<int>(rows.front().size()) * scale;
    const int height = static_cast<int>(rows.size()) * scale;
    if (width > PIXEL_ART_MAX_SIDE || height > PIXEL_ART_MAX_SIDE)
        return fail(why, lineNo, "picture is larger than " + std::to_string(PIXEL_ART_MAX_SIDE));

    art.width = width;
    art.height = height;
    art.rgb.assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            art.rgb[static_cast<size_t>(y) * width + x] = palette[rows[y / scale][x / scale]];
    return true;
}
