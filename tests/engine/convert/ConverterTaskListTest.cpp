// The task list: what AddTask, SetOutputFile, RemoveTask and the worker
// search accept and refuse, before anything runs.

#include "ConverterFixture.h"

#include "engine/convert/WorkerLocation.h"
#include "support/MediaFixture.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using convertertest::ConverterTest;
namespace fs = std::filesystem;

std::string shortClip()
{
    return testsupport::makeClip({.name = "convert-short.avi", .seconds = 1, .extraArgs = "-c:v mpeg4 -c:a mp3"});
}

TEST_F(ConverterTest, AddTaskRefusesSourcesThatAreNotMedia)
{
    std::ofstream(dir.file("empty.mp4")).flush();
    std::ofstream(dir.file("notes.avi")) << "a shopping list, not a film\n";
    struct Case {
        std::string source;
        std::string reason;
    } cases[] = {
        {dir.file("missing.avi"), "does not exist"},
        {dir.file("empty.mp4"), "empty"},
        {dir.file("notes.avi"), "Invalid data"},
    };
    for (const Case& c : cases) {
        EXPECT_LT(converter.AddTask(c.source, {}), 0) << c.source;
        EXPECT_NE(converter.LastErrMsg().find(c.source), std::string::npos) << converter.LastErrMsg();
        EXPECT_NE(converter.LastErrMsg().find(c.reason), std::string::npos) << converter.LastErrMsg();
    }
    EXPECT_EQ(converter.TaskCount(), 0);
}

TEST_F(ConverterTest, SetOutputFileRefusesOutputsThatCannotBeWritten)
{
    std::string source = shortClip();
    int task = converter.AddTask(source, {});
    ASSERT_EQ(task, 0) << converter.LastErrMsg();
    std::ofstream(dir.file("plain-file")) << "x";
    // A folder nobody may write into: root passes permission bits, not /sys.
    std::string locked = dir.file("locked");
    fs::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    if (::geteuid() == 0)
        locked = "/sys";

    struct Case {
        int task;
        std::string output;
        std::string reason;
    } cases[] = {
        {task, dir.file("no-such-folder/out.avi"), "does not exist"},
        {task, dir.file("plain-file/out.avi"), "is not a folder"},
        {task, locked + "/out.avi", "cannot be written"},
        {task, source, "own source"},
        {task, "", "no output file name"},
        {1, dir.file("out.avi"), "No task with index 1"},
        {-1, dir.file("out.avi"), "No task with index -1"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(converter.SetOutputFile(c.task, c.output, {})) << c.output;
        EXPECT_NE(converter.LastErrMsg().find(c.reason), std::string::npos) << converter.LastErrMsg();
        if (!c.output.empty() && c.task == task) {
            EXPECT_NE(converter.LastErrMsg().find(c.output), std::string::npos) << converter.LastErrMsg();
        }
    }
    EXPECT_TRUE(converter.SetOutputFile(task, dir.file("out.avi"), {})) << converter.LastErrMsg();
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".qvx", 0), 0u) << "left behind: " << entry.path();
    ::chmod(dir.file("locked").c_str(), 0755);
}

TEST_F(ConverterTest, RemoveTaskMovesLaterTasksDownAndClearEmptiesTheList)
{
    std::string a = shortClip();
    std::string b = testsupport::makeClip({.name = "convert-b.wav", .seconds = 1, .width = 0, .height = 0,
                                           .frameRate = "25", .sampleRate = 22050, .channels = 1, .extraArgs = {}});
    std::string c = testsupport::makeClip({.name = "convert-c.mkv", .seconds = 1, .extraArgs = {}});
    for (const std::string& source : {a, b, c})
        converter.AddTask(source, {});
    ASSERT_EQ(converter.TaskCount(), 3);

    EXPECT_TRUE(converter.RemoveTask(1));
    ASSERT_EQ(converter.TaskCount(), 2);
    EXPECT_EQ(converter.TaskProbe(0)->FileName(), a);
    EXPECT_EQ(converter.TaskProbe(1)->FileName(), c);
    EXPECT_NE(converter.TaskProbe(1)->FileInfoText().find("Matroska"), std::string::npos);
    EXPECT_FALSE(converter.RemoveTask(2));
    EXPECT_EQ(converter.TaskProbe(2), nullptr);

    EXPECT_TRUE(converter.ClearTasks());
    EXPECT_EQ(converter.TaskCount(), 0);
}

TEST_F(ConverterTest, StartRefusesWithoutLibrariesOrTasks)
{
    EXPECT_FALSE(converter.Start(2));
    EXPECT_NE(converter.LastErrMsg().find("not loaded"), std::string::npos) << converter.LastErrMsg();
    ASSERT_TRUE(converter.LoadAVLib("")) << converter.LastErrMsg();
    EXPECT_TRUE(converter.AVLibLoaded());
    EXPECT_FALSE(converter.Start(2));
    EXPECT_NE(converter.LastErrMsg().find("no task"), std::string::npos) << converter.LastErrMsg();
    EXPECT_FALSE(converter.Running());
}

TEST(WorkerLocation, FirstFolderHoldingARunnableWorkerWins)
{
    testsupport::TempDir none, notRunnable, runnable;
    std::ofstream(notRunnable.file(engine::workerProgramName)) << "#!/bin/sh\n";
    std::ofstream(runnable.file(engine::workerProgramName)) << "#!/bin/sh\n";
    ::chmod(runnable.file(engine::workerProgramName).c_str(), 0755);
    fs::create_directory(none.file(engine::workerProgramName));  // a folder by that name is no program

    std::string reason;
    EXPECT_EQ(engine::findWorker({"", none.path().string(), notRunnable.path().string(), runnable.path().string()},
                                 reason),
              runnable.file(engine::workerProgramName));

    EXPECT_EQ(engine::findWorker({none.path().string(), notRunnable.path().string()}, reason), "");
    EXPECT_NE(reason.find(none.file(engine::workerProgramName)), std::string::npos) << reason;
    EXPECT_NE(reason.find(notRunnable.file(engine::workerProgramName)), std::string::npos) << reason;
}

}  // namespace
