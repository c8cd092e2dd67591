#pragma once
// One conversion task, start to end, in the calling thread: open the source,
// decode, filter, encode and mux into the output the options describe.
//
// The output is written to a temporary file beside the output path and
// renamed to the output path only when the whole source was converted, so a
// stopped or failed task leaves no file under the output name and never
// touches a file that was there before. A task whose output is its own
// source is refused.
//
// The caller learns what happens through a TranscodeObserver, called on the
// transcoding thread. The worker process of the converter runs this and
// forwards what the observer hears to the converter over its pipe.

#include "engine/TaskRecords.h"

#include <cstdint>
#include <string>

struct AVFrame;

namespace engine {

struct TranscodeProgress {
    int64_t frameNumber = 0;      // video frames encoded so far
    double fps = 0;               // encoding speed, frames per second
    float quality = 0;            // encoder quality value
    float bitRate = 0;            // output bit rate so far, kbit/s
    int64_t currentSize = 0;      // bytes written so far
    int64_t currentDuration = 0;  // media time converted, microseconds
    int64_t totalDuration = 0;    // source duration, microseconds; 0: unknown
};

class TranscodeObserver {
public:
    virtual ~TranscodeObserver() = default;
    // At most once per progress interval, and once at the end.
    virtual void progress(const TranscodeProgress& progress) = 0;
    // One log line. Levels: 0 quiet, 1 panic, 2 fatal, 3 error, 4 warning,
    // 5 info, 6 verbose, 7 debug.
    virtual void log(int level, const std::string& message) = 0;
    // Polled between packets; true ends the task as stopped.
    virtual bool stopRequested() = 0;
    // Each decoded source video frame, before scaling; for a live preview.
    // The frame is only valid during the call.
    virtual void videoFrame(const AVFrame* frame) { (void)frame; }
};

struct TranscodeResult {
    bool finished = false;  // the whole source was converted and the output renamed into place
    bool failed = false;    // ended with an error; `error` says what, naming the file
    std::string error;
};

struct TranscodeSettings {
    int progressIntervalMs = 500;
    // Log lines up to this level (see TranscodeObserver::log) reach the observer.
    int logLevel = 5;
};

TranscodeResult transcode(const TInputOptions& input, const TOutputOptions& output,
                          TranscodeObserver& observer, const TranscodeSettings& settings = {});

}  // namespace engine
