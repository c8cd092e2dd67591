// The catalogue checked against itself: every table covers exactly the
// profiles of the selectors, captions agree with extensions, defaults exist,
// numbers round-trip.

#include <gtest/gtest.h>

#include <set>

#include "profiles/Categories.h"
#include "profiles/EncodingSettings.h"
#include "profiles/ProfileId.h"
#include "profiles/ProfilePresets.h"

using namespace profiles;

namespace {

std::string extensionInParentheses(std::string_view caption) {
    const auto open = caption.rfind("(*");
    EXPECT_NE(open, std::string_view::npos) << caption;
    EXPECT_EQ(caption.back(), ')') << caption;
    return std::string(caption.substr(open + 2, caption.size() - open - 3));
}

}  // namespace

TEST(Catalogue, ElevenCategoriesWith114ProfilesAndUsableIconCodes) {
    const auto cats = categories();
    ASSERT_EQ(cats.size(), 11u);
    std::set<int> codes;
    for (const Category& c : cats) {
        EXPECT_GE(c.code, 0);
        EXPECT_LT(c.code, kCategoryIconCount);
        codes.insert(c.code);
    }
    EXPECT_EQ(codes.size(), cats.size()) << "category codes must differ";
    EXPECT_EQ(allProfiles().size(), 114u);
    EXPECT_EQ(cats[0].caption, "AVI视频");
}

TEST(Catalogue, TablesCoverExactlyTheSelectorProfilesInOrder) {
    const auto ids = allProfiles();
    const auto settings = encodingSettingsTable();
    const auto presets = profilePresetsTable();
    ASSERT_EQ(settings.size(), ids.size());
    ASSERT_EQ(presets.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int row = rowProfileNumberOf(ids[i]);
        EXPECT_EQ(settings[i].rowProfileNumber, row);
        EXPECT_EQ(presets[i].rowProfileNumber, row);
        EXPECT_EQ(encodingSettingsOf(row), &settings[i]);
        EXPECT_EQ(profilePresetsOf(row), &presets[i]);
    }
}

TEST(Catalogue, EveryCaptionsExtensionIsItsProfilesExt) {
    for (ProfileId id : allProfiles()) {
        const std::string_view caption = captionOf(id);
        const EncodingSettings* s = encodingSettingsOf(rowProfileNumberOf(id));
        ASSERT_NE(s, nullptr) << caption;
        EXPECT_EQ(outputExtensionOf(caption), s->ext) << caption;
        EXPECT_EQ(outputExtensionOf(caption), extensionInParentheses(caption)) << caption;
    }
}

TEST(Catalogue, ExtensionRuleSpecialCasesAndShortCaptions) {
    const struct {
        std::string_view caption, ext;
    } cases[] = {
        {"RA - RealAudio音频格式(*.ra)", ".ra"},
        {"FLAC-音频格式(*.flac)", ".flac"},
        {"AIFF - 音频交换文件格式(*.aiff)", ".aiff"},
        {"RM - REAL视频格式(*.rm)", ".rm"},
        {"iPad MPEG-4视频格式 XviD编码 (*.mp4)", ".mp4"},
        {"(视频格式)", "视频格式"},  // characters, not bytes
        {"abcd", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(outputExtensionOf(c.caption), c.ext) << c.caption;
}

TEST(Catalogue, CodesAndRowNumbersRoundTrip) {
    std::set<int> codes, rows;
    for (ProfileId id : allProfiles()) {
        const int row = rowProfileNumberOf(id);
        EXPECT_EQ(decodeRowProfileNumber(row), id);
        EXPECT_EQ(profileOfRowNumber(row), id);
        codes.insert(profileCodeOf(id));
        rows.insert(row);
    }
    EXPECT_EQ(codes.size(), 114u);
    EXPECT_EQ(rows.size(), 114u);

    const struct {
        ProfileId id;
        int code, row;
    } examples[] = {{{0, 0}, 1600, 100}, {{4, 14}, 114, 514}, {{5, 0}, 200, 600}, {{10, 3}, 1203, 1103}};
    for (const auto& e : examples) {
        EXPECT_EQ(profileCodeOf(e.id), e.code);
        EXPECT_EQ(rowProfileNumberOf(e.id), e.row);
    }
    EXPECT_EQ(categoryCodeOf(4), 0);
}

TEST(Catalogue, RowNumbersThatNameNoProfile) {
    for (int row : {0, 99, 107, 1104, 1200, -100}) EXPECT_FALSE(profileOfRowNumber(row)) << row;
    EXPECT_THROW(profileCodeOf({0, 7}), std::out_of_range);
    EXPECT_THROW(captionOf({11, 0}), std::out_of_range);
    EXPECT_THROW(categoryCodeOf(-1), std::out_of_range);
}

TEST(Catalogue, HdCategoryHasTwoProfilesWithOneCaption) {
    EXPECT_EQ(captionOf({2, 0}), captionOf({2, 1}));
    EXPECT_NE(encodingSettingsOf(300)->videoCodec, encodingSettingsOf(301)->videoCodec);
}

TEST(PresetDefaults, EveryDefaultEntryExistsInItsFamily) {
    for (const ProfilePresets& p : profilePresetsTable()) {
        for (PresetList list : kFillOrder) {
            const FamilyDefault d = p.lists[list];
            EXPECT_GE(d.entry, 0) << p.rowProfileNumber;
            EXPECT_LT(d.entry, static_cast<int>(entriesOf(d.family).size()))
                << p.rowProfileNumber << " " << nameOf(list) << " " << nameOf(d.family);
        }
    }
}

TEST(PresetDefaults, AudioOnlyProfilesAreExactlyTheVideoListsOffOnes) {
    for (ProfileId id : allProfiles()) {
        const int row = rowProfileNumberOf(id);
        const ProfilePresets* p = profilePresetsOf(row);
        const bool audioOnly = encodingSettingsOf(row)->noVideo;
        EXPECT_EQ(p->videoListsOff, audioOnly) << row;
        EXPECT_EQ(audioOnly, id.categoryIndex == 5 || row == 1102 || row == 1103) << row;
        // Their video lists offer only the "no video" entry.
        const PresetTexts texts = defaultTextsOf(*p);
        for (PresetList list : kFillOrder) {
            if (!isVideoList(list)) continue;
            const bool saysNoVideo = texts[list] == kNoVideo || texts[list] == kFormatWithoutVideo;
            EXPECT_EQ(saysNoVideo, audioOnly) << row << " " << nameOf(list);
            if (audioOnly) {
                EXPECT_EQ(entriesOf(p->lists[list].family).size(), 1u) << row;
            }
        }
    }
}

TEST(PresetDefaults, ThreeGpAndAmrOfferTheirOwnLists) {
    const PresetTexts gp = defaultTextsOf(*profilePresetsOf(509));
    EXPECT_EQ(gp[PresetList::FrameRate], "12");
    EXPECT_EQ(entriesOf(profilePresetsOf(509)->lists[PresetList::FrameSize].family).front(), "112*96");
    EXPECT_EQ(entriesOf(profilePresetsOf(509)->lists[PresetList::AspectMode].family).size(), 2u);
    EXPECT_EQ(entriesOf(profilePresetsOf(509)->lists[PresetList::SampleRate].family).size(), 1u);

    const PresetTexts amr = defaultTextsOf(*profilePresetsOf(612));
    EXPECT_EQ(amr[PresetList::AudioBitrate], "7.4 kbps");
    EXPECT_EQ(amr[PresetList::SampleRate], "8000");
}

TEST(PresetString, PairsFollowTheRowOrderNotTheFillOrder) {
    EXPECT_EQ(presetString(defaultIndicesOf(*profilePresetsOf(100))), "000310000904");
    EXPECT_EQ(presetString(defaultIndicesOf(*profilePresetsOf(600))), "000010000004");

    PresetIndices indices;
    indices[PresetList::FrameSize] = 12;
    indices[PresetList::AspectMode] = 7;
    indices[PresetList::SampleRate] = 3;
    const std::string text = presetString(indices);
    EXPECT_EQ(text, "120000070003");
    EXPECT_EQ(parsePresetString(text), indices);
    EXPECT_EQ(parsePresetString(text + "99"), indices);
}

TEST(PresetString, RejectsWhatCannotBeWrittenOrRead) {
    PresetIndices indices;
    indices[PresetList::FrameRate] = 100;
    EXPECT_THROW(presetString(indices), std::out_of_range);
    indices[PresetList::FrameRate] = -1;
    EXPECT_THROW(presetString(indices), std::out_of_range);
    for (std::string_view bad : {"", "00031000090", "0003100009x4", "-10310000904"}) {
        EXPECT_FALSE(parsePresetString(bad)) << bad;
    }
}
