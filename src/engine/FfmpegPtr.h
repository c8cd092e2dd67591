#pragma once
// One owner for every FFmpeg object the engine opens: unique_ptr types that
// call the object's own free function, and FFmpeg's error texts.

#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace engine {

struct InputContextFree {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FilterGraphFree {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
struct FilterInOutFree {
    void operator()(AVFilterInOut* inOut) const { avfilter_inout_free(&inOut); }
};
struct SwsFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct SwrFree {
    void operator()(SwrContext* context) const { swr_free(&context); }
};

using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextFree>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFree>;
using FilterInOutPtr = std::unique_ptr<AVFilterInOut, FilterInOutFree>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFree>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFree>;

// A new frame or packet; throws std::bad_alloc when there is no memory.
FramePtr allocFrame();
PacketPtr allocPacket();

// An AVDictionary of options, freed at the end of its scope.
class Dictionary {
public:
    Dictionary() = default;
    ~Dictionary() { av_dict_free(&dict_); }
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    void set(const char* key, const std::string& value) { av_dict_set(&dict_, key, value.c_str(), 0); }
    AVDictionary** get() { return &dict_; }
    // The first key an FFmpeg call left unused, or nullptr when all were taken.
    const char* firstUnused() const
    {
        const AVDictionaryEntry* entry = av_dict_get(dict_, "", nullptr, AV_DICT_IGNORE_SUFFIX);
        return entry ? entry->key : nullptr;
    }

private:
    AVDictionary* dict_ = nullptr;
};

// av_strerror's text for an AVERROR code.
std::string avErrorText(int code);

}  // namespace engine
