#pragma once
// Turns decoded frames into RGB pictures: at the frame's own size (the
// current frame) or fitted into the screen keeping the picture's shape.

#include "engine/FfmpegPtr.h"
#include "engine/player/VideoImage.h"

namespace engine {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The largest size with the frame's display aspect ratio (its pixel aspect
// ratio `sarNum`/`sarDen` taken into account; 0 means square pixels) that
// fits into `box`. Never smaller than 1 x 1; empty when box or frame are.
Size fitInside(Size frame, int sarNum, int sarDen, Size box);

class FrameScaler {
public:
    // `frame` converted to RGB at `size`. Empty when it cannot be converted.
    VideoImage toRgb(const AVFrame& frame, Size size);

private:
    SwsPtr context_;
};

}  // namespace engine
