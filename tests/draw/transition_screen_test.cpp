#include <allegro.h>

#include "draw/pictures.h"
#include "draw/transition_screen.h"
#include "drawing_fixture.h"

TEST_F(DrawingTest, TransitionScreenWipesItsOwnCanvasAndLeavesTheBackBufferAlone) {
    BITMAP* canvas = create_bitmap(640, 480);
    paint(canvas, 0, 0, 639, 479, OTHER_PICTURE);
    paint(backBuffer, 0, 0, 639, 479, OTHER_PICTURE);
    drawTransitionScreen(canvas);
    EXPECT_TRUE(showsText(canvas, 320, 240, "Entering Next Floor ...", WHITE, TextAnchor::Centre));
    EXPECT_EQ(countColour(canvas, 0, 0, 639, 479, OTHER_PICTURE), 0);
    EXPECT_TRUE(allColour(canvas, 0, 0, 639, 239, BLACK));
    EXPECT_TRUE(allColour(backBuffer, 0, 0, 639, 479, OTHER_PICTURE));
    destroy_bitmap(canvas);
}
