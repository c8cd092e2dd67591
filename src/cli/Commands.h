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

// --profile ROW [preset options] [--jobs N] [--priority P] [--overwrite] -o FOLDER FILE...
// Output paths on standard output as they finish, progress on standard error.
int convertCommand(const Arguments& args);

// --worker: runs one task for the converter (see engine/convert/WorkerProtocol.h).
int workerCommand(const Arguments& args);


}  // namespace cli
