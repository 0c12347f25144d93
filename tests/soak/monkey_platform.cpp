#include "monkey_platform.h"

#include "shell/timer_tick.h"
#include "world/floor_state.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
// A pass waits for a move's steps or the transition's 101 ticks at most;
// this many idle turns without a pass can only be a game that lost its way.
constexpr int64_t IDLES_WITHOUT_PASS_MAX = 200000;
constexpr int32_t LEFT = 1;
constexpr int32_t RIGHT = 2;
} // namespace

MonkeyPlatform* MonkeyPlatform::active = nullptr;

MonkeyPlatform::MonkeyPlatform(uint32_t seed, int32_t idleTurnsPerTick)
    : previous(platform), random(seed), idlesPerTick(idleTurnsPerTick > 0 ? idleTurnsPerTick : 1) {
    active = this;
    installPlatform(table());
}

MonkeyPlatform::~MonkeyPlatform() {
    installPlatform(previous);
    active = nullptr;
}

Platform MonkeyPlatform::table() {
    Platform monkey = nullPlatform();
    monkey.mouseX = mouseX;
    monkey.mouseY = mouseY;
    monkey.mouseButtons = mouseButtons;
    monkey.clearMouseButtons = clearMouseButtons;
    monkey.escDown = escDown;
    monkey.keyPressed = keyPressed;
    monkey.idle = idle;
    monkey.playShot = playShot;
    return monkey;
}

void MonkeyPlatform::startGame() {
    passBegins = true;
    stopping = false;
    buttons = 0;
    buttonsCleared = false;
}

void MonkeyPlatform::pointAtCell(int32_t cellX, int32_t cellY) {
    const int32_t w = tileWidth() > 0 ? tileWidth() : 1;
    const int32_t h = tileHeight() > 0 ? tileHeight() : 1;
    x = panelWidth + cellX * w + below(w);
    y = cellY * h + below(h);
}

void MonkeyPlatform::pointAtLivingEnemy() {
    for (int32_t tries = 0; tries < 8 && unitCount > squadSize; ++tries) {
        const Unit& u = units[squadSize + below(unitCount - squadSize)];
        if (u.health > 0) {
            pointAtCell(u.x, u.y);
            return;
        }
    }
    pointAtCell(below(mapWidth), below(mapHeight));
}

void MonkeyPlatform::pointAtExit() {
    const int32_t exit = exitIndex(mapCells);
    if (exit >= 0)
        pointAtCell(exit % mapWidth, exit / mapWidth);
}

// The panel, the band, the strips past the last cell, or off the screen.
void MonkeyPlatform::pointOffTheMap() {
    switch (below(4)) {
    case 0:
        x = below(panelWidth > 0 ? panelWidth + 1 : 1);
        y = below(SCREEN_HEIGHT);
        break;
    case 1:
        x = below(SCREEN_WIDTH);
        y = SCREEN_HEIGHT - 1 - below(bandHeight > 0 ? bandHeight : 1);
        break;
    case 2:
        x = panelWidth + mapWidth * tileWidth() + below(8);
        y = mapHeight * tileHeight() + below(8);
        break;
    default:
        x = static_cast<int32_t>(random() % 4000) - 2000;
        y = static_cast<int32_t>(random() % 4000) - 2000;
    }
}

void MonkeyPlatform::choose() {
    // A held press stays for a while, so some presses span a whole move.
    if (buttons && below(3) != 0) {
        buttons = below(4) == 0 ? 0 : buttons;
        return;
    }
    buttonsCleared = false;
    buttons = 0;
    const int32_t roll = below(100);
    if (roll < 30) {
        x = below(SCREEN_WIDTH);
        y = below(SCREEN_HEIGHT);
        return;
    }
    ++pressCount;
    buttons = LEFT;
    if (roll < 50)
        pointAtCell(below(mapWidth), below(mapHeight));
    else if (roll < 68)
        pointAtLivingEnemy();
    else if (roll < 78)
        pointAtExit();
    else if (roll < 88)
        buttons = RIGHT;
    else if (roll < 92)
        buttons = LEFT | RIGHT;
    else
        pointOffTheMap();
}

int32_t MonkeyPlatform::mouseX() {
    MonkeyPlatform& m = *active;
    if (!m.passBegins)
        return m.x;
    m.passBegins = false;
    ++m.passCount;
    m.idlesThisPass = 0;
    if (m.onPass)
        m.onPass();
    if (!m.stopping && m.stopWanted && m.stopWanted())
        m.stopping = true;
    m.choose();
    return m.x;
}

int32_t MonkeyPlatform::mouseY() {
    return active->y;
}

int32_t MonkeyPlatform::mouseButtons() {
    return active->buttonsCleared ? 0 : active->buttons;
}

void MonkeyPlatform::clearMouseButtons() {
    active->buttonsCleared = true;
}

bool MonkeyPlatform::escDown() {
    active->passBegins = true;
    return active->stopping;
}

bool MonkeyPlatform::keyPressed() {
    return true;
}

void MonkeyPlatform::idle() {
    MonkeyPlatform& m = *active;
    if (++m.idlesThisPass > IDLES_WITHOUT_PASS_MAX)
        throw GameStuck();
    if (++m.idleCount % m.idlesPerTick == 0)
        timerTick();
}

void MonkeyPlatform::playShot(int32_t) {
    ++active->shotCount;
}
