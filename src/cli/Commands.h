#pragma once
// The commands of quorvinxvid-convert. Each takes the arguments after its
// own option and returns the process exit status.

#include <string>
#include <vector>

namespace cli {

enum ExitStatus { ExitOk = 0, ExitFailed = 1, ExitBadArguments = 2 };

using Arguments = std::vector<std::string>;

// --probe FILE: duration in microseconds, size in bytes, the file's description.
int probeCommand(const Arguments& args);

}  // namespace cli
