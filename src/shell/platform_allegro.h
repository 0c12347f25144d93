// The platform table that talks to the library: its start and end, the screen,
// mouse, keyboard, timer and sound. main installs it before start-up begins.
#pragma once

#include "shell/platform.h"

Platform allegroPlatform();
