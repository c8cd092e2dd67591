#pragma once
// The current profile fields of the main window: the settings of the
// profile last loaded, after the preset choices were taken in. Texts are
// UTF-8; an empty text is "not set". The member initialisers are the values
// after Reset (see ProfileLoader.h).

#include <cstdint>
#include <string>

namespace profiles {

struct ProfileFields {
    std::string Video_OutPutFileName;   // full output path of the source being added
    std::string Video_AddFileName;      // the source being added; kept by Reset
    std::string Video_FileExt;          // container extension with its dot
    std::string Video_VideoCodec;       // empty: the container's default encoder
    std::string Video_AudioCodec;       // empty: the container's default encoder
    std::string Video_AudioChannels;    // decimal, or empty: as the source
    std::string Video_VideoTag;         // four-character codec tag
    std::string Video_FrameSize;        // "320*240", or empty: the source's size
    int32_t Video_VideoBitrate = -1;    // bit/s; -1 not set, -1000 automatic
    std::string Video_FrameRate;        // "25", "29.97", "25.00", or empty: the source's rate
    int32_t Video_AudioBitrate = -1;    // bit/s; -1 not set, -1000 automatic
    std::string Video_AudioSampleRate;  // Hz, decimal, or empty
    std::string Video_FrameAspectRatio; // "4:3", "16:9", "37:20", "47:20", or empty
    bool Video_DisableVideo = false;    // the output has no video stream
    std::string Video_TargetType;       // "dvd", "svcd", "vcd", or empty
    std::string Video_NormType;         // "PAL", or empty
    std::string Video_AudioVolume = "256";
    std::string Video_VideoFilters;
    std::string Video_CopyTimestamp;
    std::string Video_FileFormat;
    int32_t Video_TimeStart = -1;
    int32_t Video_TimeLength = -1;
    int32_t All_Trant_Number = 0;       // profile code of the profile last applied; kept by Reset

    friend bool operator==(const ProfileFields&, const ProfileFields&) = default;
};

}  // namespace profiles
