#pragma once
// A player wired to a QueueDispatcher, with recording events and screen.

#include "engine/QueueDispatcher.h"
#include "engine/player/Player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace playertest {

struct RecordingEvents : engine::PlayerEvents {
    struct Opened {
        int64_t durationUs;
        int width, height, screenWidth, screenHeight;
    };
    std::vector<Opened> opened;
    std::vector<int64_t> positions;
    std::vector<engine::PlayerState> states;
    std::vector<std::string> logs;
    int screenWidth = 0;  // 0: keep the player's proposal
    int screenHeight = 0;

    void fileOpened(int64_t durationUs, int width, int height, int& sw, int& sh) override
    {
        opened.push_back({durationUs, width, height, sw, sh});
        if (screenWidth > 0) {
            sw = screenWidth;
            sh = screenHeight;
        }
    }
    void position(int64_t timeUs) override { positions.push_back(timeUs); }
    void stateChanged(engine::PlayerState state) override { states.push_back(state); }
    void log(const std::string& line) override { logs.push_back(line); }

    int count(engine::PlayerState state) const
    {
        return int(std::count(states.begin(), states.end(), state));
    }
};

class RecordingSink : public engine::VideoSink {
public:
    void present(engine::VideoImage image) override
    {
        std::lock_guard lock(mutex_);
        ++presented_;
        width_ = image.width;
        height_ = image.height;
    }
    void clear() override {}
    int presented() const
    {
        std::lock_guard lock(mutex_);
        return presented_;
    }
    std::pair<int, int> lastSize() const
    {
        std::lock_guard lock(mutex_);
        return {width_, height_};
    }

private:
    mutable std::mutex mutex_;
    int presented_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// Runs the dispatcher's queued work until `done` holds. The bound only
// keeps a broken player from hanging the test run.
template <typename Pred>
bool pumpUntil(engine::QueueDispatcher& dispatcher, Pred done)
{
    auto giveUpAt = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUpAt)
            return false;
        dispatcher.pump(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace playertest
