#pragma once
// A Dispatcher for owners without an event loop of their own: the
// command-line tool and the engine tests. The owner is the thread that
// constructed it; it runs queued work in pump() and in waitPumping().

#include "engine/Dispatcher.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace engine {

class QueueDispatcher final : public Dispatcher {
public:
    QueueDispatcher();

    void runSync(std::function<void()> fn) override;
    void post(std::function<void()> fn) override;
    void waitPumping(const std::function<bool()>& done) override;

    // Owner's thread: runs everything queued now, waiting up to `wait` for
    // the first item. Returns how many items ran.
    int pump(std::chrono::milliseconds wait = std::chrono::milliseconds(0));

private:
    bool onOwnerThread() const { return std::this_thread::get_id() == owner_; }

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace engine
