// The title menu and the text pages shown before and after play.
#pragma once

// Returns when the start button is pressed; false when the player chose quit
// (or pressed the close box, or a signal came).
bool runTitleMenu();
// Shows the text file line by line until a key, the close box or a signal;
// false when it cannot be opened (the error line has been printed then).
bool showTextPage(const char* path, const char* errorLine);
