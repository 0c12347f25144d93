// Stand-ins for the drawing, which lands from its own branch: enough to start
// the game, and for the shell's play tests to run, until it is on main.
#include <allegro.h>

#include "combat/enemy_behaviour.h"
#include "draw/frame.h"
#include "draw/map_background.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "path/movement_rules.h"
#include "shell/platform.h"
#include "world/game_state.h"
#include "world/turn_order.h"

void setFramePresenter(FramePresenter) {}
void drawMapBackground() {}

void drawSprite(BITMAP* picture, BITMAP* target, const Rect* s, const Rect* d) {
    masked_stretch_blit(picture, target, s->x, s->y, s->w, s->h, d->x, d->y, d->w, d->h);
}

void drawFrame(int32_t, int32_t) {
    bool fired = false;
    turnState = enemyAct(units.data(), pathSearch, turnSlot, fired);
    if (turnState == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    if (currentUnit().health < 1 && advanceTurn(turnSlot, units.data()) == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    clear_bitmap(backBuffer);
    platform.present(backBuffer);
}
