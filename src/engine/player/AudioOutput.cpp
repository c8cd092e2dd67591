#include "engine/player/AudioOutput.h"

#include <SDL.h>

namespace engine {

AudioOutput::~AudioOutput()
{
    if (device_)
        SDL_CloseAudioDevice(device_);
}

bool AudioOutput::open(int sampleRate, int channels, std::string& error)
{
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = std::string("SDL audio could not start: ") + SDL_GetError();
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(channels);
    wanted.samples = 1024;
    wanted.callback = nullptr;  // queueing mode
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (!device_) {
        error = std::string("no audio device could be opened: ") + SDL_GetError();
        return false;
    }
    sampleRate_ = obtained.freq;
    channels_ = obtained.channels;
    deviceBufferSamples_ = obtained.samples;
    return true;
}

void AudioOutput::queue(const uint8_t* data, int bytes)
{
    if (device_ && bytes > 0)
        SDL_QueueAudio(device_, data, static_cast<Uint32>(bytes));
}

void AudioOutput::clear()
{
    if (device_)
        SDL_ClearQueuedAudio(device_);
}

void AudioOutput::setPaused(bool paused)
{
    if (device_)
        SDL_PauseAudioDevice(device_, paused ? 1 : 0);
}

int64_t AudioOutput::pendingUs() const
{
    if (!device_ || sampleRate_ <= 0)
        return 0;
    int64_t bytesPerSecond = int64_t(sampleRate_) * channels_ * 2;
    int64_t queued = SDL_GetQueuedAudioSize(device_);
    return queued * 1000000 / bytesPerSecond + int64_t(deviceBufferSamples_) * 1000000 / sampleRate_;
}

bool AudioOutput::drained() const
{
    return !device_ || SDL_GetQueuedAudioSize(device_) == 0;
}

}  // namespace engine
