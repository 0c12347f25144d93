#include "draw/side_panel.h"

#include <allegro.h>

#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/notice_line.h"
#include "draw/pictures.h"
#include "draw/squad_names.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
constexpr const char* TITLE = "Vellmora";

constexpr int32_t TEXT_MARGIN = 2;
constexpr int32_t STAT_SCALE_POINTS = 10; // the outline of every bar but health
constexpr int32_t TITLE_OFFSET = 10;      // below the roster
constexpr int32_t NOTICE_OFFSET = 25;
constexpr int32_t SCREEN_RIGHT = SCREEN_WIDTH - 1;
constexpr int32_t SCREEN_BOTTOM = SCREEN_HEIGHT - 1;

// Text metrics of the font: T the line height, U the pixels of one statistic point.
struct TextMetrics {
    int32_t t;
    int32_t u;
};

struct Stat {
    const char* label;
    int32_t outlineRight;
    int32_t fillRight;
};

void drawBand() {
    rectfill(backBuffer, 0, SCREEN_HEIGHT - bandHeight + 1, SCREEN_RIGHT, SCREEN_BOTTOM,
             pixelOf(DARK_GREY));
}

void drawPanelBackground() {
    rectfill(backBuffer, 0, 0, panelWidth - 1, SCREEN_BOTTOM, pixelOf(DARK_GREY));
}

// The row of the soldier whose turn it is; none while an enemy acts. The rows are
// laid out from the panel's top, so they line up with the entries when rosterTop is 0.
void drawHighlightRow(int32_t current) {
    if (units[current].side != SIDE_SQUAD)
        return;
    const int32_t top = rosterRowHeight * current;
    rectfill(backBuffer, 0, top, panelWidth - 1, top + rosterRowHeight - 2, highlightColor);
}

void drawSeparator(int32_t entryTop) {
    line(backBuffer, 0, entryTop - 1, panelWidth - 1, entryTop - 1, pixelOf(WHITE));
}

// Values are not clamped: a fill may run past its outline or left of its start.
int32_t drawStat(const Stat& stat, int32_t y, TextMetrics m) {
    textprintf(backBuffer, font, TEXT_MARGIN, y + 2, pixelOf(WHITE), "%s", stat.label);
    y += m.t + 2;
    rect(backBuffer, TEXT_MARGIN, y, stat.outlineRight, y + m.t / 2 + 1, pixelOf(RED));
    rectfill(backBuffer, TEXT_MARGIN + 1, y + 1, stat.fillRight, y + m.t / 2, pixelOf(YELLOW));
    return y + m.t;
}

Stat pointStat(const char* label, int32_t value, TextMetrics m) {
    return Stat{label, TEXT_MARGIN + STAT_SCALE_POINTS * m.u, TEXT_MARGIN + m.u * value - 1};
}

// Health counts half as wide per point, against the member's own ceiling.
Stat healthStat(const Unit& u, TextMetrics m) {
    return Stat{"Health", TEXT_MARGIN + (m.u / 2) * u.maxHealth,
                TEXT_MARGIN + (m.u / 2) * u.health - 1};
}

void drawEntryText(int32_t slot, int32_t y, TextMetrics m) {
    const Unit& u = units[slot];
    textprintf(backBuffer, font, TEXT_MARGIN, y + 2, pixelOf(WHITE), "%s", squadNames[slot]);
    y += 2 * m.t;
    y = drawStat(healthStat(u, m), y, m);
    y = drawStat(pointStat("Speed", u.speed, m), y, m);
    y = drawStat(pointStat("Strength", u.strength, m), y, m);
    y = drawStat(pointStat("Accuracy", u.accuracy, m), y, m);
    drawStat(pointStat("Dodge", u.dodge, m), y, m);
}

// Returns the top of the area below the roster.
int32_t drawRoster(TextMetrics m) {
    int32_t entryTop = rosterTop;
    int32_t y = rosterTop;
    for (int32_t slot = 0; slot < squadSize; ++slot) {
        drawSeparator(entryTop);
        entryTop += rosterRowHeight;
        drawEntryText(slot, y, m);
        // The first entry starts at rosterTop itself, every later one a row below its separator.
        y = entryTop + 1;
    }
    drawSeparator(entryTop);
    return entryTop;
}

void drawBorder() {
    line(backBuffer, panelWidth, 0, panelWidth, SCREEN_BOTTOM, pixelOf(WHITE));
}

void drawBelowRoster(int32_t top) {
    rectfill(backBuffer, 0, top, panelWidth - 1, SCREEN_BOTTOM, pixelOf(LIGHT_GREY));
    textprintf_centre(backBuffer, font, panelWidth / 2, top + TITLE_OFFSET, pixelOf(WHITE), "%s",
                      TITLE);
    drawNoticeLine(top + NOTICE_OFFSET);
}

int32_t enemyAt(int32_t x, int32_t y) {
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& u = units[i];
        if (u.side != SIDE_SQUAD && u.health > 0 && u.x == x && u.y == y)
            return i;
    }
    return NO_UNIT;
}

// Drawn inside the bottom of the enemy's own tile.
void drawEnemyHealthBar(const Unit& enemy) {
    const int32_t width = tileWidth();
    const int32_t left = cellLeft(enemy.x);
    const int32_t below = cellTop(enemy.y + 1);
    const float share = static_cast<float>(enemy.health) / static_cast<float>(enemy.maxHealth);
    const int32_t right = left + static_cast<int32_t>((width - 3) * static_cast<double>(share));
    rect(backBuffer, left + 2, below - 2, left + width - 2, below - 5, pixelOf(WHITE));
    rect(backBuffer, left + 3, below - 3, right, below - 4, pixelOf(RED));
}

void drawHoveredEnemy(int32_t pointerX, int32_t pointerY) {
    const HoveredCell hover = hoveredCell(pointerX, pointerY);
    if (turnState != TURN_AWAIT_PLAYER || !hover.onGrid ||
        occupancy[cellIndex(hover.hoverX, hover.hoverY)] != 1)
        return;
    const int32_t enemy = enemyAt(hover.hoverX, hover.hoverY);
    if (enemy != NO_UNIT)
        drawEnemyHealthBar(units[enemy]);
}
} // namespace

void drawSidePanel(int32_t pointerX, int32_t pointerY) {
    const int32_t current = currentUnitIndex();
    drawBand();
    drawPanelBackground();
    drawHighlightRow(current);
    const int32_t t = text_height(font);
    const TextMetrics metrics{t, t - 2};
    const int32_t belowRoster = drawRoster(metrics);
    drawBorder();
    drawBelowRoster(belowRoster);
    drawHoveredEnemy(pointerX, pointerY);
}
