#pragma once
// The encoder stage of one output stream: FFmpeg's encoders, or our own
// AMR-NB encoder, behind one small interface.

#include "engine/transcode/EncoderChoice.h"
#include "engine/transcode/TaskLog.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

namespace engine::transcoding {

class StreamEncoder {
public:
    virtual ~StreamEncoder() = default;
    // One frame to encode; nullptr: no more frames, flush.
    virtual void send(const AVFrame* frame) = 0;
    // The next packet, timestamps in timeBase(); false when the encoder
    // needs more frames or is done.
    virtual bool receive(AVPacket* packet) = 0;
    virtual AVRational timeBase() const = 0;
    // Samples per frame the encoder must get; 0: any.
    virtual int frameSize() const = 0;
    virtual void copyParameters(AVCodecParameters* parameters) const = 0;
    virtual const std::string& name() const = 0;
};

using CodecOptions = std::map<std::string, std::string>;

struct VideoEncoderSettings {
    EncoderChoice encoder;
    int width = 0;
    int height = 0;
    AVPixelFormat format = AV_PIX_FMT_NONE;
    AVRational frameRate{25, 1};
    AVRational sampleAspect{0, 1};
    int64_t bitRate = 0;     // 0: the encoder's default
    uint32_t codecTag = 0;   // 0: the container's
    std::string preset;      // "libx264-default" or the name of an FFmpeg preset file
    CodecOptions options;
    bool globalHeader = false;
};

struct AudioEncoderSettings {
    EncoderChoice encoder;
    int sampleRate = 0;
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    AVChannelLayout layout{};
    int64_t bitRate = 0;     // 0: the encoder's default
    CodecOptions options;
    bool globalHeader = false;
};

// Both throw TranscodeError naming outputPath, with FFmpeg's reason, when
// the encoder refuses its settings.
std::unique_ptr<StreamEncoder> openVideoEncoder(const VideoEncoderSettings& settings,
                                                const std::string& outputPath, TaskLog& log);
std::unique_ptr<StreamEncoder> openAudioEncoder(const AudioEncoderSettings& settings,
                                                const std::string& outputPath, TaskLog& log);

}  // namespace engine::transcoding
