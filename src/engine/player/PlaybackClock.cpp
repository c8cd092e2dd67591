#include "engine/player/PlaybackClock.h"

#include <cstdlib>

namespace engine {

int64_t PlaybackClock::nowLocked() const
{
    if (paused_)
        return baseTimeUs_;
    auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Steady::now() - baseAt_);
    return baseTimeUs_ + elapsed.count();
}

int64_t PlaybackClock::now() const
{
    std::lock_guard lock(mutex_);
    return nowLocked();
}

void PlaybackClock::set(int64_t timeUs)
{
    std::lock_guard lock(mutex_);
    baseTimeUs_ = timeUs;
    baseAt_ = Steady::now();
}

void PlaybackClock::follow(int64_t timeUs, int64_t toleranceUs)
{
    std::lock_guard lock(mutex_);
    if (std::llabs(nowLocked() - timeUs) > toleranceUs) {
        baseTimeUs_ = timeUs;
        baseAt_ = Steady::now();
    }
}

void PlaybackClock::setPaused(bool paused)
{
    std::lock_guard lock(mutex_);
    if (paused == paused_)
        return;
    baseTimeUs_ = nowLocked();
    baseAt_ = Steady::now();
    paused_ = paused;
}

bool PlaybackClock::paused() const
{
    std::lock_guard lock(mutex_);
    return paused_;
}

}  // namespace engine
