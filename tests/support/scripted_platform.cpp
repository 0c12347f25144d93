#include "support/scripted_platform.h"

#include "shell/timer_tick.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
// Far more than any scripted scene needs; only a game stuck in a loop gets there.
constexpr int32_t TICKS_PAST_SCRIPT = 2000;

struct Digest {
    uint64_t value = 1469598103934665603ull;
    void add(int64_t v) {
        for (int i = 0; i < 8; ++i) {
            value ^= static_cast<uint8_t>(v >> (8 * i));
            value *= 1099511628211ull;
        }
    }
};
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
    return panelWidth + cellX * tileWidth() + tileWidth() / 2;
}
int32_t cellPixelY(int32_t cellY) {
    return cellY * tileHeight() + tileHeight() / 2;
}

ScriptedPlatform* ScriptedPlatform::active = nullptr;

ScriptedPlatform::ScriptedPlatform(int32_t idlesPerTick)
    : previous(platform), idlesPerTick(idlesPerTick > 0 ? idlesPerTick : 1) {
    active = this;
    platform = Platform{present, mouseX,     mouseY,    mouseButtons, clearMouseButtons,
                        escDown, keyPressed, clearKeys, idle,         playShot};
}

ScriptedPlatform::~ScriptedPlatform() {
    platform = previous;
    active = nullptr;
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

uint64_t gameDigest() {
    Digest d;
    for (const Unit& u : units) {
        for (int64_t v : {u.x, u.y, u.health, u.maxHealth, u.actionPoints, u.alerted, u.targetIndex,
                          u.patrolLeg})
            d.add(v);
        d.add(u.onFloor);
        d.add(u.unspotted);
    }
    for (const Medkit& m : medkits)
        d.add(m.active);
    for (int32_t code : mapCells)
        d.add(code);
    for (int32_t mark : occupancy)
        d.add(mark);
    for (int64_t v : {turnSlot, turnState, shotTimer, shotDamage, shotTarget, floorNumber,
                      enemiesLeft, squadOnFloor})
        d.add(v);
    d.add(tickPending);
    d.add(randomState());
    return d.value;
}
