#pragma once
// The engine's log (the role of the logger component): every entry the
// converter's workers write reaches OnLog on the owner's thread, through
// the dispatcher; the writing thread waits until the handler ran.

#include "engine/Dispatcher.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace engine {

class Logger {
public:
    explicit Logger(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

    // Owner's thread: the handler of one log entry (thread id of the writer,
    // level 0 quiet .. 7 debug, message). Empty: entries are dropped.
    std::function<void(uint64_t threadId, int level, const std::string& message)> OnLog;

    // Entries above this level are dropped; 5 (info) at first.
    void SetLogLevel(int level) { level_ = level; }
    int LogLevel() const { return level_; }

    // Any thread.
    void log(uint64_t threadId, int level, const std::string& message);

private:
    Dispatcher& dispatcher_;
    std::atomic<int> level_{5};
};

}  // namespace engine
