#include "playtest_table.h"

#include <cstdio>

namespace {
constexpr const char* HEADER = "strategy floor games completed   lost stalled rounds"
                               " soldiers-lost  shots  hits killed\n";

std::string percent(int32_t part, int32_t whole) {
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", whole > 0 ? (100 * part + whole / 2) / whole : 0);
    return text;
}

double mean(int64_t sum, int32_t n) {
    return n > 0 ? static_cast<double>(sum) / n : 0.0;
}
} // namespace

CampaignTable::Row& CampaignTable::rowOf(const std::string& strategy) {
    for (Row& r : rows)
        if (r.strategy == strategy)
            return r;
    rows.push_back(Row{});
    rows.back().strategy = strategy;
    return rows.back();
}

void CampaignTable::add(const std::string& strategy, const GameRecord& game) {
    Row& row = rowOf(strategy);
    ++row.games;
    row.completed += game.completed;
    for (size_t i = 0; i < game.floors.size(); ++i) {
        const FloorRecord& f = game.floors[i];
        if (row.floors.size() <= i) {
            row.floors.emplace_back();
            row.floorNumbers.push_back(f.floor);
        }
        FloorSums& s = row.floors[i];
        ++s.reached;
        s.completed += f.outcome == FloorOutcome::COMPLETED;
        s.lost += f.outcome == FloorOutcome::LOST;
        s.stalled += f.outcome == FloorOutcome::STALLED;
        s.rounds += f.rounds;
        s.soldiersLost += f.soldiersLost;
        s.shots += f.shots;
        s.hits += f.hits;
        s.killed += f.killed;
    }
}

std::string CampaignTable::text() const {
    std::string out = HEADER;
    for (const Row& row : rows)
        for (size_t i = 0; i < row.floors.size(); ++i) {
            const FloorSums& s = row.floors[i];
            char line[160];
            std::snprintf(line, sizeof line,
                          "%-8s %5d %5d %9s %6s %7s %6.1f %13.2f %6.1f %5.1f %6.1f\n",
                          row.strategy.c_str(), row.floorNumbers[i], s.reached,
                          percent(s.completed, s.reached).c_str(),
                          percent(s.lost, s.reached).c_str(), percent(s.stalled, s.reached).c_str(),
                          mean(s.rounds, s.reached), mean(s.soldiersLost, s.reached),
                          mean(s.shots, s.reached), mean(s.hits, s.reached),
                          mean(s.killed, s.reached));
            out += line;
        }
    return out;
}

std::string CampaignTable::summary() const {
    std::string out;
    for (const Row& row : rows)
        out += row.strategy + ": completed " + std::to_string(row.completed) + " of " +
               std::to_string(row.games) + " games\n";
    return out;
}
