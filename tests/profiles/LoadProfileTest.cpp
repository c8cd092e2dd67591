// Reset and Load profile on the current profile fields.

#include <gtest/gtest.h>

#include "profiles/Profiles.h"

using namespace profiles;

TEST(Reset, RestoresEveryFieldButTheSourceAndTheProfileCode) {
    ProfileFields fields;
    loadProfile(fields, {4, 11});  // a DVD profile sets unusual values
    fields.Video_AddFileName = "/videos/a.mkv";
    fields.Video_OutPutFileName = "/out/a.mpg";
    fields.Video_TimeStart = 5;
    resetFields(fields);

    ProfileFields expected;
    expected.Video_AddFileName = "/videos/a.mkv";
    expected.All_Trant_Number = 111;
    EXPECT_EQ(fields, expected);
}

TEST(LoadProfile, WritesTheRowTextsInColumnOrder) {
    ProfileFields fields;
    const EncodingTexts texts = loadProfile(fields, {0, 0});
    const EncodingTexts expected = {"mpeg4", "libmp3lame", "2",  "DX50",  ".avi", "", "816000",
                                    "25",    "128000",     "44100", "",   "False", "", ""};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(fields.All_Trant_Number, 1600);
    EXPECT_EQ(fields.Video_AudioVolume, "256");
}

TEST(LoadProfile, AudioOnlyProfileWritesTrueAndUnsetBitrate) {
    ProfileFields fields;
    const EncodingTexts texts = loadProfile(fields, {5, 0});
    EXPECT_EQ(texts[21 - kFirstEncodingSubItem], "True");
    EXPECT_EQ(texts[16 - kFirstEncodingSubItem], "-1");
    EXPECT_EQ(fields.All_Trant_Number, 200);
}

TEST(LoadProfile, ForgetsTheProfileLoadedBefore) {
    ProfileFields fields;
    loadProfile(fields, {0, 1});    // libx264, 1280*720
    loadProfile(fields, {6, 8});    // DVD, row 708
    EXPECT_EQ(fields.Video_FileExt, "");
    EXPECT_EQ(fields.Video_VideoCodec, "");
    EXPECT_EQ(fields.Video_FrameSize, "");
    EXPECT_EQ(fields.Video_AudioChannels, "");
    EXPECT_EQ(fields.Video_VideoBitrate, -1000);
    EXPECT_EQ(fields.Video_AudioBitrate, -1000);
    EXPECT_EQ(fields.Video_TargetType, "dvd");
    EXPECT_EQ(fields.Video_NormType, "PAL");
    EXPECT_FALSE(fields.Video_DisableVideo);
}

TEST(LoadProfile, NamesTheOutputWithTheCaptionsExtensionWhateverTheContainer) {
    for (ProfileId id : allProfiles()) {
        ProfileFields fields;
        fields.Video_AddFileName = "/videos/clip.rmvb";
        std::string asked;
        loadProfile(fields, id, [&](const std::string& ext) {
            asked = ext;
            return "/out/clip" + ext;
        });
        EXPECT_EQ(asked, outputExtensionOf(captionOf(id))) << captionOf(id);
        EXPECT_EQ(fields.Video_OutPutFileName, "/out/clip" + asked);
        EXPECT_EQ(fields.Video_AddFileName, "/videos/clip.rmvb");
    }
    // Where the container differs from the name's extension, or is left to the name.
    const struct {
        int row;
        const char* fileExt;
    } containers[] = {{306, ".asf"}, {606, ".rm"}, {514, ""}, {1102, ""}, {1103, ""}};
    for (const auto& c : containers) {
        EXPECT_EQ(defaultsFor(c.row).Video_FileExt, c.fileExt) << c.row;
    }
}

TEST(LoadProfile, WithoutAPathMakerLeavesTheOutputEmpty) {
    ProfileFields fields;
    fields.Video_OutPutFileName = "/old";
    loadProfile(fields, {0, 0});
    EXPECT_EQ(fields.Video_OutPutFileName, "");
}

TEST(LoadProfile, RefusesAnIdThatNamesNoProfile) {
    ProfileFields fields;
    EXPECT_THROW(loadProfile(fields, {3, 11}), std::out_of_range);
}

TEST(LoadProfile, Profile1009ConvertsLikeItsNeighbours) {
    const ProfileFields f = defaultsFor(1009);
    EXPECT_EQ(f.Video_FileExt, ".mp4");
    EXPECT_EQ(f.Video_VideoCodec, "libxvid");
    EXPECT_EQ(f.Video_AudioCodec, "libfaac");
    EXPECT_EQ(f.Video_FrameSize, "640*480");
    EXPECT_EQ(f.Video_VideoBitrate, 1200000);
    EXPECT_EQ(f.All_Trant_Number, 409);
}
