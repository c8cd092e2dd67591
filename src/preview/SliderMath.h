#pragma once
// The arithmetic between the position slider and the playback time, in
// 64-bit integers, multiplying first and truncating the quotient.

#include <cstdint>
#include <optional>

namespace preview {

// The time a released slider asks for: duration x position / maximum.
// 0 when the maximum is 0 (nothing open yet).
int64_t sliderTargetTime(int64_t durationUs, int position, int maximum);

// Where a position event puts the slider: maximum x time / duration; none
// (the slider stays) for a negative time or a duration of 0 or less.
std::optional<int> sliderPositionFor(int64_t timeUs, int64_t durationUs, int maximum);

}  // namespace preview
