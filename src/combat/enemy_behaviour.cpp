#include "combat/enemy_behaviour.h"

#include "combat/shot.h"
#include "combat/target_choice.h"
#include "path/movement_rules.h"
#include "world/game_state.h"
#include "world/turn_order.h"

namespace {
void setMark(const Unit& unit, int32_t value) {
    if (insideMap(unit.x, unit.y))
        occupancy[cellIndex(unit.x, unit.y)] = value;
}
void mark(const Unit& unit) {
    setMark(unit, 1);
}
void unmark(const Unit& unit) {
    setMark(unit, 0);
}

// targetIndex comes from a record that other rules write too; only an index of
// this floor's units is followed.
Unit* targetOf(Unit floorUnits[], const Unit& enemy) {
    const int32_t i = enemy.targetIndex;
    return i >= 0 && i < unitCount ? &floorUnits[i] : nullptr;
}

void dropTarget(Unit& enemy) {
    enemy.targetIndex = NO_UNIT;
    enemy.alerted = 0;
}

// A unit in cover or out by the exit can be neither seen nor shot.
bool outOfReach(const Unit& target) {
    const int32_t code = mapCells[cellIndex(target.x, target.y)];
    return code == CELL_WALL2 || code == CELL_EXIT;
}

bool standsOnPatrolPoint(const Unit& enemy) {
    const int32_t* point = enemy.patrolPoints[enemy.patrolLeg];
    return enemy.x == point[0] && enemy.y == point[1];
}

// The marks come off so a route may start at the enemy and end on its target.
// A dead target's cell was freed when it fell; whoever stands there now keeps it.
void liftMarks(Unit floorUnits[], const Unit& enemy) {
    unmark(enemy);
    const Unit* target = enemy.alerted ? targetOf(floorUnits, enemy) : nullptr;
    if (target && target->health > 0)
        unmark(*target);
}

int32_t endAction(Unit floorUnits[], Unit& enemy, int32_t& slot) {
    mark(enemy);
    if (const Unit* target = enemy.alerted ? targetOf(floorUnits, enemy) : nullptr)
        mark(*target);
    return enemy.actionPoints > 0 ? TURN_STILL_ACTING : advanceTurn(slot, floorUnits);
}

void lookOut(Unit floorUnits[], int32_t self, PathSearch& search) {
    Unit& enemy = floorUnits[self];
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& other = floorUnits[i];
        if (i == self || other.side == enemy.side || other.health <= 0)
            continue;
        if (sightTest(search, cellOf(enemy), cellOf(other))) {
            enemy.alerted = 1;
            enemy.targetIndex = i;
            enemy.lastSeenX = other.x;
            enemy.lastSeenY = other.y;
            return;
        }
    }
}

int32_t patrol(Unit floorUnits[], int32_t self, PathSearch& search, int32_t& slot) {
    Unit& enemy = floorUnits[self];
    if (standsOnPatrolPoint(enemy))
        enemy.patrolLeg = enemy.patrolLeg == 0 ? 1 : 0;
    if (patrolStep(enemy, search) == STEP_BLOCKED) {
        mark(enemy);
        return advanceTurn(slot, floorUnits);
    }
    enemy.targetIndex = NO_UNIT;
    lookOut(floorUnits, self, search);
    return endAction(floorUnits, enemy, slot);
}

// The killer stays the acting unit and patrols one more step at its next tick.
int32_t afterKill(Unit& enemy, Unit& target) {
    enemy.targetIndex = NO_UNIT;
    unmark(target);
    enemy.alerted = 0;
    --squadOnFloor;
    mark(enemy);
    return TURN_NEXT;
}

bool canFireAt(const Unit& enemy, const Unit& target, PathSearch& search) {
    const float d = distance(enemy.x, enemy.y, target.x, target.y);
    return d <= static_cast<float>(enemy.attackRange) &&
           sightTest(search, cellOf(enemy), cellOf(target));
}

int32_t fireOrPursue(Unit floorUnits[], Unit& enemy, Unit& target, PathSearch& search,
                     int32_t& slot, bool& fired) {
    if (canFireAt(enemy, target, search)) {
        fired = true;
        enemy.actionPoints = 0;
        fireShot(enemy, target);
        if (target.health <= 0)
            return afterKill(enemy, target);
        return endAction(floorUnits, enemy, slot);
    }
    if (stepTowards(enemy, cellOf(target), search) == STEP_BLOCKED) {
        mark(enemy);
        if (enemy.alerted)
            mark(target);
        return advanceTurn(slot, floorUnits);
    }
    return endAction(floorUnits, enemy, slot);
}

int32_t chase(Unit floorUnits[], int32_t self, PathSearch& search, int32_t& slot, bool& fired) {
    Unit& enemy = floorUnits[self];
    Unit* target = targetOf(floorUnits, enemy);
    if (target && target->health <= 0) {
        // Killed by someone else: patrol from the first point, after a new target.
        dropTarget(enemy);
        enemy.patrolLeg = 0;
        target = nullptr;
    }
    if (!target) {
        const int32_t chosen = chooseTarget(floorUnits, self, unitCount);
        if (chosen == NO_UNIT) {
            dropTarget(enemy);
            mark(enemy);
            return TURN_NEXT;
        }
        target = &floorUnits[chosen];
    }
    if (outOfReach(*target)) {
        // The target still stands there, so its cell stays held.
        dropTarget(enemy);
        mark(*target);
        mark(enemy);
        return TURN_NEXT;
    }
    return fireOrPursue(floorUnits, enemy, *target, search, slot, fired);
}
} // namespace

int32_t enemyAct(Unit floorUnits[], PathSearch& search, int32_t& slot, bool& fired) {
    fired = false;
    const int32_t self = turnOrder[slot];
    Unit& enemy = floorUnits[self];
    if (enemy.side == SIDE_SQUAD)
        return TURN_AWAIT_PLAYER;
    if (enemy.health <= 0)
        return advanceTurn(slot, floorUnits);
    // Ticks merge: however many arrived, this action uses them all.
    if (!tickPending.exchange(false))
        return TURN_NEXT;
    liftMarks(floorUnits, enemy);
    if (enemy.alerted)
        return chase(floorUnits, self, search, slot, fired);
    return patrol(floorUnits, self, search, slot);
}
