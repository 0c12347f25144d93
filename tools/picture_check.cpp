#include "picture_check.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "shell/picture_sizes.h"

namespace fs = std::filesystem;

namespace {

// ".//Data//Images//wall.bmp" as a path under the run directory.
fs::path underGameDir(const fs::path& gameDir, const std::string& gamePath) {
    std::string plain;
    for (size_t i = 0; i < gamePath.size(); ++i)
        if (!(gamePath[i] == '/' && i > 0 && gamePath[i - 1] == '/'))
            plain += gamePath[i];
    return gameDir / fs::path(plain).relative_path().lexically_normal();
}

// The file a modder edits to change the picture.
std::string sourceOf(const fs::path& sourceDir, const fs::path& picture) {
    const std::string stem = picture.stem().string();
    if (stem == "Instruct")
        return (sourceDir / "Instruct.layout").string();
    if (stem == "main")
        return "tools/title_picture.cpp";
    if (stem == "tiles")
        return "tools/make_pictures.cpp";
    return (sourceDir / (stem + ".art")).string();
}

} // namespace

void checkPictures(const fs::path& sourceDir, const fs::path& gameDir, Problems& problems) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) {
        problems.push_back("the library does not start, the pictures cannot be read");
        return;
    }
    PictureSize sizes[PICTURE_COUNT];
    std::string sources[PICTURE_COUNT];
    bool all = true;
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const fs::path picture = underGameDir(gameDir, picturePath(PICTURE_TABLE[i]));
        sources[i] = sourceOf(sourceDir, picture);
        BITMAP* loaded = load_bitmap(picture.string().c_str(), nullptr);
        if (!loaded) {
            const std::string made = picturePath(PICTURE_TABLE[i]);
            problems.push_back(
                fs::exists(sources[i])
                    ? sources[i] + ": makes no picture " + made + " the game can load"
                    : sources[i] + " is missing: the game loads " + made + " at start");
            all = false;
            continue;
        }
        sizes[i] = PictureSize{loaded->w, loaded->h};
        destroy_bitmap(loaded);
    }
    if (!all)
        return;
    const std::string why = pictureSizeProblem(sizes);
    if (why.empty())
        return;
    for (int i = 0; i < PICTURE_COUNT; ++i)
        if (why.rfind(picturePath(PICTURE_TABLE[i]), 0) == 0)
            problems.push_back(sources[i] + ": " + why);
}
