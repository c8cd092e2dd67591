// --worker: runs one conversion task for the converter. The task arrives
// on standard input, progress, log lines and the end go out on standard
// output, all in the converter's line protocol; later input lines switch
// the preview window and ask the task to stop.

#include "Commands.h"
#include "PreviewWindow.h"

#include "engine/convert/WorkerProtocol.h"
#include "engine/transcode/Transcoder.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <atomic>
#include <cstdlib>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace cli {

namespace {

namespace protocol = engine::protocol;

// Writes whole lines to the converter; every line in one write call.
void sendLine(const std::string& line)
{
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::string_view rest = line;
    while (!rest.empty()) {
        ssize_t written = ::write(STDOUT_FILENO, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;  // the converter is gone; the task notices through stop
        rest.remove_prefix(static_cast<size_t>(written));
    }
}

// Reads standard input line by line. False at its end.
bool readLine(protocol::LineBuffer& buffer, std::string& line)
{
    for (;;) {
        if (auto next = buffer.nextLine()) {
            line = std::move(*next);
            return true;
        }
        char data[4096];
        ssize_t n = ::read(STDIN_FILENO, data, sizeof data);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer.append(data, static_cast<size_t>(n));
    }
}

struct Controls {
    std::atomic<bool> stop{false};
    std::atomic<bool> preview{false};
    std::atomic<int> previewSwitches{0};  // counts "preview 1" commands
};

// Follows the converter's commands until its input ends, which also
// means stop: a converter that went away wants nothing more converted.
void followCommands(protocol::LineBuffer buffer, Controls& controls)
{
    std::string line;
    while (readLine(buffer, line)) {
        auto command = protocol::parseCommand(line);
        if (!command)
            continue;
        switch (*command) {
        case protocol::Command::Stop: controls.stop = true; break;
        case protocol::Command::PreviewOn:
            controls.preview = true;
            ++controls.previewSwitches;
            break;
        case protocol::Command::PreviewOff: controls.preview = false; break;
        }
    }
    controls.stop = true;
}

class PipeObserver final : public engine::TranscodeObserver {
public:
    PipeObserver(Controls& controls, const std::string& sourceName, int logLevel)
        : controls_(controls), logLevel_(logLevel), preview_("QuorvinXvid - " + std::filesystem::path(sourceName).filename().string())
    {
    }

    void progress(const engine::TranscodeProgress& progress) override { sendLine(protocol::progressLine(progress)); }

    void log(int level, const std::string& message) override
    {
        if (level > logLevel_)
            return;
        sendLine(protocol::logLine(static_cast<uint64_t>(::gettid()), level, message));
    }

    bool stopRequested() override { return controls_.stop; }

    void videoFrame(const AVFrame* frame) override
    {
        if (!controls_.preview || !frame) {
            preview_.close();
            return;
        }
        // Switching the preview on again reopens a window the user closed.
        if (int switches = controls_.previewSwitches; switches != seenSwitches_) {
            seenSwitches_ = switches;
            preview_.allowAgain();
        }
        bool wasOpen = preview_.isOpen();
        if (!preview_.show(*frame) && !warned_) {
            warned_ = true;
            log(4, preview_.error());
        }
        if (!wasOpen && preview_.isOpen())
            log(6, "Preview window opened (" + std::to_string(frame->width) + "x" + std::to_string(frame->height) + ")");
    }

private:
    Controls& controls_;
    int logLevel_;
    PreviewWindow preview_;
    int seenSwitches_ = 0;
    bool warned_ = false;
};

}  // namespace

int workerCommand(const Arguments& args)
{
    if (!args.empty()) {
        std::cerr << "usage: quorvinxvid-convert --worker (the task comes on standard input)\n";
        return ExitBadArguments;
    }
    protocol::LineBuffer buffer;
    protocol::TaskBlockReader reader;
    std::string line;
    while (!reader.complete()) {
        if (!readLine(buffer, line)) {
            std::cerr << "quorvinxvid-convert --worker: the task ended before its start line\n";
            return ExitBadArguments;
        }
        if (!reader.take(line)) {
            std::cerr << "quorvinxvid-convert --worker: " << reader.error() << "\n";
            return ExitBadArguments;
        }
    }
    const protocol::TaskRequest& request = reader.request();

    Controls controls;
    controls.preview = request.preview;
    std::thread(followCommands, std::move(buffer), std::ref(controls)).detach();

    PipeObserver observer(controls, request.input.FileName, request.settings.logLevel);
    engine::TranscodeResult result = engine::transcode(request.input, request.output, observer, request.settings);
    sendLine(protocol::endLine(result));
    // The command thread may still wait for input and uses `controls`:
    // leave at once, without unwinding under it.
    std::_Exit(ExitOk);
}

}  // namespace cli
