#include "draw/text_stencil.h"

#include <allegro.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "draw/solid_fill.h"

namespace {
// textprintf formats into a buffer of this size; longer text goes to it as it is.
constexpr size_t FORMAT_BUFFER = 512;
// Enough for every string a game shows; more are forgotten and found again.
constexpr size_t MOST_STENCILS = 256;
constexpr int32_t SET = 1;
// Room around the text's own box, should a glyph reach past it.
constexpr int32_t SCRATCH_MARGIN = 32;

struct Offset {
    int32_t dx;
    int32_t dy;
};
using Stencil = std::vector<Offset>;

std::map<std::string, Stencil, std::less<>> stencils;
const FONT* stencilFont = nullptr;

// False when there is no memory for the library to draw the text into.
bool findStencil(const char* text, Stencil& found) {
    const int32_t width = std::max(text_length(font, text), 0) + SCRATCH_MARGIN;
    const int32_t height = std::max(text_height(font), 0) + SCRATCH_MARGIN;
    BITMAP* scratch = create_bitmap_ex(16, width, height);
    if (!scratch)
        return false;
    clear_to_color(scratch, 0);
    textprintf(scratch, font, 0, 0, SET, "%s", text);
    for (int32_t y = 0; y < scratch->h; ++y)
        for (int32_t x = 0; x < scratch->w; ++x)
            if (reinterpret_cast<const uint16_t*>(scratch->line[y])[x] == SET)
                found.push_back(Offset{x, y});
    destroy_bitmap(scratch);
    return true;
}

// Null when the text's pixels could not be found.
const Stencil* stencilOf(const char* text) {
    if (font != stencilFont || stencils.size() >= MOST_STENCILS) {
        stencils.clear();
        stencilFont = font;
    }
    const auto known = stencils.find(std::string_view(text));
    if (known != stencils.end())
        return &known->second;
    Stencil found;
    if (!findStencil(text, found))
        return nullptr;
    return &stencils.emplace(text, std::move(found)).first->second;
}

bool stencilDrawsIt(BITMAP* target, const char* text) {
    return _textmode < 0 && is_mono_font(font) && pixelRowsWritable(target) &&
           std::strlen(text) < FORMAT_BUFFER;
}
} // namespace

void drawKnownText(BITMAP* target, int32_t x, int32_t y, int32_t pixel, const char* text) {
    const Stencil* stencil = stencilDrawsIt(target, text) ? stencilOf(text) : nullptr;
    if (!stencil) {
        textprintf(target, font, x, y, pixel, "%s", text);
        return;
    }
    // The library keeps the low 16 bits of a wider value.
    const auto value = static_cast<uint16_t>(pixel);
    for (const Offset& at : *stencil) {
        const int64_t px = int64_t{x} + at.dx;
        const int64_t py = int64_t{y} + at.dy;
        if (px >= target->cl && px < target->cr && py >= target->ct && py < target->cb)
            reinterpret_cast<uint16_t*>(target->line[py])[px] = value;
    }
}
