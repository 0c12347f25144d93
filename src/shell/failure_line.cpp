#include "shell/failure_line.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "shell/platform.h"

void reportFailure(const std::string& cause) {
    const std::string line = "vellmora: " + cause;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    platform.showFailure(line.c_str());
}

std::string missingDataFile(const std::string& path) {
    std::error_code unknown;
    const std::string folder = std::filesystem::current_path(unknown).string();
    return path + " is missing or unreadable; the game reads its data from the working directory" +
           (unknown ? std::string() : " (" + folder + ")");
}
