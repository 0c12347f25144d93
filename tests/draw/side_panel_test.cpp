#include "draw/side_panel.h"

#include <allegro.h>

#include "draw/pictures.h"
#include "drawing_fixture.h"

namespace {

void buildOpenFloor(int32_t side) {
    buildFloor({});
    mapWidth = mapHeight = side;
    mapCells.assign(static_cast<size_t>(side) * side, CELL_FLOOR);
    occupancy.assign(mapCells.size(), 0);
}

// Built-in font: T 8, U 6. Bars of one entry, from its text start y0.
constexpr int32_t HEALTH_BAR = 3 * 8 + 2;
constexpr int32_t SPEED_BAR = 5 * 8 + 4;
} // namespace

class SidePanel : public DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        buildOpenFloor(16);
        first = addUnit(SIDE_SQUAD, 1, 1);
        second = addUnit(SIDE_SQUAD, 1, 2);
        enemy = addUnit(SIDE_ENEMY, 4, 5);
        turnState = TURN_AWAIT_PLAYER;
    }
    void drawWithPointerAway() { drawSidePanel(620, 470); }
    void drawWithPointerOn(int32_t x, int32_t y) { drawSidePanel(160 + x * 30 + 15, y * 30 + 15); }

    int32_t first = 0;
    int32_t second = 0;
    int32_t enemy = 0;
};

TEST_F(SidePanel, EntriesSitBelowTheirSeparatorsTheFirstOnePixelHigher) {
    drawWithPointerAway();

    // Slot 0 starts at rosterTop itself; its separator at -1 lies off the bitmap.
    EXPECT_TRUE(showsText(backBuffer, 2, 2, "Darvik", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 18, "Health", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 36, "Speed", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 54, "Strength", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 72, "Accuracy", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 90, "Dodge", WHITE));

    // Slot 1 starts one row below its separator.
    EXPECT_TRUE(allColour(backBuffer, 0, 109, 159, 109, WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 113, "Tull", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 129, "Health", WHITE));
    EXPECT_TRUE(showsText(backBuffer, 2, 201, "Dodge", WHITE));
}

TEST_F(SidePanel, ABarIsARedOutlineSixRowsHighWithAYellowFillInside) {
    drawWithPointerAway();
    // Slot 1's health bar: rows 137 to 142, full health: the fill fills the inside.
    EXPECT_TRUE(allColour(backBuffer, 2, 137, 62, 137, RED));
    EXPECT_TRUE(allColour(backBuffer, 2, 142, 62, 142, RED));
    EXPECT_TRUE(allColour(backBuffer, 2, 137, 2, 142, RED));
    EXPECT_TRUE(allColour(backBuffer, 62, 137, 62, 142, RED));
    EXPECT_TRUE(allColour(backBuffer, 3, 138, 61, 141, YELLOW));
    EXPECT_EQ(countColour(backBuffer, 0, 136, 159, 136, RED), 0);
    EXPECT_EQ(countColour(backBuffer, 0, 143, 159, 143, RED), 0);
    EXPECT_EQ(countColour(backBuffer, 63, 137, 159, 142, RED), 0);
}

TEST_F(SidePanel, HealthCountsThreePixelsAPointAndTheOtherStatsSix) {
    units[first].maxHealth = 20;
    units[first].health = 7;
    units[first].speed = 5;
    drawWithPointerAway();

    const int32_t health = HEALTH_BAR;
    EXPECT_TRUE(allColour(backBuffer, 2, health, 62, health, RED));
    EXPECT_FALSE(isColour(backBuffer, 63, health, RED));
    EXPECT_TRUE(allColour(backBuffer, 3, health + 1, 22, health + 4, YELLOW));
    EXPECT_EQ(countColour(backBuffer, 23, health + 1, 61, health + 4, YELLOW), 0);

    const int32_t speed = SPEED_BAR;
    EXPECT_TRUE(allColour(backBuffer, 2, speed + 5, 62, speed + 5, RED));
    EXPECT_TRUE(allColour(backBuffer, 3, speed + 1, 31, speed + 4, YELLOW));
    EXPECT_EQ(countColour(backBuffer, 32, speed + 1, 61, speed + 4, YELLOW), 0);
}

TEST_F(SidePanel, ADeadMemberKeepsItsEntryWithAYellowStubLeftOfTheBar) {
    units[first].health = -2; // fill's right corner at 2 + 3 * -2 - 1 = -5, clipped at 0
    units[second].health = 0; // right corner at 1
    drawWithPointerAway();

    EXPECT_TRUE(showsText(backBuffer, 2, 2, "Darvik", WHITE));
    EXPECT_TRUE(allColour(backBuffer, 0, HEALTH_BAR + 1, 3, HEALTH_BAR + 4, YELLOW));
    EXPECT_FALSE(isColour(backBuffer, 4, HEALTH_BAR + 1, YELLOW));

    EXPECT_TRUE(allColour(backBuffer, 1, 138, 3, 141, YELLOW));
    EXPECT_FALSE(isColour(backBuffer, 0, 138, YELLOW));
    EXPECT_FALSE(isColour(backBuffer, 4, 138, YELLOW));
}

TEST_F(SidePanel, TheAreaBelowATwoMemberRosterHoldsTheTitleAndTheNotice) {
    drawWithPointerAway();

    EXPECT_TRUE(allColour(backBuffer, 0, 219, 159, 219, WHITE)) << "closing separator";
    EXPECT_TRUE(showsText(backBuffer, 80, 230, "Vellmora", WHITE, TextAnchor::Centre));
    EXPECT_GT(countColour(backBuffer, 0, 245, 159, 252, WHITE), 0) << "the notice line";
    EXPECT_EQ(countColour(backBuffer, 161, 245, 639, 252, WHITE), 0) << "it fits the panel";
    EXPECT_TRUE(allColour(backBuffer, 0, 220, 159, 229, LIGHT_GREY));
    EXPECT_TRUE(allColour(backBuffer, 0, 260, 159, 479, LIGHT_GREY));
    // No third entry: nothing white between the last bar and the closing separator.
    EXPECT_EQ(countColour(backBuffer, 0, 215, 159, 218, WHITE), 0);
}

TEST_F(SidePanel, TheBorderRunsTheFullHeightOverTheBand) {
    bandHeight = 32;
    drawWithPointerAway();
    EXPECT_TRUE(allColour(backBuffer, 160, 0, 160, 479, WHITE));
    EXPECT_TRUE(allColour(backBuffer, 161, 449, 639, 479, DARK_GREY));
    EXPECT_TRUE(allColour(backBuffer, 161, 448, 639, 448, BLACK)) << "the map's last row";
    EXPECT_TRUE(allColour(backBuffer, 161, 0, 639, 447, BLACK)) << "the map is left alone";
}

TEST_F(SidePanel, TheCurrentSoldiersRowIsHighlightedFromThePanelsTop) {
    turnSlot = second;
    drawWithPointerAway();
    // Rows 110 to 218, under the entry's text; the separators stay white.
    EXPECT_TRUE(allColour(backBuffer, 150, 110, 159, 218, HIGHLIGHT));
    EXPECT_TRUE(isColour(backBuffer, 150, 109, WHITE));
    EXPECT_TRUE(isColour(backBuffer, 150, 219, WHITE));
    EXPECT_TRUE(isColour(backBuffer, 150, 108, DARK_GREY));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 159, 108, HIGHLIGHT), 0);
}

TEST_F(SidePanel, TheHighlightIgnoresRosterTop) {
    rosterTop = 20;
    turnSlot = first;
    drawWithPointerAway();
    EXPECT_TRUE(allColour(backBuffer, 150, 0, 159, 18, HIGHLIGHT));
    EXPECT_TRUE(isColour(backBuffer, 150, 19, WHITE)) << "slot 0's separator at rosterTop - 1";
    EXPECT_TRUE(showsText(backBuffer, 2, 22, "Darvik", WHITE));
}

TEST_F(SidePanel, NoRowIsHighlightedAndNoBarShownWhileAnEnemyActs) {
    turnSlot = enemy;
    turnState = TURN_NEXT;
    drawWithPointerOn(4, 5);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 159, 479, HIGHLIGHT), 0);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, RED), 0);
}

class HoveredEnemy : public SidePanel {
  protected:
    // Enemy (4, 5): tile from x 280, the row below it at y 180.
    static constexpr int32_t BX = 280;
    static constexpr int32_t BY = 180;
};

TEST_F(HoveredEnemy, AtFullHealthTheBarReachesOnePixelInsideTheOutline) {
    drawWithPointerOn(4, 5);
    EXPECT_TRUE(allColour(backBuffer, BX + 2, BY - 5, BX + 28, BY - 5, WHITE));
    EXPECT_TRUE(allColour(backBuffer, BX + 2, BY - 2, BX + 28, BY - 2, WHITE));
    EXPECT_TRUE(isColour(backBuffer, BX + 2, BY - 3, WHITE));
    EXPECT_TRUE(isColour(backBuffer, BX + 28, BY - 3, WHITE));
    EXPECT_TRUE(allColour(backBuffer, BX + 3, BY - 4, BX + 27, BY - 3, RED));
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, RED), 25 * 2);
}

TEST_F(HoveredEnemy, AtHalfHealthTheBarIsCutDownToThatShare) {
    units[enemy].maxHealth = 20;
    units[enemy].health = 10; // 27 * 0.5 truncates to 13
    drawWithPointerOn(4, 5);
    EXPECT_TRUE(allColour(backBuffer, BX + 3, BY - 4, BX + 13, BY - 3, RED));
    EXPECT_EQ(countColour(backBuffer, BX + 14, BY - 4, BX + 28, BY - 3, RED), 0);
    EXPECT_TRUE(isColour(backBuffer, BX + 28, BY - 3, WHITE));
}

TEST_F(HoveredEnemy, InATileTwoPixelsWideTheWholeSumIsTruncated) {
    buildOpenFloor(240); // tiles of 2 x 2
    addUnit(SIDE_SQUAD, 5, 5);
    const int32_t guard = addUnit(SIDE_ENEMY, 100, 100);
    units[guard].health = 10; // of 20: 360 + (2 - 3) * 0.5 truncates to 359
    turnState = TURN_AWAIT_PLAYER;
    drawSidePanel(361, 201);
    const int32_t by = 101 * 2;
    EXPECT_TRUE(allColour(backBuffer, 359, by - 4, 363, by - 3, RED));
    EXPECT_FALSE(isColour(backBuffer, 358, by - 3, RED));
}

TEST_F(HoveredEnemy, ASquadMembersCellShowsNoBar) {
    drawWithPointerOn(1, 2);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, RED), 0);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, WHITE), 0);
}

TEST_F(HoveredEnemy, ADeadEnemyShowsNoBar) {
    units[enemy].health = 0;
    drawWithPointerOn(4, 5);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, RED), 0);
}

TEST_F(HoveredEnemy, APointerOffTheGridShowsNoBar) {
    buildOpenFloor(13); // tiles of 36, a strip from x 628 and from y 468
    addUnit(SIDE_SQUAD, 5, 5);
    addUnit(SIDE_ENEMY, 0, 0);
    addUnit(SIDE_ENEMY, 0, 3);
    addUnit(SIDE_ENEMY, 0, 12);
    turnState = TURN_AWAIT_PLAYER;

    drawSidePanel(150, 3 * 36 + 10); // over the panel, less than a tile left of column 0
    drawSidePanel(160, 3 * 36 + 10); // on the border itself
    drawSidePanel(630, 2 * 36 + 10); // right strip of row 2
    drawSidePanel(170, 470);         // strip below the last row
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, RED), 0);

    drawSidePanel(161, 3 * 36 + 10);
    EXPECT_GT(countColour(backBuffer, 161, 0, 639, 479, RED), 0) << "one pixel in is column 0";
}

// The files may hold any 32-bit value; the bars and the tiles are computed wide.
TEST_F(SidePanel, StatisticsBeyondWhatSixPixelsAPointHoldInThirtyTwoBitsFillToTheEdge) {
    units[first].speed = 357913942; // 6 points a pixel: past 2^31
    units[first].maxHealth = 2147483647;
    units[first].health = 2147483647;
    units[second].dodge = -2147483647 - 1;
    drawWithPointerAway();

    const int32_t speed = SPEED_BAR;
    // The border line at x 160 is drawn over the bars.
    EXPECT_TRUE(allColour(backBuffer, 3, speed + 1, 159, speed + 4, YELLOW));
    EXPECT_TRUE(allColour(backBuffer, 161, speed + 1, 639, speed + 4, YELLOW));
    EXPECT_TRUE(allColour(backBuffer, 2, speed, 62, speed, RED)) << "the outline is 10 points";
    EXPECT_TRUE(allColour(backBuffer, 161, HEALTH_BAR + 1, 639, HEALTH_BAR + 4, YELLOW));
    EXPECT_TRUE(allColour(backBuffer, 161, HEALTH_BAR, 639, HEALTH_BAR, RED));
    const int32_t dodge = 111 + 11 * 8 + 10; // slot 1's text starts at 111
    EXPECT_TRUE(allColour(backBuffer, 0, dodge + 1, 3, dodge + 4, YELLOW)) << "a stub to the left";
    EXPECT_FALSE(isColour(backBuffer, 4, dodge + 1, YELLOW));
}

TEST_F(HoveredEnemy, APanelWidthAtTheFloorOfThirtyTwoBitsLeavesTheLastColumnOverTheScreen) {
    panelWidth = -2147483647 - 1; // tiles of 134,217,768; column 15 from -134,217,128 to 640
    occupancy[cellIndex(4, 5)] = 0;
    units[enemy].x = 15;
    units[enemy].y = 0;
    occupancy[cellIndex(15, 0)] = 1;
    drawSidePanel(300, 10);
    // Right of slot 0's health bar, which shares these rows.
    EXPECT_TRUE(allColour(backBuffer, 70, 25, 638, 25, WHITE));
    EXPECT_TRUE(allColour(backBuffer, 70, 26, 637, 27, RED));
    EXPECT_FALSE(isColour(backBuffer, 638, 26, RED));
}
