#include "profiles/OutputOptionsBuilder.h"

#include <charconv>
#include <stdexcept>

namespace profiles {

namespace {

int32_t numberField(const char* name, const std::string& text) {
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        throw std::invalid_argument(std::string(name) + " \"" + text + "\" is not a number");
    }
    return value;
}

}  // namespace

engine::TOptionTargetType targetTypeOf(const std::string& text) {
    if (text == "vcd") return engine::TOptionTargetType::ttVCD;
    if (text == "svcd") return engine::TOptionTargetType::ttSVCD;
    if (text == "dvd") return engine::TOptionTargetType::ttDVD;
    return engine::TOptionTargetType::ttIgnore;
}

engine::TOptionNormType normTypeOf(const std::string& text) {
    if (text == "PAL") return engine::TOptionNormType::ntPAL;
    if (text == "NTSC") return engine::TOptionNormType::ntNTSC;
    return engine::TOptionNormType::ntAuto;
}

engine::TOutputOptions outputOptionsOf(const ProfileFields& f) {
    engine::TOutputOptions o;
    if (!f.Video_VideoCodec.empty()) {
        o.VideoCodec = f.Video_VideoCodec;
        o.VideoPreset = f.Video_VideoCodec == "libx264" ? "libx264-default" : "";
    }
    if (!f.Video_AudioCodec.empty() && f.Video_AudioCodec != "AUTO") o.AudioCodec = f.Video_AudioCodec;
    if (!f.Video_AudioChannels.empty()) o.AudioChannels = numberField("Video_AudioChannels", f.Video_AudioChannels);
    if (!f.Video_AudioSampleRate.empty() && f.Video_AudioSampleRate != "AUTO") {
        o.AudioSampleRate = numberField("Video_AudioSampleRate", f.Video_AudioSampleRate);
    }
    if (f.Video_AudioBitrate != -1000) o.AudioBitrate = f.Video_AudioBitrate;
    o.AudioVolume = numberField("Video_AudioVolume", f.Video_AudioVolume);
    if (!f.Video_FrameSize.empty()) o.FrameSize = f.Video_FrameSize;
    if (!f.Video_FrameRate.empty()) o.FrameRate = f.Video_FrameRate;
    if (!f.Video_FrameAspectRatio.empty()) o.FrameAspectRatio = f.Video_FrameAspectRatio;
    if (f.Video_VideoBitrate != -1000) o.VideoBitrate = f.Video_VideoBitrate;
    if (!f.Video_VideoTag.empty()) o.VideoTag = f.Video_VideoTag;
    if (!f.Video_FileFormat.empty()) o.FileFormat = f.Video_FileFormat;
    if (!f.Video_VideoFilters.empty()) o.VideoFilters = f.Video_VideoFilters;
    o.DisableVideo = f.Video_DisableVideo;
    if (!f.Video_TargetType.empty()) o.TargetType = targetTypeOf(f.Video_TargetType);
    o.NormType = normTypeOf(f.Video_NormType);
    return o;
}

}  // namespace profiles
