#include "shell/failure_line.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

void reportFailure(const std::string& cause) {
    std::fprintf(stderr, "prowlgrid: %s\n", cause.c_str());
    std::fflush(stderr);
}

std::string missingDataFile(const std::string& path) {
    std::error_code unknown;
    const std::string folder = std::filesystem::current_path(unknown).string();
    return path + " is missing or unreadable; the game reads its data from the working directory" +
           (unknown ? std::string() : " (" + folder + ")");
}
