// What a job's output options produce, judged by ffprobe: representative
// containers and codecs, the values fitted to what an encoder can take,
// the disc targets and the codecs this FFmpeg build lacks.

#include "RecordingObserver.h"
#include "engine/transcode/Transcoder.h"
#include "support/Ffprobe.h"
#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

using engine::TOutputOptions;
using testsupport::ffprobe;

namespace {

std::string source()
{
    return testsupport::makeClip({"transcode-320x240-25.mp4", 1.0, 320, 240, "25", 44100, 2, ""});
}

struct Expected {
    std::string format;       // ffprobe format_name
    std::string videoCodec;   // "" when the output has no video
    int width = 0;
    int height = 0;
    std::string frameRate;
    std::string audioCodec;
    int sampleRate = 0;
    int channels = 0;
    std::string videoTag = {};       // checked when given
    std::string displayAspect = {};  // checked when given
    std::string logged = {};         // a log line holding this text
};

struct Case {
    const char* name;
    const char* outputName;
    std::function<void(TOutputOptions&)> set;
    Expected expected;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class TranscodeOptions : public testing::TestWithParam<Case> {};

TEST_P(TranscodeOptions, ProduceTheFileAsked)
{
    const Case& c = GetParam();
    testsupport::TempDir dir;
    engine::TInputOptions input;
    input.FileName = source();
    TOutputOptions output;
    output.FileName = dir.file(c.outputName);
    c.set(output);

    testsupport::RecordingObserver observer;
    engine::TranscodeResult result = engine::transcode(input, output, observer);
    ASSERT_TRUE(result.finished) << result.error;
    EXPECT_FALSE(result.failed);

    auto probed = ffprobe(output.FileName);
    ASSERT_TRUE(probed);
    const Expected& e = c.expected;
    EXPECT_EQ(probed->formatName, e.format);
    EXPECT_NEAR(probed->duration, 1.0, 0.15);

    const auto* video = probed->firstOf("video");
    if (e.videoCodec.empty()) {
        EXPECT_EQ(video, nullptr);
    } else {
        ASSERT_NE(video, nullptr);
        EXPECT_EQ(video->codecName, e.videoCodec);
        EXPECT_EQ(video->width, e.width);
        EXPECT_EQ(video->height, e.height);
        EXPECT_EQ(video->frameRate, e.frameRate);
        if (!e.videoTag.empty()) {
            EXPECT_EQ(video->codecTag, e.videoTag);
        }
        if (!e.displayAspect.empty()) {
            EXPECT_EQ(video->displayAspect, e.displayAspect);
        }
    }
    const auto* audio = probed->firstOf("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codecName, e.audioCodec);
    EXPECT_EQ(audio->sampleRate, e.sampleRate);
    EXPECT_EQ(audio->channels, e.channels);
    EXPECT_TRUE(audio->language.empty() || audio->language == "und") << audio->language;
    if (!e.logged.empty()) {
        EXPECT_TRUE(observer.logged(e.logged)) << "no log line with: " << e.logged;
    }

    ASSERT_FALSE(observer.reports.empty());
    EXPECT_NEAR(observer.reports.back().currentDuration / 1e6, 1.0, 0.15);
    EXPECT_EQ(observer.reports.back().currentSize, int64_t(std::filesystem::file_size(output.FileName)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "temporary file left";
}

const Case cases[] = {
    {"Mpeg4AviWithDivxTag", "a.avi",
     [](TOutputOptions& o) {
         o.FileExt = ".avi"; o.VideoCodec = "mpeg4"; o.VideoTag = "DX50"; o.FrameRate = "25";
         o.VideoBitrate = 816000; o.AudioCodec = "libmp3lame"; o.AudioChannels = 2; o.AudioSampleRate = 44100;
         o.AudioBitrate = 128000;
     },
     {"avi", "mpeg4", 320, 240, "25/1", "mp3", 44100, 2, "DX50"}},
    {"X264Mp4ScaledToNtscRateWithFaacName", "a.mp4",
     [](TOutputOptions& o) {
         o.FileExt = ".mp4"; o.VideoCodec = "libx264"; o.VideoPreset = "libx264-default"; o.FrameSize = "640*360";
         o.FrameRate = "29.97"; o.VideoBitrate = 1200000; o.AudioCodec = "libfaac"; o.AudioSampleRate = 48000;
     },
     {"mov,mp4,m4a,3gp,3g2,mj2", "h264", 640, 360, "30000/1001", "aac", 48000, 2}},
    {"Mp3WithoutVideo", "a.mp3",
     [](TOutputOptions& o) {
         o.FileExt = ".mp3"; o.DisableVideo = true; o.AudioCodec = "libmp3lame"; o.AudioSampleRate = 48000;
         o.AudioBitrate = 128000;
     },
     {"mp3", "", 0, 0, "", "mp3", 48000, 2}},
    {"WmvInAsfByExtension", "a.wmv",
     [](TOutputOptions& o) {
         o.FileExt = ".asf"; o.VideoCodec = "wmv2"; o.AudioCodec = "wmav2"; o.FrameRate = "25";
     },
     {"asf", "wmv2", 320, 240, "25/1", "wmav2", 44100, 2}},
    {"DvdTargetNtscWinsOverJobValues", "a.mpg",
     [](TOutputOptions& o) {
         o.TargetType = engine::TOptionTargetType::ttDVD; o.NormType = engine::TOptionNormType::ntNTSC;
         o.FrameSize = "704*480"; o.FrameRate = "25"; o.AudioSampleRate = 44100;
     },
     {"mpeg", "mpeg2video", 720, 480, "30000/1001", "ac3", 48000, 2}},
    {"VcdTargetNormFromPalSource", "a.mpg",
     [](TOutputOptions& o) { o.TargetType = engine::TOptionTargetType::ttVCD; },
     {"mpeg", "mpeg1video", 352, 288, "25/1", "mp2", 44100, 2}},
    {"AmrNbThroughOpencore", "a.amr",
     [](TOutputOptions& o) {
         o.FileExt = ".amr"; o.DisableVideo = true; o.AudioCodec = "libopencore_amrnb"; o.AudioChannels = 1;
         o.AudioSampleRate = 8000; o.AudioBitrate = 7400;
     },
     {"amr", "", 0, 0, "", "amr_nb", 8000, 1}},
    {"AacInProgramStreamFallsBackToMp2", "a.vob",
     [](TOutputOptions& o) {
         o.FileExt = ".vob"; o.FrameSize = "640*480"; o.FrameRate = "25"; o.AudioCodec = "libfaac";
         o.AudioSampleRate = 48000;
     },
     {"mpeg", "mpeg2video", 640, 480, "25/1", "mp2", 48000, 2, {}, {}, "cannot hold aac"}},
    {"Mpeg1TakesNearestStandardRate", "a.mpg",
     [](TOutputOptions& o) { o.FileExt = ".mpg"; o.VideoCodec = "mpeg1video"; o.FrameRate = "13.00"; },
     {"mpeg", "mpeg1video", 320, 240, "24000/1001", "mp2", 44100, 2}},
    {"OddSizeRoundedForYuv420AndAspectSet", "a.mp4",
     [](TOutputOptions& o) {
         o.FileExt = ".mp4"; o.VideoCodec = "libx264"; o.VideoPreset = "libx264-default"; o.FrameSize = "321*241";
         o.FrameAspectRatio = "16:9";
     },
     {"mov,mp4,m4a,3gp,3g2,mj2", "h264", 320, 240, "25/1", "aac", 44100, 2, {}, "16:9"}},
    {"TagTheContainerRefusesIsDropped", "a.mp4",
     [](TOutputOptions& o) { o.FileExt = ".mp4"; o.VideoCodec = "mpeg4"; o.VideoTag = "XVID"; },
     {"mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 320, 240, "25/1", "aac", 44100, 2, "mp4v", {}, "tag XVID"}},
    {"Ac3TakesNearestSampleRateAndMono", "a.ac3",
     [](TOutputOptions& o) { o.FileExt = ".ac3"; o.DisableVideo = true; o.AudioSampleRate = 22050; o.AudioChannels = 1; },
     {"ac3", "", 0, 0, "", "ac3", 32000, 1}},
    {"WavHoldsNoVideo", "a.wav",
     [](TOutputOptions& o) { o.FileExt = ".wav"; },
     {"wav", "", 0, 0, "", "pcm_s16le", 44100, 2, {}, {}, "holds no video"}},
    {"FileFormatWinsOverExtension", "a.bin",
     [](TOutputOptions& o) { o.FileFormat = "matroska"; o.FileExt = ".avi"; o.VideoCodec = "mpeg4"; },
     {"matroska,webm", "mpeg4", 320, 240, "25/1", "vorbis", 44100, 2}},
};

INSTANTIATE_TEST_SUITE_P(Representative, TranscodeOptions, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

int countedVideoFrames(const std::string& path)
{
    std::string output;
    testsupport::runCommand("ffprobe -v error -count_packets -select_streams v:0 -show_entries "
                            "stream=nb_read_packets -of csv=p=0 " + testsupport::shellQuote(path), &output);
    return std::atoi(output.c_str());
}

// The last frame of the source is converted too: at an unchanged rate
// every frame arrives, and at 30000/1001 the whole second is filled.
TEST(TranscodeWholeSource, KeepsEveryFrameUpToTheEnd)
{
    struct Case { const char* rate; int frames; };
    for (const Case& c : {Case{"", 25}, Case{"29.97", 30}}) {
        testsupport::TempDir dir;
        engine::TInputOptions input;
        input.FileName = source();
        TOutputOptions output;
        output.FileName = dir.file("whole.avi");
        output.VideoCodec = "mpeg4";
        output.FrameRate = c.rate;
        testsupport::RecordingObserver observer;
        engine::TranscodeResult result = engine::transcode(input, output, observer);
        ASSERT_TRUE(result.finished) << result.error;
        EXPECT_EQ(countedVideoFrames(output.FileName), c.frames) << "rate '" << c.rate << "'";
        EXPECT_EQ(observer.reports.back().frameNumber, c.frames);
        EXPECT_EQ(observer.previewFrames, 25);
    }
}

// Two transport streams joined byte by byte, the second smaller and with
// timestamps that overlap the first: the picture keeps the first piece's
// size and the output's timestamps keep increasing.
TEST(TranscodeWholeSource, CarriesOnAcrossJoinedPiecesOfAnotherSize)
{
    std::string first = testsupport::makeClip(
        {"joined-part1.ts", 1.0, 320, 240, "25", 44100, 2, "-c:v mpeg2video -c:a mp2"});
    std::string second = testsupport::makeClip(
        {"joined-part2.ts", 1.0, 160, 120, "25", 44100, 2, "-c:v mpeg2video -c:a mp2 -output_ts_offset 0.96"});
    testsupport::TempDir dir;
    engine::TInputOptions input;
    input.FileName = dir.file("joined.ts");
    {
        std::ofstream joined(input.FileName, std::ios::binary);
        joined << std::ifstream(first, std::ios::binary).rdbuf() << std::ifstream(second, std::ios::binary).rdbuf();
    }
    TOutputOptions output;
    output.FileName = dir.file("joined.avi");
    output.VideoCodec = "mpeg4";
    testsupport::RecordingObserver observer;
    engine::TranscodeResult result = engine::transcode(input, output, observer);
    ASSERT_TRUE(result.finished) << result.error;

    auto probed = ffprobe(output.FileName);
    ASSERT_TRUE(probed);
    ASSERT_NE(probed->firstOf("video"), nullptr);
    EXPECT_EQ(probed->firstOf("video")->width, 320);
    EXPECT_EQ(probed->firstOf("video")->height, 240);
    EXPECT_NEAR(probed->duration, 2.0, 0.2);
    EXPECT_GE(countedVideoFrames(output.FileName), 48);
}

// MP3 in AVI counts time in whole MP3 frames; re-cut into the AAC
// encoder's smaller frames, the audio must still get distinct times.
TEST(TranscodeAudioClock, MpegAudioFramesRecutForAacKeepTheirOrder)
{
    std::string mp3InAvi = testsupport::makeClip(
        {.name = "transcode-mp3-in-avi.avi", .seconds = 2, .width = 0, .extraArgs = "-c:a libmp3lame"});
    testsupport::TempDir dir;
    engine::TInputOptions input;
    input.FileName = mp3InAvi;
    TOutputOptions output;
    output.FileName = dir.file("recut.mp4");
    testsupport::RecordingObserver observer;
    engine::TranscodeResult result = engine::transcode(input, output, observer);
    ASSERT_TRUE(result.finished) << result.error;
    auto probed = ffprobe(output.FileName);
    ASSERT_TRUE(probed);
    const auto* audio = probed->firstOf("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codecName, "aac");
    EXPECT_EQ(audio->sampleRate, 44100);
    EXPECT_NEAR(probed->duration, 2.0, 0.1);
}

}  // namespace
