#pragma once
// A profile is named by its category index and its index within the
// category (both 0-based, selector order). Two numbers are derived from
// that pair:
//
//   profile code        (category code + 1) * 100 + profile index
//                       the key of the profile in the catalogue; the main
//                       window keeps it in All_Trant_Number
//   row profile number  (category index + 1) * 100 + profile index
//                       what a job row stores; it restores the selectors
//
// "AVI视频" profile 0 has the code 1600 and the row number 100;
// "电脑视频" profile 14 has the code 114 and the row number 514.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profiles {

struct ProfileId {
    int categoryIndex = 0;
    int profileIndex = 0;
    friend bool operator==(const ProfileId&, const ProfileId&) = default;
};

// True when both indexes name an entry of the catalogue.
bool isValid(ProfileId id);

// The category code of a category index; throws std::out_of_range for an
// index outside the category table.
int categoryCodeOf(int categoryIndex);

// Throw std::out_of_range when the id is not valid.
int profileCodeOf(ProfileId id);
int rowProfileNumberOf(ProfileId id);

// Decodes a row profile number: q = n / 100 (truncated), category index
// q - 1, profile index n - 100 * q. The result may name no profile; see
// isValid and profileOfRowNumber.
ProfileId decodeRowProfileNumber(int rowProfileNumber);

// The profile of a row profile number, or nothing when it names none.
std::optional<ProfileId> profileOfRowNumber(int rowProfileNumber);

// The caption shown in the profile selector; throws for an invalid id.
std::string_view captionOf(ProfileId id);

// Every profile in selector order (category 0 first).
std::vector<ProfileId> allProfiles();

// The output extension of a profile caption of length L: the four
// characters before the last one, where "flac", "aiff", "*.rm" and "*.ra"
// become ".flac", ".aiff", ".rm" and ".ra". For every catalogue caption
// this is the text between "(*" and the closing ")". Characters are
// counted as Unicode code points of the UTF-8 text; a caption of fewer than
// five characters has no extension (empty text).
std::string outputExtensionOf(std::string_view caption);

}  // namespace profiles
