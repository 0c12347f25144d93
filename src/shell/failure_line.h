// The one line on standard error that says why the game could not go on. The
// game's own lines on standard output stay as they always were.
#pragma once

#include <string>

// Prints "vellmora: <cause>" and a line feed on standard error, under the
// game's name as the player knows it, and shows the same line where a player
// who started the game without a terminal sees it (platform.showFailure).
void reportFailure(const std::string& cause);

// "<what> cannot be opened ..." with where the game looked: a player who started
// it from another folder learns why.
std::string missingDataFile(const std::string& path);
