// The title menu, with the instructions page inside it.
#pragma once

// Returns when the start button is pressed; false when the player chose quit
// (or pressed the close box, or a signal came).
bool runTitleMenu();
