// The mission list: floorCount, then per floor the map path and the
// unit, squad and medkit counts, each behind a label word.
#pragma once

#include <cstdint>
#include <string>

struct FloorPlan {
    std::string mapPath;
    int32_t unitCount = 0;
    int32_t squadSize = 0;
    int32_t medkitCount = 0;
};
