#include "shell/subsystem_hooks.h"

#include "combat/shot.h"
#include "draw/frame.h"
#include "draw/map_background.h"
#include "shell/platform.h"
#include "world/floor_loading.h"

namespace {
// Forwarders rather than copies of the table's entries, so a table installed
// later (a test's scripted one) is the one that hears about it.
void playShotSound(int32_t weaponSound) {
    platform.playShot(weaponSound);
}
void presentFrame(BITMAP* frame) {
    platform.present(frame);
}
ScreenPoint livePointer() {
    return ScreenPoint{platform.mouseX(), platform.mouseY()};
}
} // namespace

void connectSubsystems() {
    setShotSoundPlayer(playShotSound);
    setFramePresenter(presentFrame);
    setPointerReader(livePointer);
    setMapRedrawHook(drawMapBackground);
}
