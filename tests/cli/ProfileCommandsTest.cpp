// --list-profiles and --show-profile, in process and through the tool.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "ProfileCommands.h"
#include "profiles/Profiles.h"
#include "support/MediaFixture.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct Shown {
    int status;
    std::string out, err;
};

Shown show(const cli::Arguments& args) {
    std::ostringstream out, err;
    const int status = cli::showProfile(args, out, err);
    return {status, out.str(), err.str()};
}

bool hasLine(const std::string& text, const std::string& line) {
    for (const std::string& l : linesOf(text)) {
        if (l == line) return true;
    }
    return false;
}

}  // namespace

TEST(ListProfiles, OneTabSeparatedLinePerProfileInSelectorOrder) {
    std::ostringstream out;
    EXPECT_EQ(cli::listProfiles(out), cli::ExitOk);
    const auto lines = linesOf(out.str());
    const auto ids = profiles::allProfiles();
    ASSERT_EQ(lines.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::to_string(profiles::rowProfileNumberOf(ids[i])) + "\t", 0), 0u) << lines[i];
    }
    EXPECT_EQ(lines.front(), "100\t1600\t.avi\tAVI视频\tAVI标准视频(*.avi)");
    EXPECT_TRUE(hasLine(out.str(), "514\t114\t.rm\t电脑视频\tRM - REAL视频格式(*.rm)"));
    EXPECT_TRUE(hasLine(out.str(), "606\t206\t.ra\t经典音频\tRA - RealAudio音频格式(*.ra)"));
}

TEST(ShowProfile, DefaultsOfAVideoAndAnAudioProfile) {
    const Shown avi = show({"100"});
    EXPECT_EQ(avi.status, cli::ExitOk) << avi.err;
    for (const char* line : {"Video_FileExt=.avi", "Video_VideoBitrate=816000", "Video_DisableVideo=False",
                             "Video_FrameRate=25.00", "Video_FrameSize=", "All_Trant_Number=1600"}) {
        EXPECT_TRUE(hasLine(avi.out, line)) << line << "\n" << avi.out;
    }
    EXPECT_EQ(linesOf(avi.out).back(), "Preset=000310000904");

    const Shown mp3 = show({"600"});
    EXPECT_TRUE(hasLine(mp3.out, "Video_DisableVideo=True")) << mp3.out;
    EXPECT_TRUE(hasLine(mp3.out, "Video_VideoBitrate=-1000")) << mp3.out;
    EXPECT_EQ(linesOf(mp3.out).back(), "Preset=000010000004");
}

TEST(ShowProfile, PresetOptionsChooseEntriesByText) {
    const Shown s = show({"100", "--frame-size", "320*240", "--video-bitrate", "528 kbps", "--aspect",
                          "普通视频4:3模式", "--audio-bitrate", "96 kbps", "--sample-rate", "32000"});
    EXPECT_EQ(s.status, cli::ExitOk) << s.err;
    for (const char* line : {"Video_FrameSize=320*240", "Video_VideoBitrate=528000", "Video_FrameAspectRatio=4:3",
                             "Video_AudioBitrate=96000", "Video_AudioSampleRate=32000", "Preset=040208010903"}) {
        EXPECT_TRUE(hasLine(s.out, line)) << line << "\n" << s.out;
    }
}

TEST(ShowProfile, BadArgumentsNameTheValidChoices) {
    const struct {
        cli::Arguments args;
        std::vector<std::string> mentions;
    } cases[] = {
        {{"107"}, {"107", "100-106", "1100-1103"}},
        {{"fast"}, {"fast", "100-106"}},
        {{"100x"}, {"100x"}},
        {{"100", "--frame-size", "999*1"}, {"999*1", "\"保持原分辨率\"", "\"2560*1600\""}},
        {{"509", "--frame-size", "保持原分辨率"}, {"\"112*96\"", "\"320*240\""}},
        {{"612", "--audio-bitrate", "128 kbps"}, {"\"4.75 kbps\"", "\"12.2 kbps\""}},
        {{"100", "--frame-rate"}, {"--frame-rate", "frame rate"}},
        {{"100", "--speed", "9"}, {"--speed"}},
        {{}, {"--show-profile ROW"}},
    };
    for (const auto& c : cases) {
        const Shown s = show(c.args);
        EXPECT_EQ(s.status, cli::ExitBadArguments) << s.out;
        EXPECT_EQ(s.out, "");
        for (const std::string& m : c.mentions) EXPECT_NE(s.err.find(m), std::string::npos) << m << " in " << s.err;
    }
}

TEST(ProfileCommandsTool, DispatchesBothCommands) {
    const char* bin = std::getenv("QVX_BIN_DIR");
    const std::string tool = testsupport::shellQuote(std::string(bin ? bin : ".") + "/quorvinxvid-convert");
    std::string out;
    EXPECT_EQ(testsupport::runCommand(tool + " --list-profiles 2>/dev/null", &out), 0);
    EXPECT_EQ(linesOf(out).size(), 114u);
    EXPECT_EQ(testsupport::runCommand(tool + " --show-profile 1009 2>/dev/null", &out), 0);
    EXPECT_TRUE(hasLine(out, "Video_VideoCodec=libxvid")) << out;
    EXPECT_EQ(testsupport::runCommand(tool + " --show-profile 1009 --aspect 16:9 2>/dev/null", &out), 2);
}
