#pragma once
// The pictures of the output selectors, drawn in code: the category icon
// list (one icon per category code, 28 in all) and the two profile icons
// that alternate down the profile list.

#include <QIcon>

namespace app {

inline constexpr int kSelectorIconSize = 32;

// The icon of a category code, 0 to 27.
QIcon categoryIcon(int categoryCode);

// Profile icon 0 or 1.
QIcon profileIcon(int index);

}  // namespace app
