// The playtest's figures over many games: per strategy and floor, how many
// games reached the floor, the shares completed, lost and stalled there, and
// the mean rounds, soldiers lost, shots, hits and kills of those games.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "playtest_game.h"

class CampaignTable {
  public:
    void add(const std::string& strategy, const GameRecord& game);
    // A header and one row per strategy and floor reached.
    std::string text() const;
    // One line per strategy: "run: completed 12 of 200 games".
    std::string summary() const;

  private:
    struct FloorSums {
        int32_t reached = 0, completed = 0, lost = 0, stalled = 0;
        int64_t rounds = 0, soldiersLost = 0, shots = 0, hits = 0, killed = 0;
    };
    struct Row {
        std::string strategy;
        int32_t games = 0, completed = 0;
        std::vector<int32_t> floorNumbers;
        std::vector<FloorSums> floors;
    };
    std::vector<Row> rows;
    Row& rowOf(const std::string& strategy);
};
