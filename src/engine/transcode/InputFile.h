#pragma once
// The source of a task: the demuxer, and a decoder for the best video and
// the best audio stream. Timestamps are moved so that the source starts at
// zero, as the ffmpeg command line does.
//
// A source that ends before its stated duration (a truncated or damaged
// file) or whose reading fails is an error naming the file, the position
// and FFmpeg's reason.

#include "engine/TaskRecords.h"
#include "engine/FfmpegPtr.h"
#include "engine/transcode/TaskLog.h"

#include <cstdint>
#include <optional>
#include <string>

namespace engine::transcoding {

class Decoder {
public:
    Decoder(AVStream* stream, const std::string& fileName, TaskLog& log);

    AVStream* stream() const { return stream_; }
    AVCodecContext* context() const { return context_.get(); }
    // The stream's frame rate, {0, 1} when unknown (video only).
    AVRational frameRate() const;

    // Feeds one packet (nullptr: the end); a packet the decoder rejects is
    // counted and logged, not thrown.
    void send(const AVPacket* packet);
    // The next decoded frame; false when the decoder wants more input or is done.
    bool receive(AVFrame* frame);

    // Throws when the stream could not be decoded: packets came but no
    // frame, or most packets failed.
    void checkHealth() const;

private:
    void noteFailure(int err);

    AVStream* stream_;
    CodecContextPtr context_;
    std::string fileName_;
    TaskLog& log_;
    int64_t packets_ = 0;
    int64_t failedPackets_ = 0;
    int64_t frames_ = 0;
    int64_t lastPacketUs_ = 0;
    std::string firstFailure_;  // "at 00:00:01.20: reason"
};

class InputFile {
public:
    InputFile(const TInputOptions& options, bool wantVideo, TaskLog& log);

    const std::string& fileName() const { return fileName_; }
    AVFormatContext* context() const { return context_.get(); }
    Decoder* video() { return video_ ? &*video_ : nullptr; }
    Decoder* audio() { return audio_ ? &*audio_ : nullptr; }

    // The next packet of the video or audio stream, its timestamps moved to
    // start at zero; false at the end of the source. Throws on a read error
    // and when the source ends early.
    bool read(AVPacket* packet);

    // The source's duration in microseconds; 0 when unknown.
    int64_t durationUs() const { return durationUs_; }
    // How far reading has got, in microseconds from the start.
    int64_t positionUs() const { return positionUs_; }

private:
    void checkComplete() const;

    std::string fileName_;
    TaskLog& log_;
    InputContextPtr context_;
    std::optional<Decoder> video_;
    std::optional<Decoder> audio_;
    int64_t startUs_ = 0;
    int64_t durationUs_ = 0;
    int64_t positionUs_ = 0;
};

// "00:01:02.34" for a time in microseconds.
std::string timeText(int64_t microseconds);

}  // namespace engine::transcoding
