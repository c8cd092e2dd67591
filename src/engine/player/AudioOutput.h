#pragma once
// One SDL audio device in queueing mode: the player's audio thread queues
// 16-bit interleaved samples and asks how much is still waiting to be
// heard. Opened per file, closed with it.

#include <cstdint>
#include <string>

namespace engine {

class AudioOutput {
public:
    AudioOutput() = default;
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Opens the default output device, paused. False with `error` set when
    // no device opens. The rate and channel count obtained may differ from
    // those asked for.
    bool open(int sampleRate, int channels, std::string& error);
    bool isOpen() const { return device_ != 0; }
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }

    void queue(const uint8_t* data, int bytes);
    void clear();
    void setPaused(bool paused);
    // Time of the samples queued but not yet handed to the device, plus the
    // device's own buffer: how long until what was queued last is heard.
    int64_t pendingUs() const;
    bool drained() const;

private:
    uint32_t device_ = 0;
    int sampleRate_ = 0;
    int channels_ = 0;
    int deviceBufferSamples_ = 0;
};

}  // namespace engine
