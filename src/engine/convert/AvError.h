#pragma once
// FFmpeg error codes as text, and the owners of the FFmpeg objects the
// converter opens itself.

#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace engine {

// av_strerror's text for an AVERROR code.
std::string avErrorText(int code);

struct InputContextCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextCloser>;

}  // namespace engine
