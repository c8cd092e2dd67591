#pragma once
// One worker process of the converter: our own executable in its worker
// mode, started with its standard input on a socket the converter writes
// to and its standard output and error on pipes the converter reads.
// POSIX only; a Windows port replaces this file.

#include "engine/TaskRecords.h"

#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace engine {

class WorkerProcess {
public:
    // Starts `program` with `args` at `priority` (idle: SCHED_IDLE, lowest:
    // nice 19, lower: nice 10, normal: nice 0). nullptr and `error` on failure.
    static std::unique_ptr<WorkerProcess> start(const std::string& program, const std::vector<std::string>& args,
                                                TThreadPriority priority, std::string& error);
    // Kills the process if it still runs, reaps it and closes the channels.
    ~WorkerProcess();
    WorkerProcess(const WorkerProcess&) = delete;
    WorkerProcess& operator=(const WorkerProcess&) = delete;

    pid_t pid() const { return pid_; }

    // Writes to the worker's input; false when the worker no longer reads it.
    bool send(std::string_view text);

    void suspend();  // SIGSTOP
    void resume();   // SIGCONT
    void kill();     // SIGKILL

    // Waits up to `timeoutMs` for output and appends what arrived to `out`
    // and `err`. False once both output channels have ended.
    bool read(int timeoutMs, std::string& out, std::string& err);

    // Waits until the process has ended, without reaping it: until reap(),
    // signals sent to it cannot reach another process that took its id.
    void waitForExit();
    // Reaps the ended process and returns its wait status.
    int reap();

private:
    WorkerProcess() = default;

    // The lane thread reads and waits; the owner signals and sends under the
    // converter's lock, which the lane also holds when it reaps.
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
    int input_ = -1;
    int output_ = -1;
    int errors_ = -1;
};

// "exited with status 3", "was killed by signal 9 (Killed)".
std::string describeWaitStatus(int status);

}  // namespace engine
