#pragma once
// How the shown text of a preset list becomes a current profile field.
// Each function takes the text exactly as the list shows it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "profiles/ProfileFields.h"
#include "profiles/ProfilePresets.h"

namespace profiles {

// "保持原分辨率" and "该格式无视频": empty (keep the source's size);
// any other text unchanged.
std::string frameSizeFromText(std::string_view text);

// "无视频": -1000; otherwise the number before "kbps" times 1000
// ("528 kbps": 528000). Throws std::invalid_argument, naming the text, when
// it is not a whole number of kbps.
int32_t videoBitrateFromText(std::string_view text);

// The number before "kbps" times 1000; a decimal fraction with "." is
// allowed ("4.75 kbps": 4750, "7.4 kbps": 7400). Throws
// std::invalid_argument, naming the text, when the result is not a whole
// number of bit/s.
int32_t audioBitrateFromText(std::string_view text);

// "保持原帧速率" and "无视频": empty; any other text unchanged ("25.00").
std::string frameRateFromText(std::string_view text);

// The text unchanged.
std::string sampleRateFromText(std::string_view text);

// "保持原视频模式" and "无视频": empty; "普通视频4:3模式": "4:3",
// "宽屏视频16:9模式": "16:9", "宽屏视频37:20模式": "37:20",
// "宽屏视频47:20模式": "47:20"; any other text: nothing (the field keeps
// its value).
std::optional<std::string> aspectRatioFromText(std::string_view text);

// Sets the field of one list from its shown text.
void takePresetChoice(ProfileFields& fields, PresetList list, std::string_view shownText);

// Take preset choices (Button13Click): sets the six fields from the six
// shown texts, in the order frame size, frame rate, video bit rate, sample
// rate, audio bit rate, aspect mode.
void takePresetChoices(ProfileFields& fields, const PresetTexts& shownTexts);

}  // namespace profiles
