// The playtest bot's ways of playing a soldier's turn. A strategy only looks at
// the game state and names a command; the game's own turn loop carries it out.
// Its choices come from its own generator, never from the game's.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "world/game_state.h"

enum class CommandKind { END_TURN, MOVE, ATTACK };

struct Command {
    CommandKind kind;
    Cell cell;
};

class Strategy {
  public:
    explicit Strategy(uint32_t seed) : random(seed) {}
    virtual ~Strategy() = default;
    // The command for the soldier whose turn it is.
    virtual Command choose() = 0;

  protected:
    std::mt19937 random;
    int32_t below(int32_t n) { return static_cast<int32_t>(random() % static_cast<uint32_t>(n)); }
};

// run, fight, random; null for an unknown name.
std::unique_ptr<Strategy> makeStrategy(const std::string& name, uint32_t seed);
const std::vector<std::string>& strategyNames();

// Steps over open floor (walls and cover closed, units ignored) from every
// cell to the nearest of the given cells; -1 where none can be reached.
// The bot's own planning: where a unit may really go is the game's business.
std::vector<int32_t> stepsTo(const std::vector<Cell>& goals);
