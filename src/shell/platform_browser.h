// The platform table of the browser build. The library's software core draws
// into memory; the page (packaging/web/page.js) is the screen, the pointer,
// the keys, the clock and the speaker. There is one thread: each wait gives
// the browser its next frame, and the timer's ticks are delivered between
// passes, when the browser's clock says they are due.
#pragma once

#include "shell/platform.h"

Platform browserPlatform();
