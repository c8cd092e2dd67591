#include "engine/player/FrameScaler.h"

#include <algorithm>
#include <cmath>

namespace engine {

Size fitInside(Size frame, int sarNum, int sarDen, Size box)
{
    if (frame.width <= 0 || frame.height <= 0 || box.width <= 0 || box.height <= 0)
        return {};
    double pixelAspect = (sarNum > 0 && sarDen > 0) ? double(sarNum) / sarDen : 1.0;
    double aspect = frame.width * pixelAspect / frame.height;
    Size fitted;
    if (aspect >= double(box.width) / box.height) {
        fitted.width = box.width;
        fitted.height = int(std::lround(box.width / aspect));
    } else {
        fitted.height = box.height;
        fitted.width = int(std::lround(box.height * aspect));
    }
    fitted.width = std::clamp(fitted.width, 1, box.width);
    fitted.height = std::clamp(fitted.height, 1, box.height);
    return fitted;
}

VideoImage FrameScaler::toRgb(const AVFrame& frame, Size size)
{
    if (size.width <= 0 || size.height <= 0 || frame.width <= 0 || frame.height <= 0)
        return {};
    SwsContext* context = sws_getCachedContext(
        context_.release(), frame.width, frame.height, AVPixelFormat(frame.format), size.width,
        size.height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    context_.reset(context);
    if (!context)
        return {};
    VideoImage image;
    image.width = size.width;
    image.height = size.height;
    image.rgb.resize(size_t(size.width) * size.height * 3);
    uint8_t* planes[4] = {image.rgb.data(), nullptr, nullptr, nullptr};
    int strides[4] = {image.bytesPerLine(), 0, 0, 0};
    if (sws_scale(context, frame.data, frame.linesize, 0, frame.height, planes, strides) <= 0)
        return {};
    return image;
}

}  // namespace engine
