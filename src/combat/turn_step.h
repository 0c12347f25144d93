// One step of the turn logic, as every frame takes it before it draws.
#pragma once

class PathSearch;

// The acting enemy's tick-paced action (or the wait for the player) into
// turnState, a new round when the order wrapped, and a dead acting unit passed
// over so no command is awaited for it.
void stepTurnLogic(PathSearch& search);
