// Every profile of the catalogue, with its default preset choices, turns a
// short stereo clip into the file the profile asks for. The expectations
// come from the profile's own fields; ffprobe judges the result.

#include "RecordingObserver.h"
#include "engine/transcode/Transcoder.h"
#include "profiles/Profiles.h"
#include "support/Ffprobe.h"
#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

using engine::TOptionTargetType;

// How ffprobe names the demuxer of each container extension the catalogue uses.
const std::map<std::string, std::string> probedFormatOfExtension = {
    {".avi", "avi"}, {".mkv", "matroska,webm"}, {".mp4", "mov,mp4,m4a,3gp,3g2,mj2"},
    {".mov", "mov,mp4,m4a,3gp,3g2,mj2"}, {".3gp", "mov,mp4,m4a,3gp,3g2,mj2"},
    {".m4a", "mov,mp4,m4a,3gp,3g2,mj2"}, {".asf", "asf"}, {".wmv", "asf"}, {".wma", "asf"},
    {".mpg", "mpeg"}, {".vob", "mpeg"}, {".rm", "rm"}, {".ra", "rm"}, {".mp3", "mp3"}, {".mp2", "mp3"},
    {".wav", "wav"}, {".aac", "aac"}, {".ogg", "ogg"}, {".ac3", "ac3"}, {".aiff", "aiff"},
    {".flac", "flac"}, {".amr", "amr"}, {".flv", "flv"}, {".swf", "swf"},
};

// The codec ffprobe reports for an encoder name of the catalogue; for an
// empty name, the default of the container.
std::string probedCodecOf(const std::string& encoder, const std::string& extension, AVMediaType type)
{
    if (encoder == "libfaac")
        return "aac";
    if (encoder == "libopencore_amrnb")
        return "amr_nb";
    if (!encoder.empty()) {
        const AVCodec* codec = avcodec_find_encoder_by_name(encoder.c_str());
        return codec ? avcodec_get_name(codec->id) : "unknown encoder " + encoder;
    }
    const AVOutputFormat* container = av_guess_format(nullptr, ("x" + extension).c_str(), nullptr);
    return container ? avcodec_get_name(av_guess_codec(container, nullptr, nullptr, nullptr, type)) : "?";
}

struct Expected {
    std::string format;
    std::string videoCodec;  // empty: no video
    int width = 320;
    int height = 240;
    double frameRate = 25;
    std::string audioCodec;
    int sampleRate = 44100;
    int channels = 2;
};

Expected expectedOf(const profiles::ProfileFields& f, const std::string& outputExtension)
{
    Expected e;
    const std::string container = f.Video_FileExt.empty() ? outputExtension : f.Video_FileExt;
    auto target = profiles::targetTypeOf(f.Video_TargetType);
    if (target != TOptionTargetType::ttIgnore) {
        // The standard PAL disc streams (the catalogue's disc profiles are PAL).
        e.format = "mpeg";
        e.frameRate = 25;
        e.videoCodec = target == TOptionTargetType::ttVCD ? "mpeg1video" : "mpeg2video";
        e.width = target == TOptionTargetType::ttVCD ? 352 : target == TOptionTargetType::ttSVCD ? 480 : 720;
        e.height = target == TOptionTargetType::ttVCD ? 288 : 576;
        e.audioCodec = target == TOptionTargetType::ttDVD ? "ac3" : "mp2";
        e.sampleRate = target == TOptionTargetType::ttDVD ? 48000 : 44100;
        return e;
    }
    e.format = probedFormatOfExtension.count(container) ? probedFormatOfExtension.at(container) : "?" + container;
    if (!f.Video_DisableVideo)
        e.videoCodec = probedCodecOf(f.Video_VideoCodec, container, AVMEDIA_TYPE_VIDEO);
    e.audioCodec = probedCodecOf(f.Video_AudioCodec, container, AVMEDIA_TYPE_AUDIO);
    // A program stream cannot hold AAC; it gets the container's own codec.
    if (e.format == "mpeg" && e.audioCodec == "aac")
        e.audioCodec = "mp2";
    if (!f.Video_FrameSize.empty()) {
        size_t separator = f.Video_FrameSize.find('*');
        e.width = std::stoi(f.Video_FrameSize.substr(0, separator)) / 2 * 2;
        e.height = std::stoi(f.Video_FrameSize.substr(separator + 1)) / 2 * 2;
    }
    if (!f.Video_FrameRate.empty())
        e.frameRate = std::stod(f.Video_FrameRate);
    if (!f.Video_AudioSampleRate.empty())
        e.sampleRate = std::stoi(f.Video_AudioSampleRate);
    if (!f.Video_AudioChannels.empty())
        e.channels = std::stoi(f.Video_AudioChannels);
    return e;
}

// The duration of a container that states none (SWF): its video frames
// counted by ffprobe, at the expected rate.
double durationByCountedFrames(const std::string& path, double frameRate)
{
    std::string output;
    testsupport::runCommand("ffprobe -v error -count_packets -select_streams v:0 -show_entries "
                            "stream=nb_read_packets -of csv=p=0 " + testsupport::shellQuote(path), &output);
    return std::atof(output.c_str()) / frameRate;
}

class CatalogueProfile : public testing::TestWithParam<profiles::ProfileId> {};

TEST_P(CatalogueProfile, ConvertsTheClipIntoWhatTheProfileAsks)
{
    const profiles::ProfileId id = GetParam();
    const int row = profiles::rowProfileNumberOf(id);
    const std::string extension = profiles::outputExtensionOf(profiles::captionOf(id));
    profiles::ProfileFields fields = profiles::defaultsFor(row);
    engine::TOutputOptions output = profiles::outputOptionsOf(fields);
    if (!fields.Video_FileExt.empty())
        output.FileExt = fields.Video_FileExt;  // as the submission of a batch applies it
    testsupport::TempDir dir;
    output.FileName = dir.file("clip" + extension);
    engine::TInputOptions input;
    input.FileName = testsupport::makeClip({"catalogue-320x240-25.mp4", 1.0, 320, 240, "25", 44100, 2, ""});

    testsupport::RecordingObserver observer;
    engine::TranscodeResult result = engine::transcode(input, output, observer);
    ASSERT_TRUE(result.finished) << "profile " << row << ": " << result.error;

    auto probed = testsupport::ffprobe(output.FileName);
    ASSERT_TRUE(probed);
    const Expected e = expectedOf(fields, extension);
    EXPECT_EQ(probed->formatName, e.format);
    double duration = probed->duration > 0 || e.videoCodec.empty()
                          ? probed->duration
                          : durationByCountedFrames(output.FileName, e.frameRate);
    EXPECT_NEAR(duration, 1.0, 0.2);
    const auto* video = probed->firstOf("video");
    if (e.videoCodec.empty()) {
        EXPECT_EQ(video, nullptr);
    } else if (video) {
        EXPECT_EQ(video->codecName, e.videoCodec);
        EXPECT_EQ(video->width, e.width);
        EXPECT_EQ(video->height, e.height);
        EXPECT_NEAR(testsupport::rationalValue(video->frameRate), e.frameRate, 0.01) << video->frameRate;
    } else {
        ADD_FAILURE() << "no video stream";
    }
    const auto* audio = probed->firstOf("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codecName, e.audioCodec);
    EXPECT_EQ(audio->sampleRate, e.sampleRate);
    EXPECT_EQ(audio->channels, e.channels);
}

INSTANTIATE_TEST_SUITE_P(AllProfiles, CatalogueProfile, testing::ValuesIn(profiles::allProfiles()),
                         [](const testing::TestParamInfo<profiles::ProfileId>& info) {
                             return "Row" + std::to_string(profiles::rowProfileNumberOf(info.param));
                         });

}  // namespace
