#include "engine/transcode/OutputPlan.h"

#include "engine/transcode/CodecLimits.h"
#include "engine/transcode/DiscTarget.h"
#include "engine/transcode/OptionTexts.h"
#include "engine/transcode/TranscodeError.h"

#include <stdexcept>

namespace engine::transcoding {

namespace {

bool globalHeaders(const AVOutputFormat* container)
{
    return container->flags & AVFMT_GLOBALHEADER;
}

// A tag the container's tag tables do not give to this codec would make
// the muxer refuse the file; it is dropped instead.
uint32_t acceptedTag(uint32_t tag, const std::string& text, AVCodecID id, const AVOutputFormat* container,
                     TaskLog& log)
{
    if (!tag || !container->codec_tag)
        return tag;
    if (av_codec_get_id(container->codec_tag, tag) == id)
        return tag;
    log.warning("The container " + std::string(container->name) + " does not take the tag " + text + " for " +
                avcodec_get_name(id) + "; the tag is dropped");
    return 0;
}

// A container without a default codec of a kind (WAV and video) gets no
// stream of that kind unless an encoder is named, as with the ffmpeg
// command line.
bool holdsKind(const AVOutputFormat* container, AVMediaType type, const std::string& requested, TaskLog& log)
{
    if (!requested.empty() || av_guess_codec(container, nullptr, nullptr, nullptr, type) != AV_CODEC_ID_NONE)
        return true;
    log.info(std::string("The container ") + container->name + " holds no " +
             (type == AVMEDIA_TYPE_VIDEO ? "video" : "audio") + "; the output has none");
    return false;
}

AVChannelLayout sourceLayout(const AVCodecContext* decoder)
{
    AVChannelLayout layout{};
    if (decoder->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC && decoder->ch_layout.nb_channels > 0)
        av_channel_layout_copy(&layout, &decoder->ch_layout);
    else
        av_channel_layout_default(&layout, std::max(1, decoder->ch_layout.nb_channels));
    return layout;
}

VideoPlan planVideo(const TOutputOptions& options, const std::optional<DiscStandard>& disc, Decoder& source,
                    const AVOutputFormat* container, TaskLog& log)
{
    const std::string& path = options.FileName;
    VideoPlan plan;
    VideoEncoderSettings& encoder = plan.encoder;
    VideoOutput& filter = plan.filter;
    AVPixelFormat sourceFormat = source.context()->pix_fmt;

    FrameSize size;
    AVRational rate;
    if (disc) {
        encoder.encoder = chooseEncoder(disc->videoEncoder, AVMEDIA_TYPE_VIDEO, container, path, log);
        size = {disc->width, disc->height};
        rate = disc->frameRate;
        encoder.bitRate = disc->videoBitRate;
        encoder.options = {{"g", std::to_string(disc->gopSize)},
                           {"maxrate", std::to_string(disc->maxRate)},
                           {"minrate", std::to_string(disc->minRate)},
                           {"bufsize", std::to_string(disc->bufferSize)}};
        if (disc->scanOffset)
            encoder.options["scan_offset"] = "1";
        if (disc->pixelFormat != AV_PIX_FMT_NONE)
            sourceFormat = disc->pixelFormat;
    } else {
        encoder.encoder = chooseEncoder(options.VideoCodec, AVMEDIA_TYPE_VIDEO, container, path, log);
        size = parseFrameSize(options.FrameSize);
        rate = parseFrameRate(options.FrameRate);
        encoder.bitRate = options.VideoBitrate > 0 ? options.VideoBitrate : 0;
        encoder.preset = options.VideoPreset;
        uint32_t tag = parseCodecTag(options.VideoTag);
        encoder.codecTag = acceptedTag(tag, options.VideoTag, encoder.encoder.id, container, log);
        filter.userFilters = options.VideoFilters;
    }
    if (rate.num <= 0)
        rate = source.frameRate();
    if (rate.num <= 0)
        rate = av_make_q(25, 1);
    AVRational fitted = fitFrameRate(encoder.encoder, rate);
    if (av_cmp_q(fitted, rate) != 0)
        log.info("The encoder " + encoder.encoder.name + " takes " + std::to_string(fitted.num) + "/" +
                 std::to_string(fitted.den) + " frames per second, nearest to the rate asked for");

    filter.format = fitPixelFormat(encoder.encoder, sourceFormat);
    filter.alignment = sizeAlignment(encoder.encoder, filter.format);
    if (size.width > 0) {
        filter.width = alignDown(size.width, filter.alignment);
        filter.height = alignDown(size.height, filter.alignment);
    }
    filter.frameRate = fitted;
    filter.displayAspect = parseAspectRatio(options.FrameAspectRatio);

    encoder.format = filter.format;
    encoder.frameRate = fitted;
    encoder.globalHeader = globalHeaders(container);
    return plan;
}

AudioPlan planAudio(const TOutputOptions& options, const std::optional<DiscStandard>& disc, Decoder& source,
                    const AVOutputFormat* container, TaskLog& log)
{
    const std::string& path = options.FileName;
    AudioPlan plan;
    AudioEncoderSettings& encoder = plan.encoder;
    AudioOutput& filter = plan.filter;
    const AVCodecContext* decoder = source.context();

    int sampleRate = options.AudioSampleRate > 0 ? options.AudioSampleRate : 0;
    int channels = options.AudioChannels > 0 ? options.AudioChannels : 0;
    if (disc) {
        encoder.encoder = chooseEncoder(disc->audioEncoder, AVMEDIA_TYPE_AUDIO, container, path, log);
        sampleRate = disc->sampleRate;
        if (disc->channels > 0)
            channels = disc->channels;
        encoder.bitRate = disc->audioBitRate;
    } else {
        encoder.encoder = chooseEncoder(options.AudioCodec, AVMEDIA_TYPE_AUDIO, container, path, log);
        encoder.bitRate = options.AudioBitrate > 0 ? options.AudioBitrate : 0;
    }
    if (sampleRate <= 0)
        sampleRate = decoder->sample_rate;
    if (channels <= 0) {
        AVChannelLayout layout = sourceLayout(decoder);
        channels = layout.nb_channels;
        av_channel_layout_uninit(&layout);
    }

    filter.sampleRate = fitSampleRate(encoder.encoder, container, sampleRate);
    if (filter.sampleRate != sampleRate)
        log.info("The encoder " + encoder.encoder.name + " takes " + std::to_string(filter.sampleRate) +
                 " Hz, nearest to the " + std::to_string(sampleRate) + " Hz asked for");
    filter.layout = fitChannelLayout(encoder.encoder, channels);
    filter.format = fitSampleFormat(encoder.encoder, decoder->sample_fmt);
    filter.volume = options.AudioVolume > 0 ? options.AudioVolume / 256.0 : 1.0;

    encoder.sampleRate = filter.sampleRate;
    encoder.format = filter.format;
    av_channel_layout_copy(&encoder.layout, &filter.layout);
    encoder.globalHeader = globalHeaders(container);
    return plan;
}

}  // namespace

OutputPlan planOutput(const TOutputOptions& options, InputFile& input, TaskLog& log)
{
    OutputPlan plan;
    std::optional<DiscStandard> disc;
    try {
        if (options.TargetType != TOptionTargetType::ttIgnore) {
            AVRational sourceRate = input.video() ? input.video()->frameRate() : av_make_q(0, 1);
            bool pal = discIsPal(options.NormType, options.NormDefault, sourceRate);
            disc = discStandard(options.TargetType, pal);
            log.info(std::string("Making a ") + (pal ? "PAL " : "NTSC ") + disc->muxer + " stream");
            plan.container = av_guess_format(disc->muxer, nullptr, nullptr);
            plan.containerOptions = {{"packetsize", std::to_string(disc->packetSize)}};
            if (disc->muxRate > 0)
                plan.containerOptions["muxrate"] = std::to_string(disc->muxRate);
            if (disc->preload > 0)
                plan.containerOptions["preload"] = std::to_string(int64_t(disc->preload * AV_TIME_BASE));
        } else {
            plan.container = chooseContainer(options.FileFormat, options.FileExt, options.FileName);
        }
        bool video = input.video() && !options.DisableVideo &&
                     holdsKind(plan.container, AVMEDIA_TYPE_VIDEO, options.VideoCodec, log);
        if (video)
            plan.video = planVideo(options, disc, *input.video(), plan.container, log);
        if (input.audio() && holdsKind(plan.container, AVMEDIA_TYPE_AUDIO, options.AudioCodec, log))
            plan.audio = planAudio(options, disc, *input.audio(), plan.container, log);
    } catch (const std::invalid_argument& badText) {
        throw TranscodeError("Cannot write " + quotedPath(options.FileName) + ": " + badText.what());
    }
    if (!plan.video && !plan.audio)
        throw TranscodeError("Cannot write " + quotedPath(options.FileName) + ": the source " +
                             quotedPath(input.fileName()) + " has no audio, and the output is to have no video");
    return plan;
}

}  // namespace engine::transcoding
