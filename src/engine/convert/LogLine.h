#pragma once
// The text form of one engine log entry, as the diagnostic log shows it:
// "#", the writing thread's id in unsigned decimal, ".", the level
// (0 quiet, 1 panic, 2 fatal, 3 error, 4 warning, 5 info, 6 verbose,
// 7 debug), ": ", the message.

#include <cstdint>
#include <string>

namespace engine {

std::string formatLogLine(uint64_t threadId, int level, const std::string& message);

// FFmpeg's av_log level (AV_LOG_PANIC ... AV_LOG_TRACE) as a level 0..7.
int logLevelFromAv(int avLevel);

}  // namespace engine
