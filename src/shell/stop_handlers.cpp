#include "shell/stop_handlers.h"

#include <csignal>
#include <cstdio>

#include "shell/platform.h"
#include "shell/play_game.h"
#include "shell/stop_request.h"

#if defined(__unix__)
#include <unistd.h>
#endif
#if defined(PROWLGRID_X11)
#include <X11/Xlib.h>
#endif

namespace {
const int STOP_SIGNALS[] = {
    SIGTERM, SIGINT,
#if defined(SIGHUP)
    SIGHUP,
#endif
};

#if defined(__unix__)
// The main thread leaves at its next wait; should it be stuck where it cannot
// look, the signal still ends the process this much later.
constexpr unsigned int LAST_RESORT_SECONDS = 1;

extern "C" void onLastResort(int) {
    const int number = stopSignal();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

void armLastResort() {
    std::signal(SIGALRM, onLastResort);
    alarm(LAST_RESORT_SECONDS);
}
#else
void armLastResort() {}
#endif

extern "C" void onStopSignal(int number) {
    const bool first = stopSignal() == 0;
    requestStopBySignal(number);
    if (first)
        armLastResort();
}

void onCloseButton() {
    requestClose();
}

#if defined(PROWLGRID_X11)
// Xlib's own handler calls exit(), whose library shutdown would wait for
// threads that wait for this one. With the display gone there is nothing left
// to restore on it.
int onDisplayLost(Display*) {
    static const char line[] = "vellmora: the connection to the display was lost\n";
    if (write(STDERR_FILENO, line, sizeof line - 1) < 0) {
        // nowhere left to tell
    }
    _exit(EXIT_FAILED);
}
#endif
} // namespace

void installSignalHandlers() {
    for (int number : STOP_SIGNALS)
        std::signal(number, onStopSignal);
#if defined(PROWLGRID_X11)
    XSetIOErrorHandler(onDisplayLost);
#endif
}

void installCloseButton() {
    platform.setCloseHandler(onCloseButton);
}

void endBySignal() {
    const int number = stopSignal();
    if (number == 0)
        return;
    std::fflush(stdout);
    platform.endLibrary();
    std::signal(number, SIG_DFL);
    std::raise(number);
}
