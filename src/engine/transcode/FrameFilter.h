#pragma once
// The filter stage of one stream: a libavfilter graph from a buffer source
// to a buffer sink that hands the encoder frames in exactly its size,
// pixel or sample format, rate, channel layout and frame length.
//
// Video: [user filters,] scale, format, fps, [setsar]. Audio: [volume,]
// aformat (FFmpeg inserts the resampler it needs). The graph text is built
// from numbers only; the user's filter text is the only free text in it.

#include "engine/FfmpegPtr.h"

#include <string>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace engine::transcoding {

// What the frames coming in look like.
struct VideoInput {
    int width = 0;
    int height = 0;
    AVPixelFormat format = AV_PIX_FMT_NONE;
    AVRational timeBase{1, 25};
    AVRational sampleAspect{0, 1};
    AVRational frameRate{0, 1};
};

// What the encoder gets. A size of zero keeps the filtered size rounded
// down to `alignment`; a display aspect of zero keeps the source's.
struct VideoOutput {
    int width = 0;
    int height = 0;
    int alignment = 1;
    AVPixelFormat format = AV_PIX_FMT_NONE;
    AVRational frameRate{25, 1};
    AVRational displayAspect{0, 1};
    std::string userFilters;
};

struct AudioInput {
    int sampleRate = 0;
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    AVChannelLayout layout{};
    AVRational timeBase{1, 1};
};

struct AudioOutput {
    int sampleRate = 0;
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    AVChannelLayout layout{};
    double volume = 1.0;
};

class FrameFilter {
public:
    static FrameFilter video(const VideoInput& in, const VideoOutput& out);
    static FrameFilter audio(const AudioInput& in, const AudioOutput& out);

    // Frames leave in this many samples each (the encoder's frame size); 0: any.
    void setFrameSize(int samples);

    // Takes the frame's data (the frame is left blank).
    void push(AVFrame* frame);
    // Ends the input at `endPts` (in the input's time base), the end of the
    // last frame, so that a rate change keeps the last frame's length;
    // AV_NOPTS_VALUE: at the last frame.
    void close(int64_t endPts);
    // The next filtered frame; false when more input is needed or the end was reached.
    bool pull(AVFrame* frame);

    AVFilterContext* sink() const { return sink_; }
    AVRational timeBase() const;

private:
    FrameFilter(const std::string& sourceArgs, const char* sourceName, const char* sinkName,
                const std::string& chain);

    FilterGraphPtr graph_;
    AVFilterContext* source_ = nullptr;
    AVFilterContext* sink_ = nullptr;
};

}  // namespace engine::transcoding
