#include "engine/transcode/TaskLog.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

extern "C" {
#include <libavutil/log.h>
}

namespace engine::transcoding {

namespace {

std::mutex registryMutex;
std::vector<TaskLog*> liveLogs;  // in creation order
thread_local TaskLog* threadLog = nullptr;
thread_local std::string pendingLine;
thread_local int printPrefix = 1;

TaskLog* logFor(int level)
{
    std::lock_guard lock(registryMutex);
    TaskLog* log = threadLog ? threadLog : (liveLogs.empty() ? nullptr : liveLogs.back());
    return log && level <= log->maxFfmpegLevel() ? log : nullptr;
}

void ffmpegCallback(void* object, int level, const char* format, va_list args)
{
    if (level > AV_LOG_DEBUG)
        return;
    TaskLog* log = logFor(level);
    if (!log) {
        av_log_default_callback(object, level, format, args);
        return;
    }
    char buffer[1024];
    av_log_format_line2(object, level, format, args, buffer, sizeof buffer, &printPrefix);
    pendingLine += buffer;
    if (pendingLine.empty() || pendingLine.back() != '\n')
        return;
    while (!pendingLine.empty() && (pendingLine.back() == '\n' || pendingLine.back() == '\r'))
        pendingLine.pop_back();
    if (!pendingLine.empty())
        log->addFfmpegLine(level, std::move(pendingLine));
    pendingLine.clear();
}

int ffmpegLevelFor(int ourLevel)
{
    static const int levels[] = {AV_LOG_QUIET, AV_LOG_PANIC, AV_LOG_FATAL, AV_LOG_ERROR,
                                 AV_LOG_WARNING, AV_LOG_INFO, AV_LOG_VERBOSE, AV_LOG_DEBUG};
    return levels[std::clamp(ourLevel, 0, 7)];
}

}  // namespace

TaskLog::TaskLog(TranscodeObserver& observer, int maxLevel)
    : observer_(observer), maxLevel_(maxLevel),
      // Errors are always caught, to be quoted as FFmpeg's reason.
      maxFfmpegLevel_(std::max(ffmpegLevelFor(maxLevel), int(AV_LOG_ERROR)))
{
    static std::once_flag installed;
    std::call_once(installed, [] { av_log_set_callback(ffmpegCallback); });
    std::lock_guard lock(registryMutex);
    liveLogs.push_back(this);
    threadLog = this;
}

TaskLog::~TaskLog()
{
    std::lock_guard lock(registryMutex);
    liveLogs.erase(std::remove(liveLogs.begin(), liveLogs.end(), this), liveLogs.end());
    if (threadLog == this)
        threadLog = nullptr;
}

int TaskLog::levelOf(int ffmpegLevel)
{
    if (ffmpegLevel <= AV_LOG_QUIET) return 0;
    if (ffmpegLevel <= AV_LOG_PANIC) return 1;
    if (ffmpegLevel <= AV_LOG_FATAL) return 2;
    if (ffmpegLevel <= AV_LOG_ERROR) return 3;
    if (ffmpegLevel <= AV_LOG_WARNING) return 4;
    if (ffmpegLevel <= AV_LOG_INFO) return 5;
    if (ffmpegLevel <= AV_LOG_VERBOSE) return 6;
    return 7;
}

void TaskLog::add(int level, std::string message)
{
    if (level > maxLevel_)
        return;
    std::lock_guard lock(mutex_);
    queued_.emplace_back(level, std::move(message));
}

void TaskLog::addFfmpegLine(int ffmpegLevel, std::string line)
{
    std::lock_guard lock(mutex_);
    if (ffmpegLevel <= AV_LOG_ERROR)
        lastError_ = line;
    int level = levelOf(ffmpegLevel);
    if (level <= maxLevel_)
        queued_.emplace_back(level, std::move(line));
}

void TaskLog::deliver()
{
    std::vector<std::pair<int, std::string>> lines;
    {
        std::lock_guard lock(mutex_);
        if (queued_.empty())
            return;
        lines.swap(queued_);
    }
    for (auto& [level, message] : lines)
        observer_.log(level, message);
}

std::string TaskLog::lastFfmpegError() const
{
    std::lock_guard lock(mutex_);
    return lastError_;
}

void TaskLog::clearFfmpegError()
{
    std::lock_guard lock(mutex_);
    lastError_.clear();
}

std::string withFfmpegDetail(const std::string& reason, const TaskLog& log)
{
    std::string detail = log.lastFfmpegError();
    return detail.empty() ? reason : reason + " (" + detail + ")";
}

}  // namespace engine::transcoding
