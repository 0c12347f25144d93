#include <allegro.h>

#include "draw/title_screen.h"
#include "drawing_fixture.h"

using TitleScreen = DrawingTest;

TEST_F(TitleScreen, PictureStopsOnePixelShortOfTheTargetAndThePointerIsClippedAtItsEdge) {
    BITMAP* target = create_bitmap(100, 80);
    clear_to_color(target, pixelOf(WALL));
    drawMenuPicture(target, mainBmp);
    drawMenuPointer(target, targetBmp, -8, 70);

    EXPECT_TRUE(allColour(target, 8, 0, 98, 78, OTHER_PICTURE));
    EXPECT_TRUE(allColour(target, 99, 0, 99, 79, WALL)) << "the last column keeps what it showed";
    EXPECT_TRUE(allColour(target, 8, 79, 99, 79, WALL)) << "the last row keeps what it showed";
    // Sixteen square from (-8, 70): the eight columns and ten rows on the target.
    EXPECT_TRUE(allColour(target, 0, 70, 7, 79, TARGET)) << sketch(target, 0, 60, 20, 79, TARGET);
    EXPECT_EQ(countColour(target, 0, 0, 99, 79, TARGET), 8 * 10);
    destroy_bitmap(target);
}
