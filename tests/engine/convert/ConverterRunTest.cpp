// Batches of real tasks: the converter's own worker program converting
// generated clips, judged by the notifications, the processes and ffprobe.

#include "ConverterFixture.h"

#include "support/Ffprobe.h"
#include "support/MediaFixture.h"

#include <algorithm>
#include <csignal>
#include <fstream>

namespace {

using convertertest::Event;
namespace fs = std::filesystem;

char processState(long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    size_t close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() ? text[close + 2] : 0;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class RealWorkerTest : public convertertest::ConverterTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(converter.LoadAVLib("")) << converter.LastErrMsg();
        // Progress soon after a task starts, so the tests can act while
        // the tasks of the long clip are in the middle of their work.
        converter.SetProgressInterval(100);
        clip = testsupport::makeClip(
            {.name = "convert-run.avi", .seconds = 8, .width = 640, .height = 480, .extraArgs = "-c:v mpeg4 -q:v 5 -c:a mp3"});
        longClip = testsupport::makeClip({.name = "convert-run-long.avi", .seconds = 20, .width = 1280, .height = 720,
                                          .extraArgs = "-c:v mpeg4 -q:v 5 -c:a mp3"});
        options.FileExt = ".avi";
        options.VideoCodec = "mpeg4";
        options.AudioCodec = "libmp3lame";
    }

    int addRun(const std::string& outputName) { return addJob(clip, outputName, options); }
    int addLongRun(const std::string& outputName) { return addJob(longClip, outputName, options); }

    int liveWorkers() const
    {
        int live = 0;
        for (int i = 0; i < converter.TaskCount(); ++i)
            live += converter.WorkerProcessId(i) != 0;
        return live;
    }

    // Files the tasks left in the test's folder, temporary ones included.
    std::vector<std::string> filesLeft() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string clip;
    std::string longClip;
    engine::TOutputOptions options;
};

TEST_F(RealWorkerTest, ThreeAtOnceOfFiveInIndexOrderThenTheBatchEnd)
{
    for (int i = 0; i < 5; ++i)
        addRun("out" + std::to_string(i) + ".avi");
    ASSERT_TRUE(converter.Start(3)) << converter.LastErrMsg();
    int mostAtOnce = 0;
    pumpUntilBatchEnd([&] { mostAtOnce = std::max(mostAtOnce, liveWorkers()); });

    EXPECT_EQ(mostAtOnce, 3);
    std::vector<Event> order = ends();
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(order.back().kind, Event::BatchEnd);
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(endOf(i), nullptr);
        EXPECT_TRUE(endOf(i)->Finished) << i << ": " << endOf(i)->ExceptionMsg;
        auto probed = testsupport::ffprobe(dir.file("out" + std::to_string(i) + ".avi"));
        ASSERT_TRUE(probed);
        EXPECT_NEAR(probed->duration, 8.0, 0.2);
    }
    // Task 3 starts when a first task has ended, task 4 when a second has.
    auto position = [&](auto predicate) { return std::find_if(events.begin(), events.end(), predicate) - events.begin(); };
    auto firstProgressOf = [&](int task) {
        return position([task](const Event& e) { return e.kind == Event::Progress && e.task == task; });
    };
    auto nthEnd = [&](int n) {
        return position([n, seen = 0](const Event& e) mutable { return e.kind == Event::TaskEnd && ++seen == n; });
    };
    EXPECT_GT(firstProgressOf(3), nthEnd(1));
    EXPECT_GT(firstProgressOf(4), nthEnd(2));
    // The last progress of a task tells the whole source.
    auto lastProgress = std::find_if(events.rbegin(), events.rend(), [](const Event& e) {
        return e.kind == Event::Progress && e.task == 0;
    });
    ASSERT_NE(lastProgress, events.rend());
    EXPECT_NEAR(lastProgress->progress.TotalDuration, 8'000'000, 200'000);
    EXPECT_NEAR(lastProgress->progress.CurrentDuration, 8'000'000, 200'000);
    EXPECT_GT(lastProgress->progress.CurrentSize, 0);
}

TEST_F(RealWorkerTest, PauseSuspendsTheRunningWorkersAndResumeLetsThemFinish)
{
    addLongRun("a.avi");
    addLongRun("b.avi");
    addRun("c.avi");
    ASSERT_TRUE(converter.Start(2));
    pumpUntil([&] { return progressCount(0) > 0 && progressCount(1) > 0; });
    converter.Pause();
    for (int task : {0, 1}) {
        long pid = converter.WorkerProcessId(task);
        ASSERT_NE(pid, 0) << task;
        while (processState(pid) != 'T')
            dispatcher.pump(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(converter.WorkerProcessId(2), 0) << "a waiting task stays waiting";
    converter.Resume();
    pumpUntilBatchEnd();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(endOf(i) && endOf(i)->Finished) << i;
}

TEST_F(RealWorkerTest, StopEndsRunningAndWaitingTasksAndLeavesNoOutputBehind)
{
    std::ofstream(dir.file("b.avi")) << "an older file under an output name";
    for (const char* name : {"a.avi", "b.avi", "c.avi", "d.avi", "e.avi"})
        addLongRun(name);
    // b.avi exists: the job list would have named it b_1.avi, but a file
    // that was there before must survive a stop whatever the name.
    ASSERT_TRUE(converter.Start(2));
    pumpUntil([&] { return progressCount(0) > 0 && progressCount(1) > 0; });
    converter.Stop(true);

    EXPECT_FALSE(converter.Running());
    std::vector<Event> order = ends();
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(order.back().kind, Event::BatchEnd);
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(endOf(i), nullptr) << i;
        EXPECT_FALSE(endOf(i)->Finished) << i;
        EXPECT_FALSE(endOf(i)->Exception) << i << ": " << endOf(i)->ExceptionMsg;
    }
    for (int waiting : {2, 3, 4})
        EXPECT_EQ(progressCount(waiting), 0) << waiting;
    EXPECT_EQ(filesLeft(), std::vector<std::string>{"b.avi"});
    EXPECT_EQ(readFile(dir.file("b.avi")), "an older file under an output name");
}

TEST_F(RealWorkerTest, StopWhilePausedStopsThePausedWorkers)
{
    addLongRun("a.avi");
    addLongRun("b.avi");
    ASSERT_TRUE(converter.Start(2));
    pumpUntil([&] { return progressCount(0) > 0 && progressCount(1) > 0; });
    converter.Pause();
    converter.Stop(true);
    ASSERT_EQ(ends().size(), 3u);
    EXPECT_FALSE(endOf(0)->Finished || endOf(0)->Exception) << endOf(0)->ExceptionMsg;
    EXPECT_FALSE(endOf(1)->Finished || endOf(1)->Exception) << endOf(1)->ExceptionMsg;
    EXPECT_TRUE(filesLeft().empty());
}

TEST_F(RealWorkerTest, AKilledWorkerFailsOnlyItsTaskAndLeavesNoFile)
{
    addLongRun("killed.avi");
    addRun("next.avi");
    ASSERT_TRUE(converter.Start(1));
    pumpUntil([&] { return progressCount(0) > 0; });
    ::kill(static_cast<pid_t>(converter.WorkerProcessId(0)), SIGKILL);
    pumpUntilBatchEnd();

    ASSERT_NE(endOf(0), nullptr);
    EXPECT_TRUE(endOf(0)->Exception);
    EXPECT_FALSE(endOf(0)->Finished);
    EXPECT_NE(endOf(0)->ExceptionMsg.find(longClip), std::string::npos) << endOf(0)->ExceptionMsg;
    EXPECT_NE(endOf(0)->ExceptionMsg.find("signal 9"), std::string::npos) << endOf(0)->ExceptionMsg;
    ASSERT_NE(endOf(1), nullptr);
    EXPECT_TRUE(endOf(1)->Finished) << endOf(1)->ExceptionMsg;
    EXPECT_EQ(filesLeft(), std::vector<std::string>{"next.avi"});
}

TEST_F(RealWorkerTest, TasksThatCannotRunEndWithTheirReasonAndTheBatchGoesOn)
{
    int refused = converter.AddTask(clip, {});
    EXPECT_FALSE(converter.SetOutputFile(refused, dir.file("gone/x.avi"), options));
    int never = converter.AddTask(clip, {});  // no output attached at all
    engine::TOutputOptions unknownCodec = options;
    unknownCodec.VideoCodec = "no-such-encoder";
    int badOptions = addJob(clip, "bad.avi", unknownCodec);
    int fine = addRun("fine.avi");
    ASSERT_TRUE(converter.Start(2));
    pumpUntilBatchEnd();

    struct Expect {
        int task;
        std::string reason;
    } failures[] = {
        {refused, "does not exist"},
        {never, "no output file was set"},
        {badOptions, "no-such-encoder"},
    };
    for (const Expect& e : failures) {
        ASSERT_NE(endOf(e.task), nullptr) << e.task;
        EXPECT_TRUE(endOf(e.task)->Exception) << e.task;
        EXPECT_NE(endOf(e.task)->ExceptionMsg.find(e.reason), std::string::npos) << endOf(e.task)->ExceptionMsg;
    }
    EXPECT_TRUE(endOf(fine)->Finished) << endOf(fine)->ExceptionMsg;
    EXPECT_EQ(ends().back().kind, Event::BatchEnd);
}

TEST_F(RealWorkerTest, PreviewSwitchedOnWhileRunningOpensTheWorkersWindow)
{
    logger.SetLogLevel(7);
    addLongRun("a.avi");
    ASSERT_TRUE(converter.Start(1));
    pumpUntil([&] { return progressCount(0) > 0; });
    converter.SetPreview(true);
    EXPECT_TRUE(converter.Preview());
    auto opened = [&] {
        return std::any_of(logLines.begin(), logLines.end(), [](const std::string& line) {
            return line.find("Preview window opened (1280x720)") != std::string::npos;
        });
    };
    pumpUntilBatchEnd([&] {
        if (opened() && !converter.Stopping())
            converter.Stop(false);
    });
    EXPECT_TRUE(opened()) << ::testing::PrintToString(logLines);
}

}  // namespace
