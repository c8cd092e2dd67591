#include "profiles/Profiles.h"

#include <stdexcept>

namespace profiles {

const ProfilePresets& presetsFor(int rowProfileNumber) {
    const ProfilePresets* presets = profileOfRowNumber(rowProfileNumber) ? profilePresetsOf(rowProfileNumber) : nullptr;
    if (presets == nullptr) {
        throw std::invalid_argument("no profile has the row number " + std::to_string(rowProfileNumber));
    }
    return *presets;
}

PresetTexts presetTextsOf(const ProfilePresets& presets, const PresetIndices& chosen) {
    PresetTexts texts;
    for (PresetList list : kFillOrder) {
        const auto entries = entriesOf(presets.lists[list].family);
        const int n = chosen[list];
        if (n < 0 || n >= static_cast<int>(entries.size())) {
            throw std::out_of_range("the " + std::string(nameOf(list)) + " list has no entry " + std::to_string(n) +
                                    " (it has " + std::to_string(entries.size()) + ")");
        }
        texts[list] = std::string(entries[n]);
    }
    return texts;
}

ProfileFields fieldsFor(int rowProfileNumber, const PresetIndices& chosen) {
    const ProfilePresets& presets = presetsFor(rowProfileNumber);
    ProfileFields fields;
    loadProfile(fields, decodeRowProfileNumber(rowProfileNumber));
    takePresetChoices(fields, presetTextsOf(presets, chosen));
    return fields;
}

ProfileFields defaultsFor(int rowProfileNumber) {
    return fieldsFor(rowProfileNumber, defaultIndicesOf(presetsFor(rowProfileNumber)));
}

}  // namespace profiles
