#pragma once
// The main window's conversion engine: the converter (FFVCL) and its logger
// (FFLogger), both reporting on the user interface thread through the
// window's dispatcher. The logger's entries become lines of the hidden
// diagnostic log.

#include "engine/convert/Converter.h"
#include "engine/convert/Logger.h"

#include <QString>

#include <functional>

namespace app {

class ConverterHost {
public:
    // `appendLog` receives one finished diagnostic-log line per engine entry.
    ConverterHost(engine::Dispatcher& dispatcher, std::function<void(const QString&)> appendLog);

    engine::Converter& converter() { return converter_; }  // FFVCL
    engine::Logger& logger() { return logger_; }           // FFLogger

    // The engine's part of closing the main window: detach the converter's
    // notifications, stop every task and wait for it, then detach the log.
    // No notification reaches the window afterwards, so a batch cut short
    // by closing runs no after-run action.
    void shutDown();

private:
    void FFLoggerLog(uint64_t threadId, int level, const std::string& message);

    std::function<void(const QString&)> appendLog_;
    engine::Logger logger_;
    engine::Converter converter_;
};

}  // namespace app
