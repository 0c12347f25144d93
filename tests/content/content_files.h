// Paths of the built run directory and small file helpers for the content tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

std::string gamePath(const std::string& relative);
std::string sourcePath(const std::string& relative);
std::string readFile(const std::string& path);
std::vector<std::string> readLines(const std::string& path);
void writeFile(const std::filesystem::path& path, const std::string& text);
// An empty directory of its own for one test.
std::filesystem::path freshTempDir(const std::string& name);
// The library without a screen, 24-bit, to load and draw pictures; idempotent.
void useAllegroWithoutScreen();
