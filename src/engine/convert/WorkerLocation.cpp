#include "engine/convert/WorkerLocation.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace engine {

std::string runningProgramFolder()
{
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

std::string findWorker(const std::vector<std::string>& folders, std::string& reason)
{
    std::string tried;
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        fs::path candidate = fs::path(folder) / workerProgramName;
        std::error_code error;
        if (fs::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        tried += (tried.empty() ? "'" : ", '") + candidate.string() + "'";
    }
    reason = "the converter's worker program " + std::string(workerProgramName)
             + " is missing or cannot be run (looked for " + (tried.empty() ? std::string("nothing") : tried) + ")";
    return {};
}

}  // namespace engine
