#pragma once
// The output options of a new job, built from the current profile fields
// (after Load profile and Take preset choices). Starts from the engine's
// initial values and sets only what the fields give:
//
//   VideoCodec, VideoPreset  "libx264" adds the preset "libx264-default";
//                            nothing when the codec field is empty
//   AudioCodec               unless empty or "AUTO"
//   AudioChannels            unless empty
//   AudioSampleRate          unless empty or "AUTO"
//   AudioBitrate             unless -1000
//   AudioVolume              always
//   FrameSize, FrameRate, FrameAspectRatio, VideoTag, FileFormat,
//   VideoFilters             each unless empty
//   VideoBitrate             unless -1000
//   DisableVideo             always
//   TargetType               "vcd", "svcd", "dvd", other text: ignore;
//                            nothing when the field is empty
//   NormType                 "PAL", "NTSC", otherwise automatic
//
// FileName stays empty (the engine fills it when the output is attached)
// and FileExt is not set here: the container extension travels in the job
// row and is applied when the batch is submitted. Start time and length
// stay unset, so the whole source is converted.

#include "engine/TaskRecords.h"
#include "profiles/ProfileFields.h"

namespace profiles {

// Throws std::invalid_argument, naming the field and its text, when a
// number field (channels, sample rate, volume) does not hold a number.
engine::TOutputOptions outputOptionsOf(const ProfileFields& fields);

// "vcd", "svcd", "dvd": the disc target; any other text: ttIgnore.
engine::TOptionTargetType targetTypeOf(const std::string& text);

// "PAL", "NTSC"; any other text: ntAuto.
engine::TOptionNormType normTypeOf(const std::string& text);

}  // namespace profiles
