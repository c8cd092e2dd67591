#pragma once
// The muxer of a task, writing into a temporary file beside the output
// path ("./.name.XXXXXX.part"). finish() writes the trailer and renames
// the temporary file to the output path; an output file that is destroyed
// unfinished removes its temporary file, so a stopped or failed task leaves
// nothing under the output name and never touches a file that was there.

#include "engine/FfmpegPtr.h"
#include "engine/transcode/TaskLog.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace engine::transcoding {

class OutputFile {
public:
    OutputFile(std::string outputPath, const AVOutputFormat* format, TaskLog& log);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& path() const { return path_; }
    const AVOutputFormat* format() const { return context_->oformat; }
    bool needsGlobalHeaders() const { return context_->oformat->flags & AVFMT_GLOBALHEADER; }

    // A new stream; its parameters are filled in by the caller.
    AVStream* addStream();

    // Creates the temporary file and writes the header, with the muxer's
    // options (packet size, mux rate, ...).
    void open(const std::map<std::string, std::string>& options);

    // Writes an encoded packet of stream `index`, whose timestamps are in
    // `timeBase`. The packet is consumed.
    void write(AVPacket* packet, int index, AVRational timeBase);

    // Trailer, close, rename into place.
    void finish();

    int64_t bytesWritten() const;

private:
    void fail(const std::string& what, int err);
    void keepDtsIncreasing(AVPacket* packet, int index);
    void closeAndRemove();

    std::string path_;
    std::string temporaryPath_;
    TaskLog& log_;
    AVFormatContext* context_ = nullptr;
    std::vector<int64_t> lastDts_;  // per stream, in its time base
    bool warnedDts_ = false;
    bool opened_ = false;
    bool finished_ = false;
};

}  // namespace engine::transcoding
