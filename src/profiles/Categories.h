#pragma once
// The eleven output categories in the order of the category selector, each
// with its category code and the captions of its profiles in the order of
// the profile selector.
//
// The category code is a second number per category: it keys the profile
// code (see ProfileId.h) and is the index of the category's icon in the
// list of 28 category icons (codes that no category uses have an icon but
// no entries).

#include <span>
#include <string_view>

namespace profiles {

struct Category {
    std::string_view caption;
    int code;
    std::span<const std::string_view> profileCaptions;
};

// All categories, index 0 ("AVI视频") first.
std::span<const Category> categories();

// Number of category icons; every category code is below it.
inline constexpr int kCategoryIconCount = 28;

}  // namespace profiles
