#pragma once
// The six preset lists of a profile: which family each list shows, which
// entry it pre-selects, and whether the four video lists are disabled
// (profiles without video).
//
// PresetList is in fill order: the lists are filled, and their change
// notifications arrive, in this order. The preset string of a job row holds
// the six chosen entry numbers in another order (see presetString).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "profiles/PresetFamilies.h"

namespace profiles {

enum class PresetList { FrameSize, VideoBitrate, FrameRate, AudioBitrate, SampleRate, AspectMode };

inline constexpr std::array<PresetList, 6> kFillOrder = {
    PresetList::FrameSize,    PresetList::VideoBitrate, PresetList::FrameRate,
    PresetList::AudioBitrate, PresetList::SampleRate,   PresetList::AspectMode};

// The order of the six two-digit pairs in a preset string.
inline constexpr std::array<PresetList, 6> kPresetStringOrder = {
    PresetList::FrameSize,  PresetList::VideoBitrate, PresetList::AudioBitrate,
    PresetList::AspectMode, PresetList::FrameRate,    PresetList::SampleRate};

// One value per preset list, indexed by PresetList.
template <class T>
struct PerPresetList {
    std::array<T, 6> values{};
    T& operator[](PresetList list) { return values[static_cast<std::size_t>(list)]; }
    const T& operator[](PresetList list) const { return values[static_cast<std::size_t>(list)]; }
    friend bool operator==(const PerPresetList&, const PerPresetList&) = default;
};

using PresetIndices = PerPresetList<int>;        // chosen entry numbers
using PresetTexts = PerPresetList<std::string>;  // shown texts

struct FamilyDefault {
    Family family;
    int entry;
};

struct ProfilePresets {
    int rowProfileNumber;
    PerPresetList<FamilyDefault> lists;  // in fill order
    bool videoListsOff;                  // frame size, video bit rate, frame rate, aspect mode
};

// All entries in selector order.
std::span<const ProfilePresets> profilePresetsTable();

// The entry of a row profile number, or nullptr when there is none.
const ProfilePresets* profilePresetsOf(int rowProfileNumber);

// True for the four lists that are disabled for profiles without video.
bool isVideoList(PresetList list);

// The default entry numbers and their texts.
PresetIndices defaultIndicesOf(const ProfilePresets& presets);
PresetTexts defaultTextsOf(const ProfilePresets& presets);

// Twelve decimal digits, one pair per list in kPresetStringOrder, each
// entry number written with two digits. Throws std::out_of_range for an
// entry number outside 0..99, which cannot be written.
std::string presetString(const PresetIndices& indices);

// The six numbers of a preset string, or nothing when it is shorter than
// twelve characters or a pair is not two decimal digits. Characters after
// the twelfth are ignored.
std::optional<PresetIndices> parsePresetString(std::string_view text);

// Display names of the lists ("frame size", ...), for messages.
std::string_view nameOf(PresetList list);

}  // namespace profiles
