#include "engine/convert/Converter.h"

#include "engine/convert/Logger.h"
#include "engine/convert/OutputChecks.h"
#include "engine/convert/WorkerLocation.h"
#include "engine/convert/WorkerProcess.h"
#include "engine/convert/WorkerProtocol.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <sys/wait.h>

namespace engine {

// How a worker's task ended, as the lane saw it.
struct TaskOutcome {
    TTerminateInfo info;
};

namespace {

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

// The last few lines a worker wrote on its error channel, for the message
// of a task whose worker died.
std::string lastLines(const std::string& text, size_t count)
{
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        if (end > begin)
            lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    std::string tail;
    for (size_t i = lines.size() > count ? lines.size() - count : 0; i < lines.size(); ++i)
        tail += (tail.empty() ? "" : "\n") + lines[i];
    return tail;
}

// The media libraries this program was built against must be the ones it runs with.
std::string libraryMismatch()
{
    struct Library {
        const char* name;
        unsigned runtime;
        unsigned built;
    } libraries[] = {
        {"libavformat", avformat_version(), LIBAVFORMAT_VERSION_INT},
        {"libavcodec", avcodec_version(), LIBAVCODEC_VERSION_INT},
        {"libavfilter", avfilter_version(), LIBAVFILTER_VERSION_INT},
        {"libavutil", avutil_version(), LIBAVUTIL_VERSION_INT},
        {"libswscale", swscale_version(), LIBSWSCALE_VERSION_INT},
        {"libswresample", swresample_version(), LIBSWRESAMPLE_VERSION_INT},
    };
    for (const Library& library : libraries) {
        if (AV_VERSION_MAJOR(library.runtime) != AV_VERSION_MAJOR(library.built))
            return std::string(library.name) + " " + std::to_string(AV_VERSION_MAJOR(library.runtime))
                   + " is installed, but this program needs version " + std::to_string(AV_VERSION_MAJOR(library.built));
    }
    return {};
}

}  // namespace

Converter::Converter(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

Converter::~Converter()
{
    Stop(true);
    joinLanes();
}

void Converter::SetLogger(Logger* logger)
{
    std::lock_guard lock(mutex_);
    logger_ = logger;
}

bool Converter::fail(const std::string& reason)
{
    lastError_ = reason;
    return false;
}

bool Converter::refuseWhileRunning(const char* operation)
{
    std::lock_guard lock(mutex_);
    if (batch_ == BatchState::Idle)
        return false;
    lastError_ = std::string("Cannot ") + operation + " while a batch is being converted";
    return true;
}

bool Converter::LoadAVLib(const std::string& path)
{
    loaded_ = false;
    if (std::string problem = libraryMismatch(); !problem.empty())
        return fail("Cannot load the media libraries: " + problem);

    std::string reason;
    std::string worker = findWorker({path, runningProgramFolder()}, reason);
    if (worker.empty())
        return fail("Cannot load the media libraries: " + reason);
    workerPath_ = worker;
    loaded_ = true;
    lastError_.clear();
    return true;
}

int Converter::AddTask(const std::string& fileName, const TInputOptions& options)
{
    if (refuseWhileRunning("add a task"))
        return -1;
    auto task = std::make_unique<Task>();
    task->input = options;
    task->input.FileName = fileName;
    if (!task->probe.LoadFile(fileName, options.FileFormat)) {
        fail(task->probe.LastErrMsg());
        return -1;
    }
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    return static_cast<int>(tasks_.size()) - 1;
}

bool Converter::SetOutputFile(int taskIndex, const std::string& fileName, const TOutputOptions& options)
{
    if (refuseWhileRunning("change a task's output"))
        return false;
    if (taskIndex < 0 || taskIndex >= TaskCount())
        return fail("No task with index " + std::to_string(taskIndex));
    Task& task = *tasks_[taskIndex];
    task.output.reset();
    task.outputError.clear();
    std::string problem;
    if (fileName.empty())
        problem = "Cannot convert " + quoted(task.input.FileName) + ": no output file name was given";
    else if (std::string folder = outputFolderProblem(fileName); !folder.empty())
        problem = "Cannot write " + quoted(fileName) + ": " + folder;
    else if (sameFile(fileName, task.input.FileName))
        problem = "Cannot write " + quoted(fileName) + ": it is the task's own source file";
    if (!problem.empty()) {
        task.outputError = problem;
        return fail(problem);
    }
    task.output = options;
    task.output->FileName = fileName;
    return true;
}

bool Converter::RemoveTask(int taskIndex)
{
    if (refuseWhileRunning("remove a task"))
        return false;
    if (taskIndex < 0 || taskIndex >= TaskCount())
        return fail("No task with index " + std::to_string(taskIndex));
    joinLanes();
    std::lock_guard lock(mutex_);
    tasks_.erase(tasks_.begin() + taskIndex);
    return true;
}

bool Converter::ClearTasks()
{
    if (refuseWhileRunning("clear the tasks"))
        return false;
    joinLanes();
    std::lock_guard lock(mutex_);
    tasks_.clear();
    return true;
}

const AVProbe* Converter::TaskProbe(int taskIndex) const
{
    if (taskIndex < 0 || taskIndex >= TaskCount())
        return nullptr;
    return &tasks_[taskIndex]->probe;
}

bool Converter::Running() const
{
    std::lock_guard lock(mutex_);
    return batch_ != BatchState::Idle;
}

bool Converter::Stopping() const
{
    std::lock_guard lock(mutex_);
    return batch_ == BatchState::Stopping;
}

bool Converter::Paused() const
{
    std::lock_guard lock(mutex_);
    return paused_;
}

bool Converter::Preview() const
{
    std::lock_guard lock(mutex_);
    return preview_;
}

long Converter::WorkerProcessId(int taskIndex) const
{
    std::lock_guard lock(mutex_);
    if (taskIndex < 0 || taskIndex >= static_cast<int>(tasks_.size()) || !tasks_[taskIndex]->worker)
        return 0;
    return tasks_[taskIndex]->worker->pid();
}

bool Converter::Start(int threadCount)
{
    {
        std::lock_guard lock(mutex_);
        if (batch_ == BatchState::Stopping)
            return fail("Cannot start: the previous batch is still stopping");
        if (batch_ == BatchState::Running)
            return fail("Cannot start: a batch is already being converted");
    }
    if (!loaded_)
        return fail("Cannot start: the media libraries are not loaded");
    if (tasks_.empty())
        return fail("Cannot start: there is no task to convert");
    joinLanes();

    std::lock_guard lock(mutex_);
    for (auto& task : tasks_) {
        task->state = TaskState::Waiting;
        task->paused = false;
        task->stopAsked = false;
    }
    batch_ = BatchState::Running;
    paused_ = false;
    endedTasks_ = 0;
    int lanes = std::clamp(threadCount, 1, static_cast<int>(tasks_.size()));
    for (int i = 0; i < lanes; ++i)
        lanes_.emplace_back([this] { laneLoop(); });
    lastError_.clear();
    return true;
}

void Converter::Stop(bool waitFor)
{
    {
        std::lock_guard lock(mutex_);
        if (batch_ == BatchState::Running) {
            batch_ = BatchState::Stopping;
            paused_ = false;
            for (size_t i = 0; i < tasks_.size(); ++i) {
                Task& task = *tasks_[i];
                if (task.state == TaskState::Waiting)
                    endTaskLocked(static_cast<int>(i), {static_cast<int32_t>(i), false, false, {}});
                else if (task.state == TaskState::Running)
                    askToStopLocked(task);
            }
        }
    }
    if (waitFor)
        dispatcher_.waitPumping([this] {
            std::lock_guard lock(mutex_);
            return batch_ == BatchState::Idle && pendingNotifications_ == 0;
        });
}

void Converter::askToStopLocked(Task& task)
{
    task.stopAsked = true;
    task.killAt = std::chrono::steady_clock::now() + stopGracePeriod;
    if (!task.worker)
        return;
    if (task.paused) {
        task.worker->resume();
        task.paused = false;
    }
    task.worker->send(protocol::commandLine(protocol::Command::Stop));
}

void Converter::Pause()
{
    std::lock_guard lock(mutex_);
    if (batch_ != BatchState::Running)
        return;
    for (auto& task : tasks_) {
        if (task->state == TaskState::Running && task->worker && !task->paused) {
            task->worker->suspend();
            task->paused = true;
        }
    }
    paused_ = true;
}

void Converter::Resume()
{
    std::lock_guard lock(mutex_);
    for (auto& task : tasks_) {
        if (task->paused && task->worker)
            task->worker->resume();
        task->paused = false;
    }
    paused_ = false;
}

void Converter::SetPreview(bool on)
{
    std::lock_guard lock(mutex_);
    preview_ = on;
    for (auto& task : tasks_) {
        if (task->state == TaskState::Running && task->worker)
            task->worker->send(protocol::commandLine(on ? protocol::Command::PreviewOn : protocol::Command::PreviewOff));
    }
}

void Converter::joinLanes()
{
    for (std::thread& lane : lanes_)
        lane.join();
    lanes_.clear();
}

int Converter::takeNextTaskLocked()
{
    if (batch_ != BatchState::Running)
        return -1;
    for (size_t i = 0; i < tasks_.size(); ++i) {
        if (tasks_[i]->state == TaskState::Waiting) {
            tasks_[i]->state = TaskState::Running;
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Starts the worker of a task and hands it the task. False when the task
// ended at once (no output, no worker).
bool Converter::launchLocked(int index)
{
    Task& task = *tasks_[index];
    if (!task.output) {
        std::string reason = !task.outputError.empty()
                                 ? task.outputError
                                 : "Cannot convert " + quoted(task.input.FileName) + ": no output file was set";
        endTaskLocked(index, {index, false, true, reason});
        return false;
    }
    task.temporariesBefore = temporaryFilesOf(task.output->FileName);
    std::string error;
    task.worker = WorkerProcess::start(workerPath_, {"--worker"}, priority_, error);
    if (!task.worker) {
        endTaskLocked(index, {index, false, true, "Cannot convert " + quoted(task.input.FileName) + ": " + error});
        return false;
    }
    protocol::TaskRequest request;
    request.input = task.input;
    request.output = *task.output;
    request.settings.progressIntervalMs = progressInterval_;
    // Lines the logger would drop are not sent at all.
    request.settings.logLevel = logger_ ? logger_->LogLevel() : 0;
    request.preview = preview_;
    task.worker->send(protocol::taskBlock(request));
    return true;
}

void Converter::laneLoop()
{
    for (;;) {
        int index = -1;
        WorkerProcess* worker = nullptr;
        {
            std::lock_guard lock(mutex_);
            index = takeNextTaskLocked();
            if (index < 0)
                return;
            if (!launchLocked(index))
                continue;
            worker = tasks_[index]->worker.get();
        }
        TaskOutcome outcome = supervise(index, *worker);
        std::lock_guard lock(mutex_);
        tasks_[index]->worker.reset();
        tasks_[index]->paused = false;
        endTaskLocked(index, outcome.info);
    }
}

TaskOutcome Converter::supervise(int index, WorkerProcess& worker)
{
    std::string sourceName;
    {
        std::lock_guard lock(mutex_);
        sourceName = tasks_[index]->input.FileName;
    }
    protocol::LineBuffer lines;
    std::string errors;
    std::optional<TranscodeResult> reported;
    bool killed = false;

    for (;;) {
        std::string out;
        bool open = worker.read(250, out, errors);
        lines.append(out.data(), out.size());
        while (auto line = lines.nextLine()) {
            auto message = protocol::parseWorkerMessage(*line);
            if (!message)
                continue;
            switch (message->kind) {
            case protocol::WorkerMessage::Kind::Progress: {
                const TranscodeProgress& p = message->progress;
                TProgressInfo info;
                info.TaskIndex = index;
                info.FileIndex = 0;
                info.FrameNumber = static_cast<int32_t>(p.frameNumber);
                info.FPS = static_cast<int32_t>(p.fps + 0.5);
                info.Quality = p.quality;
                info.BitRate = p.bitRate;
                info.CurrentSize = p.currentSize;
                info.CurrentDuration = p.currentDuration;
                info.TotalDuration = p.totalDuration;
                dispatcher_.runSync([this, &info] {
                    if (OnProgress)
                        OnProgress(info);
                });
                break;
            }
            case protocol::WorkerMessage::Kind::Log: {
                Logger* logger = nullptr;
                {
                    std::lock_guard lock(mutex_);
                    logger = logger_;
                }
                if (logger)
                    logger->log(message->threadId, message->level, message->text);
                break;
            }
            case protocol::WorkerMessage::Kind::End:
                reported = message->result;
                break;
            }
        }
        if (errors.size() > 16384)
            errors.erase(0, errors.size() - 8192);
        if (!open)
            break;
        std::lock_guard lock(mutex_);
        Task& task = *tasks_[index];
        if (task.stopAsked && !killed && std::chrono::steady_clock::now() >= task.killAt) {
            worker.kill();
            killed = true;
        }
    }
    worker.waitForExit();

    bool stopAsked = false;
    int status = 0;
    {
        std::lock_guard lock(mutex_);
        stopAsked = tasks_[index]->stopAsked;
        status = worker.reap();
    }
    TaskOutcome outcome;
    outcome.info.TaskIndex = index;
    // A worker that reported its end has done its work (a finished output is
    // already in place), whatever happened while it exited.
    if (reported) {
        outcome.info.Finished = reported->finished;
        outcome.info.Exception = reported->failed;
        outcome.info.ExceptionMsg = reported->failed ? reported->error : std::string();
        return outcome;
    }
    // The worker died before it could remove its temporary output.
    {
        std::lock_guard lock(mutex_);
        removeNewTemporaryFiles(tasks_[index]->output->FileName, tasks_[index]->temporariesBefore);
    }
    if (stopAsked) {
        // Asked to stop and killed after the grace period (or died while
        // stopping): a stopped task, not a failure.
        return outcome;
    }
    outcome.info.Exception = true;
    outcome.info.ExceptionMsg = "The conversion of " + quoted(sourceName) + " ended abnormally: its worker process "
                                + describeWaitStatus(status);
    if (std::string tail = lastLines(errors, 3); !tail.empty())
        outcome.info.ExceptionMsg += "\n" + tail;
    return outcome;
}

void Converter::endTaskLocked(int index, const TTerminateInfo& info)
{
    tasks_[index]->state = TaskState::Ended;
    ++endedTasks_;
    postLocked(info);
    if (endedTasks_ == static_cast<int>(tasks_.size())) {
        batch_ = BatchState::Idle;
        paused_ = false;
        postLocked({-1, true, false, {}});
    }
}

void Converter::postLocked(TTerminateInfo info)
{
    ++pendingNotifications_;
    dispatcher_.post([this, info = std::move(info)] {
        if (OnTerminate)
            OnTerminate(info);
        std::lock_guard lock(mutex_);
        --pendingNotifications_;
    });
}

}  // namespace engine
