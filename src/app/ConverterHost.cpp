#include "app/ConverterHost.h"

#include "engine/convert/LogLine.h"

namespace app {

ConverterHost::ConverterHost(engine::Dispatcher& dispatcher,
                             std::function<void(const QString&)> appendLog)
    : appendLog_(std::move(appendLog)), logger_(dispatcher), converter_(dispatcher)
{
    logger_.OnLog = [this](uint64_t threadId, int level, const std::string& message) {
        FFLoggerLog(threadId, level, message);
    };
    converter_.SetLogger(&logger_);
}

void ConverterHost::FFLoggerLog(uint64_t threadId, int level, const std::string& message)
{
    appendLog_(QString::fromStdString(engine::formatLogLine(threadId, level, message)));
}

void ConverterHost::shutDown()
{
    converter_.OnProgress = nullptr;
    converter_.OnTerminate = nullptr;
    converter_.Stop(true);
    logger_.OnLog = nullptr;
}

}  // namespace app
