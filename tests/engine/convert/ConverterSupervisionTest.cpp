// Worker supervision with a scripted stand-in worker whose behaviour each
// task chooses (see scripted-worker.sh): workers that report exact figures,
// ignore a stop, crash or fail at a chosen moment. Real workers are in
// ConverterRunTest.cpp.

#include "ConverterFixture.h"

#include "engine/convert/WorkerLocation.h"
#include "support/MediaFixture.h"

#include <algorithm>
#include <fstream>
#include <sched.h>
#include <sys/resource.h>

namespace {

using convertertest::Event;
namespace fs = std::filesystem;

// The process state letter from /proc/PID/stat ('T' for stopped), or 0.
char processState(long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    size_t close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() ? text[close + 2] : 0;
}

class ScriptedWorkerTest : public convertertest::ConverterTest {
protected:
    void SetUp() override
    {
        fs::create_symlink(QVX_SCRIPTED_WORKER, workerFolder.file(engine::workerProgramName));
        ASSERT_TRUE(converter.LoadAVLib(workerFolder.path().string())) << converter.LastErrMsg();
        ASSERT_EQ(converter.WorkerPath(), workerFolder.file(engine::workerProgramName));
        source = testsupport::makeClip({.name = "scripted-source.avi", .seconds = 1, .extraArgs = "-c:v mpeg4"});
    }

    int addScripted(const std::string& behaviour)
    {
        engine::TOutputOptions options;
        options.VideoCodec = behaviour;
        return addJob(source, "out" + std::to_string(converter.TaskCount()) + ".avi", options);
    }

    bool hasProgress(int task) const { return progressCount(task) > 0; }

    testsupport::TempDir workerFolder;
    std::string source;
};

TEST_F(ScriptedWorkerTest, ProgressCarriesTheWorkersFiguresAndTaskIndex)
{
    addScripted("steps:3");
    ASSERT_TRUE(converter.Start(1));
    pumpUntilBatchEnd();
    ASSERT_EQ(progressCount(0), 3);
    const engine::TProgressInfo& last = std::find_if(events.rbegin(), events.rend(), [](const Event& e) {
                                            return e.kind == Event::Progress;
                                        })->progress;
    EXPECT_EQ(last.TaskIndex, 0);
    EXPECT_EQ(last.FrameNumber, 3);
    EXPECT_EQ(last.FPS, 10);
    EXPECT_EQ(last.CurrentSize, 3000);
    EXPECT_EQ(last.CurrentDuration, 300000);
    EXPECT_EQ(last.TotalDuration, 300000);
    ASSERT_FALSE(logLines.empty());
    EXPECT_NE(logLines[0].find(".5: scripted worker steps:3"), std::string::npos) << logLines[0];
    EXPECT_EQ(logLines[0][0], '#');
}

TEST_F(ScriptedWorkerTest, AWorkerThatDiesEndsOnlyItsOwnTaskWithAnError)
{
    addScripted("crash");
    addScripted("fail");
    addScripted("steps:2");
    ASSERT_TRUE(converter.Start(1));
    pumpUntilBatchEnd();

    ASSERT_NE(endOf(0), nullptr);
    EXPECT_TRUE(endOf(0)->Exception);
    EXPECT_FALSE(endOf(0)->Finished);
    EXPECT_NE(endOf(0)->ExceptionMsg.find(source), std::string::npos) << endOf(0)->ExceptionMsg;
    EXPECT_NE(endOf(0)->ExceptionMsg.find("signal 11"), std::string::npos) << endOf(0)->ExceptionMsg;
    EXPECT_NE(endOf(0)->ExceptionMsg.find("about to crash"), std::string::npos) << endOf(0)->ExceptionMsg;

    ASSERT_NE(endOf(1), nullptr);
    EXPECT_TRUE(endOf(1)->Exception);
    EXPECT_EQ(endOf(1)->ExceptionMsg, "Cannot decode 'x.avi' at 00:00:01: Invalid data");

    ASSERT_NE(endOf(2), nullptr);
    EXPECT_TRUE(endOf(2)->Finished);
    EXPECT_EQ(ends().back().kind, Event::BatchEnd);
}

TEST_F(ScriptedWorkerTest, WhileAStopIsUnderWayPauseIsIgnoredAndStartOrClearRefused)
{
    addScripted("deaf");
    addScripted("steps:5");
    ASSERT_TRUE(converter.Start(1));
    pumpUntil([&] { return hasProgress(0); });
    long pid = converter.WorkerProcessId(0);
    converter.Stop(false);
    EXPECT_TRUE(converter.Stopping());

    converter.Pause();
    EXPECT_FALSE(converter.Paused());
    EXPECT_NE(processState(pid), 'T');
    EXPECT_FALSE(converter.Start(1));
    EXPECT_NE(converter.LastErrMsg().find("still stopping"), std::string::npos) << converter.LastErrMsg();
    EXPECT_FALSE(converter.ClearTasks());
    EXPECT_NE(converter.LastErrMsg().find("while a batch"), std::string::npos) << converter.LastErrMsg();

    // The deaf worker is killed after the grace period; its task counts as
    // stopped, not failed.
    pumpUntilBatchEnd();
    ASSERT_NE(endOf(0), nullptr);
    EXPECT_FALSE(endOf(0)->Finished);
    EXPECT_FALSE(endOf(0)->Exception) << endOf(0)->ExceptionMsg;
    EXPECT_EQ(progressCount(1), 0);
    EXPECT_TRUE(converter.ClearTasks());
}

TEST_F(ScriptedWorkerTest, ThreadPriorityBecomesTheWorkersScheduling)
{
    struct Case {
        engine::TThreadPriority priority;
        int policy;
        int nice;
    } cases[] = {
        {engine::TThreadPriority::tpIdle, SCHED_IDLE, 0},
        {engine::TThreadPriority::tpLowest, SCHED_OTHER, 19},
        {engine::TThreadPriority::tpLower, SCHED_OTHER, 10},
        {engine::TThreadPriority::tpNormal, SCHED_OTHER, 0},
    };
    addScripted("steps:1000");
    for (const Case& c : cases) {
        events.clear();
        converter.SetThreadPriority(c.priority);
        ASSERT_TRUE(converter.Start(1)) << converter.LastErrMsg();
        pumpUntil([&] { return hasProgress(0); });
        long pid = converter.WorkerProcessId(0);
        EXPECT_EQ(sched_getscheduler(static_cast<pid_t>(pid)), c.policy) << int(c.priority);
        errno = 0;
        EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(pid)), c.nice) << int(c.priority);
        converter.Stop(true);
    }
}

}  // namespace
