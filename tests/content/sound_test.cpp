#include <gtest/gtest.h>

#include <allegro.h>

#include <cmath>
#include <cstdlib>

#include "content_files.h"
#include "rifle_shot.h"
#include "wav_file.h"

namespace {

uint32_t le32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

uint32_t le16(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

} // namespace

TEST(WavFile, WritesAPlainPcmHeaderAndLittleEndianSamples) {
    const std::vector<uint8_t> bytes = encodeWav({1, -2}, 8000);
    const std::string b(bytes.begin(), bytes.end());
    ASSERT_EQ(b.size(), 48u);
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(le32(b, 4), 40u); // everything after this field
    EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1u); // PCM
    EXPECT_EQ(le16(b, 22), 1u); // mono
    EXPECT_EQ(le32(b, 24), 8000u);
    EXPECT_EQ(le32(b, 28), 16000u); // bytes per second
    EXPECT_EQ(le16(b, 32), 2u);
    EXPECT_EQ(le16(b, 34), 16u);
    EXPECT_EQ(b.substr(36, 4), "data");
    EXPECT_EQ(le32(b, 40), 4u);
    EXPECT_EQ(b.substr(44), std::string("\x01\x00\xfe\xff", 4));
}

TEST(RifleShot, IsAShortSharpBurstThatDiesAway) {
    const std::vector<int16_t> s = synthesizeRifleShot();
    ASSERT_FALSE(s.empty());
    EXPECT_LT(double(s.size()) / RIFLE_SAMPLE_RATE, 0.5);

    size_t peakAt = 0;
    for (size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > std::abs(s[peakAt]))
            peakAt = i;
    EXPECT_GT(std::abs(s[peakAt]), 25000) << "loud";
    EXPECT_LT(double(peakAt) / RIFLE_SAMPLE_RATE, 0.01) << "a sharp attack";

    auto rms = [&](double from, double to) {
        double sum = 0;
        const size_t a = size_t(from * RIFLE_SAMPLE_RATE), b = size_t(to * RIFLE_SAMPLE_RATE);
        for (size_t i = a; i < b && i < s.size(); ++i)
            sum += double(s[i]) * s[i];
        return std::sqrt(sum / double(b - a));
    };
    EXPECT_GT(rms(0.0, 0.02), 4 * rms(0.15, 0.17)) << "decays";
    EXPECT_GT(rms(0.1, 0.12), rms(0.3, 0.32));
    EXPECT_LT(std::abs(s.back()), 200) << "ends without a click";
    EXPECT_EQ(s, synthesizeRifleShot()) << "the same file every build";
}

TEST(ShippedSound, IsTheRifleShotAndTheLibraryLoadsIt) {
    const std::string path = gamePath("Data/Sounds/snd_rifle.wav");
    const std::vector<uint8_t> expected = encodeWav(synthesizeRifleShot(), RIFLE_SAMPLE_RATE);
    EXPECT_EQ(readFile(path), std::string(expected.begin(), expected.end()));

    useAllegroWithoutScreen();
    SAMPLE* sample = load_sample(path.c_str());
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->bits, 16);
    EXPECT_EQ(sample->freq, RIFLE_SAMPLE_RATE);
    EXPECT_EQ(sample->len, synthesizeRifleShot().size());
    destroy_sample(sample);
}
