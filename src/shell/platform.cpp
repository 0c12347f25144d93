#include "shell/platform.h"

#include "shell/subsystem_hooks.h"

namespace {
bool no() {
    return false;
}
void nothing() {}
const char* noWords() {
    return "";
}
bool noScreen(const DisplayOptions&, int32_t) {
    return false;
}
void noTitle(const char*) {}
void noFailureShown(const char*) {}
void noCloseBox(CloseHandler) {}
BITMAP* noBuffer() {
    return nullptr;
}
BITMAP* noPicture(const char*) {
    return nullptr;
}
SAMPLE* noSample(const char*) {
    return nullptr;
}
void noRelease(SAMPLE*) {}
void noTicks(TickHandler, int32_t) {}
void noTicksToStop(TickHandler) {}
void presentNothing(BITMAP*) {}
int32_t zero() {
    return 0;
}
void silent(int32_t) {}

constexpr Platform makeNullPlatform() {
    Platform table{};
    table.startLibrary = no;
    table.installInput = nothing;
    table.installSound = no;
    table.libraryError = noWords;
    table.openScreen = noScreen;
    table.setWindowTitle = noTitle;
    table.setCloseHandler = noCloseBox;
    table.newScreenBuffer = noBuffer;
    table.loadPicture = noPicture;
    table.loadSample = noSample;
    table.releaseSample = noRelease;
    table.startTicks = noTicks;
    table.stopTicks = noTicksToStop;
    table.transparentText = nothing;
    table.endLibrary = nothing;
    table.showFailure = noFailureShown;
    table.present = presentNothing;
    table.mouseX = zero;
    table.mouseY = zero;
    table.mouseButtons = zero;
    table.clearMouseButtons = nothing;
    table.escDown = no;
    table.keyPressed = no;
    table.clearKeys = nothing;
    table.idle = nothing;
    table.playShot = silent;
    return table;
}

// Constant-initialised, so the table is there before any other start-up code.
constexpr Platform NULL_PLATFORM = makeNullPlatform();
Platform current = NULL_PLATFORM;
} // namespace

const Platform& platform = current;

Platform nullPlatform() {
    return NULL_PLATFORM;
}

void installPlatform(const Platform& table) {
    current = table;
    connectSubsystems();
}
