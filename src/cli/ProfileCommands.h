#pragma once
// The catalogue commands of quorvinxvid-convert, and the reading of a
// profile choice (row profile number and preset options) that the
// conversion command shares with them.
//
//   --list-profiles
//       one line per profile in selector order, tab-separated: row profile
//       number, profile code, output extension, category, caption
//   --show-profile ROW [preset options]
//       the current profile fields after Load profile and Take preset
//       choices, one Name=value line each, then Preset= the preset string
//
// Preset options choose entries by their text in the profile's lists:
//   --frame-size 320*240   --video-bitrate "528 kbps"   --frame-rate 25.00
//   --audio-bitrate "128 kbps"   --sample-rate 44100   --aspect 普通视频4:3模式
// A list that is not named keeps its default entry.

#include <iosfwd>
#include <stdexcept>
#include <string>

#include "Commands.h"
#include "profiles/ProfilePresets.h"

namespace cli {

// Bad command-line input; the message names the valid choices.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ProfileChoice {
    int rowProfileNumber = 0;
    profiles::PresetIndices presets;  // chosen entry numbers
};

// Reads ROW and the preset options that follow it anywhere in `args`; the
// arguments that are not preset options are returned in `rest`, in order.
// Throws ArgumentError for an unknown row, a missing option value or a text
// that is not in its list.
ProfileChoice readProfileChoice(const std::string& rowText, const Arguments& args, Arguments& rest);

int listProfiles(std::ostream& out);
int showProfile(const Arguments& args, std::ostream& out, std::ostream& err);

// The commands as the dispatch table runs them (standard output and error).
int listProfilesCommand(const Arguments& args);
int showProfileCommand(const Arguments& args);

}  // namespace cli
