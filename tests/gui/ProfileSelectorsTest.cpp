// The output selectors and the preset lists as widgets: what they list, and
// exactly when they notify.

#include <QSignalSpy>
#include <QTest>

#include "app/PresetComboBox.h"
#include "app/PresetsPanel.h"
#include "app/ProfileSelectors.h"
#include "app/SelectorComboBox.h"
#include "profiles/Profiles.h"

using app::PresetComboBox;
using app::PresetsPanel;
using app::ProfileSelectors;
using app::SelectorComboBox;
using profiles::PresetList;

class ProfileSelectorsTest : public QObject {
    Q_OBJECT

private slots:
    void categoriesAreListedWithoutNotifying() {
        QWidget window;
        auto* category = new SelectorComboBox(&window);
        QSignalSpy changed(category, &SelectorComboBox::changed);
        ProfileSelectors selectors(category, new SelectorComboBox(&window));
        QCOMPARE(category->count(), 11);
        QCOMPARE(category->itemText(0), QStringLiteral("AVI视频"));
        QCOMPARE(category->itemText(10), QStringLiteral("Flash视频"));
        QCOMPARE(category->currentIndex(), 0);
        QVERIFY(!category->itemIcon(5).isNull());
        QCOMPARE(changed.count(), 0);
    }

    void everyFillEndsWithAProfileChangeEvenAtTheSameIndex() {
        QWidget window;
        ProfileSelectors selectors(new SelectorComboBox(&window), new SelectorComboBox(&window));
        QSignalSpy profileChanged(&selectors, &ProfileSelectors::profileChanged);
        selectors.fillProfiles();
        selectors.fillProfiles();
        QCOMPARE(profileChanged.count(), 2);
        QCOMPARE(selectors.profileSelector()->count(), 7);
        QCOMPARE(selectors.chosenCaption(), QStringLiteral("AVI标准视频(*.avi)"));
        QCOMPARE(selectors.rowProfileNumber(), 100);
        QCOMPARE(profiles::profileCodeOf(selectors.chosenProfile()), 1600);

        selectors.setProfileIndex(0);
        QCOMPARE(profileChanged.count(), 3);
        // Setting the index the plain way raises nothing.
        selectors.profileSelector()->setCurrentIndex(3);
        QCOMPARE(profileChanged.count(), 3);
    }

    void choosingACategoryRefillsAndChoosesItsFirstProfile() {
        QWidget window;
        ProfileSelectors selectors(new SelectorComboBox(&window), new SelectorComboBox(&window));
        connect(&selectors, &ProfileSelectors::categoryChanged, &selectors, &ProfileSelectors::fillProfiles);
        QSignalSpy categoryChanged(&selectors, &ProfileSelectors::categoryChanged);
        QSignalSpy profileChanged(&selectors, &ProfileSelectors::profileChanged);

        selectors.setCategoryIndex(4);
        selectors.setProfileIndex(14);
        QCOMPARE(selectors.rowProfileNumber(), 514);
        QCOMPARE(profiles::profileCodeOf(selectors.chosenProfile()), 114);
        QCOMPARE(selectors.profileSelector()->count(), 15);

        selectors.setCategoryIndex(4);  // unchanged, still notifies and refills
        QCOMPARE(categoryChanged.count(), 2);
        QCOMPARE(profileChanged.count(), 3);
        QCOMPARE(selectors.profileIndex(), 0);
        // The two profile icons alternate.
        const auto* profile = selectors.profileSelector();
        QCOMPARE(profile->itemIcon(0).pixmap(32).toImage(), profile->itemIcon(2).pixmap(32).toImage());
        QVERIFY(profile->itemIcon(0).pixmap(32).toImage() != profile->itemIcon(1).pixmap(32).toImage());
    }

    void userChoiceOfTheShownCategoryNotifies() {
        QWidget window;
        ProfileSelectors selectors(new SelectorComboBox(&window), new SelectorComboBox(&window));
        QSignalSpy categoryChanged(&selectors, &ProfileSelectors::categoryChanged);
        emit selectors.categorySelector()->activated(0);
        QCOMPARE(categoryChanged.count(), 1);
    }

    void fillShowsTheDefaultsOfTheProfile() {
        QWidget group;
        PresetsPanel panel(&group);
        panel.fill(100);
        QCOMPARE(panel.presetString(), QStringLiteral("000310000904"));
        const profiles::PresetTexts texts = panel.shownTexts();
        QCOMPARE(texts[PresetList::VideoBitrate], std::string("816 kbps"));
        QCOMPARE(texts[PresetList::FrameRate], std::string("25.00"));
        auto* frameSize = group.findChild<PresetComboBox*>(QStringLiteral("bsSkinComboBox1"));
        QVERIFY(frameSize);
        QCOMPARE(frameSize->count(), 27);
        QCOMPARE(frameSize->maxVisibleItems(), 8);
        QVERIFY(group.findChild<PresetComboBox*>(QStringLiteral("bsSkinComboBox10")));
    }

    void audioOnlyProfilesDisableTheFourVideoLists() {
        QWidget group;
        PresetsPanel panel(&group);
        panel.fill(600);
        for (PresetList which : profiles::kFillOrder) {
            QCOMPARE(panel.list(which)->isEnabled(), !profiles::isVideoList(which));
        }
        QCOMPARE(panel.list(PresetList::FrameSize)->shownText(), QStringLiteral("该格式无视频"));
        QCOMPARE(panel.list(PresetList::AspectMode)->shownText(), QStringLiteral("无视频"));
        panel.fill(1100);
        for (PresetList which : profiles::kFillOrder) QVERIFY(panel.list(which)->isEnabled());
    }

    void listsNotifyOnlyWhenTheirTextChangesInFillOrder() {
        QWidget group;
        PresetsPanel panel(&group);
        panel.fill(100);
        QList<PresetList> order;
        QList<int> entriesOfTheNextList;
        connect(&panel, &PresetsPanel::listChanged, &panel, [&](PresetList which) {
            order << which;
            entriesOfTheNextList << panel.list(PresetList::AspectMode)->count();
        });

        panel.fill(200);  // same lists, same defaults
        QVERIFY(order.isEmpty());

        panel.fill(509);
        const QList<PresetList> expected = {PresetList::FrameSize, PresetList::VideoBitrate, PresetList::FrameRate,
                                            PresetList::AudioBitrate, PresetList::SampleRate};
        QCOMPARE(order, expected);  // the aspect mode stays "保持原视频模式"
        // Each list notified before the aspect list, filled last, had entries again.
        QCOMPARE(entriesOfTheNextList, QList<int>(5, 0));
        QCOMPARE(panel.list(PresetList::FrameRate)->shownText(), QStringLiteral("12"));
    }

    void anEntryBeyondTheListLeavesItsTextAndStaysQuiet() {
        QWidget group;
        PresetsPanel panel(&group);
        panel.fill(100);  // A1: "128 kbps" is entry 10
        panel.fill(900);  // A2: "128 kbps" is entry 2; the text did not change
        QSignalSpy changed(&panel, &PresetsPanel::listChanged);
        profiles::PresetIndices restored = panel.chosenEntries();
        restored[PresetList::AudioBitrate] = 10;
        panel.chooseEntries(restored);
        QCOMPARE(changed.count(), 0);
        PresetComboBox* audio = panel.list(PresetList::AudioBitrate);
        QCOMPARE(audio->chosenEntry(), -1);
        QCOMPARE(audio->shownText(), QStringLiteral("128 kbps"));
        QCOMPARE(panel.shownTexts()[PresetList::AudioBitrate], std::string("128 kbps"));

        audio->chooseEntry(3);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(audio->shownText(), QStringLiteral("160 kbps"));
    }

    void aUserChoiceNotifiesWhenItChangesTheText() {
        QWidget group;
        PresetsPanel panel(&group);
        panel.fill(100);
        QSignalSpy changed(&panel, &PresetsPanel::listChanged);
        PresetComboBox* rate = panel.list(PresetList::SampleRate);
        emit rate->activated(rate->chosenEntry());
        QCOMPARE(changed.count(), 0);
        rate->setCurrentIndex(0);
        emit rate->activated(0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<PresetList>(), PresetList::SampleRate);
        QCOMPARE(rate->shownText(), QStringLiteral("11025"));
    }
};

QTEST_MAIN(ProfileSelectorsTest)
#include "ProfileSelectorsTest.moc"
