// The build's check of the pictures as made: all fourteen present, loadable by
// the library's reader and at least the size the game takes from each (the
// same rule start-up applies).
#pragma once

#include <filesystem>

#include "asset_checks.h"

void checkPictures(const std::filesystem::path& sourceDir, const std::filesystem::path& gameDir,
                   Problems& problems);
