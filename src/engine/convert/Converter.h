#pragma once
// The converter (the role of the FFVCL component): a list of tasks, one
// source and one output each, converted as a batch, several at once.
//
// Threads and processes. Every method is called on the owner's thread (the
// thread that owns the Dispatcher). Start(n) opens up to n lanes; a lane is
// a supervising thread that takes the next waiting task in index order,
// runs it in a worker process (our own executable in its worker mode,
// spoken to over a line protocol), forwards its progress and log lines,
// ends it, and takes the next one. A worker that crashes, hangs past a
// stop or is killed ends only its own task, with an error.
//
// Notifications reach the owner through the dispatcher: OnProgress and the
// logger's OnLog synchronously (the lane waits until the handler ran),
// OnTerminate posted, one per task and then one for the batch (TaskIndex
// -1), in the order the converter raised them.
//
// Pause suspends the workers running at that moment (SIGSTOP), Resume
// continues them. Stop ends waiting tasks at once, resumes paused workers,
// asks running ones to stop and kills those that have not ended after a
// grace period. While a stop is in progress Pause is ignored and Start is
// refused; ClearTasks, RemoveTask, AddTask and SetOutputFile are refused
// while a batch runs.

#include "engine/Dispatcher.h"
#include "engine/TaskRecords.h"
#include "engine/convert/AVProbe.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace engine {

class Logger;
class WorkerProcess;
struct TaskOutcome;

class Converter {
public:
    explicit Converter(Dispatcher& dispatcher);
    // Stops a running batch and waits for it.
    ~Converter();
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Notifications; run on the owner's thread.
    std::function<void(const TProgressInfo&)> OnProgress;
    std::function<void(const TTerminateInfo&)> OnTerminate;
    // Where the workers' log lines go; none: they are dropped.
    void SetLogger(Logger* logger);

    // Checks that the FFmpeg libraries are usable and that the worker
    // executable is there: first in `path`, then beside the running program.
    bool LoadAVLib(const std::string& path);
    bool AVLibLoaded() const { return loaded_; }
    const std::string& WorkerPath() const { return workerPath_; }

    // A probe for checking files before they become tasks.
    AVProbe& Probe() { return probe_; }

    // Opens the source and reads its stream information; the new task's
    // index, or -1 with the reason in LastErrMsg().
    int AddTask(const std::string& fileName, const TInputOptions& options);
    // Attaches the output; false with the reason in LastErrMsg() when the
    // folder is missing or cannot be written, or the output is the source.
    bool SetOutputFile(int taskIndex, const std::string& fileName, const TOutputOptions& options);
    // Later tasks move down by one.
    bool RemoveTask(int taskIndex);
    bool ClearTasks();
    int TaskCount() const { return static_cast<int>(tasks_.size()); }
    // The probe of a task's source (FileInfoText), or nullptr.
    const AVProbe* TaskProbe(int taskIndex) const;

    // Starts every task, up to threadCount at once; false with the reason
    // in LastErrMsg() when no batch can start.
    bool Start(int threadCount);
    // With waitFor: returns once every task has ended and every end
    // notification has been handled, keeping the owner's queue running.
    void Stop(bool waitFor);
    void Pause();
    void Resume();
    // True from Start until the batch-end notification was raised.
    bool Running() const;
    bool Stopping() const;
    bool Paused() const;

    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority priority) { priority_ = priority; }
    bool Preview() const;
    // Shows or hides the frames being converted, running tasks included.
    void SetPreview(bool on);
    int ProgressInterval() const { return progressInterval_; }
    void SetProgressInterval(int milliseconds) { progressInterval_ = milliseconds > 0 ? milliseconds : 500; }

    const std::string& LastErrMsg() const { return lastError_; }

    // The process id of the worker running a task, or 0.
    long WorkerProcessId(int taskIndex) const;

    // How long a worker asked to stop may take before it is killed.
    static constexpr std::chrono::seconds stopGracePeriod{5};

private:
    enum class BatchState { Idle, Running, Stopping };
    enum class TaskState { Ready, Waiting, Running, Ended };

    struct Task {
        TInputOptions input;
        AVProbe probe;
        std::optional<TOutputOptions> output;
        std::string outputError;  // why SetOutputFile refused the output
        TaskState state = TaskState::Ready;
        std::unique_ptr<WorkerProcess> worker;
        bool paused = false;
        bool stopAsked = false;
        std::chrono::steady_clock::time_point killAt;
        std::vector<std::string> temporariesBefore;  // beside the output, when the worker started
    };

    bool fail(const std::string& reason);
    bool refuseWhileRunning(const char* operation);
    void joinLanes();
    void laneLoop();
    int takeNextTaskLocked();
    bool launchLocked(int index);
    TaskOutcome supervise(int index, WorkerProcess& worker);
    void endTaskLocked(int index, const TTerminateInfo& info);
    void askToStopLocked(Task& task);
    void postLocked(TTerminateInfo info);

    Dispatcher& dispatcher_;
    Logger* logger_ = nullptr;
    AVProbe probe_;
    bool loaded_ = false;
    std::string workerPath_;
    std::string lastError_;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    int progressInterval_ = 500;

    // Shared with the lanes.
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<Task>> tasks_;
    BatchState batch_ = BatchState::Idle;
    bool paused_ = false;
    bool preview_ = false;
    int endedTasks_ = 0;
    int pendingNotifications_ = 0;  // posted, not yet run by the owner
    std::vector<std::thread> lanes_;
};

}  // namespace engine
