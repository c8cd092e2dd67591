#pragma once
// Where the converter finds its worker, quorvinxvid-convert: the first of
// a list of folders that holds it as a program that can be run.

#include <string>
#include <vector>

namespace engine {

inline constexpr const char* workerProgramName = "quorvinxvid-convert";

// The folder of the running executable, or "" when it cannot be told.
std::string runningProgramFolder();

// The worker's path, or "" with the reason. Empty folder names are skipped.
std::string findWorker(const std::vector<std::string>& folders, std::string& reason);

}  // namespace engine
