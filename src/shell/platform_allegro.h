// The platform table that talks to the library: its screen, mouse, keyboard
// and sound. Installed once the graphics mode and the samples are there.
#pragma once

void installAllegroPlatform();
