#pragma once
// AMR-NB through the opencore-amrnb library, for FFmpeg builds without an
// AMR-NB encoder. Takes frames of 160 mono 16-bit samples at 8000 Hz (a
// shorter last frame is padded with silence) and gives one packet per
// frame in the storage format of the "#!AMR\n" files: a frame header byte
// and the speech bits.

#include "engine/transcode/StreamEncoder.h"

#include "engine/FfmpegPtr.h"

#include <deque>
#include <memory>

namespace engine::transcoding {

class AmrNbEncoder : public StreamEncoder {
public:
    static constexpr int sampleRate = 8000;
    static constexpr int samplesPerFrame = 160;

    // The bit rate picks the nearest AMR mode (4750 ... 12200 bit/s);
    // not positive: 12200.
    AmrNbEncoder(int64_t bitRate, std::string outputPath);

    // The mode's bit rate.
    int bitRate() const;

    void send(const AVFrame* frame) override;
    bool receive(AVPacket* packet) override;
    AVRational timeBase() const override { return {1, sampleRate}; }
    int frameSize() const override { return samplesPerFrame; }
    void copyParameters(AVCodecParameters* parameters) const override;
    const std::string& name() const override { return name_; }

private:
    struct StateFree {
        void operator()(void* state) const;
    };

    std::unique_ptr<void, StateFree> state_;
    int mode_;
    std::string outputPath_;
    std::string name_ = "libopencore_amrnb";
    int64_t nextPts_ = 0;
    std::deque<PacketPtr> ready_;
};

}  // namespace engine::transcoding
