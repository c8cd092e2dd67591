#pragma once
// A still picture as a GIF file: a 256-colour palette made for the picture
// (FFmpeg's palettegen and paletteuse filters), then FFmpeg's GIF encoder
// and muxer, all in memory.

#include "engine/player/VideoImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

struct GifResult {
    std::vector<uint8_t> bytes;  // the whole file; empty on failure
    std::string error;           // why not, when it failed
};

GifResult encodeGif(const VideoImage& image);

}  // namespace engine
