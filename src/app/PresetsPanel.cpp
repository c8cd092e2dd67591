#include "app/PresetsPanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/PresetComboBox.h"
#include "profiles/Profiles.h"

namespace app {

namespace {

using profiles::PresetList;

struct ListLook {
    PresetList list;
    const char* objectName;
    const char* label;
};

// In the order shown, top to bottom.
constexpr ListLook kLooks[] = {
    {PresetList::FrameSize, "bsSkinComboBox1", "视频分辨率："},
    {PresetList::VideoBitrate, "bsSkinComboBox2", "视频比特率："},
    {PresetList::AudioBitrate, "bsSkinComboBox3", "音频比特率："},
    {PresetList::AspectMode, "bsSkinComboBox4", "视频缩放："},
    {PresetList::FrameRate, "bsSkinComboBox9", "视频帧率："},
    {PresetList::SampleRate, "bsSkinComboBox10", "音频采样率："},
};

QStringList textsOf(profiles::Family family) {
    QStringList texts;
    for (std::string_view entry : profiles::entriesOf(family)) {
        texts << QString::fromUtf8(entry.data(), qsizetype(entry.size()));
    }
    return texts;
}

}  // namespace

PresetsPanel::PresetsPanel(QWidget* group) : QWidget(group) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(4, 4, 4, 4);
    form->setVerticalSpacing(6);
    for (const ListLook& look : kLooks) {
        auto* combo = new PresetComboBox(this);
        combo->setObjectName(QString::fromLatin1(look.objectName));
        form->addRow(new QLabel(QString::fromUtf8(look.label), this), combo);
        lists_[look.list] = combo;
        const PresetList which = look.list;
        connect(combo, &PresetComboBox::shownTextChanged, this, [this, which] { emit listChanged(which); });
    }
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->addWidget(this);
}

PresetComboBox* PresetsPanel::list(PresetList which) const { return lists_[which]; }

void PresetsPanel::fill(int rowProfileNumber) {
    const profiles::ProfilePresets& presets = profiles::presetsFor(rowProfileNumber);
    for (PresetList which : profiles::kFillOrder) {
        lists_[which]->setEntries({});
        lists_[which]->setEnabled(true);
    }
    for (PresetList which : profiles::kFillOrder) {
        const profiles::FamilyDefault& d = presets.lists[which];
        lists_[which]->setEntries(textsOf(d.family));
        lists_[which]->chooseEntry(d.entry);
    }
    if (presets.videoListsOff) {
        for (PresetList which : profiles::kFillOrder) {
            if (profiles::isVideoList(which)) lists_[which]->setEnabled(false);
        }
    }
}

profiles::PresetTexts PresetsPanel::shownTexts() const {
    profiles::PresetTexts texts;
    for (PresetList which : profiles::kFillOrder) texts[which] = lists_[which]->shownText().toStdString();
    return texts;
}

profiles::PresetIndices PresetsPanel::chosenEntries() const {
    profiles::PresetIndices entries;
    for (PresetList which : profiles::kFillOrder) entries[which] = lists_[which]->chosenEntry();
    return entries;
}

QString PresetsPanel::presetString() const {
    return QString::fromStdString(profiles::presetString(chosenEntries()));
}

void PresetsPanel::chooseEntries(const profiles::PresetIndices& entries) {
    for (PresetList which : profiles::kPresetStringOrder) lists_[which]->chooseEntry(entries[which]);
}

}  // namespace app
