#include "engine/transcode/Transcoder.h"

#include "engine/transcode/InputFile.h"
#include "engine/transcode/OutputFile.h"
#include "engine/transcode/OutputPlan.h"
#include "engine/transcode/StreamPipeline.h"
#include "engine/transcode/TaskLog.h"
#include "engine/transcode/TranscodeError.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

extern "C" {
#include <libavfilter/buffersink.h>
}

namespace engine {

using namespace engine::transcoding;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void refuseOwnSource(const std::string& source, const std::string& output)
{
    if (output.empty())
        throw TranscodeError("No output file is set for the source " + quotedPath(source));
    std::error_code error;
    bool same = fs::exists(output, error) ? fs::equivalent(source, output, error)
                                          : fs::weakly_canonical(source, error) == fs::weakly_canonical(output, error);
    if (same)
        throw TranscodeError("The output file " + quotedPath(output) + " is the source itself; it is not overwritten");
}

VideoInput videoInputOf(const Decoder& decoder)
{
    const AVCodecContext* context = decoder.context();
    VideoInput in;
    in.width = context->width;
    in.height = context->height;
    in.format = context->pix_fmt;
    in.timeBase = decoder.stream()->time_base;
    in.sampleAspect = context->sample_aspect_ratio;
    in.frameRate = decoder.frameRate();
    return in;
}

AudioInput audioInputOf(const Decoder& decoder)
{
    const AVCodecContext* context = decoder.context();
    AudioInput in;
    in.sampleRate = context->sample_rate;
    in.format = context->sample_fmt;
    if (context->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_copy(&in.layout, &context->ch_layout);
    else
        av_channel_layout_default(&in.layout, context->ch_layout.nb_channels);
    // Audio is filtered on a clock of samples: frames that the filters cut
    // to the encoder's frame size then keep exact, distinct times even when
    // the container's own time base is coarse (one tick per MP3 frame in AVI).
    in.timeBase = av_make_q(1, context->sample_rate);
    return in;
}

class Task {
public:
    Task(const TInputOptions& input, const TOutputOptions& output, TranscodeObserver& observer,
         const TranscodeSettings& settings, TaskLog& log)
        : input_(input), output_(output), observer_(observer), settings_(settings), log_(log)
    {
    }

    // True when the whole source was converted; false when stopped.
    bool run()
    {
        refuseOwnSource(input_.FileName, output_.FileName);
        InputFile source(input_, !output_.DisableVideo, log_);
        OutputPlan plan = planOutput(output_, source, log_);
        OutputFile output(output_.FileName, plan.container, log_);

        std::vector<std::unique_ptr<StreamPipeline>> pipelines(source.context()->nb_streams);
        if (plan.video)
            pipelines[source.video()->stream()->index] = videoPipeline(*source.video(), *plan.video, output);
        if (plan.audio)
            pipelines[source.audio()->stream()->index] = audioPipeline(*source.audio(), *plan.audio, output);
        output.open(plan.containerOptions);
        log_.deliver();

        PacketPtr packet = allocPacket();
        while (source.read(packet.get())) {
            if (StreamPipeline* pipeline = pipelines[packet->stream_index].get())
                pipeline->decode(packet.get());
            av_packet_unref(packet.get());
            log_.deliver();
            if (observer_.stopRequested())
                return false;
            reportProgress(source, output, false);
        }
        for (auto& pipeline : pipelines)
            if (pipeline)
                pipeline->finish();
        if (plan.video)
            source.video()->checkHealth();
        if (plan.audio)
            source.audio()->checkHealth();
        output.finish();
        reportProgress(source, output, true);
        return true;
    }

private:
    std::unique_ptr<StreamPipeline> videoPipeline(Decoder& decoder, VideoPlan& plan, OutputFile& output)
    {
        if (decoder.context()->pix_fmt == AV_PIX_FMT_NONE || decoder.context()->width <= 0)
            throw TranscodeError("Cannot decode the video of " + quotedPath(input_.FileName) +
                                 ": no picture of it could be decoded");
        FrameFilter filter = FrameFilter::video(videoInputOf(decoder), plan.filter);
        plan.encoder.width = av_buffersink_get_w(filter.sink());
        plan.encoder.height = av_buffersink_get_h(filter.sink());
        plan.encoder.sampleAspect = av_buffersink_get_sample_aspect_ratio(filter.sink());
        auto encoder = openVideoEncoder(plan.encoder, output_.FileName, log_);

        AVStream* stream = output.addStream();
        encoder->copyParameters(stream->codecpar);
        stream->time_base = encoder->timeBase();
        stream->avg_frame_rate = plan.encoder.frameRate;
        stream->sample_aspect_ratio = plan.encoder.sampleAspect;

        // Later frames of another size or format are filtered to the same output.
        VideoOutput fixed = plan.filter;
        fixed.width = plan.encoder.width;
        fixed.height = plan.encoder.height;
        fixed.displayAspect = av_mul_q(plan.encoder.sampleAspect.num > 0 ? plan.encoder.sampleAspect : av_make_q(1, 1),
                                       av_make_q(fixed.width, fixed.height));
        VideoInput baseInput = videoInputOf(decoder);
        auto rebuild = [fixed, baseInput](const AVFrame& frame) {
            VideoInput in = baseInput;
            in.width = frame.width;
            in.height = frame.height;
            in.format = AVPixelFormat(frame.format);
            in.sampleAspect = frame.sample_aspect_ratio;
            return FrameFilter::video(in, fixed);
        };
        return std::make_unique<StreamPipeline>(decoder, std::move(filter), rebuild, std::move(encoder),
                                                stream->index, output, muxed_, &observer_);
    }

    std::unique_ptr<StreamPipeline> audioPipeline(Decoder& decoder, AudioPlan& plan, OutputFile& output)
    {
        if (decoder.context()->sample_fmt == AV_SAMPLE_FMT_NONE || decoder.context()->sample_rate <= 0)
            throw TranscodeError("Cannot decode the audio of " + quotedPath(input_.FileName) +
                                 ": no sound of it could be decoded");
        AudioInput in = audioInputOf(decoder);
        FrameFilter filter = FrameFilter::audio(in, plan.filter);
        av_channel_layout_uninit(&in.layout);
        auto encoder = openAudioEncoder(plan.encoder, output_.FileName, log_);
        filter.setFrameSize(encoder->frameSize());

        AVStream* stream = output.addStream();
        encoder->copyParameters(stream->codecpar);
        stream->time_base = encoder->timeBase();
        return std::make_unique<StreamPipeline>(decoder, std::move(filter), nullptr, std::move(encoder),
                                                stream->index, output, muxed_, nullptr);
    }

    void reportProgress(const InputFile& source, const OutputFile& output, bool last)
    {
        Clock::time_point now = Clock::now();
        if (!last && now - lastReport_ < std::chrono::milliseconds(settings_.progressIntervalMs))
            return;
        lastReport_ = now;
        double seconds = std::chrono::duration<double>(now - started_).count();
        TranscodeProgress progress;
        progress.frameNumber = muxed_.videoFrames;
        progress.fps = seconds > 0 ? muxed_.videoFrames / seconds : 0;
        progress.quality = muxed_.quality;
        progress.currentSize = last ? int64_t(fs::file_size(output_.FileName)) : output.bytesWritten();
        progress.totalDuration = source.durationUs();
        // The encoders' last packets may reach a little past the source's end.
        progress.currentDuration = progress.totalDuration > 0 ? std::min(muxed_.endUs, progress.totalDuration)
                                                              : muxed_.endUs;
        if (muxed_.endUs > 0)
            progress.bitRate = float(progress.currentSize * 8.0 / (muxed_.endUs / 1e6) / 1000.0);
        observer_.progress(progress);
    }

    const TInputOptions& input_;
    const TOutputOptions& output_;
    TranscodeObserver& observer_;
    const TranscodeSettings& settings_;
    TaskLog& log_;
    MuxedSoFar muxed_;
    Clock::time_point started_ = Clock::now();
    Clock::time_point lastReport_ = Clock::now();
};

}  // namespace

TranscodeResult transcode(const TInputOptions& input, const TOutputOptions& output, TranscodeObserver& observer,
                          const TranscodeSettings& settings)
{
    TaskLog log(observer, settings.logLevel);
    TranscodeResult result;
    try {
        result.finished = Task(input, output, observer, settings, log).run();
        if (!result.finished)
            log.info("Stopped: " + quotedPath(output.FileName) + " was not written");
    } catch (const TranscodeError& error) {
        result.failed = true;
        result.error = error.what();
    } catch (const std::bad_alloc&) {
        result.failed = true;
        result.error = "Out of memory while converting " + quotedPath(input.FileName);
    } catch (const std::exception& error) {
        result.failed = true;
        result.error = "Cannot convert " + quotedPath(input.FileName) + ": " + error.what();
    }
    if (result.failed)
        log.add(3, result.error);
    log.deliver();
    return result;
}

}  // namespace engine
