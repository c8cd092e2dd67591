#pragma once
// The decimal separator of the user's locale, as UTF-8 text, for
// megabyteText.

#include <string>

namespace jobs {

std::string localeDecimalSeparator();

}  // namespace jobs
