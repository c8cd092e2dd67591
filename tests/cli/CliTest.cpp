// quorvinxvid-convert as scripts see it: exit status and standard output.

#include "support/MediaFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string tool()
{
    const char* bin = std::getenv("QVX_BIN_DIR");
    return testsupport::shellQuote(std::string(bin ? bin : ".") + "/quorvinxvid-convert");
}

struct ToolRun {
    int status;
    std::string out;  // stdout only
};

ToolRun run(const std::string& args)
{
    ToolRun result;
    result.status = testsupport::runCommand("(" + tool() + " " + args + " 2>/dev/null)", &result.out);
    return result;
}

TEST(Cli, ProbePrintsDurationSizeAndDescription)
{
    std::string clip = testsupport::makeClip({.name = "cli-probe.mkv", .seconds = 1, .extraArgs = {}});
    ToolRun r = run("--probe " + testsupport::shellQuote(clip));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Duration=", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nSize="), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Stream #0"), std::string::npos) << r.out;
}

TEST(Cli, ExitStatusTellsBadArgumentsFromFailures)
{
    struct Case {
        std::string args;
        int status;
    } cases[] = {
        {"", 2},
        {"--no-such-command", 2},
        {"--probe", 2},
        {"--probe /nonexistent/clip.avi", 1},
        {"--help", 0},
        {"--profile", 2},
        {"--profile 999 -o /tmp a.avi", 2},
        {"--profile 100 a.avi", 2},
        {"--profile 100 -o /tmp", 2},
        {"--profile 100 --jobs 0 -o /tmp a.avi", 2},
        {"--profile 100 --jobs many -o /tmp a.avi", 2},
        {"--profile 100 --priority fast -o /tmp a.avi", 2},
        {"--profile 100 --frame-size 1x1 -o /tmp a.avi", 2},
        {"--profile 100 --no-such-option -o /tmp a.avi", 2},
        {"--profile 100 -o /tmp /nonexistent/clip.avi", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.args).status, c.status) << "arguments: " << c.args;
}

}  // namespace
