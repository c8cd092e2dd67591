#include "ConverterFixture.h"

#include "engine/convert/LogLine.h"

namespace convertertest {

ConverterTest::ConverterTest()
{
    converter.OnProgress = [this](const engine::TProgressInfo& info) {
        events.push_back({Event::Progress, info.TaskIndex, info, {}});
    };
    converter.OnTerminate = [this](const engine::TTerminateInfo& info) {
        events.push_back({info.TaskIndex < 0 ? Event::BatchEnd : Event::TaskEnd, info.TaskIndex, {}, info});
    };
    logger.OnLog = [this](uint64_t thread, int level, const std::string& message) {
        logLines.push_back(engine::formatLogLine(thread, level, message));
    };
    converter.SetLogger(&logger);
}

int ConverterTest::addJob(const std::string& source, const std::string& outputName, engine::TOutputOptions options)
{
    int index = converter.AddTask(source, {});
    EXPECT_GE(index, 0) << converter.LastErrMsg();
    if (index >= 0) {
        EXPECT_TRUE(converter.SetOutputFile(index, dir.file(outputName), options)) << converter.LastErrMsg();
    }
    return index;
}

void ConverterTest::pumpUntil(const std::function<bool()>& done)
{
    while (!done())
        dispatcher.pump(std::chrono::milliseconds(50));
}

void ConverterTest::pumpUntilBatchEnd(const std::function<void()>& whileWaiting)
{
    auto batchEnded = [this] {
        for (const Event& e : events)
            if (e.kind == Event::BatchEnd)
                return true;
        return false;
    };
    while (!batchEnded()) {
        dispatcher.pump(std::chrono::milliseconds(50));
        if (whileWaiting)
            whileWaiting();
    }
}

std::vector<Event> ConverterTest::ends() const
{
    std::vector<Event> result;
    for (const Event& e : events)
        if (e.kind != Event::Progress)
            result.push_back(e);
    return result;
}

int ConverterTest::progressCount(int task) const
{
    int count = 0;
    for (const Event& e : events)
        count += e.kind == Event::Progress && e.task == task;
    return count;
}

const engine::TTerminateInfo* ConverterTest::endOf(int task) const
{
    for (const Event& e : events)
        if (e.kind == Event::TaskEnd && e.task == task)
            return &e.end;
    return nullptr;
}

}  // namespace convertertest
