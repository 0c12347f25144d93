#include "content_files.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

std::string gamePath(const std::string& relative) {
    return std::string(PROWLGRID_GAME_DIR) + "/" + relative;
}

std::string sourcePath(const std::string& relative) {
    return std::string(PROWLGRID_SOURCE_DIR) + "/" + relative;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(readFile(path));
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::filesystem::path freshTempDir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("prowlgrid-content-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

void useAllegroWithoutScreen() {
    static bool done = false;
    if (done)
        return;
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(24);
    done = true;
}
