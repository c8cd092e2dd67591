#include "profiles/PresetTranslation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace profiles {

namespace {

constexpr std::string_view kKbps = "kbps";

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string_view numberBeforeKbps(std::string_view text, std::string_view what) {
    const std::size_t pos = text.find(kKbps);
    if (pos == std::string_view::npos) {
        throw std::invalid_argument(std::string(what) + " \"" + std::string(text) + "\" is not given in kbps");
    }
    return trimSpaces(text.substr(0, pos));
}

std::optional<int64_t> wholeNumber(std::string_view digits) {
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
    return value;
}

int32_t toBitrate(int64_t value, std::string_view text, std::string_view what) {
    if (value < INT32_MIN || value > INT32_MAX) {
        throw std::invalid_argument(std::string(what) + " \"" + std::string(text) + "\" is out of range");
    }
    return static_cast<int32_t>(value);
}

std::invalid_argument notANumber(std::string_view text, std::string_view what) {
    return std::invalid_argument(std::string(what) + " \"" + std::string(text) + "\" is not a number of kbps");
}

}  // namespace

std::string frameSizeFromText(std::string_view text) {
    if (text == kKeepFrameSize || text == kFormatWithoutVideo) return {};
    return std::string(text);
}

int32_t videoBitrateFromText(std::string_view text) {
    constexpr std::string_view what = "video bit rate";
    if (text == kNoVideo) return -1000;
    const std::string_view number = numberBeforeKbps(text, what);
    const auto kbps = wholeNumber(number);
    if (!kbps || *kbps > INT32_MAX / 1000 || *kbps < INT32_MIN / 1000) throw notANumber(text, what);
    return toBitrate(*kbps * 1000, text, what);
}

int32_t audioBitrateFromText(std::string_view text) {
    constexpr std::string_view what = "audio bit rate";
    const std::string_view number = numberBeforeKbps(text, what);
    if (number.find('.') == std::string_view::npos) {
        const auto kbps = wholeNumber(number);
        if (!kbps || *kbps > INT32_MAX / 1000 || *kbps < INT32_MIN / 1000) throw notANumber(text, what);
        return toBitrate(*kbps * 1000, text, what);
    }
    // A decimal fraction: multiplied in floating point, then written with
    // up to 15 significant digits, which turns 5.15 * 1000 =
    // 5150.000000000001 into "5150", and read back as a whole number.
    double kbps = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), kbps);
    if (ec != std::errc() || end != number.data() + number.size()) throw notANumber(text, what);
    char general[64];
    std::snprintf(general, sizeof general, "%.15g", kbps * 1000);
    const auto bitrate = wholeNumber(general);
    if (!bitrate) throw notANumber(text, what);
    return toBitrate(*bitrate, text, what);
}

std::string frameRateFromText(std::string_view text) {
    if (text == kKeepFrameRate || text == kNoVideo) return {};
    return std::string(text);
}

std::string sampleRateFromText(std::string_view text) { return std::string(text); }

std::optional<std::string> aspectRatioFromText(std::string_view text) {
    if (text == kKeepAspect || text == kNoVideo) return std::string();
    if (text == "普通视频4:3模式") return "4:3";
    if (text == "宽屏视频16:9模式") return "16:9";
    if (text == "宽屏视频37:20模式") return "37:20";
    if (text == "宽屏视频47:20模式") return "47:20";
    return std::nullopt;
}

void takePresetChoice(ProfileFields& fields, PresetList list, std::string_view shownText) {
    switch (list) {
        case PresetList::FrameSize: fields.Video_FrameSize = frameSizeFromText(shownText); break;
        case PresetList::VideoBitrate: fields.Video_VideoBitrate = videoBitrateFromText(shownText); break;
        case PresetList::FrameRate: fields.Video_FrameRate = frameRateFromText(shownText); break;
        case PresetList::AudioBitrate: fields.Video_AudioBitrate = audioBitrateFromText(shownText); break;
        case PresetList::SampleRate: fields.Video_AudioSampleRate = sampleRateFromText(shownText); break;
        case PresetList::AspectMode:
            if (auto ratio = aspectRatioFromText(shownText)) fields.Video_FrameAspectRatio = std::move(*ratio);
            break;
    }
}

void takePresetChoices(ProfileFields& fields, const PresetTexts& shownTexts) {
    constexpr PresetList kOrder[] = {PresetList::FrameSize,  PresetList::FrameRate,    PresetList::VideoBitrate,
                                     PresetList::SampleRate, PresetList::AudioBitrate, PresetList::AspectMode};
    for (PresetList list : kOrder) takePresetChoice(fields, list, shownTexts[list]);
}

}  // namespace profiles
