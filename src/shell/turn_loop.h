// The turn loop, which takes the player's commands and draws the frames.
#pragma once

// How the last run of the turn loop ended.
enum class TurnLoopEnd {
    ESCAPED,       // Esc: no endgame page
    COMPLETED,     // the last floor's exit, or a transition past the last floor
    FLOOR_REFUSED, // the next floor would not load: print floorLoadError(), end non-zero
    SQUAD_LOST,    // every soldier is dead: no later floor can be played, no endgame page
    STOPPED,       // a signal: leave at once, even in a move or a transition
};

// Runs until Esc (or the close box), completion, a refused floor or a signal;
// true when the game was completed.
// Ends with the key buffer cleared; the endgame page and shutdown are the caller's.
bool runTurnLoop();
TurnLoopEnd turnLoopEnd();
