// The frame's scale and place on a desktop, the pointer mapped back, and the
// command line's words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/display_fit.h"

namespace {
TEST(DisplayFit, FrameIsPlacedAtTheLargestWholeScaleThatFits) {
    struct Case {
        DisplayOptions options;
        int32_t desktopW, desktopH;
        FramePlacement expected;
    };
    const DisplayOptions window{false, FITTING_SCALE};
    const DisplayOptions full{true, FITTING_SCALE};
    const Case cases[] = {
        {window, 1920, 1080, {1280, 960, 2, 0, 0}},
        {window, 704, 528, {640, 480, 1, 0, 0}},   // 90 % is 633.6 wide
        {window, 800, 600, {640, 480, 1, 0, 0}},
        {window, 2844, 2134, {1920, 1440, 3, 0, 0}}, // 2559.6 wide of room: not 4...
        {window, 2845, 2134, {2560, 1920, 4, 0, 0}}, // ...2560.5: 4
        {window, 7680, 4320, {2560, 1920, 4, 0, 0}}, // never beyond 4
        {window, 0, 0, {640, 480, 1, 0, 0}},         // a desktop of unknown size
        {{false, 3}, 1024, 768, {1920, 1440, 3, 0, 0}}, // asked for: honoured in a window
        {full, 1920, 1080, {1920, 1080, 2, 320, 60}},
        {full, 1024, 768, {1024, 768, 1, 192, 144}},
        {full, 2560, 1440, {2560, 1440, 3, 320, 0}},
        {full, 640, 480, {640, 480, 1, 0, 0}},
        {full, 600, 400, {640, 480, 1, 0, 0}},      // smaller than the frame: its own mode
        {{true, 1}, 1920, 1080, {1920, 1080, 1, 640, 300}},
        {{true, 4}, 1920, 1080, {1920, 1080, 2, 320, 60}}, // held to what fits
    };
    for (const Case& c : cases) {
        const FramePlacement got = placeFrame(c.options, c.desktopW, c.desktopH);
        SCOPED_TRACE(std::to_string(c.desktopW) + " x " + std::to_string(c.desktopH) +
                     (c.options.fullScreen ? " full" : " window") + " scale " +
                     std::to_string(c.options.scale));
        EXPECT_EQ(got.screenWidth, c.expected.screenWidth);
        EXPECT_EQ(got.screenHeight, c.expected.screenHeight);
        EXPECT_EQ(got.scale, c.expected.scale);
        EXPECT_EQ(got.left, c.expected.left);
        EXPECT_EQ(got.top, c.expected.top);
    }
}

TEST(DisplayFit, ScreenPixelsMapBackToTheFramePixelTheyShow) {
    const FramePlacement p{1920, 1080, 2, 320, 60};
    struct Case {
        int32_t screen, x, y;
    };
    const Case cases[] = {
        {0, 0, 0},       {319, 0, 0},     {320, 0, 0}, {321, 0, 0}, {322, 1, 1},
        {1598, 639, 479 /* held */}, {1599, 639, 479}, {1919, 639, 479},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(frameX(p, c.screen), c.x);
        EXPECT_EQ(frameY(p, c.screen - 260), c.y);
    }
}

TEST(DisplayOptionsWords, OnlyTheDisplayWordsAreTaken) {
    struct Case {
        std::vector<const char*> words;
        bool accepted;
        DisplayOptions expected;
    };
    const Case cases[] = {
        {{}, true, {false, FITTING_SCALE}},
        {{"--fullscreen"}, true, {true, FITTING_SCALE}},
        {{"--fullscreen", "--windowed", "--scale", "4"}, true, {false, 4}},
        {{"--scale", "1", "--scale", "3"}, true, {false, 3}},
        {{"--scale", "9"}, false, {}},
        {{"--scale", "0"}, false, {}},
        {{"--scale", "02"}, false, {}},
        {{"--scale", "+2"}, false, {}},
        {{"--scale"}, false, {}},
        {{"--scale=2"}, false, {}},
        {{"-w"}, false, {}},
        {{""}, false, {}},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"prowlgrid"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        DisplayOptions got;
        SCOPED_TRACE(testing::PrintToString(c.words));
        EXPECT_EQ(parseDisplayOptions(static_cast<int>(argv.size()), argv.data(), got), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(got.fullScreen, c.expected.fullScreen);
            EXPECT_EQ(got.scale, c.expected.scale);
        }
    }
}
} // namespace
