// The game's rules for the path search in one include, for code that uses
// several of them: passability, stepping and sight, and the search itself.
#pragma once

#include "path/passability.h"
#include "path/path_search.h"
#include "path/sight_test.h"
#include "path/stepping.h"
