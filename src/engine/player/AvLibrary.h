#pragma once
// The media libraries the player needs. On this platform FFmpeg and SDL
// are linked in; loading them means checking that the libraries found at
// run time are the ones the program was built for and starting SDL. The
// state is process-wide: whoever loads them, every player sees them loaded.

#include <string>

namespace engine {

bool avLibrariesLoaded();
// `folder` is where a platform that loads the libraries from files would
// look for them; here it only appears in the failure reason. False with
// `error` set when a library is missing a part the player needs or has an
// incompatible version.
bool loadAvLibraries(const std::string& folder, std::string& error);

}  // namespace engine
