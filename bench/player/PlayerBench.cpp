// Plays one file from start to end through the preview player, drawing into
// a screen that only counts, and reports whether playback kept up: frames
// shown against the frames the file holds, frames skipped as late, and the
// wall time against the file's duration.
//
//   SDL_AUDIODRIVER=dummy qvx_player_bench clip.mp4 [--screen 200x124]

#include "engine/QueueDispatcher.h"
#include "engine/player/Player.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

class CountingScreen : public engine::VideoSink {
public:
    void present(engine::VideoImage image) override
    {
        if (!image.empty())
            ++frames;
    }
    void clear() override {}
    std::atomic<int> frames{0};
};

struct Events : engine::PlayerEvents {
    int screenWidth = 200;
    int screenHeight = 124;
    int64_t durationUs = 0;
    bool ended = false;
    void fileOpened(int64_t duration, int, int, int& sw, int& sh) override
    {
        durationUs = duration;
        sw = screenWidth;
        sh = screenHeight;
    }
    void position(int64_t) override {}
    void stateChanged(engine::PlayerState state) override
    {
        if (state == engine::PlayerState::End)
            ended = true;
    }
    void log(const std::string& line) override { std::fprintf(stderr, "log: %s\n", line.c_str()); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [--screen WxH] [--fps RATE]\n", argv[0]);
        return 2;
    }
    Events events;
    double frameRate = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--screen"))
            std::sscanf(argv[i + 1], "%dx%d", &events.screenWidth, &events.screenHeight);
        else if (!std::strcmp(argv[i], "--fps"))
            frameRate = std::atof(argv[i + 1]);
    }
    engine::QueueDispatcher dispatcher;
    engine::Player player(dispatcher);
    player.SetEvents(&events);
    CountingScreen screen;
    if (!player.LoadAVLib("LibAV") || !player.Open(argv[1], &screen, true)) {
        std::fprintf(stderr, "%s\n", player.LastErrMsg().c_str());
        return 1;
    }
    std::printf("%s", player.FileInfoText().c_str());
    auto started = std::chrono::steady_clock::now();
    player.Resume();
    while (!events.ended)
        dispatcher.pump(std::chrono::milliseconds(20));
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    engine::PlaybackStats stats = player.Stats();
    player.Stop(true);

    double seconds = events.durationUs / 1e6;
    std::printf("duration %.3f s, played in %.3f s of wall time\n", seconds, wall);
    std::printf("decoded %lld, shown %lld, skipped as late %lld", (long long)stats.framesDecoded,
                (long long)stats.framesPresented, (long long)stats.framesDropped);
    if (frameRate > 0) {
        long long expected = std::llround(seconds * frameRate);
        std::printf(", expected %lld: %.1f%% shown", expected, 100.0 * stats.framesPresented / expected);
    }
    std::printf("\n");
    return 0;
}
