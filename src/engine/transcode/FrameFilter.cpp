#include "engine/transcode/FrameFilter.h"

#include "engine/transcode/TranscodeError.h"

#include <sstream>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/pixdesc.h>
}

namespace engine::transcoding {

namespace {

std::string ratio(AVRational value)
{
    return std::to_string(value.num) + "/" + std::to_string(value.den);
}

std::string layoutText(const AVChannelLayout& layout)
{
    char text[128] = {};
    if (av_channel_layout_describe(&layout, text, sizeof text) < 0)
        return std::to_string(layout.nb_channels) + "c";
    return text;
}

void check(int err, const std::string& what)
{
    if (err < 0)
        throw TranscodeError("Cannot set up the " + what + ": " + avErrorText(err));
}

}  // namespace

FrameFilter FrameFilter::video(const VideoInput& in, const VideoOutput& out)
{
    std::ostringstream args;
    AVRational sar = in.sampleAspect.num > 0 ? in.sampleAspect : av_make_q(0, 1);
    args << "video_size=" << in.width << "x" << in.height << ":pix_fmt=" << int(in.format)
         << ":time_base=" << ratio(in.timeBase) << ":pixel_aspect=" << ratio(sar);
    if (in.frameRate.num > 0)
        args << ":frame_rate=" << ratio(in.frameRate);

    std::ostringstream chain;
    if (!out.userFilters.empty())
        chain << out.userFilters << ",";
    if (out.width > 0 && out.height > 0)
        chain << "scale=" << out.width << ":" << out.height;
    else
        chain << "scale=w='max(" << out.alignment << ",trunc(iw/" << out.alignment << ")*" << out.alignment
              << ")':h='max(" << out.alignment << ",trunc(ih/" << out.alignment << ")*" << out.alignment << ")'";
    chain << ":flags=bicubic";  // the ffmpeg command line's scaler
    chain << ",format=pix_fmts=" << av_get_pix_fmt_name(out.format);
    chain << ",fps=fps=" << ratio(out.frameRate);
    if (out.displayAspect.num > 0)
        chain << ",setdar=dar=" << ratio(out.displayAspect) << ":max=255";
    return FrameFilter(args.str(), "buffer", "buffersink", chain.str());
}

FrameFilter FrameFilter::audio(const AudioInput& in, const AudioOutput& out)
{
    std::ostringstream args;
    args << "time_base=" << ratio(in.timeBase) << ":sample_rate=" << in.sampleRate
         << ":sample_fmt=" << av_get_sample_fmt_name(in.format) << ":channel_layout=" << layoutText(in.layout);

    std::ostringstream chain;
    if (out.volume != 1.0)
        chain << "volume=volume=" << out.volume << ",";
    chain << "aformat=sample_fmts=" << av_get_sample_fmt_name(out.format) << ":sample_rates=" << out.sampleRate
          << ":channel_layouts=" << layoutText(out.layout);
    return FrameFilter(args.str(), "abuffer", "abuffersink", chain.str());
}

FrameFilter::FrameFilter(const std::string& sourceArgs, const char* sourceName, const char* sinkName,
                         const std::string& chain)
    : graph_(avfilter_graph_alloc())
{
    if (!graph_)
        throw std::bad_alloc();
    const std::string what = std::string(sourceName) == "buffer" ? "video filters" : "audio filters";
    check(avfilter_graph_create_filter(&source_, avfilter_get_by_name(sourceName), "in", sourceArgs.c_str(),
                                       nullptr, graph_.get()),
          what + " (" + sourceArgs + ")");
    check(avfilter_graph_create_filter(&sink_, avfilter_get_by_name(sinkName), "out", nullptr, nullptr,
                                       graph_.get()),
          what);

    FilterInOutPtr outputs(avfilter_inout_alloc());
    FilterInOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs)
        throw std::bad_alloc();
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source_;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink_;
    AVFilterInOut* in = inputs.release();
    AVFilterInOut* out = outputs.release();
    int err = avfilter_graph_parse_ptr(graph_.get(), chain.c_str(), &in, &out, nullptr);
    avfilter_inout_free(&in);
    avfilter_inout_free(&out);
    check(err, what + " '" + chain + "'");
    check(avfilter_graph_config(graph_.get(), nullptr), what + " '" + chain + "'");
}

void FrameFilter::setFrameSize(int samples)
{
    if (samples > 0)
        av_buffersink_set_frame_size(sink_, unsigned(samples));
}

void FrameFilter::push(AVFrame* frame)
{
    int err = av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_PUSH);
    if (err < 0 && err != AVERROR_EOF)
        throw TranscodeError("Filtering failed: " + avErrorText(err));
}

void FrameFilter::close(int64_t endPts)
{
    int err = endPts != AV_NOPTS_VALUE ? av_buffersrc_close(source_, endPts, AV_BUFFERSRC_FLAG_PUSH)
                                       : av_buffersrc_add_frame_flags(source_, nullptr, AV_BUFFERSRC_FLAG_PUSH);
    if (err < 0 && err != AVERROR_EOF)
        throw TranscodeError("Filtering failed: " + avErrorText(err));
}

bool FrameFilter::pull(AVFrame* frame)
{
    int err = av_buffersink_get_frame(sink_, frame);
    if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
        return false;
    if (err < 0)
        throw TranscodeError("Filtering failed: " + avErrorText(err));
    return true;
}

AVRational FrameFilter::timeBase() const
{
    return av_buffersink_get_time_base(sink_);
}

}  // namespace engine::transcoding
