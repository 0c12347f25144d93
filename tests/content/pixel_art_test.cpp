#include <gtest/gtest.h>

#include "pixel_art.h"

namespace {

std::string refusal(const std::string& text) {
    PixelArt art;
    std::string why;
    EXPECT_FALSE(parsePixelArt(text, art, why));
    return why;
}

} // namespace

TEST(PixelArt, ReadsThePaletteAndTheRowsTopToBottom) {
    PixelArt art;
    std::string why;
    ASSERT_TRUE(parsePixelArt("# two by two\r\n"
                              "color . 255 0 255\r\n"
                              "color k 1 2 3\r\n"
                              "pixels\r\n"
                              ".k\r\n"
                              "kk\r\n"
                              "\r\n",
                              art, why))
        << why;
    EXPECT_EQ(art.width, 2);
    EXPECT_EQ(art.height, 2);
    EXPECT_EQ(art.rgb, (std::vector<uint32_t>{TRANSPARENT_PINK, 0x010203, 0x010203, 0x010203}));
}

TEST(PixelArt, ScaleBlowsEachPixelUpToABlock) {
    PixelArt art;
    std::string why;
    ASSERT_TRUE(
        parsePixelArt("scale 3\ncolor a 0 0 0\ncolor b 255 255 255\npixels\nab\n", art, why));
    EXPECT_EQ(art.width, 6);
    EXPECT_EQ(art.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(art.rgb[y * 6 + x], x < 3 ? 0x000000u : 0xFFFFFFu) << x << "," << y;
}

TEST(PixelArt, RefusesBrokenPicturesWithTheLine) {
    EXPECT_EQ(refusal("color a 0 0 0\npixels\naa\naaa\n"),
              "line 4: row is 3 pixels wide, the first row is 2");
    EXPECT_EQ(refusal("color a 0 0 0\npixels\naa\nab\n"),
              "line 4: character 'b' is not in the palette");
    EXPECT_EQ(refusal("color a 0 0 0\npixels\naa\n\naa\n"), "line 5: blank line inside the pixels");
    EXPECT_EQ(refusal("color a 0 0 256\npixels\na\n"),
              "line 1: color needs red, green and blue from 0 to 255");
    EXPECT_EQ(refusal("color ab 0 0 0\n"), "line 1: color needs one character");
    EXPECT_EQ(refusal("color a 0 0 0\ncolor a 1 1 1\n"), "line 2: character 'a' is defined twice");
    EXPECT_EQ(refusal("scale 0\n"), "line 1: scale must be 1 to 16");
    EXPECT_EQ(refusal("scale 17\n"), "line 1: scale must be 1 to 16");
    EXPECT_EQ(refusal("colour a 0 0 0\n"), "line 1: unknown word 'colour'");
    EXPECT_EQ(refusal("color a 0 0 0\npixels\n"), "line 2: no pixels");
    EXPECT_EQ(refusal("scale 16\ncolor a 0 0 0\npixels\n" + std::string(41, 'a') + "\n"),
              "line 4: picture is larger than 640");
}
