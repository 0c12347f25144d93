#include "path/movement_rules.h"

PathSearch pathSearch;
