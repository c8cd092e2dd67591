#include "engine/convert/LogLine.h"

extern "C" {
#include <libavutil/log.h>
}

namespace engine {

std::string formatLogLine(uint64_t threadId, int level, const std::string& message)
{
    return "#" + std::to_string(threadId) + "." + std::to_string(level) + ": " + message;
}

int logLevelFromAv(int avLevel)
{
    if (avLevel <= AV_LOG_QUIET)
        return 0;
    if (avLevel <= AV_LOG_PANIC)
        return 1;
    if (avLevel <= AV_LOG_FATAL)
        return 2;
    if (avLevel <= AV_LOG_ERROR)
        return 3;
    if (avLevel <= AV_LOG_WARNING)
        return 4;
    if (avLevel <= AV_LOG_INFO)
        return 5;
    if (avLevel <= AV_LOG_VERBOSE)
        return 6;
    return 7;
}

}  // namespace engine
