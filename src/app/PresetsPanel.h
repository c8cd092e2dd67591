#pragma once
// The six preset lists of the group "预置选项" with their labels.
//
// Fill preset lists (Button18Click) gives each list the entries of its
// family for the chosen profile and chooses the default entries, in the
// fill order frame size, video bit rate, frame rate, audio bit rate, sample
// rate, aspect mode; a list that changes its shown text notifies
// (listChanged) before the next list is filled. For a profile without
// video the four video lists are disabled afterwards; every fill enables
// them first.

#include <QWidget>

#include "profiles/ProfilePresets.h"

namespace app {

class PresetComboBox;

class PresetsPanel : public QWidget {
    Q_OBJECT
public:
    // Lays the lists out inside `group`.
    explicit PresetsPanel(QWidget* group);

    // bsSkinComboBox1 (frame size), 2 (video bit rate), 3 (audio bit rate),
    // 4 (aspect mode), 9 (frame rate), 10 (sample rate).
    PresetComboBox* list(profiles::PresetList which) const;

    // Fill preset lists for a row profile number; throws
    // std::invalid_argument when it names no profile.
    void fill(int rowProfileNumber);

    profiles::PresetTexts shownTexts() const;
    // The chosen entry numbers; -1 for a list without a chosen entry.
    profiles::PresetIndices chosenEntries() const;
    // The twelve-digit preset string of the chosen entries; throws
    // std::out_of_range while a list has no chosen entry.
    QString presetString() const;

    // Chooses the entries by program in the order of the preset string
    // (frame size, video bit rate, audio bit rate, aspect mode, frame rate,
    // sample rate); each list whose text changes notifies.
    void chooseEntries(const profiles::PresetIndices& entries);

signals:
    void listChanged(profiles::PresetList which);

private:
    profiles::PerPresetList<PresetComboBox*> lists_{};
};

}  // namespace app

Q_DECLARE_METATYPE(profiles::PresetList)
