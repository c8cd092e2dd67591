#pragma once
// The clock the video is timed against. It runs on the steady system clock
// from the last time it was set; while audio plays, the audio output sets
// it to the time of the sample being heard whenever the two part by more
// than a little, so the video follows the audio. Without audio it simply
// runs on. All members may be called from any thread.

#include <chrono>
#include <cstdint>
#include <mutex>

namespace engine {

class PlaybackClock {
public:
    // Media time now, microseconds.
    int64_t now() const;
    void set(int64_t timeUs);
    // Sets the clock only when it is off by more than `toleranceUs`.
    void follow(int64_t timeUs, int64_t toleranceUs);
    void setPaused(bool paused);
    bool paused() const;

private:
    using Steady = std::chrono::steady_clock;
    int64_t nowLocked() const;

    mutable std::mutex mutex_;
    bool paused_ = true;
    int64_t baseTimeUs_ = 0;
    Steady::time_point baseAt_ = Steady::now();
};

}  // namespace engine
