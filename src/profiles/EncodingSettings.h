#pragma once
// The fixed encoding settings of every profile, keyed by row profile
// number. Loading a profile copies them into the current profile fields
// (ProfileLoader.h). Text cells are the literal values handed to FFmpeg; an
// empty text is "not set". Bit rates are in bit/s: -1 is "not set" and
// -1000 lets the encoder (or the disc target) choose.

#include <cstdint>
#include <span>
#include <string_view>

namespace profiles {

struct EncodingSettings {
    int rowProfileNumber;
    std::string_view ext;          // extension of the output file name
    std::string_view fileExt;      // container extension handed to the engine
    std::string_view videoCodec;
    std::string_view videoTag;
    std::string_view frameSize;
    std::string_view frameRate;
    std::string_view aspect;
    int32_t videoBitrate;
    std::string_view audioCodec;
    std::string_view audioChannels;
    std::string_view sampleRate;
    int32_t audioBitrate;
    std::string_view targetType;   // "dvd", "svcd", "vcd" or empty
    std::string_view normType;     // "PAL" or empty
    bool noVideo;                  // the output has no video stream
};

// All entries in selector order.
std::span<const EncodingSettings> encodingSettingsTable();

// The entry of a row profile number, or nullptr when there is none.
const EncodingSettings* encodingSettingsOf(int rowProfileNumber);

}  // namespace profiles
