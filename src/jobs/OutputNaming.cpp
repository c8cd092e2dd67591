#include "jobs/OutputNaming.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace jobs {

namespace fs = std::filesystem;

namespace {

fs::path pathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Any directory entry, a dangling link included, occupies the name.
bool somethingExistsAt(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(pathOf(path), ec));
}

bool isSameFile(const std::string& candidate, const std::string& source) {
    std::error_code ec;
    return fs::equivalent(pathOf(candidate), pathOf(source), ec) && !ec;
}

}  // namespace

std::string outputFileNameOf(const std::string& sourcePath, const std::string& extension) {
    const std::string name = utf8Of(pathOf(sourcePath).filename());
    const std::size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

std::string uniqueOutputPath(const OutputNameRequest& request) {
    const std::string name = outputFileNameOf(request.sourcePath, request.extension);
    const std::string folder = request.outputFolder + static_cast<char>(fs::path::preferred_separator);

    const auto heldElsewhere = [&](const std::string& fileName, const std::string& path) {
        return request.namesTaken.contains(fileName) || isSameFile(path, request.sourcePath);
    };

    const std::string candidate = folder + name;
    if (!heldElsewhere(name, candidate) && (request.overwrite || !somethingExistsAt(candidate))) return candidate;

    const std::string stem = name.substr(0, name.size() - request.extension.size());
    for (std::uint64_t n = 1;; ++n) {
        const std::string numbered = stem + "_" + std::to_string(n) + request.extension;
        const std::string path = folder + numbered;
        if (!heldElsewhere(numbered, path) && !somethingExistsAt(path)) return path;
    }
}

}  // namespace jobs
