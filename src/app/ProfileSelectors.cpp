#include "app/ProfileSelectors.h"

#include <QAbstractItemView>
#include <QFont>
#include <QSignalBlocker>

#include "app/ProfileIcons.h"
#include "app/SelectorComboBox.h"
#include "profiles/Categories.h"

namespace app {

ProfileSelectors::ProfileSelectors(SelectorComboBox* category, SelectorComboBox* profile, QObject* parent)
    : QObject(parent), category_(category), profile_(profile) {
    const QSize iconSize(kSelectorIconSize, kSelectorIconSize);
    category_->setIconSize(iconSize);
    category_->view()->setMinimumWidth(kCategoryListWidth);
    category_->view()->setMaximumWidth(kCategoryListWidth);

    profile_->setIconSize(iconSize);
    profile_->setMaxVisibleItems(kProfileVisibleItems);
    QFont bold = profile_->font();
    bold.setPixelSize(kProfileFontPixels);
    bold.setBold(true);
    profile_->setFont(bold);
    profile_->view()->setFont(bold);

    connect(category_, &SelectorComboBox::changed, this, &ProfileSelectors::categoryChanged);
    connect(profile_, &SelectorComboBox::changed, this, &ProfileSelectors::profileChanged);
    fillCategories();
}

void ProfileSelectors::fillCategories() {
    const QSignalBlocker quiet(category_);
    category_->clear();
    for (const profiles::Category& c : profiles::categories()) {
        category_->addItem(categoryIcon(c.code), QString::fromUtf8(c.caption.data(), qsizetype(c.caption.size())));
        category_->setItemData(category_->count() - 1, QSize(kCategoryListWidth, kCategoryItemHeight),
                               Qt::SizeHintRole);
    }
    category_->setCurrentIndex(0);
}

void ProfileSelectors::fillProfiles() {
    {
        const QSignalBlocker quiet(profile_);
        profile_->clear();
        profile_->update();
        const int index = categoryIndex();
        if (index >= 0) {
            const auto captions = profiles::categories()[index].profileCaptions;
            for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
                profile_->addItem(profileIcon(i % 2), QString::fromUtf8(captions[i].data(), qsizetype(captions[i].size())));
                profile_->setItemData(i, QSize(0, kProfileItemHeight), Qt::SizeHintRole);
            }
        }
        profile_->update();
    }
    profile_->setIndexNotifying(0);
}

int ProfileSelectors::categoryIndex() const { return category_->currentIndex(); }

int ProfileSelectors::profileIndex() const { return profile_->currentIndex(); }

profiles::ProfileId ProfileSelectors::chosenProfile() const { return {categoryIndex(), profileIndex()}; }

int ProfileSelectors::rowProfileNumber() const { return (categoryIndex() + 1) * 100 + profileIndex(); }

QString ProfileSelectors::chosenCaption() const { return profile_->currentText(); }

void ProfileSelectors::setCategoryIndex(int index) { category_->setIndexNotifying(index); }

void ProfileSelectors::setProfileIndex(int index) { profile_->setIndexNotifying(index); }

}  // namespace app
