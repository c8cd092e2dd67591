#include "profiles/FieldTexts.h"

namespace profiles {

std::vector<std::pair<std::string_view, std::string>> fieldTextsOf(const ProfileFields& f) {
    return {
        {"Video_FileExt", f.Video_FileExt},
        {"Video_VideoCodec", f.Video_VideoCodec},
        {"Video_AudioCodec", f.Video_AudioCodec},
        {"Video_AudioChannels", f.Video_AudioChannels},
        {"Video_VideoTag", f.Video_VideoTag},
        {"Video_FrameSize", f.Video_FrameSize},
        {"Video_VideoBitrate", std::to_string(f.Video_VideoBitrate)},
        {"Video_FrameRate", f.Video_FrameRate},
        {"Video_AudioBitrate", std::to_string(f.Video_AudioBitrate)},
        {"Video_AudioSampleRate", f.Video_AudioSampleRate},
        {"Video_FrameAspectRatio", f.Video_FrameAspectRatio},
        {"Video_DisableVideo", f.Video_DisableVideo ? "True" : "False"},
        {"Video_TargetType", f.Video_TargetType},
        {"Video_NormType", f.Video_NormType},
        {"Video_AudioVolume", f.Video_AudioVolume},
        {"Video_VideoFilters", f.Video_VideoFilters},
        {"Video_CopyTimestamp", f.Video_CopyTimestamp},
        {"Video_FileFormat", f.Video_FileFormat},
        {"Video_TimeStart", std::to_string(f.Video_TimeStart)},
        {"Video_TimeLength", std::to_string(f.Video_TimeLength)},
        {"All_Trant_Number", std::to_string(f.All_Trant_Number)},
    };
}

}  // namespace profiles
