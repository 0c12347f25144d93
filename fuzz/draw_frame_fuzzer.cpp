// One whole frame drawn headless on a floor the loader would accept, with every
// setting, every statistic, the shot display and both pointer positions taken
// from the input: any 32-bit value must draw without overflow (the sanitizers
// watch), the frame is presented once, and a frame that awaits a command or a
// tick leaves the game state as it found it.
//
// Input: four bytes (map side, squad size, enemies, acting slot), then 32-bit
// little-endian words: the five drawing settings, the pass's and the live
// pointer, the shot display (timer, shooter, target, damage), seven statistics
// per unit; then one byte per cell for its code. Missing bytes read as 0.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "draw/frame.h"
#include "draw/map_background.h"
#include "draw/pictures.h"
#include "fuzz_check.h"
#include "support/game_state_snapshot.h"
#include "path/path_search.h"
#include "world/floor_checks.h"
#include "world/floor_loading.h"
#include "world/cell_table.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
constexpr int32_t SIDE_MIN = 3; // room for every unit on a cell of its own
constexpr int32_t SIDE_SPREAD = 30;
constexpr int32_t ENEMIES_MAX = 4;
constexpr int32_t CELL_CODES = CELL_CODE_MAX + 1;

int32_t presents = 0;
ScreenPoint livePointer{0, 0};

void countPresent(BITMAP*) {
    ++presents;
}
ScreenPoint readLivePointer() {
    return livePointer;
}

// Reads the input front to back; past its end every value is 0.
class Input {
  public:
    Input(const uint8_t* bytes, size_t size) : data(bytes), left(size) {}
    uint8_t byte() {
        if (left == 0)
            return 0;
        --left;
        return *data++;
    }
    int32_t word() {
        uint32_t v = 0;
        for (int32_t shift = 0; shift < 32; shift += 8)
            v |= static_cast<uint32_t>(byte()) << shift;
        int32_t w;
        std::memcpy(&w, &v, sizeof w);
        return w;
    }

  private:
    const uint8_t* data;
    size_t left;
};

BITMAP* picture(int32_t w, int32_t h) {
    BITMAP* p = create_bitmap(w, h);
    clear_to_color(p, makecol(200, 100, 50));
    return p;
}

// Pictures as small as start-up accepts them.
void createPictures() {
    backBuffer = create_bitmap(640, 480);
    mapBackground = create_bitmap(640, 480);
    wallBmp = picture(16, 16);
    wall2Bmp = picture(16, 16);
    doorBmp = picture(64, 64);
    diamondBmp = picture(20, 20);
    playerBmp = picture(32, 32);
    player2Bmp = picture(32, 32);
    nowalkBmp = picture(12, 10);
    waitBmp = picture(12, 10);
    targetBmp = picture(12, 10);
    medkitBmp = picture(16, 16);
}

void readSettings(Input& in) {
    bandHeight = in.word();
    panelWidth = in.word();
    rosterTop = in.word();
    rosterRowHeight = in.word();
    highlightColor = in.word();
}

Unit unitOf(int32_t index, int32_t side, int32_t mapSide, Input& in) {
    Unit u{};
    u.x = index % mapSide;
    u.y = index / mapSide;
    u.side = side;
    u.onFloor = true;
    u.unspotted = side == SIDE_SQUAD;
    u.targetIndex = NO_UNIT;
    u.speed = in.word();
    u.strength = in.word();
    u.accuracy = in.word();
    u.dodge = in.word();
    u.health = in.word();
    u.maxHealth = in.word();
    u.actionPoints = in.word();
    return u;
}

std::vector<Unit> readUnits(int32_t side, int32_t squad, int32_t enemies, Input& in) {
    std::vector<Unit> read;
    for (int32_t i = 0; i < squad + enemies; ++i)
        read.push_back(unitOf(i, i < squad ? SIDE_SQUAD : SIDE_ENEMY, side, in));
    return read;
}

// What a floor load leaves: units on cells of their own, marked, the search
// configured, medkits on their cells, the static picture drawn.
void makeFloor(const MapGrid& grid, int32_t squad, std::vector<Unit> placed) {
    const int32_t side = grid.width;
    mapWidth = mapHeight = side;
    mapCells = grid.cells;
    occupancy.assign(mapCells.size(), 0);
    units = std::move(placed);
    unitCount = static_cast<int32_t>(units.size());
    squadSize = squad;
    turnOrder.clear();
    for (int32_t i = 0; i < unitCount; ++i) {
        turnOrder.push_back(i);
        occupancy[cellIndex(units[i].x, units[i].y)] = 1;
    }
    medkits.clear();
    for (int32_t i = 0; i < side * side; ++i)
        if (mapCells[i] == CELL_MEDKIT)
            medkits.push_back(Medkit{i % side, i / side, 1});
    medkitCount = static_cast<int32_t>(medkits.size());
    floorNumber = floorCount = 1;
    configurePathSearch(pathSearch, side);
    drawMapBackground();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    requireThat(install_allegro(SYSTEM_NONE, &errno, std::atexit) == 0, "no headless library");
    set_color_depth(16);
    text_mode(-1);
    createPictures();
    setFramePresenter(countPresent);
    setPointerReader(readLivePointer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    const int32_t side = SIDE_MIN + in.byte() % SIDE_SPREAD;
    const int32_t squad = in.byte() % (SQUAD_MAX + 1);
    const int32_t enemies = 1 + in.byte() % ENEMIES_MAX;
    const int32_t slot = in.byte() % (squad + enemies);
    readSettings(in);
    const int32_t mouseX = in.word();
    const int32_t mouseY = in.word();
    livePointer = ScreenPoint{in.word(), in.word()};
    shotTimer = in.word();
    shotShooter = in.word();
    shotTarget = in.word();
    shotDamage = in.word();
    std::vector<Unit> placed = readUnits(side, squad, enemies, in);
    MapGrid grid;
    grid.width = grid.height = side;
    grid.cells.assign(static_cast<size_t>(side) * side, CELL_FLOOR);
    for (int32_t& code : grid.cells)
        code = in.byte() % CELL_CODES;
    if (!checkMap(grid, panelWidth, bandHeight).empty())
        return -1; // the loader refuses such a floor
    makeFloor(grid, squad, std::move(placed));
    turnSlot = slot;
    tickPending = false;

    // A living unit's frame acts on nothing: the player's turn awaits a command,
    // an enemy awaits its tick.
    const bool waiting = units[slot].health >= 1;
    turnState = units[slot].side == SIDE_SQUAD ? TURN_AWAIT_PLAYER : TURN_NEXT;
    const GameStateSnapshot before = takeGameState();
    presents = 0;
    drawFrame(mouseX, mouseY);
    requireThat(presents == 1, "the frame was presented " + std::to_string(presents) + " times");
    if (waiting) {
        const std::string changed = gameStateDifference(before, takeGameState());
        requireThat(changed.empty(), "a frame that awaits a command or a tick changed " + changed);
    }
    return 0;
}
