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

ScriptedPlatform::ScriptedPlatform(int32_t idleTurnsPerTick)
    : idlesPerTick(idleTurnsPerTick > 0 ? idleTurnsPerTick : 1) {}

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
    keyInBuffer = script[index].moment.key;
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

void ScriptedPlatform::shown(BITMAP* frame) {
    ++presentCount;
    if (onPresent)
        onPresent(frame);
}

void ScriptedPlatform::idleTurn() {
    if (++idleCount % idlesPerTick == 0)
        tick();
}
