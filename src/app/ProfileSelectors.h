#pragma once
// The output format selectors of the output panel: the category selector
// bsSkinOfficeComboBox2 and the profile selector bsSkinOfficeComboBox1.
//
// Fill profiles (Button2Click) rebuilds the profile list for the chosen
// category and ends by setting profile 0 through setIndexNotifying, so the
// profile-change handler runs at the end of every fill. Both selectors
// notify every index set by program, changed or not.

#include <QObject>

#include "profiles/ProfileId.h"

namespace app {

class SelectorComboBox;

class ProfileSelectors : public QObject {
    Q_OBJECT
public:
    static constexpr int kCategoryListWidth = 119;
    static constexpr int kCategoryItemHeight = 50;
    static constexpr int kProfileItemHeight = 60;
    static constexpr int kProfileVisibleItems = 4;
    static constexpr int kProfileFontPixels = 12;

    // Takes over the two selectors (they stay children of their panel) and
    // lists the categories, with category 0 chosen and nothing raised.
    ProfileSelectors(SelectorComboBox* category, SelectorComboBox* profile, QObject* parent = nullptr);

    SelectorComboBox* categorySelector() const { return category_; }
    SelectorComboBox* profileSelector() const { return profile_; }

    // Fill profiles (Button2Click).
    void fillProfiles();

    int categoryIndex() const;
    int profileIndex() const;
    profiles::ProfileId chosenProfile() const;
    // (category index + 1) * 100 + profile index.
    int rowProfileNumber() const;
    QString chosenCaption() const;

    // Set by program; each raises its change notification.
    void setCategoryIndex(int index);
    void setProfileIndex(int index);

signals:
    void categoryChanged();  // bsSkinOfficeComboBox2Change
    void profileChanged();   // bsSkinOfficeComboBox1Change

private:
    void fillCategories();

    SelectorComboBox* category_;
    SelectorComboBox* profile_;
};

}  // namespace app
