#include "engine/convert/WorkerProcess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace engine {

namespace {

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

std::string systemError(int code)
{
    return std::strerror(code);
}

// Applied before the worker reads its task, so every thread it creates
// later inherits it. The nice values are absolute: a converter that itself
// runs niced still gives "normal" workers nice 0 where it may (a process
// without the privilege cannot go below its own value and keeps it).
void applyPriority(pid_t pid, TThreadPriority priority)
{
    switch (priority) {
    case TThreadPriority::tpIdle: {
        setpriority(PRIO_PROCESS, pid, 0);
        sched_param param{};
        sched_setscheduler(pid, SCHED_IDLE, &param);
        break;
    }
    case TThreadPriority::tpLowest: setpriority(PRIO_PROCESS, pid, 19); break;
    case TThreadPriority::tpLower: setpriority(PRIO_PROCESS, pid, 10); break;
    case TThreadPriority::tpNormal: setpriority(PRIO_PROCESS, pid, 0); break;
    }
}

}  // namespace

std::unique_ptr<WorkerProcess> WorkerProcess::start(const std::string& program, const std::vector<std::string>& args,
                                                    TThreadPriority priority, std::string& error)
{
    // Every descriptor is close-on-exec, so no other worker inherits this
    // one's channels; dup2 onto 0, 1 and 2 clears the flag in the child.
    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    int errors[2] = {-1, -1};
    auto closeAll = [&] {
        for (int* pair : {input, output, errors}) {
            closeFd(pair[0]);
            closeFd(pair[1]);
        }
    };
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0 || pipe2(output, O_CLOEXEC) != 0
        || pipe2(errors, O_CLOEXEC) != 0) {
        error = "Cannot create the channels to a worker process: " + systemError(errno);
        closeAll();
        return nullptr;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    // The worker gets the default signal handling whatever the owner set.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &unblocked);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    int result = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        error = "Cannot start the worker '" + program + "': " + systemError(result);
        closeAll();
        return nullptr;
    }
    applyPriority(pid, priority);

    std::unique_ptr<WorkerProcess> process(new WorkerProcess);
    process->pid_ = pid;
    process->input_ = input[0];
    process->output_ = output[0];
    process->errors_ = errors[0];
    closeFd(input[1]);
    closeFd(output[1]);
    closeFd(errors[1]);
    return process;
}

WorkerProcess::~WorkerProcess()
{
    closeFd(input_);
    if (!reaped_) {
        ::kill(pid_, SIGKILL);
        reap();
    }
    closeFd(output_);
    closeFd(errors_);
}

bool WorkerProcess::send(std::string_view text)
{
    while (!text.empty() && input_ >= 0) {
        ssize_t written = ::send(input_, text.data(), text.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<size_t>(written));
    }
    return input_ >= 0;
}

void WorkerProcess::suspend()
{
    if (!reaped_)
        ::kill(pid_, SIGSTOP);
}

void WorkerProcess::resume()
{
    if (!reaped_)
        ::kill(pid_, SIGCONT);
}

void WorkerProcess::kill()
{
    if (!reaped_)
        ::kill(pid_, SIGKILL);
}

bool WorkerProcess::read(int timeoutMs, std::string& out, std::string& err)
{
    pollfd fds[2] = {{output_, POLLIN, 0}, {errors_, POLLIN, 0}};
    if (output_ < 0 && errors_ < 0)
        return false;
    int ready = ::poll(fds, 2, timeoutMs);
    if (ready <= 0)
        return true;
    char buffer[8192];
    int* channels[2] = {&output_, &errors_};
    std::string* targets[2] = {&out, &err};
    for (int i = 0; i < 2; ++i) {
        if (*channels[i] < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        ssize_t n = ::read(*channels[i], buffer, sizeof buffer);
        if (n > 0)
            targets[i]->append(buffer, static_cast<size_t>(n));
        else if (n == 0 || (errno != EINTR && errno != EAGAIN))
            closeFd(*channels[i]);
    }
    return output_ >= 0 || errors_ >= 0;
}

void WorkerProcess::waitForExit()
{
    siginfo_t info{};
    while (!reaped_ && ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
}

int WorkerProcess::reap()
{
    while (!reaped_) {
        int status = 0;
        pid_t result = ::waitpid(pid_, &status, 0);
        if (result == pid_) {
            reaped_ = true;
            status_ = status;
        } else if (result < 0 && errno != EINTR) {
            reaped_ = true;
            status_ = 0;
        }
    }
    return status_;
}

std::string describeWaitStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) {
        int signal = WTERMSIG(status);
        const char* name = strsignal(signal);
        return "was killed by signal " + std::to_string(signal) + (name ? std::string(" (") + name + ")" : "");
    }
    return "ended with wait status " + std::to_string(status);
}

}  // namespace engine
