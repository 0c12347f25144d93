#include <gtest/gtest.h>

#include <allegro.h>

#include <memory>
#include <string>

#include "draw/pictures.h"
#include "shell/title_menu.h"
#include "support/scripted_platform.h"
#include "support/test_bitmaps.h"

namespace {
// Instructions button at rest, quit button at rest.
constexpr int32_t INSTRUCTIONS_X = 300, INSTRUCTIONS_Y = 360;
constexpr int32_t QUIT_X = 315, QUIT_Y = 385;

class TitleMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        createTestPictures();
        paint(mainBmp, 0, 0, mainBmp->w - 1, mainBmp->h - 1, Rgb{40, 40, 120});
        paint(instructBmp, 0, 0, instructBmp->w - 1, instructBmp->h - 1, Rgb{120, 40, 40});
    }

    // Clicks once at (x, y), then quits; true when the click itself started the game.
    static bool clickStarts(int32_t x, int32_t y) {
        ScriptedPlatform play;
        play.hold(pressAt(x, y), 1).hold(pointerAt(x, y), 2).hold(pressAt(QUIT_X, QUIT_Y), 1);
        return runTitleMenu();
    }

    // Which picture each presented frame shows: 't' title, 'i' instructions.
    static std::string pictureSequence(ScriptedPlatform& play) {
        auto seen = std::make_shared<std::string>();
        play.onPresent = [seen](BITMAP* frame) {
            const int32_t p = getpixel(frame, 600, 20);
            seen->push_back(p == getpixel(mainBmp, 0, 0)       ? 't'
                            : p == getpixel(instructBmp, 0, 0) ? 'i'
                                                               : '?');
        };
        runTitleMenu();
        return *seen;
    }
};
} // namespace

TEST_F(TitleMenu, StartButtonCountsOnAllFourEdges) {
    EXPECT_TRUE(clickStarts(251, 326));
    EXPECT_TRUE(clickStarts(388, 347));
    EXPECT_TRUE(clickStarts(388, 340));
    EXPECT_TRUE(clickStarts(251, 347));
}

TEST_F(TitleMenu, PixelsJustOutsideTheStartButtonDoNotStart) {
    EXPECT_FALSE(clickStarts(389, 340));
    EXPECT_FALSE(clickStarts(250, 340));
    EXPECT_FALSE(clickStarts(300, 325));
}

TEST_F(TitleMenu, TheRowBetweenTheButtonsDoesNothing) {
    ScriptedPlatform play;
    play.hold(pressAt(300, 348), 3).hold(pressAt(QUIT_X, QUIT_Y), 1);
    const std::string pictures = pictureSequence(play);
    EXPECT_EQ(pictures.find('i'), std::string::npos) << pictures;
}

TEST_F(TitleMenu, QuitReturnsFalseOnItsEdges) {
    for (auto [x, y] : {std::pair{282, 373}, std::pair{349, 400}}) {
        ScriptedPlatform play;
        play.hold(pressAt(x, y), 1);
        EXPECT_FALSE(runTitleMenu()) << x << "," << y;
    }
}

TEST_F(TitleMenu, InstructionsPageIgnoresTheMouseAndAnyKeyReturns) {
    ScriptedPlatform play;
    play.hold(pressAt(INSTRUCTIONS_X, INSTRUCTIONS_Y), 1)
        .hold(pressAt(300, 330), 3) // the start button's place, on the instructions page
        .hold(pressAt(QUIT_X, QUIT_Y), 3)
        .hold(keyStroke(), 3)
        .hold(pressAt(300, 330), 1);
    const std::string pictures = pictureSequence(play);
    // title, instructions through both presses, title again after the key, then start
    const size_t firstInstructions = pictures.find('i');
    ASSERT_NE(firstInstructions, std::string::npos) << pictures;
    const size_t backToTitle = pictures.find('t', firstInstructions);
    ASSERT_NE(backToTitle, std::string::npos) << pictures;
    EXPECT_EQ(pictures.find('?'), std::string::npos) << pictures;
    EXPECT_GE(backToTitle - firstInstructions, 18u) << "left the page before the key: " << pictures;
    EXPECT_EQ(pictures.find('i', backToTitle), std::string::npos) << pictures;
}

TEST_F(TitleMenu, KeyPressedOnTheTitleDoesNotCloseTheInstructionsLater) {
    ScriptedPlatform play;
    play.hold(keyStroke(), 2)
        .hold(pressAt(INSTRUCTIONS_X, INSTRUCTIONS_Y), 1)
        .hold(pointerAt(0, 0), 5)
        .hold(keyStroke(), 1)
        .hold(pressAt(QUIT_X, QUIT_Y), 1);
    const std::string pictures = pictureSequence(play);
    const size_t opened = pictures.find('i');
    ASSERT_NE(opened, std::string::npos) << pictures;
    // open through the five quiet ticks, closed only by the second key
    EXPECT_GE(pictures.find('t', opened) - opened, 15u) << pictures;
}

TEST_F(TitleMenu, PictureFillsAllButTheLastColumnAndRowAndThePointerIsSixteenSquare) {
    ScriptedPlatform play;
    play.hold(pointerAt(100, 50), 2).hold(pressAt(QUIT_X, QUIT_Y), 1);
    clear_to_color(backBuffer, pixelOf(Rgb{255, 255, 255}));
    BITMAP* first = create_bitmap(640, 480);
    bool copied = false;
    play.onPresent = [&](BITMAP* frame) {
        if (!copied)
            blit(frame, first, 0, 0, 0, 0, 640, 480);
        copied = true;
    };
    runTitleMenu();
    const int32_t title = getpixel(mainBmp, 0, 0);
    const int32_t pointer = getpixel(targetBmp, 0, 0);
    const int32_t untouched = pixelOf(Rgb{255, 255, 255});
    EXPECT_EQ(getpixel(first, 0, 0), title);
    EXPECT_EQ(getpixel(first, 638, 478), title);
    EXPECT_EQ(getpixel(first, 639, 100), untouched);
    EXPECT_EQ(getpixel(first, 100, 479), untouched);
    EXPECT_EQ(getpixel(first, 100, 50), pointer);
    EXPECT_EQ(getpixel(first, 115, 65), pointer);
    EXPECT_EQ(getpixel(first, 116, 50), title);
    EXPECT_EQ(getpixel(first, 100, 66), title);
    destroy_bitmap(first);
}
