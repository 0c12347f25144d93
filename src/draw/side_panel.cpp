#include "draw/side_panel.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>

#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/notice_line.h"
#include "draw/pictures.h"
#include "draw/solid_fill.h"
#include "draw/squad_names.h"
#include "draw/text_stencil.h"
#include "draw/wide_pixels.h"
#include "world/cell_occupants.h"
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
    int64_t t;
    int64_t u;
};

struct Stat {
    const char* label;
    int64_t outlineRight;
    int64_t fillRight;
};

// The panel's right edge and its middle; wide, since panelWidth may be any value.
int64_t panelRight() {
    return int64_t{panelWidth} - 1;
}

int32_t bandTop() {
    return onCanvas(int64_t{SCREEN_HEIGHT} - bandHeight + 1);
}

void drawBand() {
    fillBox(backBuffer, 0, bandTop(), SCREEN_RIGHT, SCREEN_BOTTOM, pixelOf(DARK_GREY));
}

// Only above the area below the roster, which is filled whole later.
void drawPanelBackground(int64_t belowRosterTop) {
    const int32_t coveredFrom = std::clamp(onCanvas(belowRosterTop), 0, SCREEN_BOTTOM);
    if (coveredFrom > 0)
        fillBox(backBuffer, 0, 0, onCanvas(panelRight()), coveredFrom - 1, pixelOf(DARK_GREY));
}

// The row of the soldier whose turn it is; none while an enemy acts. The rows are
// laid out from the panel's top, so they line up with the entries when rosterTop is 0.
void drawHighlightRow(int32_t current) {
    if (units[current].side != SIDE_SQUAD)
        return;
    const int64_t top = int64_t{rosterRowHeight} * current;
    fillBox(backBuffer, 0, onCanvas(top), onCanvas(panelRight()),
             onCanvas(top + rosterRowHeight - 2), highlightColor);
}

void drawSeparator(int64_t entryTop) {
    const int32_t y = onCanvas(entryTop - 1);
    fillBox(backBuffer, 0, y, onCanvas(panelRight()), y, pixelOf(WHITE));
}

// Values are not clamped: a fill may run past its outline or left of its start.
int64_t drawStat(const Stat& stat, int64_t y, TextMetrics m) {
    drawKnownText(backBuffer, TEXT_MARGIN, onCanvas(y + 2), pixelOf(WHITE), stat.label);
    y += m.t + 2;
    rect(backBuffer, TEXT_MARGIN, onCanvas(y), onCanvas(stat.outlineRight),
         onCanvas(y + m.t / 2 + 1), pixelOf(RED));
    fillBox(backBuffer, TEXT_MARGIN + 1, onCanvas(y + 1), onCanvas(stat.fillRight),
             onCanvas(y + m.t / 2), pixelOf(YELLOW));
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

void drawEntryText(int32_t slot, int64_t y, TextMetrics m) {
    const Unit& u = units[slot];
    drawKnownText(backBuffer, TEXT_MARGIN, onCanvas(y + 2), pixelOf(WHITE), squadNames[slot]);
    y += 2 * m.t;
    y = drawStat(healthStat(u, m), y, m);
    y = drawStat(pointStat("Speed", u.speed, m), y, m);
    y = drawStat(pointStat("Strength", u.strength, m), y, m);
    y = drawStat(pointStat("Accuracy", u.accuracy, m), y, m);
    drawStat(pointStat("Dodge", u.dodge, m), y, m);
}

// The top of the area below the roster.
int64_t rosterEnd() {
    return int64_t{rosterTop} + int64_t{std::max(squadSize, 0)} * rosterRowHeight;
}

void drawRoster(TextMetrics m) {
    int64_t entryTop = rosterTop;
    int64_t y = rosterTop;
    for (int32_t slot = 0; slot < squadSize; ++slot) {
        drawSeparator(entryTop);
        entryTop += rosterRowHeight;
        drawEntryText(slot, y, m);
        // The first entry starts at rosterTop itself, every later one a row below its separator.
        y = entryTop + 1;
    }
    drawSeparator(entryTop);
}

void drawBorder() {
    const int32_t x = onCanvas(panelWidth);
    fillBox(backBuffer, x, 0, x, SCREEN_BOTTOM, pixelOf(WHITE));
}

void drawBelowRoster(int64_t top) {
    fillBox(backBuffer, 0, onCanvas(top), onCanvas(panelRight()), SCREEN_BOTTOM,
             pixelOf(LIGHT_GREY));
    textprintf_centre(backBuffer, font, panelWidth / 2, onCanvas(top + TITLE_OFFSET),
                      pixelOf(WHITE), "%s", TITLE);
    drawNoticeLine(onCanvas(top + NOTICE_OFFSET));
}

// The whole sum, tile edge and share, is truncated toward zero: in a tile of
// 2 pixels or less the share is negative, and the bar ends a pixel further
// left than a truncated share would put it. Held to the canvas while still
// floating, so no health overflows the conversion.
int32_t barRight(int64_t left, int64_t width, float share) {
    const double right =
        static_cast<double>(left) + static_cast<double>(width - 3) * static_cast<double>(share);
    if (!(right > -CANVAS_REACH)) // a share that is no number too
        return onCanvas(-CANVAS_REACH);
    return onCanvas(
        static_cast<int64_t>(std::trunc(std::min(right, static_cast<double>(CANVAS_REACH)))));
}

// Drawn inside the bottom of the enemy's own tile.
void drawEnemyHealthBar(const Unit& enemy) {
    const int64_t width = exactTileWidth();
    const int64_t left = cellLeft(enemy.x);
    const int64_t below = cellTop(enemy.y + 1);
    const float share = static_cast<float>(enemy.health) / static_cast<float>(enemy.maxHealth);
    rect(backBuffer, onCanvas(left + 2), onCanvas(below - 2), onCanvas(left + width - 2),
         onCanvas(below - 5), pixelOf(WHITE));
    rect(backBuffer, onCanvas(left + 3), onCanvas(below - 3), barRight(left, width, share),
         onCanvas(below - 4), pixelOf(RED));
}

void drawHoveredEnemy(int32_t pointerX, int32_t pointerY) {
    const HoveredCell hover = hoveredCell(pointerX, pointerY);
    if (turnState != TURN_AWAIT_PLAYER || !hover.onGrid ||
        occupancy[cellIndex(hover.hoverX, hover.hoverY)] != 1)
        return;
    const int32_t enemy = livingEnemyAt(hover.hoverX, hover.hoverY);
    if (enemy != NO_UNIT)
        drawEnemyHealthBar(units[enemy]);
}
} // namespace

// A box's corners may come in either order, as for the fills above, so a
// band below the screen still covers its last row and a panel left of it
// its first column.
FrameBox mapArea() {
    const int32_t panelEnd = std::max(onCanvas(panelRight()), 0);
    const int32_t bandStart = std::min(bandTop(), SCREEN_BOTTOM);
    return FrameBox{panelEnd + 1, 0, SCREEN_RIGHT, bandStart - 1};
}

void drawSidePanel(int32_t pointerX, int32_t pointerY) {
    const int32_t current = currentUnitIndex();
    const int64_t belowRoster = rosterEnd();
    drawBand();
    drawPanelBackground(belowRoster);
    drawHighlightRow(current);
    const int32_t t = text_height(font);
    const TextMetrics metrics{t, t - 2};
    drawRoster(metrics);
    drawBorder();
    drawBelowRoster(belowRoster);
    drawHoveredEnemy(pointerX, pointerY);
}
