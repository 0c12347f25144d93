// The platform table of the machine the build is for: the library's on the
// desktop, the page's in the browser.
#pragma once

#if defined(__EMSCRIPTEN__)
#include "shell/platform_browser.h"
inline Platform machinePlatform() {
    return browserPlatform();
}
#else
#include "shell/platform_allegro.h"
inline Platform machinePlatform() {
    return allegroPlatform();
}
#endif
