#pragma once
// The error that ends a task. Its text names the file concerned and the
// reason, FFmpeg's own where FFmpeg gave one.

#include <stdexcept>
#include <string>

namespace engine::transcoding {

class TranscodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "'path'", the way error messages quote a file.
std::string quotedPath(const std::string& path);

}  // namespace engine::transcoding
