#include "engine/transcode/OutputFile.h"

#include "engine/transcode/TranscodeError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace engine::transcoding {

namespace fs = std::filesystem;

namespace {

// Creates a new, empty file beside `path` with a name no other file has;
// returns its path. Throws naming `path` when the folder cannot take it.
std::string createTemporaryBeside(const std::string& path)
{
    fs::path target(path);
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> pick(0, sizeof letters - 2);
    const std::string name = target.filename().string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string hidden(1, '.');
        hidden.append(name).append(1, '.');
        for (int i = 0; i < 6; ++i)
            hidden += letters[pick(random)];
        hidden.append(".part");
        fs::path candidate = folder / hidden;
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate.string();
        }
        if (errno != EEXIST)
            throw TranscodeError("Cannot create the output file " + quotedPath(path) + ": " + avErrorText(AVERROR(errno)));
    }
    throw TranscodeError("Cannot create the output file " + quotedPath(path) + ": no free temporary name");
}

}  // namespace

OutputFile::OutputFile(std::string outputPath, const AVOutputFormat* format, TaskLog& log)
    : path_(std::move(outputPath)), log_(log)
{
    int err = avformat_alloc_output_context2(&context_, format, nullptr, path_.c_str());
    if (err < 0 || !context_)
        throw TranscodeError("Cannot write " + quotedPath(path_) + ": " + avErrorText(err));
    // The muxer's interleaving window, as the ffmpeg command line sets it.
    context_->max_delay = 700000;
}

OutputFile::~OutputFile()
{
    if (!finished_)
        closeAndRemove();
    avformat_free_context(context_);
}

AVStream* OutputFile::addStream()
{
    AVStream* stream = avformat_new_stream(context_, nullptr);
    if (!stream)
        throw std::bad_alloc();
    return stream;
}

void OutputFile::open(const std::map<std::string, std::string>& options)
{
    temporaryPath_ = createTemporaryBeside(path_);
    av_freep(&context_->url);
    context_->url = av_strdup(temporaryPath_.c_str());
    int err = avio_open(&context_->pb, temporaryPath_.c_str(), AVIO_FLAG_WRITE);
    if (err < 0)
        fail("Cannot create the output file", err);
    Dictionary dictionary;
    for (const auto& [key, value] : options)
        dictionary.set(key.c_str(), value);
    log_.clearFfmpegError();
    err = avformat_write_header(context_, dictionary.get());
    if (err < 0)
        fail("Cannot write the header of", err);
    if (const char* unused = dictionary.firstUnused())
        log_.warning("The container " + std::string(context_->oformat->name) + " has no option '" + unused + "'");
    opened_ = true;
}

void OutputFile::write(AVPacket* packet, int index, AVRational timeBase)
{
    AVStream* stream = context_->streams[index];
    packet->stream_index = index;
    av_packet_rescale_ts(packet, timeBase, stream->time_base);
    keepDtsIncreasing(packet, index);
    int err = av_interleaved_write_frame(context_, packet);
    if (err < 0)
        fail("Cannot write", err);
    if (context_->pb->error < 0)
        fail("Cannot write", context_->pb->error);
}

void OutputFile::keepDtsIncreasing(AVPacket* packet, int index)
{
    // Sources joined from pieces (concatenated transport streams) can step
    // back in time; the muxer would refuse such a packet. Like the ffmpeg
    // command line, move it just after the previous one.
    if (lastDts_.size() <= size_t(index))
        lastDts_.resize(size_t(index) + 1, AV_NOPTS_VALUE);
    int64_t& last = lastDts_[size_t(index)];
    if (packet->dts != AV_NOPTS_VALUE && last != AV_NOPTS_VALUE) {
        int64_t least = last + !(context_->oformat->flags & AVFMT_TS_NONSTRICT);
        if (packet->dts < least) {
            if (!warnedDts_) {
                warnedDts_ = true;
                log_.warning("Timestamps of " + quotedPath(path_) + " went back in time (stream " +
                             std::to_string(index) + "); they are moved forward");
            }
            if (packet->pts != AV_NOPTS_VALUE && packet->pts >= packet->dts)
                packet->pts = std::max(packet->pts, least);
            packet->dts = least;
        }
    }
    if (packet->dts != AV_NOPTS_VALUE)
        last = packet->dts;
}

void OutputFile::finish()
{
    log_.clearFfmpegError();
    int err = av_write_trailer(context_);
    if (err < 0)
        fail("Cannot finish", err);
    avio_flush(context_->pb);
    if (context_->pb->error < 0)
        fail("Cannot write", context_->pb->error);
    err = avio_closep(&context_->pb);
    if (err < 0)
        fail("Cannot write", err);
    std::error_code error;
    fs::rename(temporaryPath_, path_, error);
    if (error)
        throw TranscodeError("Cannot rename the finished output to " + quotedPath(path_) + ": " + error.message());
    finished_ = true;
}

int64_t OutputFile::bytesWritten() const
{
    return context_->pb ? avio_tell(context_->pb) : 0;
}

void OutputFile::fail(const std::string& what, int err)
{
    throw TranscodeError(withFfmpegDetail(what + " " + quotedPath(path_) + ": " + avErrorText(err), log_));
}

void OutputFile::closeAndRemove()
{
    if (context_->pb)
        avio_closep(&context_->pb);
    if (!temporaryPath_.empty()) {
        std::error_code ignored;
        fs::remove(temporaryPath_, ignored);
    }
}

}  // namespace engine::transcoding
