#include "pixel_art.h"

#include <map>
#include <sstream>

#include "text_rows.h"

namespace {

bool readChannel(std::istringstream& in, int& value) {
    return static_cast<bool>(in >> value) && value >= 0 && value <= 255;
}

} // namespace

bool parsePixelArt(const std::string& text, PixelArt& art, std::string& why) {
    std::map<char, uint32_t> palette;
    RowBlock pixels;
    const std::vector<std::string>& rows = pixels.rows;
    int scale = 1;
    bool inPixels = false;

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
            if (!addRow(pixels, line, lineNo, "pixels", "the pixels", why))
                return false;
            for (char c : line)
                if (!palette.count(c))
                    return failAtLine(why, lineNo,
                                      std::string("character '") + c + "' is not in the palette");
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
                return failAtLine(why, lineNo,
                                  "scale must be 1 to " + std::to_string(PIXEL_ART_MAX_SCALE));
        } else if (word == "color") {
            std::string key;
            int r, g, b;
            if (!(in >> key) || key.size() != 1)
                return failAtLine(why, lineNo, "color needs one character");
            if (!readChannel(in, r) || !readChannel(in, g) || !readChannel(in, b))
                return failAtLine(why, lineNo, "color needs red, green and blue from 0 to 255");
            if (palette.count(key[0]))
                return failAtLine(why, lineNo, "character '" + key + "' is defined twice");
            palette[key[0]] = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
        } else {
            return failAtLine(why, lineNo, "unknown word '" + word + "'");
        }
    }
    if (rows.empty())
        return failAtLine(why, lineNo, "no pixels");

    const int width = static_cast<int>(rows.front().size()) * scale;
    const int height = static_cast<int>(rows.size()) * scale;
    if (width > PIXEL_ART_MAX_SIDE || height > PIXEL_ART_MAX_SIDE)
        return failAtLine(why, lineNo,
                          "picture is larger than " + std::to_string(PIXEL_ART_MAX_SIDE));

    art.width = width;
    art.height = height;
    art.rgb.assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            art.rgb[static_cast<size_t>(y) * width + x] = palette[rows[y / scale][x / scale]];
    return true;
}
