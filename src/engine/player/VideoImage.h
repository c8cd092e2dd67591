#pragma once
// A picture in 24-bit RGB, rows packed one after the other (3 bytes a pixel,
// no padding): what the player hands to its screen and returns as the
// current frame. Empty when width or height is 0.

#include <cstdint>
#include <vector>

namespace engine {

struct VideoImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes

    bool empty() const { return width <= 0 || height <= 0; }
    int bytesPerLine() const { return width * 3; }
};

}  // namespace engine
