#pragma once
// One source stream carried to one output stream: decoder, filters,
// encoder, muxer. Frames move through by reference, never copied.

#include "engine/transcode/FrameFilter.h"
#include "engine/transcode/InputFile.h"
#include "engine/transcode/OutputFile.h"
#include "engine/transcode/StreamEncoder.h"
#include "engine/transcode/Transcoder.h"

#include <functional>
#include <memory>

namespace engine::transcoding {

// What has been written so far, for progress reports.
struct MuxedSoFar {
    int64_t videoFrames = 0;
    float quality = 0;
    int64_t endUs = 0;  // media time written, microseconds
};

class StreamPipeline {
public:
    // `rebuildFilter` makes a new filter graph for frames whose size or
    // format differs from the one the graph was made for (video only; may
    // be empty for audio).
    using FilterFactory = std::function<FrameFilter(const AVFrame& frame)>;

    StreamPipeline(Decoder& decoder, FrameFilter filter, FilterFactory rebuildFilter,
                   std::unique_ptr<StreamEncoder> encoder, int outputIndex, OutputFile& output,
                   MuxedSoFar& muxed, TranscodeObserver* preview);

    // Decodes one packet of the source stream and carries what comes out
    // through to the muxer.
    void decode(const AVPacket* packet);
    // The end of the source: flushes decoder, filters and encoder.
    void finish();

private:
    void receiveDecoded();
    void filter(AVFrame* frame);
    void pullFiltered();
    void encode(const AVFrame* frame);
    void writeEncoded();

    Decoder& decoder_;
    FrameFilter filter_;
    FilterFactory rebuildFilter_;
    std::unique_ptr<StreamEncoder> encoder_;
    int outputIndex_;
    OutputFile& output_;
    MuxedSoFar& muxed_;
    TranscodeObserver* preview_;
    bool isVideo_;
    int filterWidth_ = 0;
    int filterHeight_ = 0;
    int filterFormat_ = -1;
    int64_t inputEnd_ = AV_NOPTS_VALUE;  // end of the last decoded frame, in the filter's time base
    FramePtr decoded_;
    FramePtr filtered_;
    PacketPtr packet_;
};

}  // namespace engine::transcoding
