// A private working directory laid out like the game's, so the readers open
// their fixed relative paths on data the fuzz target has just written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the directory with Data/Missions in it and makes it the working
// directory for the rest of the process; it is removed at exit.
void enterScratchDirectory();

void writeFile(const char* path, const uint8_t* bytes, size_t size);
void writeFile(const char* path, const std::string& text);
void removeFile(const char* path);
