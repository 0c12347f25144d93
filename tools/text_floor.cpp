#include "text_floor.h"

#include <algorithm>
#include <sstream>

#include "start_cells.h"
#include "world/game_state.h"
#include "world/text_tokens.h"

namespace {

bool fail(std::string& why, int line, const std::string& reason) {
    why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool cellCode(char c, int32_t& code) {
    switch (c) {
    case TEXT_FLOOR:
    case TEXT_SQUAD_MARK:
    case TEXT_ENEMY_MARK:
        code = CELL_FLOOR;
        return true;
    case TEXT_COVER:
        code = CELL_WALL2;
        return true;
    case TEXT_WALL:
        code = CELL_WALL;
        return true;
    case TEXT_EXIT:
        code = CELL_EXIT;
        return true;
    default:
        return false;
    }
}

std::string cellText(const CellPos& c) {
    return "(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
}

// The first cell of one list that the other lacks, described.
std::string firstMismatch(const std::vector<CellPos>& marks, const std::vector<CellPos>& starts,
                          char mark, const char* who) {
    for (const CellPos& m : marks)
        if (std::find(starts.begin(), starts.end(), m) == starts.end())
            return std::string("has '") + mark + "' at " + cellText(m) +
                   ", not a start cell of the " + who;
    for (const CellPos& s : starts)
        if (std::find(marks.begin(), marks.end(), s) == marks.end())
            return std::string("has no '") + mark + "' at " + cellText(s) +
                   ", a start cell of the " + who;
    return "";
}

} // namespace

bool parseTextFloor(const std::string& text, TextFloor& floor, std::string& why) {
    floor = TextFloor{};
    bool hasUnits = false, hasSquad = false, hasMedkits = false, inMap = false;
    std::vector<std::string> rows;
    int firstRowLine = 0;

    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (inMap) {
            if (line.empty())
                continue; // only trailing blank lines are allowed, see below
            if (!rows.empty() && firstRowLine + rows.size() != static_cast<size_t>(lineNo))
                return fail(why, lineNo, "blank line inside the map");
            if (rows.empty())
                firstRowLine = lineNo;
            if (!rows.empty() && line.size() != rows.front().size())
                return fail(why, lineNo,
                            "row is " + std::to_string(line.size()) +
                                " cells wide, the first row is " +
                                std::to_string(rows.front().size()));
            for (char c : line) {
                int32_t code;
                if (!cellCode(c, code))
                    return fail(why, lineNo,
                                std::string("unknown cell character '") + c +
                                    "' (cells are . c # E S X)");
            }
            rows.push_back(line);
            continue;
        }
        std::istringstream in(line);
        std::string word;
        if (!(in >> word) || word[0] == '#')
            continue;
        int32_t* count = nullptr;
        bool* seen = nullptr;
        if (word == "map") {
            inMap = true;
            continue;
        } else if (word == "name") {
            if (!(in >> floor.label) || floor.label.size() > WORD_LENGTH_MAX)
                return fail(why, lineNo,
                            "name needs one word of at most " + std::to_string(WORD_LENGTH_MAX) +
                                " characters");
            continue;
        } else if (word == "units") {
            count = &floor.plan.unitCount;
            seen = &hasUnits;
        } else if (word == "squad") {
            count = &floor.plan.squadSize;
            seen = &hasSquad;
        } else if (word == "medkits") {
            count = &floor.plan.medkitCount;
            seen = &hasMedkits;
        } else {
            return fail(why, lineNo, "unknown word '" + word + "'");
        }
        std::string number, extra;
        if (!(in >> number) || !parseInteger(number, *count) || (in >> extra))
            return fail(why, lineNo, word + " needs one whole number");
        if (*seen)
            return fail(why, lineNo, word + " is given twice");
        *seen = true;
    }
    if (floor.label.empty())
        return fail(why, lineNo, "the floor has no name");
    if (!hasUnits || !hasSquad || !hasMedkits)
        return fail(why, lineNo, "the floor needs its units, squad and medkits counts");
    if (rows.empty())
        return fail(why, lineNo, "the floor has no map");

    MapGrid& grid = floor.grid;
    grid.width = static_cast<int32_t>(rows.front().size());
    grid.height = static_cast<int32_t>(rows.size());
    grid.cells.assign(static_cast<size_t>(grid.width) * grid.height, CELL_FLOOR);
    for (int32_t y = 0; y < grid.height; ++y)
        for (int32_t x = 0; x < grid.width; ++x) {
            const char c = rows[y][x];
            cellCode(c, grid.cells[static_cast<size_t>(y) * grid.width + x]);
            if (c == TEXT_SQUAD_MARK)
                floor.squadMarks.push_back({x, y});
            else if (c == TEXT_ENEMY_MARK)
                floor.enemyMarks.push_back({x, y});
        }
    return true;
}

std::string checkStartMarks(const TextFloor& floor) {
    std::string why =
        firstMismatch(floor.squadMarks, squadStartCells(floor.plan), TEXT_SQUAD_MARK, "squad");
    if (why.empty())
        why = firstMismatch(floor.enemyMarks, enemyStartCells(floor.plan, floor.grid.width),
                            TEXT_ENEMY_MARK, "enemies");
    return why;
}
