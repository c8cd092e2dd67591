#include "engine/convert/OutputChecks.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace engine {

namespace {

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

std::string createProblem(const fs::path& folder)
{
    static std::atomic<unsigned> counter{0};
    fs::path probe = folder / (".qvx-write-check-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

}  // namespace

std::string outputFolderProblem(const std::string& fileName)
{
    fs::path folder = fs::path(fileName).parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code error;
    if (!fs::exists(folder, error))
        return "the folder " + quoted(folder.string()) + " does not exist";
    if (!fs::is_directory(folder, error))
        return quoted(folder.string()) + " is not a folder";
    if (std::string reason = createProblem(folder); !reason.empty())
        return "the folder " + quoted(folder.string()) + " cannot be written (" + reason + ")";
    return {};
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    fs::path left = fs::weakly_canonical(a, error);
    if (error)
        return false;
    fs::path right = fs::weakly_canonical(b, error);
    return !error && left == right;
}

std::vector<std::string> temporaryFilesOf(const std::string& outputPath)
{
    fs::path target(outputPath);
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = "." + target.filename().string() + ".";
    const std::string suffix = ".part";
    std::vector<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix))
            found.push_back(it->path().string());
    }
    return found;
}

void removeNewTemporaryFiles(const std::string& outputPath, const std::vector<std::string>& before)
{
    for (const std::string& file : temporaryFilesOf(outputPath)) {
        if (std::find(before.begin(), before.end(), file) == before.end()) {
            std::error_code error;
            fs::remove(file, error);
        }
    }
}

}  // namespace engine
