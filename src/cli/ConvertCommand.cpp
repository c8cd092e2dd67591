// --profile ROW [preset options] [--jobs N] [--priority P] [--overwrite]
//           -o FOLDER FILE...
// Converts every file like a batch of the main window: one task per file,
// the output named as the job list names it, up to N at once.

#include "Commands.h"
#include "ProfileCommands.h"
#include "ProgressDisplay.h"

#include "engine/QueueDispatcher.h"
#include "engine/convert/Converter.h"
#include "engine/convert/LogLine.h"
#include "engine/convert/Logger.h"
#include "engine/convert/WorkerLocation.h"
#include "jobs/OutputNaming.h"
#include "profiles/Profiles.h"

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <set>
#include <unistd.h>

namespace cli {

namespace {

struct BatchArguments {
    ProfileChoice profile;
    int jobs = 1;
    engine::TThreadPriority priority = engine::TThreadPriority::tpNormal;
    bool overwrite = false;
    std::string folder;
    std::vector<std::string> files;
};

engine::TThreadPriority priorityOf(const std::string& text)
{
    static const std::pair<const char*, engine::TThreadPriority> names[] = {
        {"idle", engine::TThreadPriority::tpIdle},
        {"lowest", engine::TThreadPriority::tpLowest},
        {"lower", engine::TThreadPriority::tpLower},
        {"normal", engine::TThreadPriority::tpNormal},
    };
    for (const auto& [name, priority] : names)
        if (text == name)
            return priority;
    throw ArgumentError("--priority '" + text + "' is not one of idle, lowest, lower, normal");
}

int jobCountOf(const std::string& text)
{
    size_t used = 0;
    int count = 0;
    try {
        count = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || count < 1)
        throw ArgumentError("--jobs '" + text + "' is not a number of files to convert at once (1 or more)");
    return count;
}

BatchArguments readArguments(const Arguments& args)
{
    if (args.empty())
        throw ArgumentError("--profile needs a row profile number");
    BatchArguments batch;
    Arguments rest;
    batch.profile = readProfileChoice(args[0], Arguments(args.begin() + 1, args.end()), rest);
    for (size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 == rest.size())
                throw ArgumentError(arg + " needs a value");
            return rest[++i];
        };
        if (arg == "--jobs")
            batch.jobs = jobCountOf(value());
        else if (arg == "--priority")
            batch.priority = priorityOf(value());
        else if (arg == "--overwrite")
            batch.overwrite = true;
        else if (arg == "-o")
            batch.folder = value();
        else if (arg == "--") {
            batch.files.insert(batch.files.end(), rest.begin() + static_cast<long>(i) + 1, rest.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-')
            throw ArgumentError("unknown option '" + arg + "'");
        else
            batch.files.push_back(arg);
    }
    if (batch.folder.empty())
        throw ArgumentError("-o FOLDER is missing: the folder the outputs go to");
    if (batch.files.empty())
        throw ArgumentError("no file to convert was given");
    return batch;
}

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int)
{
    interrupted = true;
}

}  // namespace

int convertCommand(const Arguments& args)
{
    BatchArguments batch;
    try {
        batch = readArguments(args);
    } catch (const ArgumentError& e) {
        std::cerr << "quorvinxvid-convert: " << e.what() << "\n"
                  << "usage: quorvinxvid-convert --profile ROW [preset options] [--jobs N]"
                     " [--priority idle|lowest|lower|normal] [--overwrite] -o FOLDER FILE...\n";
        return ExitBadArguments;
    }

    // The job's output options, as the job list gives them to every file
    // added under this profile; the container extension travels with them.
    const int row = batch.profile.rowProfileNumber;
    const profiles::ProfileFields fields = profiles::fieldsFor(row, batch.profile.presets);
    engine::TOutputOptions options;
    try {
        options = profiles::outputOptionsOf(fields);
    } catch (const std::exception& e) {
        std::cerr << "quorvinxvid-convert: profile " << row << ": " << e.what() << "\n";
        return ExitFailed;
    }
    if (!fields.Video_FileExt.empty())
        options.FileExt = fields.Video_FileExt;
    options.AudioLanguage.clear();
    const std::string extension = profiles::outputExtensionOf(profiles::captionOf(profiles::decodeRowProfileNumber(row)));

    engine::QueueDispatcher dispatcher;
    engine::Converter converter(dispatcher);
    engine::Logger logger(dispatcher);
    logger.SetLogLevel(4);
    converter.SetLogger(&logger);
    if (!converter.LoadAVLib(engine::runningProgramFolder())) {
        std::cerr << "quorvinxvid-convert: " << converter.LastErrMsg() << "\n";
        return ExitFailed;
    }

    bool anyFailed = false;
    std::vector<std::string> names;        // per task: the source's file name
    std::vector<std::string> outputs;      // per task: the output path
    std::set<std::string> namesTaken;
    for (const std::string& file : batch.files) {
        int index = converter.AddTask(file, {});
        if (index < 0) {
            std::cerr << file << ": " << converter.LastErrMsg() << "\n";
            anyFailed = true;
            continue;
        }
        std::string output = jobs::uniqueOutputPath({file, extension, batch.folder, batch.overwrite, namesTaken});
        namesTaken.insert(std::filesystem::path(output).filename().string());
        // A refused output is kept by the converter: the task ends with its reason.
        converter.SetOutputFile(index, output, options);
        names.push_back(std::filesystem::path(file).filename().string());
        outputs.push_back(output);
    }
    if (names.empty())
        return ExitFailed;

    ProgressDisplay display(std::cerr, std::cout, ::isatty(STDERR_FILENO) != 0, names);
    bool batchEnded = false;
    converter.OnProgress = [&](const engine::TProgressInfo& info) { display.progress(info); };
    converter.OnTerminate = [&](const engine::TTerminateInfo& info) {
        if (info.TaskIndex < 0) {
            batchEnded = true;
            return;
        }
        if (info.Finished) {
            display.ended(info.TaskIndex, "finished", outputs[info.TaskIndex]);
            return;
        }
        anyFailed = true;
        display.ended(info.TaskIndex, info.Exception ? "failed: " + info.ExceptionMsg : std::string("stopped"));
    };
    logger.OnLog = [&](uint64_t thread, int level, const std::string& message) {
        display.message(engine::formatLogLine(thread, level, message));
    };

    converter.SetThreadPriority(batch.priority);
    if (!converter.Start(batch.jobs)) {
        std::cerr << "quorvinxvid-convert: " << converter.LastErrMsg() << "\n";
        return ExitFailed;
    }
    // Ctrl-C stops the batch cleanly: no half-written output stays behind.
    struct sigaction action{};
    action.sa_handler = onInterrupt;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    while (!batchEnded) {
        dispatcher.pump(std::chrono::milliseconds(100));
        if (interrupted && !converter.Stopping() && converter.Running())
            converter.Stop(false);
    }
    return anyFailed ? ExitFailed : ExitOk;
}

}  // namespace cli
