#pragma once
// Owners for the FFmpeg objects of the player: each one freed by its own
// free function when the owner goes.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace engine::av {

struct InputCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct SwsFreer {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct SwrFreer {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct FilterGraphFreer {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFreer>;

inline PacketPtr makePacket() { return PacketPtr(av_packet_alloc()); }
inline FramePtr makeFrame() { return FramePtr(av_frame_alloc()); }

// FFmpeg's text for an error code.
std::string errorText(int code);

}  // namespace engine::av
