#include "profiles/ProfilePresets.h"

#include <algorithm>
#include <stdexcept>

namespace profiles {

namespace {

using enum Family;

// No.  {frame size} {video bit rate} {frame rate} {audio bit rate} {sample rate} {aspect mode}
//      as {family, default entry}, then whether the video lists are off.
constexpr ProfilePresets kTable[] = {
    // 0 "AVI视频"
    {100, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {101, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {102, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {103, {{{{S1, 0}, {V3, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {104, {{{{S1, 4}, {V4, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {105, {{{{S1, 0}, {V1, 2}, {R1, 5}, {A1, 8}, {H1, 3}, {M1, 0}}}}, false},
    {106, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    // 1 "MKV视频"
    {200, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {201, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {202, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {203, {{{{S1, 0}, {V3, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {204, {{{{S1, 4}, {V4, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {205, {{{{S1, 0}, {V1, 2}, {R1, 5}, {A1, 8}, {H1, 3}, {M1, 0}}}}, false},
    {206, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    // 2 "高清视频"
    {300, {{{{S2, 2}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {301, {{{{S2, 2}, {V2, 1}, {R2, 3}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {302, {{{{S2, 2}, {V2, 1}, {R2, 2}, {A1, 13}, {H1, 5}, {M1, 0}}}}, false},
    {303, {{{{S2, 3}, {V2, 2}, {R2, 3}, {A1, 13}, {H1, 5}, {M1, 0}}}}, false},
    {304, {{{{S2, 3}, {V2, 2}, {R2, 2}, {A1, 12}, {H1, 5}, {M1, 0}}}}, false},
    {305, {{{{S2, 3}, {V2, 1}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {306, {{{{S2, 3}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {307, {{{{S2, 2}, {V2, 1}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {308, {{{{S2, 3}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {309, {{{{S2, 3}, {V2, 2}, {R2, 3}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    // 3 "iPad视频"
    {400, {{{{S3, 0}, {V5, 5}, {R3, 5}, {A2, 2}, {H2, 2}, {M1, 0}}}}, false},
    {401, {{{{S3, 2}, {V5, 5}, {R3, 5}, {A2, 2}, {H2, 3}, {M1, 0}}}}, false},
    {402, {{{{S3, 0}, {V5, 4}, {R3, 5}, {A2, 2}, {H2, 2}, {M1, 0}}}}, false},
    {403, {{{{S3, 6}, {V5, 6}, {R3, 5}, {A2, 3}, {H2, 4}, {M1, 0}}}}, false},
    {404, {{{{S3, 0}, {V5, 4}, {R3, 5}, {A2, 2}, {H2, 1}, {M1, 0}}}}, false},
    {405, {{{{S3, 0}, {V5, 5}, {R3, 4}, {A2, 2}, {H2, 3}, {M1, 0}}}}, false},
    {406, {{{{S3, 10}, {V5, 6}, {R3, 5}, {A2, 3}, {H2, 4}, {M1, 0}}}}, false},
    {407, {{{{S4, 0}, {V6, 3}, {R1, 9}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {408, {{{{S4, 9}, {V7, 6}, {R1, 10}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {409, {{{{S4, 0}, {V8, 3}, {R2, 1}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {410, {{{{S4, 9}, {V9, 5}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    // 4 "电脑视频"
    {500, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {501, {{{{S1, 0}, {V10, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {502, {{{{S1, 0}, {V3, 4}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {503, {{{{S1, 0}, {V10, 3}, {R1, 9}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {504, {{{{S1, 0}, {V3, 4}, {R1, 0}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {505, {{{{S1, 0}, {V1, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {506, {{{{S1, 4}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {507, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {508, {{{{S1, 0}, {V1, 3}, {R1, 0}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {509, {{{{S5, 4}, {V11, 9}, {R4, 5}, {A3, 5}, {H3, 0}, {M2, 0}}}}, false},
    {510, {{{{S1, 0}, {V4, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {511, {{{{S1, 12}, {V1, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {512, {{{{S1, 8}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {513, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {514, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    // 5 "经典音频"
    {600, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {601, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {602, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 13}, {H1, 5}, {M3, 0}}}}, true},
    {603, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 5}, {M3, 0}}}}, true},
    {604, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 9}, {H1, 4}, {M3, 0}}}}, true},
    {605, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {606, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 9}, {H1, 4}, {M3, 0}}}}, true},
    {607, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {608, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {609, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H1, 4}, {M3, 0}}}}, true},
    {610, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 13}, {H1, 5}, {M3, 0}}}}, true},
    {611, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 12}, {H1, 5}, {M3, 0}}}}, true},
    {612, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A4, 4}, {H3, 0}, {M3, 0}}}}, true},
    // 6 "MPG视频"
    {700, {{{{S1, 0}, {V3, 4}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {701, {{{{S1, 4}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {702, {{{{S1, 0}, {V3, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {703, {{{{S1, 0}, {V10, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {704, {{{{S2, 3}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {705, {{{{S2, 3}, {V2, 2}, {R2, 3}, {A1, 13}, {H1, 5}, {M1, 0}}}}, false},
    {706, {{{{S1, 11}, {V4, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {707, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 8}, {H1, 3}, {M1, 0}}}}, false},
    {708, {{{{S1, 12}, {V1, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {709, {{{{S1, 8}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {710, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    // 7 "WMV视频"
    {800, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {801, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {802, {{{{S1, 4}, {V1, 2}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {803, {{{{S1, 0}, {V3, 4}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {804, {{{{S1, 4}, {V4, 3}, {R1, 9}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {805, {{{{S1, 0}, {V1, 2}, {R1, 5}, {A1, 8}, {H1, 3}, {M1, 0}}}}, false},
    {806, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    // 8 "iPhone视频"
    {900, {{{{S7, 7}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {901, {{{{S7, 12}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {902, {{{{S7, 20}, {V14, 5}, {R6, 8}, {A2, 2}, {H4, 3}, {M1, 2}}}}, false},
    {903, {{{{S7, 20}, {V14, 7}, {R6, 8}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {904, {{{{S7, 24}, {V14, 8}, {R6, 8}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {905, {{{{S8, 12}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 2}}}}, false},
    {906, {{{{S9, 12}, {V14, 5}, {R6, 8}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {907, {{{{S8, 3}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 2}, {M1, 0}}}}, false},
    {908, {{{{S8, 6}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {909, {{{{S1, 0}, {V10, 3}, {R1, 9}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {910, {{{{S1, 19}, {V15, 5}, {R1, 10}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {911, {{{{S1, 0}, {V8, 3}, {R2, 1}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    {912, {{{{S1, 19}, {V9, 5}, {R1, 10}, {A1, 10}, {H1, 4}, {M1, 0}}}}, false},
    {913, {{{{S10, 9}, {V16, 5}, {R6, 8}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {914, {{{{S1, 19}, {V2, 2}, {R2, 2}, {A1, 10}, {H1, 5}, {M1, 0}}}}, false},
    // 9 "iPod视频"
    {1000, {{{{S11, 3}, {V13, 4}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1001, {{{{S11, 3}, {V13, 2}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1002, {{{{S11, 3}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1003, {{{{S11, 6}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1004, {{{{S11, 6}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1005, {{{{S11, 6}, {V13, 5}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1006, {{{{S11, 6}, {V13, 2}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1007, {{{{S12, 6}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1008, {{{{S12, 11}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1009, {{{{S12, 11}, {V13, 5}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1010, {{{{S12, 11}, {V13, 2}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1011, {{{{S12, 9}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 2}}}}, false},
    {1012, {{{{S12, 3}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    {1013, {{{{S12, 6}, {V13, 3}, {R6, 7}, {A2, 2}, {H4, 3}, {M1, 0}}}}, false},
    // 10 "Flash视频"
    {1100, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H5, 1}, {M1, 0}}}}, false},
    {1101, {{{{S1, 0}, {V1, 3}, {R1, 9}, {A1, 10}, {H5, 1}, {M1, 0}}}}, false},
    {1102, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H5, 1}, {M3, 0}}}}, true},
    {1103, {{{{S6, 0}, {V12, 0}, {R5, 0}, {A1, 10}, {H5, 1}, {M3, 0}}}}, true},
};
}  // namespace

std::span<const ProfilePresets> profilePresetsTable() { return kTable; }

const ProfilePresets* profilePresetsOf(int rowProfileNumber) {
    const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                                 [&](const ProfilePresets& p) { return p.rowProfileNumber == rowProfileNumber; });
    return it == std::end(kTable) ? nullptr : &*it;
}

bool isVideoList(PresetList list) {
    return list == PresetList::FrameSize || list == PresetList::VideoBitrate || list == PresetList::FrameRate ||
           list == PresetList::AspectMode;
}

PresetIndices defaultIndicesOf(const ProfilePresets& presets) {
    PresetIndices result;
    for (PresetList list : kFillOrder) result[list] = presets.lists[list].entry;
    return result;
}

PresetTexts defaultTextsOf(const ProfilePresets& presets) {
    PresetTexts result;
    for (PresetList list : kFillOrder) {
        const FamilyDefault& d = presets.lists[list];
        result[list] = std::string(entriesOf(d.family)[d.entry]);
    }
    return result;
}

std::string presetString(const PresetIndices& indices) {
    std::string text;
    for (PresetList list : kPresetStringOrder) {
        const int n = indices[list];
        if (n < 0 || n > 99) {
            throw std::out_of_range("entry number " + std::to_string(n) + " of the " + std::string(nameOf(list)) +
                                    " list does not fit a preset string");
        }
        text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
    }
    return text;
}

std::optional<PresetIndices> parsePresetString(std::string_view text) {
    if (text.size() < 12) return std::nullopt;
    PresetIndices result;
    for (std::size_t pair = 0; pair < kPresetStringOrder.size(); ++pair) {
        const char hi = text[2 * pair];
        const char lo = text[2 * pair + 1];
        if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return std::nullopt;
        result[kPresetStringOrder[pair]] = (hi - '0') * 10 + (lo - '0');
    }
    return result;
}

std::string_view nameOf(PresetList list) {
    switch (list) {
        case PresetList::FrameSize: return "frame size";
        case PresetList::VideoBitrate: return "video bit rate";
        case PresetList::FrameRate: return "frame rate";
        case PresetList::AudioBitrate: return "audio bit rate";
        case PresetList::SampleRate: return "sample rate";
        case PresetList::AspectMode: return "aspect mode";
    }
    return "";
}

}  // namespace profiles
