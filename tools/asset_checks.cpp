#include "asset_checks.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "world/floor_checks.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/settings_file.h"
#include "world/squad_stats.h"
#include "world/text_tokens.h"
#include "world/weapons.h"

namespace {

std::string text(int32_t n) {
    return std::to_string(n);
}

struct Line {
    int32_t number;
    std::vector<std::string> words;
};

// The lines that hold words; the game's readers skip blank ones.
bool wordLines(const std::string& path, std::vector<Line>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    for (int32_t number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        Line l{number, {}};
        for (std::string w; words >> w;)
            l.words.push_back(w);
        if (!l.words.empty())
            lines.push_back(l);
    }
    return true;
}

std::string at(const std::string& path, int32_t line) {
    return path + " line " + text(line) + ": ";
}

// The numbers of a line after its first skipped words, each whole; false with
// the problem recorded otherwise.
bool wholeNumbers(const std::string& where, const Line& line, size_t skipped,
                  std::vector<int32_t>& numbers, Problems& problems) {
    for (size_t i = skipped; i < line.words.size(); ++i) {
        int32_t value;
        if (!parseInteger(line.words[i], value)) {
            problems.push_back(where + "'" + printableWord(line.words[i]) +
                               "' is not a whole number (decimal, 0x hexadecimal or "
                               "leading-0 octal, within 32 bits)");
            return false;
        }
        numbers.push_back(value);
    }
    return true;
}

// --- init.txt

struct RecordForm {
    const char* label;
    size_t numbers;
};

// The records in the order the game reads them; the label itself is skipped.
constexpr RecordForm SETTINGS_FORMS[SETTINGS_RECORD_COUNT] = {
    {"bandHeight", 1}, {"panelWidth", 1},     {"rosterTop", 1},     {"rosterRowHeight", 1},
    {"tickMs", 1},     {"highlightColor", 3}, {"shotShowTicks", 1},
};
constexpr int32_t COMPONENT_MAX = 255;

bool settingsForm(const std::string& path, const std::vector<Line>& lines, Problems& problems) {
    for (size_t k = 0; k < SETTINGS_RECORD_COUNT; ++k) {
        const RecordForm& form = SETTINGS_FORMS[k];
        if (k >= lines.size()) {
            problems.push_back(path + ": ends before its " + form.label + " record, record " +
                               text(static_cast<int32_t>(k) + 1) + " of " +
                               text(SETTINGS_RECORD_COUNT));
            return false;
        }
        const Line& line = lines[k];
        const std::string where = at(path, line.number) + form.label + ": ";
        if (line.words.front() != form.label) {
            problems.push_back(at(path, line.number) + "'" + printableWord(line.words.front()) +
                               "' stands where record " + text(static_cast<int32_t>(k) + 1) + ", " +
                               form.label +
                               ", belongs: the game reads the records by "
                               "their place, not their label");
            return false;
        }
        if (line.words.size() != 1 + form.numbers) {
            problems.push_back(where + "needs a label word and " + text(form.numbers) +
                               (form.numbers == 1 ? " number" : " numbers") + ", the line has " +
                               text(static_cast<int32_t>(line.words.size())) + " words");
            return false;
        }
        std::vector<int32_t> numbers;
        if (!wholeNumbers(where, line, 1, numbers, problems))
            return false;
    }
    if (lines.size() > SETTINGS_RECORD_COUNT) {
        problems.push_back(at(path, lines[SETTINGS_RECORD_COUNT].number) +
                           "the game reads seven records and ignores this one");
        return false;
    }
    return true;
}

std::string wide(int64_t n) {
    return std::to_string(n);
}

// The map area the band and panel leave must hold every floor.
void checkMapArea(const std::string& path, const std::vector<Line>& lines, const SettingsRecords& r,
                  const std::vector<FloorSize>& floors, Problems& problems) {
    for (const FloorSize& f : floors) {
        // A floor too large for any settings is floortool's to report.
        if (f.width > MAP_SIDE_MAX ||
            !tilesUnderOnePixel(f.width, f.height, r.panelWidth, r.bandHeight))
            continue;
        const int64_t across = int64_t{SCREEN_WIDTH} - r.panelWidth;
        const int64_t down = int64_t{SCREEN_HEIGHT} - r.bandHeight;
        const size_t record = tileSpan(SCREEN_WIDTH, r.panelWidth, f.width) < 1 ? 1 : 0;
        problems.push_back(at(path, lines[record].number) + "bandHeight " + text(r.bandHeight) +
                           " and panelWidth " + text(r.panelWidth) + " leave " + wide(across) +
                           " x " + wide(down) + " pixels for the map, under one pixel a tile for " +
                           "the " + text(f.width) + " x " + text(f.height) + " cells of " + f.file);
        return;
    }
}

void settingsValues(const std::string& path, const std::vector<Line>& lines,
                    const SettingsRecords& r, Problems& problems) {
    const auto line = [&](int32_t record) { return at(path, lines[record].number); };
    if (r.tickMs <= 0)
        problems.push_back(line(4) + "tickMs " + text(r.tickMs) +
                           ": the tick interval must be above 0");
    for (int32_t c : {r.red, r.green, r.blue})
        if (c < 0 || c > COMPONENT_MAX) {
            problems.push_back(line(5) + "highlightColor: the component " + text(c) +
                               " is outside 0-255");
            break;
        }
    if (r.bandHeight < 0)
        problems.push_back(line(0) + "bandHeight " + text(r.bandHeight) + " is below 0");
    if (r.panelWidth < 0)
        problems.push_back(line(1) + "panelWidth " + text(r.panelWidth) + " is below 0");
}

// --- stats.txt

constexpr size_t STATS_NUMBERS = 5;
constexpr int32_t WEAPON_KIND_MAX = WEAPON_KIND_COUNT - 1;
constexpr const char* STAT_NAMES[STATS_NUMBERS] = {"speed", "dodge", "accuracy", "strength",
                                                   "weapon kind"};

bool statsForm(const std::string& path, const std::vector<Line>& lines,
               std::vector<std::vector<int32_t>>& entries, Problems& problems) {
    if (lines.size() != SQUAD_MAX) {
        const int32_t count = static_cast<int32_t>(lines.size());
        problems.push_back(path + ": has " + text(count) + (count == 1 ? " entry" : " entries") +
                           ", the squad has " + text(SQUAD_MAX) +
                           " (one line each: speed, dodge, accuracy, strength, weapon kind)");
        return false;
    }
    for (const Line& line : lines) {
        const std::string where = at(path, line.number);
        if (line.words.size() != STATS_NUMBERS) {
            problems.push_back(where +
                               "an entry is five numbers (speed, dodge, accuracy, "
                               "strength, weapon kind), the line has " +
                               text(static_cast<int32_t>(line.words.size())));
            return false;
        }
        entries.emplace_back();
        if (!wholeNumbers(where, line, 0, entries.back(), problems))
            return false;
    }
    return true;
}

// What the game itself makes of the file, for the four squad slots.
std::vector<Unit> readAsTheGame(const std::string& path) {
    std::vector<Unit> squad(SQUAD_MAX, Unit{});
    const int32_t savedSquad = squadSize, savedUnits = unitCount;
    squadSize = unitCount = SQUAD_MAX;
    readSquadStats(path.c_str(), squad.data());
    squadSize = savedSquad;
    unitCount = savedUnits;
    return squad;
}

void statsValues(const std::string& path, const std::vector<Line>& lines,
                 const std::vector<std::vector<int32_t>>& entries, Problems& problems) {
    const std::vector<Unit> squad = readAsTheGame(path);
    for (int32_t s = 0; s < SQUAD_MAX; ++s) {
        const Unit& u = squad[s];
        const int32_t stats[] = {u.speed, u.dodge, u.accuracy, u.strength};
        const std::string where = at(path, lines[s].number);
        for (size_t i = 0; i < STATS_NUMBERS - 1; ++i)
            if (stats[i] < STAT_MIN || stats[i] > STAT_MAX)
                problems.push_back(where + STAT_NAMES[i] + " " + text(stats[i]) +
                                   ": statistics are " + text(STAT_MIN) + " to " + text(STAT_MAX));
        const int32_t kind = entries[s][STATS_NUMBERS - 1];
        // The game gives a weapon only for a kind it knows.
        if (!weaponOfKind(kind) || u.damageMax == 0)
            problems.push_back(where + "weapon kind " + text(kind) + ": kinds are 0 to " +
                               text(WEAPON_KIND_MAX));
    }
}

} // namespace

void checkSettingsFile(const std::string& path, const std::vector<FloorSize>& floors,
                       Problems& problems) {
    std::vector<Line> lines;
    SettingsRecords records;
    if (!wordLines(path, lines) || !parseSettingsFile(path.c_str(), records)) {
        problems.push_back(path + ": cannot be read");
        return;
    }
    if (!settingsForm(path, lines, problems))
        return;
    if (records.wholeRecords != SETTINGS_RECORD_COUNT) {
        problems.push_back(path + ": the game reads only " + text(records.wholeRecords) +
                           " of its records");
        return;
    }
    settingsValues(path, lines, records, problems);
    checkMapArea(path, lines, records, floors, problems);
}

void checkSquadStatsFile(const std::string& path, Problems& problems) {
    std::vector<Line> lines;
    if (!wordLines(path, lines)) {
        problems.push_back(path + ": cannot be read");
        return;
    }
    std::vector<std::vector<int32_t>> entries;
    if (statsForm(path, lines, entries, problems))
        statsValues(path, lines, entries, problems);
}

void checkTextPage(const std::string& path, Problems& problems) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        problems.push_back(path + ": cannot be read");
        return;
    }
    // Read as the page reads it: a row per line, a longer line in pieces.
    char piece[PAGE_ROW_LENGTH_MAX + 1];
    int32_t line = 1, rows = 0, length = 0;
    while (std::fgets(piece, sizeof piece, file)) {
        const std::string p(piece);
        ++rows;
        const bool ends = !p.empty() && p.back() == '\n';
        length += static_cast<int32_t>(p.size()) - (ends ? 1 : 0);
        if (!ends && !std::feof(file))
            continue;
        if (length > PAGE_ROW_LENGTH_MAX)
            problems.push_back(at(path, line) + "is " + text(length) +
                               " characters long, a row of the page holds " +
                               text(PAGE_ROW_LENGTH_MAX));
        ++line;
        length = 0;
    }
    std::fclose(file);
    if (length > PAGE_ROW_LENGTH_MAX)
        problems.push_back(at(path, line) + "is " + text(length) +
                           " characters long, a row of the page holds " +
                           text(PAGE_ROW_LENGTH_MAX));
    if (rows > PAGE_ROWS_MAX)
        problems.push_back(path + ": has " + text(rows) + " rows, the page holds " +
                           text(PAGE_ROWS_MAX) + " above its prompt");
}
