// Take preset choices: the shown texts of the six lists become fields.

#include <gtest/gtest.h>

#include "profiles/Profiles.h"

using namespace profiles;

TEST(PresetTranslation, BitRateTexts) {
    const struct {
        std::string_view text;
        int32_t audio;
    } audio[] = {{"4.75 kbps", 4750}, {"5.15 kbps", 5150}, {"5.9 kbps", 5900},   {"7.95 kbps", 7950},
                 {"10.2 kbps", 10200}, {"12.2 kbps", 12200}, {"128 kbps", 128000}, {" 96kbps", 96000}};
    for (const auto& c : audio) EXPECT_EQ(audioBitrateFromText(c.text), c.audio) << c.text;

    EXPECT_EQ(videoBitrateFromText("无视频"), -1000);
    EXPECT_EQ(videoBitrateFromText("1200 kbps"), 1200000);
    EXPECT_EQ(videoBitrateFromText("8 kbps"), 8000);
}

TEST(PresetTranslation, MalformedBitRateNamesTheText) {
    for (std::string_view bad : {"fast", "1.5 kbps", "kbps", "99999999 kbps"}) {
        try {
            videoBitrateFromText(bad);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(audioBitrateFromText("4.7505 kbps"), std::invalid_argument);  // not whole bit/s
    EXPECT_THROW(audioBitrateFromText("1.2.3 kbps"), std::invalid_argument);
}

TEST(PresetTranslation, KeepSourceAndAspectTexts) {
    EXPECT_EQ(frameSizeFromText("保持原分辨率"), "");
    EXPECT_EQ(frameSizeFromText("该格式无视频"), "");
    EXPECT_EQ(frameSizeFromText("320*240"), "320*240");
    EXPECT_EQ(frameRateFromText("保持原帧速率"), "");
    EXPECT_EQ(frameRateFromText("无视频"), "");
    EXPECT_EQ(frameRateFromText("25.00"), "25.00");

    const struct {
        std::string_view text, ratio;
    } aspects[] = {{"保持原视频模式", ""},  {"无视频", ""},
                   {"普通视频4:3模式", "4:3"}, {"宽屏视频16:9模式", "16:9"},
                   {"宽屏视频37:20模式", "37:20"}, {"宽屏视频47:20模式", "47:20"}};
    for (const auto& a : aspects) EXPECT_EQ(aspectRatioFromText(a.text), std::string(a.ratio)) << a.text;

    ProfileFields fields;
    fields.Video_FrameAspectRatio = "16:9";
    takePresetChoice(fields, PresetList::AspectMode, "4:3");  // not a list text: the field stays
    EXPECT_EQ(fields.Video_FrameAspectRatio, "16:9");
}

TEST(PresetTranslation, EveryEntryOfEveryProfilesListTranslates) {
    for (const ProfilePresets& p : profilePresetsTable()) {
        for (PresetList list : kFillOrder) {
            for (std::string_view entry : entriesOf(p.lists[list].family)) {
                ProfileFields fields;
                EXPECT_NO_THROW(takePresetChoice(fields, list, entry)) << p.rowProfileNumber << " " << entry;
            }
        }
    }
}

TEST(TakePresetChoices, DefaultsReplaceTheCatalogueValues) {
    const ProfileFields f102 = defaultsFor(102);  // catalogue: no frame size, 816000
    EXPECT_EQ(f102.Video_FrameSize, "320*240");
    EXPECT_EQ(f102.Video_VideoBitrate, 528000);
    EXPECT_EQ(f102.Video_FrameRate, "25.00");
    EXPECT_EQ(f102.Video_VideoTag, "XVID");  // untouched by the presets

    const ProfileFields f600 = defaultsFor(600);
    EXPECT_EQ(f600.Video_FrameSize, "");
    EXPECT_EQ(f600.Video_VideoBitrate, -1000);
    EXPECT_EQ(f600.Video_FrameRate, "");
    EXPECT_EQ(f600.Video_FrameAspectRatio, "");
    EXPECT_EQ(f600.Video_AudioBitrate, 128000);
    EXPECT_EQ(f600.Video_AudioSampleRate, "44100");
    EXPECT_TRUE(f600.Video_DisableVideo);

    EXPECT_EQ(defaultsFor(612).Video_AudioBitrate, 7400);
    EXPECT_EQ(defaultsFor(902).Video_FrameAspectRatio, "16:9");
}

TEST(TakePresetChoices, ChosenEntriesAndTheirLimits) {
    PresetIndices chosen = defaultIndicesOf(presetsFor(100));
    chosen[PresetList::AspectMode] = 4;
    chosen[PresetList::SampleRate] = 0;
    const ProfileFields f = fieldsFor(100, chosen);
    EXPECT_EQ(f.Video_FrameAspectRatio, "47:20");
    EXPECT_EQ(f.Video_AudioSampleRate, "11025");

    chosen[PresetList::AspectMode] = 5;
    EXPECT_THROW(fieldsFor(100, chosen), std::out_of_range);
    EXPECT_THROW(defaultsFor(107), std::invalid_argument);
    EXPECT_THROW(defaultsFor(0), std::invalid_argument);
}
