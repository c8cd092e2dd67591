#pragma once
// A readable description of an opened file: container, duration, bit rate
// and one line per stream, in the manner of the FFmpeg tools.

#include <string>

struct AVFormatContext;

namespace engine {

std::string describeMedia(const AVFormatContext& format, const std::string& path);

}  // namespace engine
