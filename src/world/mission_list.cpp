#include "world/mission_list.h"

#include <cstdio>

#include "world/text_tokens.h"

namespace {
struct Reader {
    std::FILE* file;
    int32_t floor; // the floor whose record is being read, 0 before any
    std::string& why;

    std::string where() const { return " for floor " + std::to_string(floor); }

    bool word(size_t maxLength, const char* what, std::string& out) {
        switch (readWord(file, maxLength, out)) {
        case WordRead::OK:
            return true;
        case WordRead::END:
            why = "ends before the " + std::string(what) + where();
            break;
        case WordRead::TOO_LONG:
            why = "has a " + std::string(what) + " over " + std::to_string(maxLength) +
                  " characters" + where();
            break;
        }
        return false;
    }

    bool label() {
        std::string ignored;
        return word(WORD_LENGTH_MAX, "label", ignored);
    }

    bool integer(const char* what, int32_t& value) {
        std::string text;
        if (!word(WORD_LENGTH_MAX, what, text))
            return false;
        if (parseInteger(text, value))
            return true;
        why = "has a malformed " + std::string(what) + " \"" + printableWord(text) + "\"" + where();
        return false;
    }

    // A control character in the path would open another file than the one
    // named, or break the line that names it.
    bool mapPath(std::string& path) {
        if (!word(MAP_PATH_LENGTH_MAX, "map path", path))
            return false;
        if (!hasControlCharacter(path))
            return true;
        why = "has a map path with a control character \"" + printableWord(path) + "\"" + where();
        return false;
    }

    bool record(FloorPlan& plan) {
        return label() && mapPath(plan.mapPath) && label() &&
               integer("unit count", plan.unitCount) && label() &&
               integer("squad size", plan.squadSize) && label() &&
               integer("medkit count", plan.medkitCount);
    }
};

bool readFloorCount(std::FILE* file, int32_t& floorCount, std::string& why) {
    std::string text;
    if (readWord(file, WORD_LENGTH_MAX, text) != WordRead::OK) {
        why = "has no floor count";
        return false;
    }
    if (!parseInteger(text, floorCount)) {
        why = "has a malformed floor count \"" + printableWord(text) + "\"";
        return false;
    }
    if (floorCount < 1) {
        why = "lists no floors";
        return false;
    }
    return true;
}

bool readRecords(std::FILE* file, int32_t n, int32_t floorCount, FloorPlan& plan,
                 std::string& why) {
    Reader reader{file, 0, why};
    FloorPlan record;
    for (int32_t floor = 1; floor <= n && floor <= floorCount; ++floor) {
        reader.floor = floor;
        if (!reader.record(record))
            return false;
    }
    if (n <= floorCount)
        plan = record;
    return true;
}
} // namespace

bool readMissionList(const char* path, int32_t n, int32_t& floorCount, FloorPlan& plan,
                     std::string& why) {
    if (n < 1) {
        why = "has no floor " + std::to_string(n);
        return false;
    }
    std::FILE* file = std::fopen(path, "r");
    if (!file) {
        why = "cannot be opened";
        return false;
    }
    int32_t count = 0;
    const bool ok = readFloorCount(file, count, why) && readRecords(file, n, count, plan, why);
    std::fclose(file);
    if (ok)
        floorCount = count;
    return ok;
}
