// The text pages shown before and after play: the story and the endgame.
#pragma once

// Shows the text file line by line until a key, the close box or a signal;
// false when it cannot be opened (the error line has been printed then).
bool showTextPage(const char* path, const char* errorLine);
