#include "engine/QueueDispatcher.h"

namespace engine {

QueueDispatcher::QueueDispatcher() : owner_(std::this_thread::get_id()) {}

void QueueDispatcher::runSync(std::function<void()> fn)
{
    if (onOwnerThread()) {
        fn();
        return;
    }
    std::mutex doneMutex;
    std::condition_variable doneWake;
    bool done = false;
    post([&] {
        fn();
        std::lock_guard lock(doneMutex);
        done = true;
        doneWake.notify_one();
    });
    std::unique_lock lock(doneMutex);
    doneWake.wait(lock, [&] { return done; });
}

void QueueDispatcher::post(std::function<void()> fn)
{
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(fn));
    wake_.notify_all();
}

int QueueDispatcher::pump(std::chrono::milliseconds wait)
{
    std::deque<std::function<void()>> work;
    {
        std::unique_lock lock(mutex_);
        if (queue_.empty() && wait.count() > 0)
            wake_.wait_for(lock, wait, [&] { return !queue_.empty(); });
        work.swap(queue_);
    }
    for (auto& fn : work)
        fn();
    return static_cast<int>(work.size());
}

void QueueDispatcher::waitPumping(const std::function<bool()>& done)
{
    while (!done())
        pump(std::chrono::milliseconds(10));
    pump();
}

}  // namespace engine
