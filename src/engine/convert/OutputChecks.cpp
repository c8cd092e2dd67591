#include "engine/convert/OutputChecks.h"

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

}  // namespace engine
