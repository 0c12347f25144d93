#include <allegro.h>

#include <cstdint>

#include "draw/page_text.h"
#include "drawing_fixture.h"

using PageText = DrawingTest;

TEST_F(PageText, LaysOutOnThePageItIsGivenAndDrawsNothingPastItsFoot) {
    BITMAP* page = create_bitmap(200, 100);
    clear_to_color(page, pixelOf(WALL));
    clearPage(page);
    drawPageRow(page, 0, "100% %s");
    drawPageRow(page, 3, "below the foot");
    drawPageRow(page, INT32_MAX, "far below");
    drawPagePrompt(page);

    EXPECT_TRUE(showsText(page, 10, 60, "100% %s", WHITE));
    // Centred on this page's own middle, 25 pixels above its own foot.
    EXPECT_TRUE(showsText(page, 100, 75, "Press any key to continue", WHITE, TextAnchor::Centre));
    EXPECT_EQ(countColour(page, 0, 0, 199, 99, WALL), 0) << "the page is cleared first";
    EXPECT_EQ(countColour(page, 0, 0, 199, 59, WHITE), 0);
    destroy_bitmap(page);
}
