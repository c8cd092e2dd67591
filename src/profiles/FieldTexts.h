#pragma once
// The current profile fields as name and text pairs, for printing: texts as
// they are, numbers in decimal, the boolean as "True" or "False". The two
// path fields of the source being added are left out.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "profiles/ProfileFields.h"

namespace profiles {

std::vector<std::pair<std::string_view, std::string>> fieldTextsOf(const ProfileFields& fields);

}  // namespace profiles
