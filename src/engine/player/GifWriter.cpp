#include "engine/player/GifWriter.h"

#include "engine/FfmpegPtr.h"

#include <cstring>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace engine {

namespace {

struct InOutFreer {
    void operator()(AVFilterInOut* inOut) const { avfilter_inout_free(&inOut); }
};
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFreer>;

struct OutputFreer {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb) {
            uint8_t* buffer = nullptr;
            avio_close_dyn_buf(context->pb, &buffer);
            av_free(buffer);
        }
        avformat_free_context(context);
    }
};
using OutputPtr = std::unique_ptr<AVFormatContext, OutputFreer>;

struct DictionaryFreer {
    void operator()(AVDictionary* dictionary) const { av_dict_free(&dictionary); }
};

GifResult failure(const std::string& step, int code)
{
    return {{}, "GIF encoding failed (" + step + "): " + avErrorText(code)};
}

// The picture reduced to 256 colours chosen for it, as a PAL8 frame.
FramePtr toPalette(const VideoImage& image, int& code, std::string& step)
{
    FilterGraphPtr graph(avfilter_graph_alloc());
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    std::string args = "video_size=" + std::to_string(image.width) + "x" + std::to_string(image.height)
                       + ":pix_fmt=" + std::to_string(int(AV_PIX_FMT_RGB24))
                       + ":time_base=1/25:pixel_aspect=1/1";
    step = "filter graph";
    code = graph ? 0 : AVERROR(ENOMEM);
    if (code >= 0)
        code = avfilter_graph_create_filter(&source, avfilter_get_by_name("buffer"), "in",
                                            args.c_str(), nullptr, graph.get());
    if (code >= 0)
        code = avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out",
                                            nullptr, nullptr, graph.get());
    if (code < 0)
        return nullptr;

    InOutPtr outputs(avfilter_inout_alloc());
    InOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs) {
        code = AVERROR(ENOMEM);
        return nullptr;
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink;
    AVFilterInOut* rawInputs = inputs.release();
    AVFilterInOut* rawOutputs = outputs.release();
    code = avfilter_graph_parse_ptr(graph.get(),
                                    "split[a][b];[a]palettegen=stats_mode=single[p];[b][p]paletteuse",
                                    &rawInputs, &rawOutputs, nullptr);
    inputs.reset(rawInputs);
    outputs.reset(rawOutputs);
    if (code >= 0)
        code = avfilter_graph_config(graph.get(), nullptr);
    if (code < 0)
        return nullptr;

    step = "palette";
    FramePtr frame = allocFrame();
    frame->width = image.width;
    frame->height = image.height;
    frame->format = AV_PIX_FMT_RGB24;
    frame->pts = 0;
    code = av_frame_get_buffer(frame.get(), 0);
    if (code < 0)
        return nullptr;
    for (int row = 0; row < image.height; ++row)
        std::memcpy(frame->data[0] + row * frame->linesize[0],
                    image.rgb.data() + size_t(row) * image.bytesPerLine(), size_t(image.bytesPerLine()));
    code = av_buffersrc_add_frame(source, frame.get());
    if (code >= 0)
        code = av_buffersrc_add_frame(source, nullptr);
    if (code < 0)
        return nullptr;
    FramePtr reduced = allocFrame();
    code = av_buffersink_get_frame(sink, reduced.get());
    if (code < 0)
        return nullptr;
    return reduced;
}

}  // namespace

GifResult encodeGif(const VideoImage& image)
{
    if (image.empty() || image.rgb.size() < size_t(image.bytesPerLine()) * image.height)
        return {{}, "GIF encoding failed: no picture"};
    int code = 0;
    std::string step;
    FramePtr reduced = toPalette(image, code, step);
    if (!reduced)
        return failure(step, code);

    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_GIF);
    if (!codec)
        return {{}, "GIF encoding failed: FFmpeg has no GIF encoder"};
    CodecContextPtr encoder(avcodec_alloc_context3(codec));
    if (!encoder)
        return failure("encoder", AVERROR(ENOMEM));
    encoder->width = image.width;
    encoder->height = image.height;
    encoder->pix_fmt = AV_PIX_FMT_PAL8;
    encoder->time_base = {1, 25};
    if ((code = avcodec_open2(encoder.get(), codec, nullptr)) < 0)
        return failure("encoder", code);

    AVFormatContext* rawOutput = nullptr;
    if ((code = avformat_alloc_output_context2(&rawOutput, nullptr, "gif", nullptr)) < 0)
        return failure("muxer", code);
    OutputPtr output(rawOutput);
    AVStream* stream = avformat_new_stream(output.get(), nullptr);
    if (!stream)
        return failure("muxer", AVERROR(ENOMEM));
    stream->time_base = encoder->time_base;
    if ((code = avcodec_parameters_from_context(stream->codecpar, encoder.get())) < 0
        || (code = avio_open_dyn_buf(&output->pb)) < 0)
        return failure("muxer", code);
    AVDictionary* rawOptions = nullptr;
    av_dict_set(&rawOptions, "loop", "-1", 0);  // a still picture: no animation loop
    code = avformat_write_header(output.get(), &rawOptions);
    std::unique_ptr<AVDictionary, DictionaryFreer> options(rawOptions);
    if (code < 0)
        return failure("header", code);

    reduced->pts = 0;
    code = avcodec_send_frame(encoder.get(), reduced.get());
    if (code >= 0)
        code = avcodec_send_frame(encoder.get(), nullptr);
    if (code < 0)
        return failure("encoding", code);
    PacketPtr packet = allocPacket();
    while ((code = avcodec_receive_packet(encoder.get(), packet.get())) >= 0) {
        av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if ((code = av_write_frame(output.get(), packet.get())) < 0)
            return failure("writing", code);
        av_packet_unref(packet.get());
    }
    if (code != AVERROR_EOF)
        return failure("encoding", code);
    if ((code = av_write_trailer(output.get())) < 0)
        return failure("trailer", code);

    uint8_t* buffer = nullptr;
    int size = avio_close_dyn_buf(output->pb, &buffer);
    output->pb = nullptr;
    GifResult result;
    result.bytes.assign(buffer, buffer + std::max(size, 0));
    av_free(buffer);
    return result;
}

}  // namespace engine
