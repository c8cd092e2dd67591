#include "jobs/OptionSlots.h"

#include <gtest/gtest.h>

using jobs::kSlotCount;
using jobs::OptionSlots;

namespace {

// Records that say which job they belong to.
engine::TInputOptions inputOf(int job)
{
    engine::TInputOptions input;
    input.FileName = "source" + std::to_string(job) + ".avi";
    return input;
}

engine::TOutputOptions outputOf(int job)
{
    engine::TOutputOptions output;
    output.FileName = "out" + std::to_string(job) + ".mp4";
    output.VideoBitrate = 1000 + job;
    return output;
}

void expectJobInSlot(const OptionSlots& slots, int job, int slot)
{
    EXPECT_EQ(slots.input(slot).FileName, inputOf(job).FileName) << "slot " << slot;
    EXPECT_EQ(slots.output(slot).FileName, outputOf(job).FileName) << "slot " << slot;
    EXPECT_EQ(slots.output(slot).VideoBitrate, outputOf(job).VideoBitrate) << "slot " << slot;
    EXPECT_EQ(slots.output(slot).AudioLanguage, "Full") << "slot " << slot;
}

// With n jobs: slots 0..n-1 used, the rest free.
void expectInvariant(const OptionSlots& slots, int jobs)
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        ASSERT_EQ(slots.output(slot).AudioLanguage, slot < jobs ? "Full" : "kong") << "slot " << slot;
    EXPECT_EQ(slots.usedCount(), jobs);
}

}  // namespace

TEST(OptionSlots, StoreTakesTheFirstFreeSlot)
{
    OptionSlots slots;
    expectInvariant(slots, 0);
    for (int job = 0; job < 3; ++job)
        EXPECT_EQ(slots.store(inputOf(job), outputOf(job)), job);
    expectInvariant(slots, 3);
    expectJobInSlot(slots, 2, 2);
}

TEST(OptionSlots, RemovingMovesTheLaterSlotsDown)
{
    OptionSlots slots;
    for (int job = 0; job < 4; ++job)
        slots.store(inputOf(job), outputOf(job));
    slots.remove(1, 4);
    expectInvariant(slots, 3);
    expectJobInSlot(slots, 0, 0);
    expectJobInSlot(slots, 2, 1);
    expectJobInSlot(slots, 3, 2);
    EXPECT_TRUE(slots.output(3).FileName.empty());  // nothing of job 3 stays behind

    slots.remove(2, 3);  // the last one
    expectInvariant(slots, 2);
    expectJobInSlot(slots, 2, 1);
}

TEST(OptionSlots, SwapExchangesBothTables)
{
    OptionSlots slots;
    for (int job = 0; job < 3; ++job)
        slots.store(inputOf(job), outputOf(job));
    slots.swap(2, 1);
    expectJobInSlot(slots, 2, 1);
    expectJobInSlot(slots, 1, 2);
    expectInvariant(slots, 3);
}

TEST(OptionSlots, HoldsAtMost501JobsAndNeverWritesBeyond)
{
    OptionSlots slots;
    for (int job = 0; job < kSlotCount; ++job)
        ASSERT_EQ(slots.store(inputOf(job), outputOf(job)), job);
    EXPECT_EQ(slots.firstFree(), -1);
    EXPECT_EQ(slots.store(inputOf(999), outputOf(999)), -1);
    expectInvariant(slots, kSlotCount);
    expectJobInSlot(slots, 500, 500);
    EXPECT_THROW(slots.output(501), std::out_of_range);
}

TEST(OptionSlots, FreeAllMarksEverySlotFreeAndTheEngineNeverSeesTheMarker)
{
    OptionSlots slots;
    slots.store(inputOf(0), outputOf(0));
    EXPECT_EQ(slots.forEngine(0).AudioLanguage, "");
    EXPECT_EQ(slots.forEngine(0).FileName, outputOf(0).FileName);
    slots.freeAll();
    expectInvariant(slots, 0);
    EXPECT_EQ(slots.store(inputOf(5), outputOf(5)), 0);
}
