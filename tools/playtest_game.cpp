#include "playtest_game.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "combat/shot.h"
#include "draw/cell_geometry.h"
#include "draw/frame.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/new_game.h"
#include "shell/player_commands.h"
#include "shell/startup.h"
#include "shell/timer_tick.h"
#include "shell/turn_loop.h"
#include "world/floor_loading.h"
#include "world/floor_state.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
constexpr const char* SETTINGS_PATH = "init.txt";
constexpr const char* MISSION_LIST = "Data/Missions/Mission.dat";
constexpr int32_t COLOUR_DEPTH = 16;
// A pass waits for a move's steps or the transition's 101 ticks at most.
constexpr int64_t IDLES_WITHOUT_PASS_MAX = 100000;
// A floor with the bot pressing on and no round ending is stuck, not slow.
constexpr int64_t PASSES_PER_FLOOR_MAX = 400000;

struct GameLost : std::runtime_error {
    GameLost() : std::runtime_error("the game went on without asking for the pointer") {}
};

bool traceCommands = false;
const char* const COMMAND_NAMES[] = {"end turn", "move to", "shoot at"};

void trace(const Command& c) {
    const Unit& s = currentUnit();
    std::fprintf(stderr, "floor %d slot %d: soldier %d at (%d, %d), %d points, health %d: %s",
                 floorNumber, turnSlot, currentUnitIndex(), s.x, s.y, s.actionPoints, s.health,
                 COMMAND_NAMES[static_cast<int>(c.kind)]);
    if (c.kind == CommandKind::END_TURN)
        std::fprintf(stderr, "\n");
    else
        std::fprintf(stderr, " (%d, %d)\n", c.cell.x, c.cell.y);
}

// The generator's value before the first draw of the program.
uint32_t startState = 0;

// What a command changes; a command that changed none of it did nothing, and
// pressing it again would loop for ever.
struct TurnPicture {
    int32_t floor, rounds, slot, x, y, points, enemyHealth, shots;
    bool operator==(const TurnPicture& o) const {
        return floor == o.floor && rounds == o.rounds && slot == o.slot && x == o.x && y == o.y &&
               points == o.points && enemyHealth == o.enemyHealth && shots == o.shots;
    }
};

class Bot {
  public:
    Bot(Strategy& chooser, bool floorAlone) : strategy(chooser), oneFloor(floorAlone) {}

    Strategy& strategy;
    bool oneFloor;
    GameRecord game;
    bool recordOpen = false;
    bool stopping = false;
    int32_t x = 0, y = 0, buttons = 0;
    int64_t idles = 0;
    int64_t passes = 0;
    int32_t lastSlot = 0;
    std::vector<int32_t> enemyHealth;
    TurnPicture lastCommand{-1, 0, 0, 0, 0, 0, 0, 0};

    FloorRecord& record() { return game.floors.back(); }

    void floorLoaded() {
        if (stopping)
            return;
        FloorRecord r;
        r.floor = floorNumber;
        game.floors.push_back(r);
        recordOpen = true;
        passes = 0;
        lastSlot = turnSlot;
        enemyHealth.clear();
        for (int32_t i = 0; i < unitCount; ++i)
            enemyHealth.push_back(units[i].health);
        aliveAtStart = squadAlive();
    }

    void close(FloorOutcome outcome) {
        if (!recordOpen)
            return;
        recordOpen = false;
        FloorRecord& r = record();
        r.outcome = outcome;
        r.rounds += 1; // the round in play counts
        r.soldiersLost = aliveAtStart - squadAlive();
        r.killed = 0;
        for (int32_t i = 0; i < unitCount; ++i)
            r.killed += units[i].side != SIDE_SQUAD && units[i].health <= 0;
        if (oneFloor)
            stopping = true;
    }

    void shotFired() {
        if (recordOpen && currentUnit().side == SIDE_SQUAD)
            ++record().shots;
    }

    int32_t pass() {
        idles = 0;
        ++passes;
        observe();
        decide();
        return x;
    }

    void idle() {
        if (++idles > IDLES_WITHOUT_PASS_MAX)
            throw GameLost();
        timerTick();
    }

  private:
    int32_t aliveAtStart = 0;
    bool releaseSeen = false;

    static int32_t squadAlive() {
        int32_t alive = 0;
        for (int32_t i = 0; i < squadSize; ++i)
            alive += units[i].health > 0;
        return alive;
    }

    // Only the squad's shots hurt enemies, and one press makes one shot.
    void observe() {
        if (!recordOpen)
            return;
        for (int32_t i = 0; i < unitCount && i < static_cast<int32_t>(enemyHealth.size()); ++i) {
            if (units[i].side != SIDE_SQUAD && units[i].health < enemyHealth[i])
                ++record().hits;
            enemyHealth[i] = units[i].health;
        }
        if (turnSlot < lastSlot)
            ++record().rounds;
        lastSlot = turnSlot;
        if (floorOver())
            close(squadAlive() == 0 ? FloorOutcome::LOST : FloorOutcome::COMPLETED);
        else if (record().rounds >= ROUNDS_PER_FLOOR_MAX || passes > PASSES_PER_FLOOR_MAX) {
            close(FloorOutcome::STALLED);
            stopping = true;
        }
    }

    TurnPicture picture() {
        const Unit& s = currentUnit();
        int32_t health = 0;
        for (int32_t i = 0; i < unitCount; ++i)
            health += units[i].side != SIDE_SQUAD ? units[i].health : 0;
        return TurnPicture{floorNumber, record().rounds, turnSlot, s.x, s.y,
                           s.actionPoints, health, record().shots};
    }

    void decide() {
        const bool mayCommand = recordOpen && !stopping && playerMayCommand() && !floorOver();
        // A press counts only after the loop has seen the buttons up in a pass
        // that takes commands; passes during the enemies' turns do not look.
        if (!mayCommand || buttons != 0 || !releaseSeen) {
            releaseSeen = mayCommand;
            buttons = 0;
            return;
        }
        releaseSeen = false;
        const TurnPicture now = picture();
        const Command command = now == lastCommand ? Command{CommandKind::END_TURN, Cell{}}
                                                   : strategy.choose();
        lastCommand = now;
        if (traceCommands)
            trace(command);
        x = static_cast<int32_t>(cellCentreX(command.cell.x));
        y = static_cast<int32_t>(cellCentreY(command.cell.y));
        buttons = command.kind == CommandKind::END_TURN ? BUTTON_RIGHT : BUTTON_LEFT;
    }
};

Bot* bot = nullptr;

int32_t mouseX() {
    return bot->pass();
}
int32_t mouseY() {
    return bot->y;
}
int32_t mouseButtons() {
    return bot->buttons;
}
void clearMouseButtons() {
    bot->buttons = 0;
}
bool escDown() {
    return bot->stopping;
}
void idle() {
    bot->idle();
}

// The bot's hand on the mouse and Esc; no screen, no keys, no sound.
Platform botTable() {
    Platform table = nullPlatform();
    table.mouseX = mouseX;
    table.mouseY = mouseY;
    table.mouseButtons = mouseButtons;
    table.clearMouseButtons = clearMouseButtons;
    table.escDown = escDown;
    table.idle = idle;
    return table;
}

void floorLoaded() {
    if (bot)
        bot->floorLoaded();
}
void shotSound(int32_t) {
    if (bot)
        bot->shotFired();
}

// The state start-up leaves before the first floor, as a new process has it.
void resetGame(int32_t firstFloor) {
    setRandomState(startState);
    releaseFloorArrays();
    resetForNewGame(firstFloor);
}
} // namespace

bool preparePlaytest(std::string& why) {
    static bool started = false;
    if (!started) {
        startState = randomState();
        if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) {
            why = "the library would not start";
            return false;
        }
        // The settings' highlight colour is made in the game's colour depth. No
        // backBuffer: the frames paint nothing, which is what makes hundreds of
        // games a minute possible.
        set_color_depth(COLOUR_DEPTH);
        started = true;
    }
    if (std::FILE* list = std::fopen(MISSION_LIST, "r"))
        std::fclose(list);
    else {
        why = std::string("no ") + MISSION_LIST + " here: not a run directory";
        return false;
    }
    readSettings(SETTINGS_PATH); // none: the game plays on with every setting 0
    // First: installing a table connects the game's own up-calls, which the bot replaces.
    installPlatform(botTable());
    setFramePresenter(nullptr);
    setPointerReader(nullptr); // a second pointer read would begin another pass of the bot
    setMapRedrawHook(floorLoaded);
    setShotSoundPlayer(shotSound);
    return true;
}

bool playGame(Strategy& strategy, int32_t firstFloor, bool oneFloor, GameRecord& game,
              std::string& why) {
    Bot player(strategy, oneFloor);
    bot = &player;
    resetGame(firstFloor);
    bool ok = loadFloor(firstFloor);
    if (!ok)
        why = allFloorsDone ? "the campaign has no floor " + std::to_string(firstFloor)
                            : floorLoadError();
    TurnLoopEnd end = TurnLoopEnd::ESCAPED;
    if (ok) {
        try {
            runTurnLoop();
            end = turnLoopEnd();
        } catch (const GameLost& lost) {
            why = lost.what();
            ok = false;
        }
    }
    if (ok && end == TurnLoopEnd::FLOOR_REFUSED) {
        why = floorLoadError();
        ok = false;
    }
    // The last floor's exit ends the game inside the pass: no later pass saw it.
    player.close(end == TurnLoopEnd::COMPLETED ? FloorOutcome::COMPLETED : FloorOutcome::STALLED);
    game = player.game;
    game.completed = ok && !game.floors.empty() &&
                     game.floors.back().outcome == FloorOutcome::COMPLETED &&
                     (oneFloor || end == TurnLoopEnd::COMPLETED);
    bot = nullptr;
    return ok;
}

void setCommandTrace(bool on) {
    traceCommands = on;
}

const char* outcomeName(FloorOutcome outcome) {
    switch (outcome) {
    case FloorOutcome::COMPLETED:
        return "completed";
    case FloorOutcome::LOST:
        return "lost";
    default:
        return "stalled";
    }
}

namespace {
std::string count(int32_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}
} // namespace

std::string describeFloor(const FloorRecord& r) {
    return "floor " + std::to_string(r.floor) + ": " + outcomeName(r.outcome) + " in " +
           count(r.rounds, "round", "rounds") + ", " +
           count(r.soldiersLost, "soldier", "soldiers") + " lost, " +
           count(r.shots, "shot", "shots") + ", " + count(r.hits, "hit", "hits") + ", " +
           count(r.killed, "enemy", "enemies") + " killed";
}
