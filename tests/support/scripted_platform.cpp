#include "support/scripted_platform.h"

#include "draw/cell_geometry.h"
#include "shell/timer_tick.h"
#include "support/game_state_snapshot.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
// Far more than any scripted scene needs; only a game stuck in a loop gets there.
constexpr int32_t TICKS_PAST_SCRIPT = 2000;

} // namespace

Moment pointerAt(int32_t x, int32_t y) {
    Moment m;
    m.x = x;
    m.y = y;
    return m;
}

Moment pressAt(int32_t x, int32_t y, int32_t buttons) {
    Moment m = pointerAt(x, y);
    m.buttons = buttons;
    return m;
}

Moment escape() {
    Moment m;
    m.esc = true;
    return m;
}

Moment keyStroke() {
    Moment m;
    m.key = true;
    return m;
}

int32_t cellPixelX(int32_t cellX) {
    return static_cast<int32_t>(cellCentreX(cellX));
}
int32_t cellPixelY(int32_t cellY) {
    return static_cast<int32_t>(cellCentreY(cellY));
}

ScriptedPlatform* ScriptedPlatform::active = nullptr;

ScriptedPlatform::ScriptedPlatform(int32_t idleTurnsPerTick)
    : previous(platform), idlesPerTick(idleTurnsPerTick > 0 ? idleTurnsPerTick : 1) {
    active = this;
    installPlatform(table());
}

ScriptedPlatform::~ScriptedPlatform() {
    installPlatform(previous);
    active = nullptr;
}

Platform ScriptedPlatform::table() {
    Platform scripted = nullPlatform();
    scripted.present = present;
    scripted.mouseX = mouseX;
    scripted.mouseY = mouseY;
    scripted.mouseButtons = mouseButtons;
    scripted.clearMouseButtons = clearMouseButtons;
    scripted.escDown = escDown;
    scripted.keyPressed = keyPressed;
    scripted.clearKeys = clearKeys;
    scripted.idle = idle;
    scripted.playShot = playShot;
    return scripted;
}

ScriptedPlatform& ScriptedPlatform::hold(const Moment& moment, int32_t ticks) {
    script.push_back(Step{moment, ticks});
    if (script.size() == 1)
        beginStep(0);
    return *this;
}

const Moment& ScriptedPlatform::now() const {
    static const Moment nothing;
    return script.empty() ? nothing : script[stepIndex].moment;
}

void ScriptedPlatform::beginStep(size_t index) {
    stepIndex = index;
    stepStartTick = tickCount;
    buttonsCleared = false;
    keyWaiting = script[index].moment.key;
}

int32_t ScriptedPlatform::scriptTicks() const {
    int32_t total = 0;
    for (const Step& s : script)
        total += s.ticks;
    return total;
}

void ScriptedPlatform::tick() {
    timerTick();
    ++tickCount;
    stateTrace.push_back(gameDigest());
    if (onTick)
        onTick();
    if (stepIndex + 1 < script.size() && tickCount - stepStartTick >= script[stepIndex].ticks)
        beginStep(stepIndex + 1);
    if (tickCount > scriptTicks() + TICKS_PAST_SCRIPT)
        throw ScriptRanOut();
}

void ScriptedPlatform::present(BITMAP* frame) {
    ++active->presentCount;
    if (active->onPresent)
        active->onPresent(frame);
}

int32_t ScriptedPlatform::mouseX() {
    return active->now().x;
}
int32_t ScriptedPlatform::mouseY() {
    return active->now().y;
}
int32_t ScriptedPlatform::mouseButtons() {
    return active->buttonsCleared ? 0 : active->now().buttons;
}
// Like the library's mouse_b = 0: the buttons read released until they change.
void ScriptedPlatform::clearMouseButtons() {
    active->buttonsCleared = true;
}
bool ScriptedPlatform::escDown() {
    return active->now().esc;
}
bool ScriptedPlatform::keyPressed() {
    return active->keyWaiting;
}
void ScriptedPlatform::clearKeys() {
    active->keyWaiting = false;
}

void ScriptedPlatform::idle() {
    if (++active->idleCount % active->idlesPerTick == 0)
        active->tick();
}

void ScriptedPlatform::playShot(int32_t sample) {
    active->soundsPlayed.push_back(sample);
}
