#include "platform/SdlSoundPlayer.h"

#include <SDL.h>

#include <chrono>
#include <memory>

namespace platform {

namespace {

struct WavFree {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

}  // namespace

SdlSoundPlayer::SdlSoundPlayer() = default;

SdlSoundPlayer::~SdlSoundPlayer()
{
    stop();
    if (audioReady_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::play(const std::string& wavFile, std::string* error)
{
    stop();
    std::lock_guard lock(mutex_);
    auto fail = [&](const char* what) {
        if (error)
            *error = wavFile + ": " + what + ": " + SDL_GetError();
        return false;
    };
    if (!audioReady_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return fail("cannot start SDL audio");
        audioReady_ = true;
    }
    SDL_AudioSpec spec{};
    Uint8* rawBuffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(wavFile.c_str(), &spec, &rawBuffer, &length))
        return fail("cannot read the sound");
    std::unique_ptr<Uint8, WavFree> buffer(rawBuffer);
    spec.callback = nullptr;  // queued playback
    spec.samples = 1024;      // short device buffers: the sound starts and stops promptly
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    if (device == 0)
        return fail("cannot open an audio device");
    if (SDL_QueueAudio(device, buffer.get(), length) != 0) {
        SDL_CloseAudioDevice(device);
        return fail("cannot queue the sound");
    }
    SDL_PauseAudioDevice(device, 0);
    device_ = device;

    // The device is closed once everything queued has been played.
    watcher_ = std::jthread([this, device](std::stop_token stop) {
        while (!stop.stop_requested() && SDL_GetQueuedAudioSize(device) > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (stop.stop_requested())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the device's last buffer
        std::lock_guard watcherLock(mutex_);
        if (device_ == device)
            closeDevice();
    });
    return true;
}

void SdlSoundPlayer::stop()
{
    if (watcher_.joinable()) {
        watcher_.request_stop();
        watcher_.join();
    }
    std::lock_guard lock(mutex_);
    closeDevice();
}

bool SdlSoundPlayer::isPlaying() const
{
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

void SdlSoundPlayer::closeDevice()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
}

}  // namespace platform
