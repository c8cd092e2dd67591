#include "profiles/ProfileLoader.h"

#include <stdexcept>

#include "profiles/EncodingSettings.h"

namespace profiles {

void resetFields(ProfileFields& fields) {
    ProfileFields initial;
    initial.Video_AddFileName = std::move(fields.Video_AddFileName);
    initial.All_Trant_Number = fields.All_Trant_Number;
    fields = std::move(initial);
}

EncodingTexts loadProfile(ProfileFields& fields, ProfileId id, const OutputPathFor& outputPathFor) {
    const int code = profileCodeOf(id);  // throws for an invalid id
    const EncodingSettings* settings = encodingSettingsOf(rowProfileNumberOf(id));
    if (settings == nullptr) {
        throw std::logic_error("profile " + std::to_string(rowProfileNumberOf(id)) + " has no encoding settings");
    }

    resetFields(fields);
    fields.All_Trant_Number = code;
    fields.Video_DisableVideo = false;

    fields.Video_FileExt = settings->fileExt;
    fields.Video_VideoCodec = settings->videoCodec;
    fields.Video_VideoTag = settings->videoTag;
    fields.Video_FrameSize = settings->frameSize;
    fields.Video_FrameRate = settings->frameRate;
    fields.Video_FrameAspectRatio = settings->aspect;
    fields.Video_VideoBitrate = settings->videoBitrate;
    fields.Video_AudioCodec = settings->audioCodec;
    fields.Video_AudioChannels = settings->audioChannels;
    fields.Video_AudioSampleRate = settings->sampleRate;
    fields.Video_AudioBitrate = settings->audioBitrate;
    fields.Video_TargetType = settings->targetType;
    fields.Video_NormType = settings->normType;
    fields.Video_DisableVideo = settings->noVideo;
    fields.Video_AudioVolume = "256";
    if (outputPathFor) fields.Video_OutPutFileName = outputPathFor(std::string(settings->ext));

    return encodingTextsOf(fields);
}

EncodingTexts encodingTextsOf(const ProfileFields& f) {
    return {f.Video_VideoCodec,
            f.Video_AudioCodec,
            f.Video_AudioChannels,
            f.Video_VideoTag,
            f.Video_FileExt,
            f.Video_FrameSize,
            std::to_string(f.Video_VideoBitrate),
            f.Video_FrameRate,
            std::to_string(f.Video_AudioBitrate),
            f.Video_AudioSampleRate,
            f.Video_FrameAspectRatio,
            f.Video_DisableVideo ? "True" : "False",
            f.Video_TargetType,
            f.Video_NormType};
}

}  // namespace profiles
