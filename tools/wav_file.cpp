#include "wav_file.h"

#include <cstdio>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Byte by byte: GCC 12 takes a range insert into the empty vector for an overflow.
void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

} // namespace

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t channels = 1, bits = 16, blockAlign = channels * bits / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * blockAlign;
    std::vector<uint8_t> out;
    out.reserve(WAV_HEADER_BYTES + dataBytes);
    putTag(out, "RIFF");
    put32(out, WAV_HEADER_BYTES - 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, static_cast<uint32_t>(sampleRate));
    put32(out, static_cast<uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    putTag(out, "data");
    put32(out, dataBytes);
    for (int16_t s : samples)
        put16(out, static_cast<uint16_t>(s));
    return out;
}

bool writeWavFile(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) {
    const std::vector<uint8_t> bytes = encodeWav(samples, sampleRate);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
