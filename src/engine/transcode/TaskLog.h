#pragma once
// The log of one task: FFmpeg's own log lines and the task's lines, passed
// to the task's observer on the transcoding thread.
//
// FFmpeg logs through one process-wide callback, also from its codec
// threads. While a TaskLog exists, lines logged on its thread go to it, and
// lines from threads that belong to no task (codec threads) go to the task
// created last; a worker process runs one task, so they land where they
// belong. Lines are queued under a lock and handed to the observer by
// deliver(), which the transcoding thread calls between packets.
//
// The last error line FFmpeg logged is kept: error messages quote it as
// FFmpeg's reason, since many calls return only a bare code.

#include "engine/transcode/Transcoder.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace engine::transcoding {

class TaskLog {
public:
    // Lines above maxLevel (0..7) are not passed on.
    TaskLog(TranscodeObserver& observer, int maxLevel);
    ~TaskLog();
    TaskLog(const TaskLog&) = delete;
    TaskLog& operator=(const TaskLog&) = delete;

    void add(int level, std::string message);
    void warning(std::string message) { add(4, std::move(message)); }
    void info(std::string message) { add(5, std::move(message)); }

    // Hands the queued lines to the observer; transcoding thread only.
    void deliver();

    // FFmpeg's last error line since the last call of clearFfmpegError().
    std::string lastFfmpegError() const;
    void clearFfmpegError();

    // Called by the process-wide FFmpeg callback.
    void addFfmpegLine(int ffmpegLevel, std::string line);
    int maxFfmpegLevel() const { return maxFfmpegLevel_; }

    // FFmpeg's level as ours: 0 quiet ... 7 debug.
    static int levelOf(int ffmpegLevel);

private:
    TranscodeObserver& observer_;
    int maxLevel_;
    int maxFfmpegLevel_;
    mutable std::mutex mutex_;
    std::vector<std::pair<int, std::string>> queued_;
    std::string lastError_;
};

// "reason (FFmpeg's last error line)" or just the reason.
std::string withFfmpegDetail(const std::string& reason, const TaskLog& log);

}  // namespace engine::transcoding
