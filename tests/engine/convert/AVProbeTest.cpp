#include "engine/convert/AVProbe.h"

#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using testsupport::ClipSpec;

TEST(AVProbe, DescribesDurationSizeAndEveryStream)
{
    std::string clip = testsupport::makeClip({.name = "probe-av.mp4", .seconds = 2, .width = 320, .height = 240,
                                              .extraArgs = "-c:v mpeg4 -c:a aac"});
    engine::AVProbe probe;
    ASSERT_TRUE(probe.LoadFile(clip)) << probe.LastErrMsg();
    EXPECT_NEAR(probe.FileStreamInfo().Duration, 2'000'000, 100'000);
    EXPECT_EQ(probe.FileSize(), static_cast<int64_t>(std::filesystem::file_size(clip)));
    const std::string& text = probe.FileInfoText();
    EXPECT_NE(text.find("mp4"), std::string::npos) << text;
    EXPECT_NE(text.find("Video: mpeg4"), std::string::npos) << text;
    EXPECT_NE(text.find("320x240"), std::string::npos) << text;
    EXPECT_NE(text.find("25 fps"), std::string::npos) << text;
    EXPECT_NE(text.find("Audio: aac"), std::string::npos) << text;
    EXPECT_NE(text.find("44100 Hz"), std::string::npos) << text;
    EXPECT_NE(text.find("2 channels"), std::string::npos) << text;
}

TEST(AVProbe, AudioOnlyFileIsMedia)
{
    ClipSpec spec;
    spec.name = "probe-a.wav";
    spec.width = 0;
    std::string clip = testsupport::makeClip(spec);
    engine::AVProbe probe;
    ASSERT_TRUE(probe.LoadFile(clip)) << probe.LastErrMsg();
    EXPECT_NEAR(probe.FileStreamInfo().Duration, 1'000'000, 50'000);
    EXPECT_EQ(probe.FileStreamInfo().VideoStreams, 0);
    EXPECT_EQ(probe.FileStreamInfo().AudioStreams, 1);
}

TEST(AVProbe, RefusesWhatIsNotMediaNamingTheFileAndReason)
{
    testsupport::TempDir dir;
    std::ofstream(dir.file("empty.avi")).flush();
    std::ofstream(dir.file("words.mp4")) << "these are words, not a movie\n";
    std::filesystem::create_directory(dir.file("folder.avi"));

    struct Case {
        std::string file;
        std::string reason;
    } cases[] = {
        {dir.file("missing.avi"), "does not exist"},
        {dir.file("empty.avi"), "empty"},
        {dir.file("words.mp4"), "Invalid data"},
        {dir.file("folder.avi"), "not a regular file"},
    };
    for (const Case& c : cases) {
        engine::AVProbe probe;
        EXPECT_FALSE(probe.LoadFile(c.file)) << c.file;
        EXPECT_NE(probe.LastErrMsg().find(c.file), std::string::npos) << probe.LastErrMsg();
        EXPECT_NE(probe.LastErrMsg().find(c.reason), std::string::npos) << probe.LastErrMsg();
    }
}

}  // namespace
