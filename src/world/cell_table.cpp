#include "world/cell_table.h"

const CellKind& cellKind(int32_t code) {
    return code >= 0 && code <= CELL_CODE_MAX ? CELL_TABLE[code] : CELL_TABLE[0];
}

int32_t cellCodeOf(char mapChar) {
    for (int32_t code = 0; code <= CELL_CODE_MAX; ++code)
        if (CELL_TABLE[code].mapChar == mapChar)
            return code;
    return -1;
}
