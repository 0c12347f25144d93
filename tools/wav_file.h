// Mono 16-bit PCM WAV files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int WAV_HEADER_BYTES = 44;

// The whole file: RIFF header, "fmt " chunk and "data" chunk, little-endian.
std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate);
bool writeWavFile(const std::string& path, const std::vector<int16_t>& samples, int sampleRate);
