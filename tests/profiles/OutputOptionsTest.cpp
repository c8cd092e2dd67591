// The engine's output options of a new job.

#include <gtest/gtest.h>

#include "profiles/Profiles.h"

using namespace profiles;
using engine::TOptionNormType;
using engine::TOptionTargetType;

TEST(OutputOptions, OfTheProfileDefaults) {
    const engine::TOutputOptions avi = outputOptionsOf(defaultsFor(100));
    EXPECT_EQ(avi.VideoCodec, "mpeg4");
    EXPECT_EQ(avi.VideoPreset, "");
    EXPECT_EQ(avi.VideoTag, "DX50");
    EXPECT_EQ(avi.FrameSize, "");
    EXPECT_EQ(avi.FrameRate, "25.00");
    EXPECT_EQ(avi.VideoBitrate, 816000);
    EXPECT_EQ(avi.AudioCodec, "libmp3lame");
    EXPECT_EQ(avi.AudioChannels, 2);
    EXPECT_EQ(avi.AudioSampleRate, 44100);
    EXPECT_EQ(avi.AudioBitrate, 128000);
    EXPECT_EQ(avi.AudioVolume, 256);
    EXPECT_EQ(avi.FileExt, "");  // travels in the job row
    EXPECT_EQ(avi.FileName, "");
    EXPECT_EQ(avi.NormType, TOptionNormType::ntAuto);
    EXPECT_EQ(avi.TimeStart, -1);
    EXPECT_EQ(avi.TimeLength, -1);

    const engine::TOutputOptions h264 = outputOptionsOf(defaultsFor(101));
    EXPECT_EQ(h264.VideoCodec, "libx264");
    EXPECT_EQ(h264.VideoPreset, "libx264-default");
    EXPECT_EQ(h264.FrameSize, "1280*720");

    const engine::TOutputOptions mp3 = outputOptionsOf(defaultsFor(600));
    EXPECT_TRUE(mp3.DisableVideo);
    EXPECT_EQ(mp3.VideoBitrate, -1);  // "no video" is automatic: not handed on
    EXPECT_EQ(mp3.VideoCodec, "");
}

TEST(OutputOptions, DiscTargetsLeaveTheRestToTheTarget) {
    const engine::TOutputOptions dvd = outputOptionsOf(fieldsFor(511, defaultIndicesOf(presetsFor(511))));
    EXPECT_EQ(dvd.TargetType, TOptionTargetType::ttDVD);
    EXPECT_EQ(dvd.NormType, TOptionNormType::ntPAL);
    EXPECT_EQ(dvd.AudioBitrate, 128000);  // the presets chose 128 kbps
    EXPECT_EQ(dvd.AudioCodec, "");
    EXPECT_EQ(dvd.AudioChannels, -1);
    EXPECT_EQ(outputOptionsOf(defaultsFor(512)).TargetType, TOptionTargetType::ttSVCD);
    EXPECT_EQ(outputOptionsOf(defaultsFor(710)).TargetType, TOptionTargetType::ttVCD);

    ProfileFields f = defaultsFor(513);
    f.Video_AudioBitrate = -1000;
    f.Video_VideoBitrate = -1000;
    const engine::TOutputOptions automatic = outputOptionsOf(f);
    EXPECT_EQ(automatic.AudioBitrate, -1);
    EXPECT_EQ(automatic.VideoBitrate, -1);
}

TEST(OutputOptions, NotSetTextsKeepTheEngineDefaults) {
    ProfileFields f;
    f.Video_AudioCodec = "AUTO";
    f.Video_AudioSampleRate = "AUTO";
    f.Video_TargetType = "bluray";
    f.Video_NormType = "NTSC";
    f.Video_VideoFilters = "hflip";
    const engine::TOutputOptions o = outputOptionsOf(f);
    const engine::TOutputOptions initial;
    EXPECT_EQ(o.AudioCodec, initial.AudioCodec);
    EXPECT_EQ(o.AudioSampleRate, initial.AudioSampleRate);
    EXPECT_EQ(o.TargetType, TOptionTargetType::ttIgnore);
    EXPECT_EQ(o.NormType, TOptionNormType::ntNTSC);
    EXPECT_EQ(o.VideoFilters, "hflip");
    EXPECT_EQ(o.VideoBitrate, -1);
}

TEST(OutputOptions, MalformedNumberNamesTheField) {
    ProfileFields f;
    f.Video_AudioChannels = "stereo";
    try {
        outputOptionsOf(f);
        FAIL() << "accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("Video_AudioChannels"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("stereo"), std::string::npos);
    }
}

TEST(OutputOptions, EveryProfileBuilds) {
    for (ProfileId id : allProfiles()) {
        EXPECT_NO_THROW(outputOptionsOf(defaultsFor(rowProfileNumberOf(id)))) << captionOf(id);
    }
}
