#include "shell/player_commands.h"

#include "combat/shot.h"
#include "draw/cell_geometry.h"
#include "draw/frame.h"
#include "path/movement_rules.h"
#include "shell/stop_request.h"
#include "shell/turn_lock.h"
#include "world/cell_occupants.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/turn_order.h"

bool buttonHeld = false;

namespace {
// Farther than any map that fits the screen; kept so the rule reads as it plays.
constexpr float ATTACK_REACH = 1550.0f;

void endTurnCommand(Unit& soldier) {
    soldier.actionPoints = 0;
    finishTurn();
}

void attackCommand(Unit& soldier, Cell cell) {
    const Cell from{soldier.x, soldier.y};
    if (distance(from.x, from.y, cell.x, cell.y) <= ATTACK_REACH &&
        sightTest(pathSearch, from, cell)) {
        const int32_t enemy = livingEnemyAt(cell.x, cell.y);
        if (enemy != NO_UNIT) {
            Unit& target = units[enemy];
            fireShot(soldier, target);
            if (target.health <= 0) {
                --enemiesLeft;
                occupancy[cellIndex(cell.x, cell.y)] = 0;
            }
            target.alerted = 1;
            if (target.targetIndex == NO_UNIT)
                target.targetIndex = currentUnitIndex();
            soldier.actionPoints = 0;
        }
    }
    // With a shot on display the timer hands the turn on when the display ends.
    if (soldier.actionPoints <= 0 && shotTimer <= 0)
        finishTurn();
}

// Every living enemy looks at the soldier before it steps; the first one that
// has no target yet takes it and the rest are not asked.
void spotSoldier(Unit& soldier) {
    soldier.unspotted = true;
    const Cell at{soldier.x, soldier.y};
    for (int32_t i = 0; i < unitCount; ++i) {
        Unit& enemy = units[i];
        if (enemy.side == SIDE_SQUAD || enemy.health <= 0)
            continue;
        if (!sightTest(pathSearch, cellOf(enemy), at))
            continue;
        soldier.unspotted = false;
        if (enemy.targetIndex == NO_UNIT) {
            enemy.alerted = 1;
            enemy.targetIndex = currentUnitIndex();
            return;
        }
    }
}

int32_t takeStep(Unit& soldier, Cell target) {
    spotSoldier(soldier);
    occupancy[cellIndex(soldier.x, soldier.y)] = 0;
    const int32_t result = stepTowards(soldier, target, pathSearch);
    occupancy[cellIndex(soldier.x, soldier.y)] = 1;
    if (mapCells[cellIndex(soldier.x, soldier.y)] == CELL_EXIT)
        soldier.actionPoints = 0;
    return result;
}

// One step per tick; every step is drawn with the pass's pointer position.
int32_t moveCommand(TurnLockHold& hold, Unit& soldier, Cell target, int32_t mouseX,
                    int32_t mouseY) {
    int32_t lastStep = STEP_MOVED;
    for (;;) {
        if (hold.tickWaiting()) {
            lastStep = takeStep(soldier, target);
            drawFrame(mouseX, mouseY);
            if (soldier.x == target.x && soldier.y == target.y)
                break; // the tick stays pending
            hold.useTick();
        }
        if (lastStep == STEP_BLOCKED || soldier.actionPoints <= 0 ||
            lastStep == STEP_GAME_COMPLETE || stopSignal())
            break;
        hold.idle();
    }
    if (soldier.actionPoints <= 0)
        finishTurn();
    return lastStep;
}

void leftPress(TurnLockHold& hold, Unit& soldier, int32_t mouseX, int32_t mouseY,
               int32_t& lastStep) {
    Cell cell{};
    if (!cellAtPixel(mouseX, mouseY, cell.x, cell.y))
        return;
    const int32_t index = cellIndex(cell.x, cell.y);
    if (mapCells[index] == CELL_WALL)
        return;
    // Soldiers who left through the exit keep it marked; it stays a move target.
    if (heldByAUnit(index))
        attackCommand(soldier, cell);
    else
        lastStep = moveCommand(hold, soldier, cell, mouseX, mouseY);
}
} // namespace

// The cell the drawing shows under the pixel, so a press acts where the cursor points.
bool cellAtPixel(int32_t x, int32_t y, int32_t& cellX, int32_t& cellY) {
    const HoveredCell cell = hoveredCell(x, y);
    if (!cell.onGrid)
        return false;
    cellX = cell.hoverX;
    cellY = cell.hoverY;
    return true;
}

void handlePress(TurnLockHold& hold, int32_t buttons, int32_t mouseX, int32_t mouseY,
                 int32_t& lastStep) {
    if (buttons == 0) {
        buttonHeld = false;
        return;
    }
    if (buttonHeld)
        return;
    buttonHeld = true; // this press is acted upon once
    Unit& soldier = currentUnit();
    if (buttons & BUTTON_RIGHT)
        endTurnCommand(soldier); // wins over the left button
    else if (buttons & BUTTON_LEFT)
        leftPress(hold, soldier, mouseX, mouseY, lastStep);
}
