#include <gtest/gtest.h>

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "draw/pictures.h"
#include "shell/text_page.h"
#include "support/scripted_platform.h"
#include "support/test_bitmaps.h"

namespace {
class TextPage : public ::testing::Test {
  protected:
    void SetUp() override {
        createTestPictures();
        // CTest runs the cases in parallel processes: each its own file.
        path = testing::TempDir() + "page_" + std::to_string(getpid()) + ".txt";
        shown = create_bitmap(640, 480);
    }
    void TearDown() override {
        destroy_bitmap(shown);
        std::remove(path.c_str());
    }

    void write(const std::string& text) {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }

    // Shows the page with a key a few ticks later; keeps what was presented.
    bool show() {
        ScriptedPlatform play;
        play.hold(pointerAt(0, 0), 3).hold(keyStroke());
        play.onPresent = [this](BITMAP* frame) {
            ++presents;
            blit(frame, shown, 0, 0, 0, 0, 640, 480);
        };
        clear_to_color(backBuffer, pixelOf(Rgb{90, 90, 90}));
        return showTextPage(path.c_str(), "Error loading story\n");
    }

    // The page as it must look: these rows from (10, 60) down, then the prompt.
    static BITMAP* expectedPage(const std::vector<std::string>& rows) {
        BITMAP* page = create_bitmap(640, 480);
        clear_bitmap(page);
        const int white = makecol(255, 255, 255);
        int y = 60;
        for (const std::string& row : rows) {
            textout_ex(page, font, row.c_str(), 10, y, white, -1);
            y += 16;
        }
        textout_centre_ex(page, font, "Press any key to continue", 320, 455, white, -1);
        return page;
    }

    // First differing pixel, or "" when the page is exactly as expected.
    std::string differenceFrom(const std::vector<std::string>& rows) const {
        BITMAP* expected = expectedPage(rows);
        std::string where;
        for (int y = 0; y < 480 && where.empty(); ++y)
            for (int x = 0; x < 640 && where.empty(); ++x)
                if (getpixel(shown, x, y) != getpixel(expected, x, y))
                    where = "first difference at " + std::to_string(x) + "," + std::to_string(y);
        destroy_bitmap(expected);
        return where;
    }

    std::string path;
    BITMAP* shown = nullptr;
    int presents = 0;
};
} // namespace

TEST_F(TextPage, RowsStepSixteenPixelsAndAnEmptyLineIsAnEmptyRow) {
    write("The tower fell\n\nat dawn.\n");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({"The tower fell", "", "at dawn."}), "");
}

TEST_F(TextPage, LastLineWithoutLineFeedIsShownWhole) {
    write("first\nlast words");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({"first", "last words"}), "");
}

TEST_F(TextPage, PercentSignsAreDrawnLiterally) {
    write("100% of %d %s remain\n");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({"100% of %d %s remain"}), "");
}

TEST_F(TextPage, LongLineComesAsPiecesOfSeventyNine) {
    std::string line;
    for (int i = 0; i < 100; ++i)
        line += static_cast<char>('A' + i % 26);
    write(line + "\nnext\n");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({line.substr(0, 79), line.substr(79), "next"}), "");
}

TEST_F(TextPage, EmptyFileShowsOnlyThePrompt) {
    write("");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({}), "");
}

TEST_F(TextPage, PresentedOnceAndLeftOnlyAfterAKey) {
    write("one line\n");
    ScriptedPlatform play;
    play.hold(pressAt(50, 50), 7).hold(keyStroke());
    play.onPresent = [this](BITMAP*) { ++presents; };
    ASSERT_TRUE(showTextPage(path.c_str(), "Error loading story\n"));
    EXPECT_EQ(presents, 1);
    EXPECT_EQ(play.ticks(), 7);
    EXPECT_TRUE(platform.keyPressed()) << "the key stays in the buffer";
}

TEST_F(TextPage, MissingFilePrintsTheErrorLineAndShowsNothing) {
    ScriptedPlatform play;
    play.onPresent = [this](BITMAP*) { ++presents; };
    testing::internal::CaptureStdout();
    EXPECT_FALSE(showTextPage((path + ".absent").c_str(), "Error loading endgame\n"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error loading endgame\n");
    EXPECT_EQ(presents, 0);
}

TEST_F(TextPage, BytesThatAreNoUtf8AreShownAsCarets) {
    // The library hangs on the 0xFE sequence if it is handed over as it stands.
    write("caf\xE9 \xFE\x85\x85\x85\x85\x85\x85 ok\ncaf\xC3\xA9\n");
    ASSERT_TRUE(show());
    EXPECT_EQ(differenceFrom({"caf^ ^^^^^^^ ok", "caf\xC3\xA9"}), "");
}
