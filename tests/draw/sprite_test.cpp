#include <allegro.h>

#include "draw/sprite.h"
#include "drawing_fixture.h"

using Sprite = DrawingTest;

TEST_F(Sprite, StretchesTheSourceRectangleOntoTheDestinationAndLeavesPinkOut) {
    // Left half squad blue; right half an enemy row above a pink row.
    BITMAP* picture = create_bitmap(4, 2);
    paint(picture, 0, 0, 1, 1, SQUAD);
    paint(picture, 2, 0, 3, 0, ENEMY);
    paint(picture, 2, 1, 3, 1, PINK);
    paint(backBuffer, 0, 0, 639, 479, WALL);

    const Rect source{2, 0, 2, 2};
    const Rect destination{10, 20, 6, 4};
    drawSprite(picture, backBuffer, &source, &destination);
    destroy_bitmap(picture);

    EXPECT_TRUE(allColour(backBuffer, 10, 20, 15, 21, ENEMY));
    EXPECT_TRUE(allColour(backBuffer, 10, 22, 15, 23, WALL)) << "pink must leave the target";
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, ENEMY), 6 * 2);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, SQUAD), 0);
}
