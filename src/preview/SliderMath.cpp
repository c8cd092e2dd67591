#include "preview/SliderMath.h"

namespace preview {

int64_t sliderTargetTime(int64_t durationUs, int position, int maximum)
{
    if (maximum == 0)
        return 0;
    return durationUs * position / maximum;
}

std::optional<int> sliderPositionFor(int64_t timeUs, int64_t durationUs, int maximum)
{
    if (timeUs < 0 || durationUs <= 0)
        return std::nullopt;
    return static_cast<int>(int64_t(maximum) * timeUs / durationUs);
}

}  // namespace preview
