// Stand-ins for the parts that land from other branches: enough to start the
// game, and for the shell's play tests to run, until the real code is on main.
#include <allegro.h>

#include <algorithm>
#include <cmath>

#include "combat/enemy_behaviour.h"
#include "combat/shot.h"
#include "draw/frame.h"
#include "draw/map_background.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "path/movement_rules.h"
#include "shell/platform.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"
#include "world/turn_order.h"

void setFramePresenter(FramePresenter) {}
void setShotSoundPlayer(ShotSoundPlayer) {}
void drawMapBackground() {}

int32_t enemyAct(Unit us[], PathSearch& search, int32_t& slot, bool& fired) {
    fired = false;
    Unit& e = us[turnOrder[slot]];
    if (e.side == SIDE_SQUAD)
        return TURN_AWAIT_PLAYER;
    if (e.health <= 0)
        return advanceTurn(slot, us);
    if (!tickPending)
        return TURN_NEXT;
    tickPending = false;
    occupancy[cellIndex(e.x, e.y)] = 0;
    if (e.x == e.patrolPoints[e.patrolLeg][0] && e.y == e.patrolPoints[e.patrolLeg][1])
        e.patrolLeg = 1 - e.patrolLeg;
    const int32_t r = patrolStep(e, search);
    occupancy[cellIndex(e.x, e.y)] = 1;
    if (r == STEP_BLOCKED)
        return advanceTurn(slot, us);
    return e.actionPoints > 0 ? TURN_STILL_ACTING : advanceTurn(slot, us);
}

float distance(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    return static_cast<float>(std::sqrt(double((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0))));
}

void fireShot(Unit& shooter, Unit& target) {
    shotTimer = shotShowTicks;
    shotTarget = static_cast<int32_t>(&target - units.data());
    shotDamage = 0;
    if (shooter.weaponSound >= 0 && shooter.weaponSound <= 2)
        platform.playShot(shooter.weaponSound);
    gameRand();
    gameRand();
    shotDamage = gameRand() % shooter.damageMax + 1;
    target.health -= shotDamage;
}

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
