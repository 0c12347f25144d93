// Pictures smaller than the rectangle the drawing reads from them are refused
// at start-up, before a frame can read past them.
#include <gtest/gtest.h>

#include <string>

#include "shell/picture_sizes.h"

namespace {
enum { TILES, WALL, WALL2, PLAYER, PLAYER2, TARGET, MOTION, NOWALK, WAIT, MEDKIT, MAIN, INSTRUCT,
       DOOR, DIAMOND };

struct Pictures {
    PictureSize sizes[PICTURE_COUNT];
    Pictures() {
        // Each exactly at its least: anything smaller is refused. The target
        // pointer is read whole, so 1 x 1 beside a larger no-walk pointer.
        for (PictureSize& s : sizes)
            s = PictureSize{1, 1};
        sizes[WALL] = sizes[WALL2] = PictureSize{16, 16};
        sizes[DOOR] = PictureSize{64, 64};
        sizes[DIAMOND] = PictureSize{20, 20};
        sizes[PLAYER] = sizes[PLAYER2] = PictureSize{30, 40};
        sizes[NOWALK] = sizes[WAIT] = PictureSize{10, 12};
    }
    std::string problem() const { return pictureSizeProblem(sizes); }
};

std::string line(const char* picture, const char* size, const char* need) {
    return std::string(".//Data//Images//") + picture + " is " + size +
           " pixels; the game needs it at least " + need;
}
} // namespace

TEST(PictureSizes, EveryPictureAtItsLeastOrLargerIsTaken) {
    Pictures at;
    EXPECT_EQ(at.problem(), "");
    Pictures larger;
    for (PictureSize& s : larger.sizes)
        s = PictureSize{s.width + 100, s.height + 300}; // the diamond may be higher than wide
    EXPECT_EQ(larger.problem(), "");
}

TEST(PictureSizes, OnePixelShortInEitherDirectionIsRefusedWithTheSizeItNeeds) {
    struct Case {
        int picture;
        PictureSize size;
        std::string expected;
    };
    const Case cases[] = {
        {WALL, {16, 15}, line("wall.bmp", "16 x 15", "16 x 16")},
        {WALL2, {15, 16}, line("wall2.bmp", "15 x 16", "16 x 16")},
        {DOOR, {64, 63}, line("door.bmp", "64 x 63", "64 x 64")},
        {DIAMOND, {20, 19}, line("diamond.bmp", "20 x 19", "20 x 20")},
        {PLAYER2, {29, 40}, line("player2.bmp", "29 x 40", "30 x 40")},
        {TARGET, {0, 1}, line("target.bmp", "0 x 1", "1 x 1")},
        {WAIT, {9, 12}, line("wait.bmp", "9 x 12", "10 x 12")},
        {MOTION, {0, 5}, line("motion.bmp", "0 x 5", "1 x 1")},
        {INSTRUCT, {640, 0}, line("Instruct.bmp", "640 x 0", "1 x 1")},
    };
    for (const Case& c : cases) {
        Pictures p;
        p.sizes[c.picture] = c.size;
        EXPECT_EQ(p.problem(), c.expected);
    }
}

TEST(PictureSizes, TheSizesOthersAreReadAtFollowTheirPictures) {
    // A larger squad sprite or no-walk pointer raises what the others need.
    Pictures p;
    p.sizes[PLAYER] = PictureSize{31, 40};
    EXPECT_EQ(p.problem(), line("player2.bmp", "30 x 40", "31 x 40"));
    Pictures q;
    q.sizes[NOWALK] = PictureSize{10, 13};
    EXPECT_EQ(q.problem(), line("wait.bmp", "10 x 12", "10 x 13"));
}

TEST(PictureSizes, TheFirstPictureInLoadingOrderIsNamed) {
    Pictures p;
    p.sizes[DIAMOND] = PictureSize{5, 4};
    p.sizes[WALL2] = PictureSize{1, 1};
    p.sizes[DOOR] = PictureSize{1, 1};
    EXPECT_EQ(p.problem(), line("wall2.bmp", "1 x 1", "16 x 16"));
    EXPECT_EQ(picturePath(PICTURE_TABLE[0]), ".//Data//Images//tiles.bmp");
    EXPECT_EQ(picturePath(PICTURE_TABLE[PICTURE_COUNT - 1]), ".//Data//Images//diamond.bmp");
}
