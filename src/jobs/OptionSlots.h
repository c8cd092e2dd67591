#pragma once
// The two option-slot tables of the job list, IO1 (input options) and OO1
// (output options), 501 records each. Slot i belongs to row i.
//
// The AudioLanguage text of a slot's output record marks its state: "kong"
// for a free slot, "Full" for a slot in use. With n jobs, slots 0 to n - 1
// are "Full" and hold the records of rows 0 to n - 1, and slots n to 500 are
// "kong". The two tables always move together. The marker is bookkeeping:
// records handed to the engine must go through forEngine(), which clears it.

#include "engine/TaskRecords.h"

#include <array>
#include <memory>

namespace jobs {

inline constexpr int kSlotCount = 501;
inline constexpr const char* kFreeMarker = "kong";
inline constexpr const char* kUsedMarker = "Full";

class OptionSlots {
public:
    OptionSlots();

    // Marks every slot free (Button15Click, "初始化数值").
    void freeAll();

    // The first free slot, or -1 when all 501 are used.
    int firstFree() const;
    // How many slots are in use (the leading run of "Full" slots).
    int usedCount() const;
    bool isUsed(int slot) const;

    // Stores the records in the first free slot and marks it used. Returns
    // the slot, or -1 (writing nothing) when every slot is used.
    int store(const engine::TInputOptions& input, const engine::TOutputOptions& output);
    // Removes slot k of `count` used ones: slots k + 1 .. count - 1 move down
    // one place and slot count - 1 becomes free.
    void remove(int slot, int count);
    // Exchanges two slots in both tables.
    void swap(int a, int b);

    engine::TInputOptions& input(int slot) { return (*inputs_)[checked(slot)]; }
    engine::TOutputOptions& output(int slot) { return (*outputs_)[checked(slot)]; }
    const engine::TInputOptions& input(int slot) const { return (*inputs_)[checked(slot)]; }
    const engine::TOutputOptions& output(int slot) const { return (*outputs_)[checked(slot)]; }

    // A copy of slot i's output record as the engine gets it: without the marker.
    engine::TOutputOptions forEngine(int slot) const;

private:
    static int checked(int slot);
    void markFree(int slot);

    std::unique_ptr<std::array<engine::TInputOptions, kSlotCount>> inputs_;
    std::unique_ptr<std::array<engine::TOutputOptions, kSlotCount>> outputs_;
};

}  // namespace jobs
