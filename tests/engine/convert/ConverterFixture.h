#pragma once
// A converter owned by the test's thread, with every notification recorded
// in the order the owner received it.

#include "engine/QueueDispatcher.h"
#include "engine/convert/Converter.h"
#include "engine/convert/Logger.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace convertertest {

struct Event {
    enum Kind { Progress, TaskEnd, BatchEnd } kind;
    int task = -1;
    engine::TProgressInfo progress;
    engine::TTerminateInfo end;
};

class ConverterTest : public ::testing::Test {
protected:
    ConverterTest();

    // Adds a task for `source` writing `outputName` into the test's folder;
    // its index. Fails the test when the converter refuses.
    int addJob(const std::string& source, const std::string& outputName, engine::TOutputOptions options = {});

    // Pumps the owner's queue until the batch-end notification arrived.
    // `whileWaiting` runs after each pump (to act in the middle of a batch).
    void pumpUntilBatchEnd(const std::function<void()>& whileWaiting = {});
    // Pumps until `done()` holds.
    void pumpUntil(const std::function<bool()>& done);

    std::vector<Event> ends() const;          // task ends and the batch end, in order
    int progressCount(int task) const;
    const engine::TTerminateInfo* endOf(int task) const;

    testsupport::TempDir dir;
    engine::QueueDispatcher dispatcher;
    engine::Logger logger{dispatcher};
    engine::Converter converter{dispatcher};
    std::vector<Event> events;
    std::vector<std::string> logLines;
};

}  // namespace convertertest
