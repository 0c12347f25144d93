#include "text_floor.h"

#include <algorithm>
#include <sstream>

#include "start_cells.h"
#include "text_rows.h"
#include "world/cell_table.h"
#include "world/floor_checks.h"
#include "world/game_state.h"
#include "world/text_tokens.h"

namespace {

bool cellCode(char c, int32_t& code) {
    if (c == TEXT_SQUAD_MARK || c == TEXT_ENEMY_MARK) {
        code = CELL_FLOOR;
        return true;
    }
    code = cellCodeOf(c);
    return code >= 0 && CELL_TABLE[code].inFloorFiles;
}

// ". c # E S X": what a map row may hold.
std::string cellCharacters() {
    std::string list;
    for (const CellKind& kind : CELL_TABLE)
        if (kind.inFloorFiles)
            list += std::string(1, kind.mapChar) + " ";
    return list + TEXT_SQUAD_MARK + " " + TEXT_ENEMY_MARK;
}

std::string cellText(const CellPos& c) {
    return cellPosition(c.x, c.y);
}

std::string count(int32_t n) {
    return std::to_string(n);
}

// Where the counts put the starts, so that a wrong count reads as the cause.
std::string squadStarts(const FloorPlan& plan, const std::vector<CellPos>& cells) {
    if (cells.empty())
        return "squad " + count(plan.squadSize) + " has nobody start";
    return "squad " + count(plan.squadSize) + " starts in column " + count(cells.front().x) +
           ", rows " + count(cells.front().y) + " to " + count(cells.back().y);
}

std::string enemyStarts(const FloorPlan& plan, const std::vector<CellPos>& cells) {
    const std::string given =
        "units " + count(plan.unitCount) + " and squad " + count(plan.squadSize) + " give ";
    if (cells.empty())
        return given + "no enemies";
    const CellPos& first = cells.front();
    if (cells.size() == 1)
        return given + "1 enemy, who starts in column " + count(first.x) + ", row " +
               count(first.y);
    return given + count(static_cast<int32_t>(cells.size())) + " enemies, who start in column " +
           count(first.x) + ", rows " + count(first.y) + " up to " + count(cells.back().y);
}

char cellChar(const TextFloor& floor, const CellPos& c) {
    return cellKind(floor.grid.cells[static_cast<size_t>(c.y) * floor.grid.width + c.x]).mapChar;
}

// The first cell of one list that the other lacks, described.
std::string firstMismatch(const TextFloor& floor, const std::vector<CellPos>& marks,
                          const std::vector<CellPos>& starts, char mark, const std::string& rule) {
    const auto line = [&](const CellPos& c) {
        return "line " + count(floor.mapFirstLine + c.y) + ": ";
    };
    for (const CellPos& m : marks)
        if (std::find(starts.begin(), starts.end(), m) == starts.end())
            return line(m) + "'" + mark + "' at " + cellText(m) + " is not a start cell: " + rule;
    for (const CellPos& s : starts)
        if (std::find(marks.begin(), marks.end(), s) == marks.end())
            return line(s) + "'" + cellChar(floor, s) + "' at " + cellText(s) + " should be '" +
                   mark + "': " + rule;
    return "";
}

// Blanks and tabs at the end of a line, and a CR of a DOS file, are not content.
void trimEnd(std::string& line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.pop_back();
}

} // namespace

bool parseTextFloor(const std::string& text, TextFloor& floor, std::string& why) {
    floor = TextFloor{};
    bool hasUnits = false, hasSquad = false, hasMedkits = false, inMap = false;
    RowBlock map;
    const std::vector<std::string>& rows = map.rows;

    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        trimEnd(line);
        if (inMap) {
            if (line.empty())
                continue; // only trailing blank lines are allowed, see below
            if (!addRow(map, line, lineNo, "cells", "the map", why))
                return false;
            for (char c : line) {
                int32_t code;
                if (!cellCode(c, code))
                    return failAtLine(why, lineNo,
                                      std::string("unknown cell character '") + c +
                                          "' (cells are " + cellCharacters() + ")");
            }
            continue;
        }
        std::istringstream in(line.substr(0, line.find('#')));
        std::string word;
        if (!(in >> word))
            continue;
        int32_t* count = nullptr;
        bool* seen = nullptr;
        if (word == "map") {
            inMap = true;
            continue;
        } else if (word == "name") {
            if (!(in >> floor.label) || floor.label.size() > WORD_LENGTH_MAX)
                return failAtLine(why, lineNo,
                                  "name needs one word of at most " +
                                      std::to_string(WORD_LENGTH_MAX) + " characters");
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
            return failAtLine(why, lineNo, "unknown word '" + word + "'");
        }
        std::string number, extra;
        if (!(in >> number) || !parseInteger(number, *count) || (in >> extra))
            return failAtLine(why, lineNo, word + " needs one whole number");
        if (*seen)
            return failAtLine(why, lineNo, word + " is given twice");
        *seen = true;
    }
    if (floor.label.empty())
        return failAtLine(why, lineNo, "the floor has no name");
    if (!hasUnits || !hasSquad || !hasMedkits)
        return failAtLine(why, lineNo, "the floor needs its units, squad and medkits counts");
    if (rows.empty())
        return failAtLine(why, lineNo, "the floor has no map");

    floor.mapFirstLine = map.firstLine;
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
    const int32_t side = floor.grid.width;
    const std::vector<CellPos> squad = squadStartCells(floor.plan, side);
    std::string why = firstMismatch(floor, floor.squadMarks, squad, TEXT_SQUAD_MARK,
                                    squadStarts(floor.plan, squad));
    if (why.empty()) {
        const std::vector<CellPos> enemies = enemyStartCells(floor.plan, side);
        why = firstMismatch(floor, floor.enemyMarks, enemies, TEXT_ENEMY_MARK,
                            enemyStarts(floor.plan, enemies));
    }
    return why;
}
