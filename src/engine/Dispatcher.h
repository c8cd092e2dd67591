#pragma once
// How the engine's threads reach the thread that owns the engine (the user
// interface thread in the GUI, the main thread in the command-line tool).
//
// The engine never calls a handler from a worker thread directly. Progress
// and log lines go through runSync(): the worker waits until the owner ran
// them. End-of-task and batch-end notifications go through post(): queued,
// run by the owner one at a time in the order posted, the engine not
// waiting. A blocking call on the owner's thread (Stop with waiting) uses
// waitPumping() so that queued work keeps running while it waits.

#include <functional>

namespace engine {

class Dispatcher {
public:
    virtual ~Dispatcher() = default;

    // Any thread. Runs fn on the owner's thread and returns after it ran.
    // Called on the owner's thread itself, runs fn at once.
    virtual void runSync(std::function<void()> fn) = 0;

    // Any thread. Queues fn for the owner's thread and returns at once.
    virtual void post(std::function<void()> fn) = 0;

    // Owner's thread only. Runs queued work until done() is true.
    virtual void waitPumping(const std::function<bool()>& done) = 0;
};

}  // namespace engine
