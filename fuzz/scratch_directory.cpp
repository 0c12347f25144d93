#include "scratch_directory.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "fuzz_check.h"

namespace {
std::string scratch;

void removeScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}
} // namespace

void enterScratchDirectory() {
    if (!scratch.empty())
        return;
    char pattern[] = "/tmp/prowlgrid-fuzz-XXXXXX";
    requireThat(mkdtemp(pattern) != nullptr, "cannot create a scratch directory");
    scratch = pattern;
    std::atexit(removeScratch);
    requireThat(chdir(pattern) == 0, "cannot enter " + scratch);
    std::filesystem::create_directories("Data/Missions");
}

void writeFile(const char* path, const uint8_t* bytes, size_t size) {
    std::FILE* file = std::fopen(path, "wb");
    requireThat(file != nullptr, std::string("cannot write ") + path);
    requireThat(std::fwrite(bytes, 1, size, file) == size, std::string("short write of ") + path);
    requireThat(std::fclose(file) == 0, std::string("cannot close ") + path);
}

void writeFile(const char* path, const std::string& text) {
    writeFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void removeFile(const char* path) {
    std::remove(path);
}
