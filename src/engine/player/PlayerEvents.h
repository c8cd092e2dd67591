#pragma once
// What the player tells its owner. Every call arrives on the owner's thread
// through the engine Dispatcher; fileOpened() runs within Open() itself.

#include <cstdint>
#include <string>

namespace engine {

enum class PlayerState { Play, Pause, Resume, Step, Stop, End };

// "Play", "Pause", "Resume", "Step", "Stop", "End".
const char* stateName(PlayerState state);

class PlayerEvents {
public:
    virtual ~PlayerEvents() = default;

    // A file opened. The screen size comes in as the player's proposal (the
    // frame size) and goes out as the size the frames are scaled into.
    virtual void fileOpened(int64_t durationUs, int frameWidth, int frameHeight,
                            int& screenWidth, int& screenHeight) = 0;
    // Presentation time of the frame shown (of the audio heard, for a file
    // without video), microseconds from the start of the file. Several
    // times a second while playing, and once after each seek.
    virtual void position(int64_t timeUs) = 0;
    virtual void stateChanged(PlayerState state) = 0;
    // A diagnostic line (a device that would not open, a stream that would
    // not decode).
    virtual void log(const std::string& line) = 0;
};

}  // namespace engine
