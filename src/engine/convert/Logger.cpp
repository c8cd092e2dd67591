#include "engine/convert/Logger.h"

namespace engine {

void Logger::log(uint64_t threadId, int level, const std::string& message)
{
    if (level > level_)
        return;
    dispatcher_.runSync([this, threadId, level, &message] {
        if (OnLog)
            OnLog(threadId, level, message);
    });
}

}  // namespace engine
