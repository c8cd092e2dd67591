#include "engine/transcode/InputFile.h"

#include "engine/transcode/TranscodeError.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace engine::transcoding {

namespace {

// A stream that ends this much short of the stated duration is incomplete:
// a fifth of a second plus one percent covers the rounding of containers
// and the last frame's length.
int64_t shortfallTolerance(int64_t durationUs)
{
    return 200000 + durationUs / 100;
}

int bestStream(AVFormatContext* context, AVMediaType type)
{
    int index = av_find_best_stream(context, type, -1, -1, nullptr, 0);
    if (index < 0)
        return -1;
    // A cover picture is not a video to convert.
    if (context->streams[index]->disposition & AV_DISPOSITION_ATTACHED_PIC) {
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            AVStream* stream = context->streams[i];
            if (stream->codecpar->codec_type == type && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
                return int(i);
        }
        return -1;
    }
    return index;
}

}  // namespace

std::string timeText(int64_t microseconds)
{
    if (microseconds < 0)
        microseconds = 0;
    int64_t centis = microseconds / 10000;
    char text[32];
    std::snprintf(text, sizeof text, "%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64, centis / 360000,
                  centis / 6000 % 60, centis / 100 % 60, centis % 100);
    return text;
}

Decoder::Decoder(AVStream* stream, const std::string& fileName, TaskLog& log)
    : stream_(stream), fileName_(fileName), log_(log)
{
    const char* kind = stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? "video" : "audio";
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        throw TranscodeError("Cannot decode the " + std::string(kind) + " of " + quotedPath(fileName) + ": no decoder for " +
                             avcodec_get_name(stream->codecpar->codec_id));
    context_.reset(avcodec_alloc_context3(codec));
    if (!context_)
        throw std::bad_alloc();
    int err = avcodec_parameters_to_context(context_.get(), stream->codecpar);
    if (err < 0)
        throw TranscodeError("Cannot decode the " + std::string(kind) + " of " + quotedPath(fileName) + ": " + avErrorText(err));
    context_->pkt_timebase = stream->time_base;
    context_->thread_count = 0;  // as many as the machine has, like the ffmpeg command line
    if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
        context_->framerate = frameRate();
    log_.clearFfmpegError();
    err = avcodec_open2(context_.get(), codec, nullptr);
    if (err < 0)
        throw TranscodeError(withFfmpegDetail("Cannot open the " + std::string(kind) + " decoder " + codec->name +
                                                  " for " + quotedPath(fileName) + ": " + avErrorText(err),
                                              log_));
}

AVRational Decoder::frameRate() const
{
    AVRational rate = stream_->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0 || av_q2d(rate) > 1000)
        rate = stream_->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        return av_make_q(0, 1);
    return rate;
}

void Decoder::send(const AVPacket* packet)
{
    if (packet) {
        ++packets_;
        int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (at != AV_NOPTS_VALUE)
            lastPacketUs_ = av_rescale_q(at, stream_->time_base, AV_TIME_BASE_Q);
    }
    log_.clearFfmpegError();
    int err = avcodec_send_packet(context_.get(), packet);
    if (err < 0 && err != AVERROR_EOF && packet)
        noteFailure(err);
}

void Decoder::noteFailure(int err)
{
    ++failedPackets_;
    std::string reason = "at " + timeText(lastPacketUs_) + ": " + withFfmpegDetail(avErrorText(err), log_);
    if (firstFailure_.empty())
        firstFailure_ = reason;
    log_.warning("Error while decoding " + quotedPath(fileName_) + " " + reason);
}

bool Decoder::receive(AVFrame* frame)
{
    int err = avcodec_receive_frame(context_.get(), frame);
    if (err == 0) {
        ++frames_;
        return true;
    }
    if (err != AVERROR(EAGAIN) && err != AVERROR_EOF)
        noteFailure(err);
    return false;
}

void Decoder::checkHealth() const
{
    const char* kind = stream_->codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? "video" : "audio";
    // As the ffmpeg command line judges: a stream is lost when nothing of
    // it decoded, or when more than two thirds of it failed.
    if (packets_ > 0 && (frames_ == 0 || failedPackets_ * 3 > packets_ * 2))
        throw TranscodeError("Cannot decode the " + std::string(kind) + " of " + quotedPath(fileName_) + " " +
                             (firstFailure_.empty() ? std::string(": no frame could be decoded") : firstFailure_));
}

InputFile::InputFile(const TInputOptions& options, bool wantVideo, TaskLog& log)
    : fileName_(options.FileName), log_(log)
{
    const AVInputFormat* forced = nullptr;
    if (!options.FileFormat.empty()) {
        forced = av_find_input_format(options.FileFormat.c_str());
        if (!forced)
            throw TranscodeError("Cannot open the source " + quotedPath(fileName_) + ": unknown input format '" +
                                 options.FileFormat + "'");
    }
    AVFormatContext* raw = nullptr;
    log_.clearFfmpegError();
    int err = avformat_open_input(&raw, fileName_.c_str(), forced, nullptr);
    if (err < 0)
        throw TranscodeError("Cannot open the source " + quotedPath(fileName_) + ": " + avErrorText(err));
    context_.reset(raw);
    err = avformat_find_stream_info(raw, nullptr);
    if (err < 0)
        throw TranscodeError(withFfmpegDetail(
            "Cannot read the streams of the source " + quotedPath(fileName_) + ": " + avErrorText(err), log_));

    int videoIndex = wantVideo ? bestStream(raw, AVMEDIA_TYPE_VIDEO) : -1;
    int audioIndex = bestStream(raw, AVMEDIA_TYPE_AUDIO);
    if (videoIndex < 0 && audioIndex < 0)
        throw TranscodeError("The source " + quotedPath(fileName_) + " has no " +
                             (wantVideo ? "video or audio" : "audio") + " to convert");
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        if (int(i) != videoIndex && int(i) != audioIndex)
            raw->streams[i]->discard = AVDISCARD_ALL;
    if (videoIndex >= 0)
        video_.emplace(raw->streams[videoIndex], fileName_, log_);
    if (audioIndex >= 0)
        audio_.emplace(raw->streams[audioIndex], fileName_, log_);

    startUs_ = raw->start_time != AV_NOPTS_VALUE ? raw->start_time : 0;
    durationUs_ = raw->duration > 0 ? raw->duration : 0;
}

bool InputFile::read(AVPacket* packet)
{
    for (;;) {
        log_.clearFfmpegError();
        int err = av_read_frame(context_.get(), packet);
        AVIOContext* io = context_->pb;
        if (err == AVERROR_EOF || (err < 0 && io && avio_feof(io) && !io->error)) {
            if (io && io->error < 0 && io->error != AVERROR_EOF)
                throw TranscodeError("Cannot read the source " + quotedPath(fileName_) + " at " + timeText(positionUs_) +
                                     ": " + avErrorText(io->error));
            checkComplete();
            return false;
        }
        if (err < 0)
            throw TranscodeError(withFfmpegDetail("Cannot read the source " + quotedPath(fileName_) + " at " +
                                                      timeText(positionUs_) + ": " + avErrorText(err),
                                                  log_));
        bool used = (video_ && packet->stream_index == video_->stream()->index) ||
                    (audio_ && packet->stream_index == audio_->stream()->index);
        if (!used) {
            av_packet_unref(packet);
            continue;
        }
        AVStream* stream = context_->streams[packet->stream_index];
        int64_t offset = av_rescale_q(startUs_, AV_TIME_BASE_Q, stream->time_base);
        if (packet->pts != AV_NOPTS_VALUE)
            packet->pts -= offset;
        if (packet->dts != AV_NOPTS_VALUE)
            packet->dts -= offset;
        int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (at != AV_NOPTS_VALUE)
            positionUs_ = std::max(positionUs_, av_rescale_q(at + std::max<int64_t>(packet->duration, 0),
                                                             stream->time_base, AV_TIME_BASE_Q));
        return true;
    }
}

void InputFile::checkComplete() const
{
    // A duration guessed from the bit rate is no promise of where the file ends.
    if (durationUs_ <= 0 || context_->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
        return;
    // Where the streams being converted should end: their own durations
    // where the container states them (a longer subtitle or data stream
    // does not count), else the file's.
    int64_t expected = 0;
    for (const Decoder* decoder : {video_ ? &*video_ : nullptr, audio_ ? &*audio_ : nullptr}) {
        if (!decoder)
            continue;
        const AVStream* stream = decoder->stream();
        if (stream->duration > 0) {
            int64_t start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
            expected = std::max(expected, av_rescale_q(start + stream->duration, stream->time_base, AV_TIME_BASE_Q) -
                                              startUs_);
        } else {
            expected = std::max(expected, durationUs_);
        }
    }
    expected = std::min(expected, durationUs_);
    if (positionUs_ + shortfallTolerance(expected) < expected)
        throw TranscodeError("The source " + quotedPath(fileName_) + " ends at " + timeText(positionUs_) + " of " +
                             timeText(expected) + ": the file is truncated or damaged");
}

}  // namespace engine::transcoding
