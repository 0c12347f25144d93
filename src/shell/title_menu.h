// The title menu and the text pages shown before and after play.
#pragma once

// Returns when the start button is pressed; false when the player chose quit.
bool runTitleMenu();
// Shows the text file line by line until a key; false when it cannot be opened
// (the error line has been printed then).
bool showTextPage(const char* path, const char* errorLine);
