#include "jobs/OptionSlots.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace jobs {

OptionSlots::OptionSlots()
    : inputs_(std::make_unique<std::array<engine::TInputOptions, kSlotCount>>()),
      outputs_(std::make_unique<std::array<engine::TOutputOptions, kSlotCount>>())
{
    freeAll();
}

int OptionSlots::checked(int slot)
{
    if (slot < 0 || slot >= kSlotCount)
        throw std::out_of_range("option slot " + std::to_string(slot) + " is outside 0.." +
                                std::to_string(kSlotCount - 1));
    return slot;
}

void OptionSlots::markFree(int slot)
{
    (*outputs_)[slot].AudioLanguage = kFreeMarker;
}

void OptionSlots::freeAll()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        markFree(slot);
}

bool OptionSlots::isUsed(int slot) const
{
    return output(slot).AudioLanguage == kUsedMarker;
}

int OptionSlots::firstFree() const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if ((*outputs_)[slot].AudioLanguage == kFreeMarker)
            return slot;
    }
    return -1;
}

int OptionSlots::usedCount() const
{
    int count = 0;
    while (count < kSlotCount && isUsed(count))
        ++count;
    return count;
}

int OptionSlots::store(const engine::TInputOptions& input, const engine::TOutputOptions& output)
{
    const int slot = firstFree();
    if (slot < 0)
        return -1;
    (*inputs_)[slot] = input;
    (*outputs_)[slot] = output;
    (*outputs_)[slot].AudioLanguage = kUsedMarker;
    return slot;
}

void OptionSlots::remove(int slot, int count)
{
    checked(slot);
    if (count < slot + 1 || count > kSlotCount)
        throw std::out_of_range("cannot remove option slot " + std::to_string(slot) + " of " +
                                std::to_string(count) + " in use");
    for (int i = slot; i + 1 < count; ++i) {
        (*inputs_)[i] = std::move((*inputs_)[i + 1]);
        (*outputs_)[i] = std::move((*outputs_)[i + 1]);
    }
    (*inputs_)[count - 1] = engine::TInputOptions{};
    (*outputs_)[count - 1] = engine::TOutputOptions{};
    markFree(count - 1);
}

void OptionSlots::swap(int a, int b)
{
    std::swap((*inputs_)[checked(a)], (*inputs_)[checked(b)]);
    std::swap((*outputs_)[a], (*outputs_)[b]);
}

engine::TOutputOptions OptionSlots::forEngine(int slot) const
{
    engine::TOutputOptions copy = output(slot);
    copy.AudioLanguage.clear();
    return copy;
}

}  // namespace jobs
