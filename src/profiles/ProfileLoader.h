#pragma once
// Reset and Load profile: the two operations that put a profile's encoding
// settings into the current profile fields, and the row texts that a
// loaded profile gives a job row.

#include <array>
#include <functional>
#include <string>

#include "profiles/ProfileFields.h"
#include "profiles/ProfileId.h"

namespace profiles {

// Reset (Button6Click): every field back to its initial value, except
// Video_AddFileName and All_Trant_Number, which Reset leaves alone.
void resetFields(ProfileFields& fields);

// Forms the full output path for the source being added from the output
// extension of the loaded profile (".avi"). The caller binds the source,
// the output folder, the overwrite choice and the names other jobs hold.
using OutputPathFor = std::function<std::string(const std::string& extension)>;

// Sub-items 10 to 23 of a job row, in ascending order: video codec, audio
// codec, channels, video tag, container extension, frame size, video bit
// rate, frame rate, audio bit rate, sample rate, aspect ratio, "True" or
// "False" for no video, target type, norm.
using EncodingTexts = std::array<std::string, 14>;
inline constexpr int kFirstEncodingSubItem = 10;

// Load profile (Button5Click): Reset, then store the profile code in
// All_Trant_Number, then copy the profile's encoding settings, then set
// Video_OutPutFileName from outputPathFor (left empty when it is not
// given). Returns the row texts of the loaded fields, which the caller
// writes into the selected job row, if there is one. Throws
// std::out_of_range for an id that names no profile.
EncodingTexts loadProfile(ProfileFields& fields, ProfileId id, const OutputPathFor& outputPathFor = {});

// The row texts of the current fields: texts as they are, the two bit
// rates in signed decimal, no video as "True" or "False".
EncodingTexts encodingTextsOf(const ProfileFields& fields);

}  // namespace profiles
