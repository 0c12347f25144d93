// The last line of `make test`, which CI reads, and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct StageRun {
    std::string output;
    int status;
};

// Runs the summary over stages that each print the given text and exit with the given code.
StageRun summarize(const std::string& stages) {
    const std::string command =
        "bash " PROWLGRID_SOURCE_DIR "/tools/test_summary.sh " + stages + " 2>&1";
    StageRun run{"", -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

std::string lastLine(const std::string& text) {
    const size_t end = text.find_last_not_of('\n');
    if (end == std::string::npos)
        return "";
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

const char* const GREEN = "'echo \"100% tests passed, 0 tests failed out of 12\"' ";
const char* const ONE_RED =
    "'echo \"90% tests passed, 1 tests failed out of 10\"; exit 8' ";
const char* const NO_BUILD = "'echo \"error: no such file\"; exit 2' ";

} // namespace

TEST(TestSummary, SumsEveryStageAndFailsWhenAnyStageFailed) {
    StageRun all = summarize(std::string(GREEN) + GREEN);
    EXPECT_EQ(lastLine(all.output), "24 passed, 0 failed");
    EXPECT_EQ(all.status, 0);

    // A failed test in an early stage does not stop the later ones.
    StageRun red = summarize(std::string(ONE_RED) + GREEN);
    EXPECT_EQ(lastLine(red.output), "21 passed, 1 failed");
    EXPECT_NE(red.output.find("90% tests passed"), std::string::npos);
    EXPECT_NE(red.status, 0);

    // A stage that breaks before any test ran still counts as failed.
    StageRun broken = summarize(std::string(GREEN) + NO_BUILD);
    EXPECT_EQ(lastLine(broken.output), "12 passed, 1 failed");
    EXPECT_NE(broken.output.find("error: no such file"), std::string::npos);
    EXPECT_NE(broken.status, 0);
}
