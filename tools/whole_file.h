// A file read whole, byte for byte, for the tools' text readers.
#pragma once

#include <filesystem>
#include <string>

// False, with text left as it was, when the file cannot be opened.
bool readWholeFile(const std::filesystem::path& path, std::string& text);
