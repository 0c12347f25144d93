// Builds every picture of the game: the pixel-art sources (*.art) as they are,
// then the composed pages (title, instructions) and the blank map canvas.
//
//   make_pictures SOURCE_DIR OUTPUT_DIR
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "instructions_picture.h"
#include "picture_set.h"
#include "pixel_art.h"
#include "title_picture.h"
#include "whole_file.h"

namespace fs = std::filesystem;

namespace {

BITMAP* toBitmap(const PixelArt& art) {
    BITMAP* b = create_bitmap_ex(PAGE_DEPTH, art.width, art.height);
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const uint32_t c = art.rgb[static_cast<size_t>(y) * art.width + x];
            putpixel(b, x, y, makecol((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
        }
    return b;
}

bool save(BITMAP* picture, const fs::path& path) {
    if (save_bitmap(path.string().c_str(), picture, nullptr) != 0) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

int failWith(const fs::path& source, const std::string& why) {
    std::fprintf(stderr, "make_pictures: %s: %s\n", source.string().c_str(), why.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    const fs::path sources = argv[1];
    const fs::path out = argv[2];
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
        return 1;
    set_color_depth(PAGE_DEPTH);
    std::error_code ec;
    fs::create_directories(out, ec);
    // A picture whose source is gone must not survive from an earlier build.
    for (const auto& entry : fs::directory_iterator(out, ec))
        if (entry.path().extension() == ".bmp")
            fs::remove(entry.path(), ec);

    PictureSet pictures;
    for (const auto& entry : fs::directory_iterator(sources)) {
        if (entry.path().extension() != ".art")
            continue;
        std::string text, why;
        PixelArt art;
        if (!readWholeFile(entry.path(), text))
            return failWith(entry.path(), "cannot be read");
        if (!parsePixelArt(text, art, why))
            return failWith(entry.path(), why);
        BITMAP* b = toBitmap(art);
        pictures[entry.path().stem().string()] = b;
        if (!save(b, out / (entry.path().stem().string() + ".bmp")))
            return 1;
    }

    // The map canvas: only its size matters, the game clears it per floor.
    BITMAP* canvas = create_bitmap_ex(PAGE_DEPTH, PAGE_WIDTH, PAGE_HEIGHT);
    clear_to_color(canvas, makecol(0, 0, 0));
    BITMAP* title = drawTitlePicture(pictures);

    const fs::path layoutPath = sources / "Instruct.layout";
    std::string text, why;
    InstructionsLayout layout;
    if (!readWholeFile(layoutPath, text))
        return failWith(layoutPath, "cannot be read");
    if (!parseInstructionsLayout(text, layout, why))
        return failWith(layoutPath, why);
    BITMAP* instructions = drawInstructionsPicture(layout, pictures);

    const bool ok = save(canvas, out / "tiles.bmp") && save(title, out / "main.bmp") &&
                    save(instructions, out / "Instruct.bmp");
    destroy_bitmap(canvas);
    destroy_bitmap(title);
    destroy_bitmap(instructions);
    for (auto& p : pictures)
        destroy_bitmap(p.second);
    return ok ? 0 : 1;
}
END_OF_MAIN()
