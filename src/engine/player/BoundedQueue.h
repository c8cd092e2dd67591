#pragma once
// A blocking queue of limited length between two of the player's threads.
// push() waits while the queue is full, pop() while it is empty; both give
// up when asked to (a stop, a seek) so no thread stays stuck on a queue.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace engine {

template <typename T>
class BoundedQueue {
public:
    explicit BoundedQueue(size_t capacity) : capacity_(capacity) {}

    // Waits for room; returns false, dropping the item, once giveUp() is true.
    bool push(T item, const std::function<bool()>& giveUp)
    {
        std::unique_lock lock(mutex_);
        while (items_.size() >= capacity_) {
            if (giveUp())
                return false;
            changed_.wait_for(lock, std::chrono::milliseconds(10));
        }
        items_.push_back(std::move(item));
        changed_.notify_all();
        return true;
    }

    // The oldest item, or nothing when none came within `wait`.
    std::optional<T> pop(std::chrono::milliseconds wait)
    {
        std::unique_lock lock(mutex_);
        if (items_.empty())
            changed_.wait_for(lock, wait, [&] { return !items_.empty(); });
        if (items_.empty())
            return std::nullopt;
        T item = std::move(items_.front());
        items_.pop_front();
        changed_.notify_all();
        return item;
    }

    void clear()
    {
        std::lock_guard lock(mutex_);
        items_.clear();
        changed_.notify_all();
    }

private:
    const size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> items_;
};

}  // namespace engine
