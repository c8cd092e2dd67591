// quorvinxvid-convert as scripts see it: exit status and standard output.

#include "support/Ffprobe.h"
#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

std::string q(const std::string& text)
{
    return testsupport::shellQuote(text);
}

TEST(Cli, ProfileConvertsEveryFileAndPrintsTheOutputPaths)
{
    testsupport::TempDir out;
    std::string a = testsupport::makeClip({.name = "cli-a.mkv", .seconds = 1, .extraArgs = {}});
    std::string b = testsupport::makeClip({.name = "cli-b.mp4", .seconds = 1, .extraArgs = {}});
    // An existing output keeps its file: the new one gets a numbered name.
    std::ofstream(out.file("cli-a.avi")) << "older";

    ToolRun r = run("--profile 100 --jobs 2 --priority lowest -o " + q(out.path().string()) + " " + q(a) + " " + q(b));
    EXPECT_EQ(r.status, 0);
    std::string expected[] = {out.file("cli-a_1.avi"), out.file("cli-b.avi")};
    for (const std::string& path : expected) {
        EXPECT_NE(r.out.find(path + "\n"), std::string::npos) << r.out;
        auto probed = testsupport::ffprobe(path);
        ASSERT_TRUE(probed) << path;
        EXPECT_EQ(probed->formatName, "avi");
        EXPECT_NEAR(probed->duration, 1.0, 0.15);
    }
    EXPECT_EQ(r.out.size(), expected[0].size() + expected[1].size() + 2) << "stdout holds only the output paths";

    ToolRun again = run("--profile 100 --overwrite -o " + q(out.path().string()) + " " + q(a));
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, out.file("cli-a.avi") + "\n");
    EXPECT_TRUE(testsupport::ffprobe(out.file("cli-a.avi")));
}

TEST(Cli, ProfileExitsOneWhenAnyFileFailsAndStillConvertsTheOthers)
{
    testsupport::TempDir out;
    std::string good = testsupport::makeClip({.name = "cli-good.wav", .seconds = 1, .width = 0, .height = 0,
                                              .frameRate = "25", .sampleRate = 44100, .channels = 2, .extraArgs = {}});
    std::string words = out.file("words.avi");
    std::ofstream(words) << "not a film";
    std::string both = "--profile 600 -o " + q(out.path().string()) + " " + q(words) + " " + q(good);
    ToolRun r = run(both);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, out.file("cli-good.mp3") + "\n");

    std::string errors;
    testsupport::runCommand("(" + tool() + " " + both + " --overwrite >/dev/null)", &errors);
    EXPECT_NE(errors.find(words), std::string::npos) << errors;
    EXPECT_NE(errors.find("cli-good.wav: finished"), std::string::npos) << errors;
}

}  // namespace
