#pragma once
// Checks of an output path before a task is allowed to write it.

#include <string>
#include <vector>

namespace engine {

// Empty when a file can be created in the folder of `fileName`; otherwise
// why not ("the folder '/x' does not exist", ... cannot be written: ...).
// The check creates and removes a file: permission bits alone would let
// root pass where it cannot write.
std::string outputFolderProblem(const std::string& fileName);

// True when both paths name the same file (an existing file reached by
// another path included).
bool sameFile(const std::string& a, const std::string& b);

// The temporary files a task writes beside its output while it runs
// (".NAME.XXXXXX.part" for the output NAME), as they are now. A worker that
// was killed cannot remove its own; the converter removes those that
// appeared while the task ran.
std::vector<std::string> temporaryFilesOf(const std::string& outputPath);
void removeNewTemporaryFiles(const std::string& outputPath, const std::vector<std::string>& before);

}  // namespace engine
