// Plays the campaign of a run directory with the bot's strategies and tells
// how each floor went: the figures the floors are designed by.
//
//   playtest [--strategy run|fight|random] [--games N] [--seed N] [--floor N]
//            [--trace] [RUN_DIR]
//
// RUN_DIR is a directory the game runs in (Mission.dat and the maps under
// Data/Missions, stats.txt, init.txt); the default is the working directory.
// One game prints a line per floor; more games print the table of shares.
// --trace prints every command the bot gives.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "playtest_game.h"
#include "playtest_table.h"

namespace {
constexpr int32_t DEFAULT_GAMES = 200;
constexpr uint32_t DEFAULT_SEED = 1;
constexpr int32_t GAMES_MAX = 1000000;

struct Options {
    std::vector<std::string> strategies = strategyNames();
    int32_t games = DEFAULT_GAMES;
    uint32_t seed = DEFAULT_SEED;
    int32_t floor = 0; // 0: the whole campaign
    std::string runDir = ".";
};

int usage(const std::string& why) {
    std::fprintf(stderr,
                 "playtest: %s\n"
                 "usage: playtest [--strategy run|fight|random] [--games N] [--seed N] "
                 "[--floor N] [--trace] [RUN_DIR]\n",
                 why.c_str());
    return 2;
}

bool number(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= low && value <= high;
}

bool refuse(std::string& why, const std::string& reason) {
    why = reason;
    return false;
}

bool parse(int argc, char** argv, Options& o, std::string& why) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long v = 0;
        if (arg == "--strategy" && hasValue) {
            o.strategies = {argv[++i]};
            if (!makeStrategy(o.strategies[0], 0))
                return refuse(why, "no strategy '" + o.strategies[0] + "'");
        } else if (arg == "--games" && hasValue) {
            if (!number(argv[++i], 1, GAMES_MAX, v))
                return refuse(why, "--games takes 1 to " + std::to_string(GAMES_MAX));
            o.games = static_cast<int32_t>(v);
        } else if (arg == "--seed" && hasValue) {
            if (!number(argv[++i], 0, UINT32_MAX, v))
                return refuse(why, "--seed takes 0 to " + std::to_string(UINT32_MAX));
            o.seed = static_cast<uint32_t>(v);
        } else if (arg == "--trace") {
            setCommandTrace(true);
        } else if (arg == "--floor" && hasValue) {
            if (!number(argv[++i], 1, INT32_MAX, v))
                return refuse(why, "--floor takes a floor number from 1");
            o.floor = static_cast<int32_t>(v);
        } else if (arg.rfind("--", 0) == 0) {
            return refuse(why, "unknown or incomplete option " + arg);
        } else if (o.runDir == ".") {
            o.runDir = arg;
        } else {
            return refuse(why, "one run directory only");
        }
    }
    return true;
}

// Game g of every strategy draws from seed + g: a game is replayed by its seed.
bool playAll(const Options& o, CampaignTable& table, std::string& why) {
    for (const std::string& name : o.strategies)
        for (int32_t g = 0; g < o.games; ++g) {
            const uint32_t seed = o.seed + static_cast<uint32_t>(g);
            auto strategy = makeStrategy(name, seed);
            GameRecord game;
            if (!playGame(*strategy, o.floor > 0 ? o.floor : 1, o.floor > 0, game, why))
                return refuse(why, name + " game with seed " + std::to_string(seed) + ": " + why);
            if (o.games == 1) {
                std::printf("%s, seed %u\n", name.c_str(), seed);
                for (const FloorRecord& r : game.floors)
                    std::printf("  %s\n", describeFloor(r).c_str());
            }
            table.add(name, game);
        }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    Options o;
    std::string why;
    if (!parse(argc, argv, o, why))
        return usage(why);
    if (chdir(o.runDir.c_str()) != 0) {
        std::fprintf(stderr, "playtest: %s cannot be entered\n", o.runDir.c_str());
        return 1;
    }
    CampaignTable table;
    if (!preparePlaytest(why) || !playAll(o, table, why)) {
        std::fprintf(stderr, "playtest: %s: %s\n", o.runDir.c_str(), why.c_str());
        return 1;
    }
    if (o.games > 1)
        std::fputs(table.text().c_str(), stdout);
    std::fputs(table.summary().c_str(), stdout);
    return 0;
}
