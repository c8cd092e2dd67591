#include "engine/transcode/StreamEncoder.h"

#include "engine/transcode/AmrNbEncoder.h"
#include "engine/FfmpegPtr.h"
#include "engine/transcode/TranscodeError.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace engine::transcoding {

namespace {

const char* const x264Defaults = "libx264-default";

// The key=value lines of an FFmpeg preset file, found where the ffmpeg
// command line looks for it.
CodecOptions presetOptions(const std::string& preset, const std::string& encoderName, const std::string& outputPath)
{
    std::vector<std::filesystem::path> folders;
    if (const char* dataDir = std::getenv("FFMPEG_DATADIR"))
        folders.emplace_back(dataDir);
    if (const char* home = std::getenv("HOME"))
        folders.emplace_back(std::filesystem::path(home) / ".ffmpeg");
    folders.emplace_back("/usr/share/ffmpeg");
    for (const auto& folder : folders) {
        for (const std::string& name : {encoderName + "-" + preset + ".ffpreset", preset + ".ffpreset"}) {
            std::ifstream file(folder / name);
            if (!file)
                continue;
            CodecOptions options;
            std::string line;
            while (std::getline(file, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (line.empty() || line.front() == '#')
                    continue;
                size_t equals = line.find('=');
                if (equals == std::string::npos)
                    throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": preset file " +
                                         quotedPath((folder / name).string()) + " has a bad line '" + line + "'");
                options[line.substr(0, equals)] = line.substr(equals + 1);
            }
            return options;
        }
    }
    throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": no preset file for '" + preset + "'");
}

class FfmpegEncoder : public StreamEncoder {
public:
    FfmpegEncoder(CodecContextPtr context, std::string outputPath)
        : context_(std::move(context)), outputPath_(std::move(outputPath)), name_(context_->codec->name)
    {
    }

    void send(const AVFrame* frame) override
    {
        int err = avcodec_send_frame(context_.get(), frame);
        if (err < 0 && err != AVERROR_EOF)
            throw TranscodeError("Cannot encode " + quotedPath(outputPath_) + " with " + name_ + ": " + avErrorText(err));
    }

    bool receive(AVPacket* packet) override
    {
        int err = avcodec_receive_packet(context_.get(), packet);
        if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
            return false;
        if (err < 0)
            throw TranscodeError("Cannot encode " + quotedPath(outputPath_) + " with " + name_ + ": " + avErrorText(err));
        return true;
    }

    AVRational timeBase() const override { return context_->time_base; }

    int frameSize() const override
    {
        if (context_->codec_type != AVMEDIA_TYPE_AUDIO ||
            (context_->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE))
            return 0;
        return context_->frame_size;
    }

    void copyParameters(AVCodecParameters* parameters) const override
    {
        int err = avcodec_parameters_from_context(parameters, context_.get());
        if (err < 0)
            throw TranscodeError("Cannot write " + quotedPath(outputPath_) + ": " + avErrorText(err));
    }

    const std::string& name() const override { return name_; }

private:
    CodecContextPtr context_;
    std::string outputPath_;
    std::string name_;
};

CodecContextPtr allocContext(const AVCodec* codec)
{
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    // Threads as the machine has them, as the ffmpeg command line sets.
    context->thread_count = 0;
    return context;
}

std::unique_ptr<StreamEncoder> open(CodecContextPtr context, const CodecOptions& options,
                                    const std::string& outputPath, TaskLog& log)
{
    Dictionary dictionary;
    for (const auto& [key, value] : options)
        dictionary.set(key.c_str(), value);
    const AVCodec* codec = context->codec;
    log.clearFfmpegError();
    int err = avcodec_open2(context.get(), codec, dictionary.get());
    if (err < 0)
        throw TranscodeError(withFfmpegDetail("Cannot open the encoder " + std::string(codec->name) + " for " +
                                                  quotedPath(outputPath) + ": " + avErrorText(err),
                                              log));
    if (const char* unused = dictionary.firstUnused())
        log.warning("The encoder " + std::string(codec->name) + " has no option '" + unused + "'");
    return std::make_unique<FfmpegEncoder>(std::move(context), outputPath);
}

}  // namespace

std::unique_ptr<StreamEncoder> openVideoEncoder(const VideoEncoderSettings& settings, const std::string& outputPath,
                                                TaskLog& log)
{
    CodecContextPtr context = allocContext(settings.encoder.codec);
    context->width = settings.width;
    context->height = settings.height;
    context->pix_fmt = settings.format;
    context->framerate = settings.frameRate;
    context->time_base = av_inv_q(settings.frameRate);
    context->sample_aspect_ratio = settings.sampleAspect;
    if (settings.bitRate > 0)
        context->bit_rate = settings.bitRate;
    context->codec_tag = settings.codecTag;
    if (settings.globalHeader)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    CodecOptions options = settings.options;
    if (!settings.preset.empty() && settings.preset != x264Defaults)
        for (auto& [key, value] : presetOptions(settings.preset, settings.encoder.name, outputPath))
            options.try_emplace(key, value);
    return open(std::move(context), options, outputPath, log);
}

std::unique_ptr<StreamEncoder> openAudioEncoder(const AudioEncoderSettings& settings, const std::string& outputPath,
                                                TaskLog& log)
{
    if (settings.encoder.ownAmrNb())
        return std::make_unique<AmrNbEncoder>(settings.bitRate, outputPath);
    CodecContextPtr context = allocContext(settings.encoder.codec);
    context->sample_rate = settings.sampleRate;
    context->sample_fmt = settings.format;
    int err = av_channel_layout_copy(&context->ch_layout, &settings.layout);
    if (err < 0)
        throw std::bad_alloc();
    context->time_base = av_make_q(1, settings.sampleRate);
    if (settings.bitRate > 0)
        context->bit_rate = settings.bitRate;
    if (settings.globalHeader)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return open(std::move(context), settings.options, outputPath, log);
}

}  // namespace engine::transcoding
