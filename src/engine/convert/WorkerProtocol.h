#pragma once
// The line protocol between the converter and its worker processes.
//
// Converter -> worker (the worker's standard input), first the task:
//     in.FileName=/videos/a.mp4        one "in."/"out." line per record field
//     out.VideoCodec=mpeg4
//     progressInterval=500
//     logLevel=5                       log lines up to this level come back
//     preview=0
//     start
// then, while the task runs, any of:
//     preview 1 | preview 0            show or hide the preview window
//     stop                             end the task as stopped
// End of input while the task runs also stops it.
//
// Worker -> converter (the worker's standard output):
//     progress FRAMES FPS QUALITY BITRATE SIZE DURATION TOTAL
//     log THREAD LEVEL MESSAGE
//     end finished|stopped|failed MESSAGE
//
// Texts are escaped so that each message is one line: "\\" for a
// backslash, "\n" and "\r" for line breaks.

#include "engine/TaskRecords.h"
#include "engine/transcode/Transcoder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine::protocol {

std::string escape(std::string_view text);
std::string unescape(std::string_view text);

// ---- Converter -> worker ----

struct TaskRequest {
    TInputOptions input;
    TOutputOptions output;
    TranscodeSettings settings;
    bool preview = false;
};

// The task block, ending with the "start" line.
std::string taskBlock(const TaskRequest& request);

// Reads a task block line by line.
class TaskBlockReader {
public:
    // Takes one line (without its line break). Returns false on a line that
    // is not part of the protocol, with the reason in error().
    bool take(std::string_view line);
    bool complete() const { return complete_; }
    const TaskRequest& request() const { return request_; }
    const std::string& error() const { return error_; }

private:
    TaskRequest request_;
    bool complete_ = false;
    std::string error_;
};

enum class Command { PreviewOn, PreviewOff, Stop };
std::string commandLine(Command command);
std::optional<Command> parseCommand(std::string_view line);

// ---- Worker -> converter ----

std::string progressLine(const TranscodeProgress& progress);
std::string logLine(uint64_t threadId, int level, std::string_view message);
std::string endLine(const TranscodeResult& result);

struct WorkerMessage {
    enum class Kind { Progress, Log, End } kind = Kind::Log;
    TranscodeProgress progress;
    uint64_t threadId = 0;
    int level = 0;
    std::string text;         // log message, or the end's error text
    TranscodeResult result;   // for End
};
std::optional<WorkerMessage> parseWorkerMessage(std::string_view line);

// Splits bytes arriving from a pipe into lines.
class LineBuffer {
public:
    void append(const char* data, size_t size) { pending_.append(data, size); }
    // The next complete line without its "\n", if there is one.
    std::optional<std::string> nextLine();
    // What is left after the last line break (the input ended mid-line).
    std::string rest() const { return pending_; }

private:
    std::string pending_;
};

}  // namespace engine::protocol
