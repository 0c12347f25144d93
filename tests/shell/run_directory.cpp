#include "run_directory.h"

#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "draw/picture_table.h"
#include "world/game_state.h"

namespace fs = std::filesystem;

namespace {
constexpr int FILE_DEPTH = 24;
constexpr int SCREEN_W_PX = 640;
constexpr int SCREEN_H_PX = 480;
constexpr int SPRITE_PX = 64;
constexpr int32_t MAP_SIDE = 12;

struct Picture {
    const char* name;
    int size; // 0: a whole screen
    Rgb colour;
};

const Picture PICTURES[] = {
    {"tiles", 0, {0, 0, 0}},
    {"wall", SPRITE_PX, {120, 120, 120}},
    {"wall2", SPRITE_PX, {60, 140, 60}},
    {"player", SPRITE_PX, {40, 80, 200}},
    {"player2", SPRITE_PX, {200, 40, 40}},
    {"target", SPRITE_PX, {255, 255, 0}},
    {"motion", SPRITE_PX, {255, 128, 0}},
    {"nowalk", SPRITE_PX, {128, 0, 0}},
    {"wait", SPRITE_PX, {128, 128, 255}},
    {"medkit", SPRITE_PX, {255, 255, 255}},
    {"main", 0, TITLE_COLOUR},
    {"Instruct", 0, {32, 32, 96}},
    {"door", SPRITE_PX, {160, 100, 40}},
    {"diamond", SPRITE_PX, {0, 255, 255}},
};

const Picture& standIn(const std::string& name) {
    for (const Picture& picture : PICTURES)
        if (name == picture.name)
            return picture;
    throw std::invalid_argument("no stand-in for the game's picture " + name);
}

const char* const SETTINGS = "bandHeight 80\n"
                             "panelWidth 160\n"
                             "rosterTop 120\n"
                             "rosterRowHeight 70\n"
                             "tickMs 50\n"
                             "highlightColor 255 255 0\n"
                             "shotShowTicks 10\n";

const char* const MISSION = "1\n"
                            "map .//Data//Missions//floor1.map\n"
                            "units 3\n"
                            "squad 2\n"
                            "medkits 1\n";

const char* const STATS = "7 7 7 7 0\n6 8 7 6 1\n8 6 6 8 2\n7 7 8 7 0\n";

void startLibraryOnce() {
    static const bool started = install_allegro(SYSTEM_NONE, &errno, std::atexit) == 0;
    if (!started)
        throw std::runtime_error("the picture library did not start");
}

void savePicture(const std::string& path, const Picture& picture, int w, int h) {
    BITMAP* image = create_bitmap_ex(FILE_DEPTH, w, h);
    if (!image)
        throw std::runtime_error("no memory for a picture");
    const Rgb c = picture.colour;
    clear_to_color(image, makecol_depth(FILE_DEPTH, c.red, c.green, c.blue));
    const int saved = save_bitmap(path.c_str(), image, nullptr);
    destroy_bitmap(image);
    if (saved != 0)
        throw std::runtime_error("cannot write " + path);
}

void appendInt32(std::string& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((bits >> shift) & 0xFF);
}

// Open floor with a wall, a cover cell and the exit, away from every start cell.
std::string floorMap() {
    std::string out;
    appendInt32(out, MAP_SIDE);
    appendInt32(out, MAP_SIDE);
    for (int32_t x = 0; x < MAP_SIDE; ++x)
        for (int32_t y = 0; y < MAP_SIDE; ++y) {
            int32_t code = CELL_FLOOR;
            if (x == 5 && y == 5)
                code = CELL_WALL;
            else if (x == 6 && y == 5)
                code = CELL_WALL2;
            else if (x == 9 && y == 2)
                code = CELL_EXIT;
            appendInt32(out, code);
        }
    return out;
}

void appendInt16(std::string& out, int32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// A tenth of a second of 8-bit mono click: a RIFF header and a saw wave.
std::string shotSound() {
    constexpr int32_t RATE = 8000;
    constexpr int32_t LENGTH = RATE / 10;
    std::string data;
    for (int32_t i = 0; i < LENGTH; ++i)
        data += static_cast<char>(128 + (i % 16) * 4);
    std::string out = "RIFF";
    appendInt32(out, 36 + LENGTH);
    out += "WAVEfmt ";
    appendInt32(out, 16);
    appendInt16(out, 1); // plain PCM
    appendInt16(out, 1); // mono
    appendInt32(out, RATE);
    appendInt32(out, RATE); // bytes per second
    appendInt16(out, 1);    // bytes per frame
    appendInt16(out, 8);    // bits per sample
    out += "data";
    appendInt32(out, LENGTH);
    return out + data;
}
} // namespace

RunDirectory::RunDirectory() {
    std::string pattern = (fs::temp_directory_path() / "prowlgrid-run-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("cannot make a run directory");
    root = buffer.data();
    fs::create_directories(file("Data/Images"));
    fs::create_directories(file("Data/Sounds"));
    fs::create_directories(file("Data/Missions"));
    startLibraryOnce();
    // Every picture the game loads; one without a stand-in here is refused.
    for (const PictureRow& row : PICTURE_TABLE) {
        const std::string name = std::string(row.file).substr(0, std::strlen(row.file) - 4);
        const int size = standIn(name).size;
        writePicture(name, size ? size : SCREEN_W_PX, size ? size : SCREEN_H_PX);
    }
    write("init.txt", SETTINGS);
    write("stats.txt", STATS);
    write("story.txt", "A short story.\n");
    write("endgame.txt", "The end.\n");
    write("Data/Missions/Mission.dat", MISSION);
    write("Data/Missions/floor1.map", floorMap());
    write("Data/Sounds/snd_rifle.wav", shotSound());
}

RunDirectory::~RunDirectory() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void RunDirectory::write(const std::string& relative, const std::string& text) const {
    std::ofstream out(file(relative), std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + relative);
}

void RunDirectory::writePicture(const std::string& name, int width, int height) const {
    savePicture(file("Data/Images/" + name + ".bmp"), standIn(name), width, height);
}

void RunDirectory::remove(const std::string& relative) const {
    fs::remove(file(relative));
}
