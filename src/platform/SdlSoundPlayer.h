#pragma once
// Plays a WAV file in the background through SDL2 audio, like a system
// notification sound: play() returns at once, a new sound cuts off the one
// still playing, and the audio device is closed when the sound has ended.
//
// Threads: play(), stop() and isPlaying() may be called from any one thread
// at a time; a watcher thread of its own closes the device at the end.

#include <mutex>
#include <string>
#include <thread>

namespace platform {

class SdlSoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer();
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Starts the sound. False, with the file and the reason in `error`, when
    // the file cannot be read as WAV or no audio device opens.
    bool play(const std::string& wavFile, std::string* error = nullptr);
    // Cuts the sound off and closes the device.
    void stop();
    // True while a sound is queued or playing.
    bool isPlaying() const;

private:
    void closeDevice();

    mutable std::mutex mutex_;
    bool audioReady_ = false;
    unsigned device_ = 0;  // SDL_AudioDeviceID; 0: none open
    std::jthread watcher_;
};

}  // namespace platform
