// The same bytes read as the squad stats file and as init.txt, twice: by the
// game's readers, and by the reading loops of those files written with the C
// library's fscanf. Both must come to the same units, draws and settings, except
// where a "%i" conversion meets one of the two cases the game decides apart
// from this C library: a bare "0x", which it reads as 0 where the C standard
// wants a digit, and a number outside 32 bits, which the game takes for none.
//
// Input: the file.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "fuzz_check.h"
#include "scratch_directory.h"
#include "support/game_state_snapshot.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings_file.h"
#include "world/squad_stats.h"
#include "world/unit_generation.h"

namespace {
static_assert(std::is_same_v<int32_t, int>, "fscanf's %i stores an int");

constexpr const char* STATS_PATH = ".//stats.txt";
constexpr const char* SETTINGS_PATH = "init.txt";
constexpr int32_t ENTRIES = 4;
constexpr int32_t SQUAD = 4;
constexpr int32_t UNITS = 6;
constexpr int32_t SIDE = 12;
constexpr int32_t NO_KIND = -1;
// damageMax, longRange, shortRange of weapon kinds 0 to 2.
constexpr int32_t KINDS[][3] = {{4, 10, 6}, {8, 8, 4}, {6, 15, 8}};
constexpr int32_t KIND_COUNT = sizeof(KINDS) / sizeof(KINDS[0]);

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// "%i" conversions of the C library on an open file of the input's bytes,
// noting whether one of them met a case decided apart.
struct LibraryReader {
    std::FILE* file;
    const std::string& bytes;
    bool decided = false;

    // A sign, then "0x" with no hexadecimal digit after it.
    static bool bareHexMark(const std::string& at) {
        size_t i = 0;
        while (i < at.size() && isSpace(at[i]))
            ++i;
        if (i < at.size() && (at[i] == '+' || at[i] == '-'))
            ++i;
        if (i + 1 >= at.size() || at[i] != '0' || (at[i + 1] != 'x' && at[i + 1] != 'X'))
            return false;
        return i + 2 == at.size() || !std::isxdigit(static_cast<unsigned char>(at[i + 2]));
    }

    // A NUL in the rest ends the string where it ends the number anyway.
    static bool beyond32Bits(const std::string& at) {
        long long wide = 0;
        return std::sscanf(at.c_str(), "%lli", &wide) == 1 &&
               (wide < INT32_MIN || wide > INT32_MAX);
    }

    bool number(int32_t& field) {
        const std::string rest = bytes.substr(static_cast<size_t>(std::ftell(file)));
        decided = decided || bareHexMark(rest) || beyond32Bits(rest);
        return std::fscanf(file, "%i", &field) == 1;
    }
};

std::FILE* openOrFail(const char* path, const char* mode) {
    std::FILE* file = std::fopen(path, mode);
    requireThat(file != nullptr, std::string("cannot open ") + path);
    return file;
}

// The stats file's loop: five "%i" per entry, a kind that does not convert
// naming no weapon, one sound draw per entry of a known kind.
void libraryStats(LibraryReader& in, std::vector<Unit>& squad) {
    for (int32_t s = 0; s < ENTRIES; ++s) {
        Unit& u = squad[s];
        int32_t kind = NO_KIND;
        for (int32_t* field : {&u.speed, &u.dodge, &u.accuracy, &u.strength, &kind})
            in.number(*field);
        if (kind < 0 || kind >= KIND_COUNT)
            continue;
        u.damageMax = KINDS[kind][0];
        u.longRange = KINDS[kind][1];
        u.shortRange = KINDS[kind][2];
        u.weaponSound = gameRand() % 3;
    }
}

// init.txt's loop: a label, then the record's numbers; from the first record
// that is not whole on, every setting stays 0.
SettingsRecords librarySettings(LibraryReader& in) {
    SettingsRecords r;
    struct Record {
        int32_t* fields[3];
        int32_t count;
    };
    const Record records[SETTINGS_RECORD_COUNT] = {
        {{&r.bandHeight}, 1}, {{&r.panelWidth}, 1}, {{&r.rosterTop}, 1},
        {{&r.rosterRowHeight}, 1}, {{&r.tickMs}, 1}, {{&r.red, &r.green, &r.blue}, 3},
        {{&r.shotShowTicks}, 1},
    };
    for (const Record& record : records) {
        int32_t numbers[3] = {};
        bool whole = std::fscanf(in.file, "%*s") != EOF;
        for (int32_t i = 0; whole && i < record.count; ++i)
            whole = in.number(numbers[i]);
        if (!whole)
            break;
        for (int32_t i = 0; i < record.count; ++i)
            *record.fields[i] = numbers[i];
        ++r.wholeRecords;
    }
    return r;
}

void generateFloor() {
    mapWidth = mapHeight = SIDE;
    mapCells.assign(SIDE * SIDE, CELL_FLOOR);
    occupancy.assign(SIDE * SIDE, 0);
    squadSize = SQUAD;
    unitCount = UNITS;
    units = std::vector<Unit>(UNITS);
    turnOrder = std::vector<int32_t>(UNITS);
    setRandomState(1);
    generateUnits(unitCount, units.data(), squadSize, mapWidth);
}

void compareStats(const std::string& bytes) {
    generateFloor();
    std::vector<Unit> library = units;
    const uint32_t start = randomState();
    requireThat(readSquadStats(STATS_PATH, units.data()), "the stats file does not open");
    const uint32_t gameDraws = randomState();

    setRandomState(start);
    LibraryReader in{openOrFail(STATS_PATH, "r"), bytes};
    libraryStats(in, library);
    std::fclose(in.file);
    if (in.decided)
        return;
    requireThat(randomState() == gameDraws, "the sound draws differ from the C library's");
    for (int32_t i = 0; i < UNITS; ++i)
        requireThat(sameUnit(units[i], library[i]),
                    "unit " + std::to_string(i) + " differs from the C library's reading");
}

void compareSettings(const std::string& bytes) {
    SettingsRecords game;
    requireThat(parseSettingsFile(SETTINGS_PATH, game), "init.txt does not open");
    LibraryReader in{openOrFail(SETTINGS_PATH, "rb"), bytes};
    const SettingsRecords library = librarySettings(in);
    std::fclose(in.file);
    if (in.decided)
        return;
    requireThat(game.wholeRecords == library.wholeRecords, "the whole records differ");
    const int32_t SettingsRecords::*fields[] = {
        &SettingsRecords::bandHeight, &SettingsRecords::panelWidth, &SettingsRecords::rosterTop,
        &SettingsRecords::rosterRowHeight, &SettingsRecords::tickMs, &SettingsRecords::red,
        &SettingsRecords::green, &SettingsRecords::blue, &SettingsRecords::shotShowTicks,
    };
    for (const auto field : fields)
        requireThat(game.*field == library.*field, "a setting differs from the C library's");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeFile(STATS_PATH, bytes);
    writeFile(SETTINGS_PATH, bytes);
    compareStats(bytes);
    compareSettings(bytes);
    return 0;
}
