#include "world/mission_list.h"

#include <cstdio>

#include "world/text_tokens.h"

namespace {
// A number cut short ("2x") is refused like any other word that is no number.
std::string malformed(const char* what, const std::string& text) {
    return "has a malformed " + std::string(what) + " \"" + printableWord(text) + "\"";
}

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
        switch (readNumber(file, value, text)) {
        case NumberRead::OK:
            return true;
        case NumberRead::END:
            why = "ends before the " + std::string(what) + where();
            return false;
        default:
            why = malformed(what, text) + where();
            return false;
        }
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

bool readFloorCount(std::FILE* file, int32_t& count, std::string& why) {
    std::string text;
    switch (readNumber(file, count, text)) {
    case NumberRead::OK:
        break;
    case NumberRead::END:
        why = "has no floor count";
        return false;
    default:
        why = malformed("floor count", text);
        return false;
    }
    if (count < 1) {
        why = "lists no floors";
        return false;
    }
    return true;
}

bool readRecords(std::FILE* file, int32_t n, int32_t count, FloorPlan& plan,
                 std::string& why) {
    Reader reader{file, 0, why};
    FloorPlan record;
    for (int32_t floor = 1; floor <= n && floor <= count; ++floor) {
        reader.floor = floor;
        if (!reader.record(record))
            return false;
    }
    if (n <= count)
        plan = record;
    return true;
}
} // namespace

bool readMissionList(const char* path, int32_t n, int32_t& listed, FloorPlan& plan,
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
        listed = count;
    return ok;
}
