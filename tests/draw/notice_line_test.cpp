#include <allegro.h>

#include <string>

#include "draw/pictures.h"
#include "draw/side_panel.h"
#include "drawing_fixture.h"

namespace {
// Two entries of 110 rows: the roster ends at 220, the notice's top is 25 below.
constexpr int32_t NOTICE_TOP = 245;
constexpr int32_t NOTICE_BOTTOM = NOTICE_TOP + 7;
} // namespace

class NoticeLine : public DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        buildFloor({"................"});
        darvik = addUnit(SIDE_SQUAD, 1, 0);
        tull = addUnit(SIDE_SQUAD, 2, 0);
        guard = addUnit(SIDE_ENEMY, 9, 0);
        units[tull].actionPoints = 3;
        turnSlot = tull;
        turnState = TURN_AWAIT_PLAYER;
    }
    void TearDown() override {
        shotTimer = 0;
        shotTarget = shotShooter = NO_UNIT;
        DrawingTest::TearDown();
    }

    static void draw() {
        clear_bitmap(backBuffer);
        drawSidePanel(620, 0);
    }
    static void shot(int32_t shooter, int32_t target, int32_t damage) {
        shotTimer = 1;
        shotShooter = shooter;
        shotTarget = target;
        shotDamage = damage;
        units[target].health -= damage;
    }

    // Exactly this text, centred in the panel, and nothing else white on its rows
    // but the border.
    static bool reads(const std::string& text) {
        const int32_t width = text_length(font, text.c_str());
        const int32_t left = panelWidth / 2 - width / 2;
        return showsText(backBuffer, panelWidth / 2, NOTICE_TOP, text, WHITE, TextAnchor::Centre) &&
               countColour(backBuffer, 0, NOTICE_TOP, left - 1, NOTICE_BOTTOM, WHITE) == 0 &&
               countColour(backBuffer, left + width, NOTICE_TOP, panelWidth - 1, NOTICE_BOTTOM,
                           WHITE) == 0 &&
               countColour(backBuffer, panelWidth + 1, NOTICE_TOP, 639, NOTICE_BOTTOM, WHITE) == 0;
    }
    static std::string noticeRows() {
        return sketch(backBuffer, 0, NOTICE_TOP, 200, NOTICE_BOTTOM, WHITE);
    }

    int32_t darvik = 0;
    int32_t tull = 0;
    int32_t guard = 0;
};

TEST_F(NoticeLine, TellsTheActingSoldiersPointsThenTheEnemiesTurn) {
    draw();
    EXPECT_TRUE(reads("Tull 3/7 AP")) << noticeRows();

    units[tull].actionPoints = 0; // the shot display keeps the turn at zero points
    draw();
    EXPECT_TRUE(reads("Tull 0/7 AP")) << noticeRows();

    turnSlot = guard;
    turnState = TURN_STILL_ACTING;
    draw();
    EXPECT_TRUE(reads("Enemy turn")) << noticeRows();
}

TEST_F(NoticeLine, TheLastShotTakesPrecedenceWhileItsNumberShowsAndChangesNothingElse) {
    draw();
    BITMAP* before = create_bitmap(640, 480);
    blit(backBuffer, before, 0, 0, 0, 0, 640, 480);

    shot(tull, guard, 5);
    draw();
    EXPECT_TRUE(reads("Tull hits: 5")) << noticeRows();
    int32_t changed = 0;
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x)
            if (getpixel(before, x, y) != getpixel(backBuffer, x, y))
                changed += y < NOTICE_TOP || y > NOTICE_BOTTOM || x >= panelWidth;
    destroy_bitmap(before);
    EXPECT_EQ(changed, 0) << "pixels changed outside the notice line";

    shot(tull, guard, 0);
    draw();
    EXPECT_TRUE(reads("Tull misses")) << noticeRows();

    shotTimer = 0; // the number is gone: back to the points
    draw();
    EXPECT_TRUE(reads("Tull 3/7 AP")) << noticeRows();
}

TEST_F(NoticeLine, AnEnemysShotNamesWhomItHitAndADeathOutranksTheDamage) {
    turnSlot = guard;
    turnState = TURN_STILL_ACTING;
    shot(guard, darvik, 6);
    draw();
    EXPECT_TRUE(reads("Guard hits Darvik: 6")) << noticeRows();

    shot(guard, darvik, 0);
    draw();
    EXPECT_TRUE(reads("Guard misses Darvik")) << noticeRows();

    shot(guard, darvik, 14); // 20 - 6 - 14: down to 0
    draw();
    EXPECT_TRUE(reads("Darvik is down")) << noticeRows();

    turnSlot = tull;
    shot(tull, guard, 20);
    draw();
    EXPECT_TRUE(reads("Guard is down")) << noticeRows();
}

TEST_F(NoticeLine, ATextWiderThanThePanelGivesWayToAShorterFormOrToNone) {
    turnSlot = guard;
    shot(guard, darvik, 10);
    // "Guard hits Darvik: 10" is 21 characters, 168 pixels.
    panelWidth = 168;
    draw();
    EXPECT_TRUE(reads("Guard hits Darvik: 10")) << noticeRows();
    panelWidth = 167;
    draw();
    EXPECT_TRUE(reads("Darvik -10")) << noticeRows();

    shotTimer = 0;
    turnState = TURN_STILL_ACTING;
    panelWidth = 40; // "Enemy turn" needs 80, "Enemy" 40
    draw();
    EXPECT_TRUE(reads("Enemy")) << noticeRows();
    panelWidth = 39;
    draw();
    EXPECT_EQ(countColour(backBuffer, 0, NOTICE_TOP, 38, NOTICE_BOTTOM, WHITE), 0) << noticeRows();
    EXPECT_EQ(countColour(backBuffer, 40, NOTICE_TOP, 639, NOTICE_BOTTOM, WHITE), 0)
        << noticeRows();
}
