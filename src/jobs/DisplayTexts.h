#pragma once
// The time and size texts of the job list.

#include <cstdint>
#include <string>
#include <string_view>

namespace jobs {

// SecToDate: "hh:mm:ss" with two digits each; hours are taken modulo 24,
// so 90061 seconds show as "01:01:01". A negative count shows as
// "00:00:00".
std::string secToDate(int32_t seconds);

// The size in mebibytes, rounded to two decimals (a value halfway between
// goes to the even one), in its shortest form followed by "MB": "0MB",
// "1.5MB", "11.77MB". The decimal separator is the user's locale's (see
// LocaleDecimalSeparator.h). A negative size shows as "0MB".
std::string megabyteText(int64_t bytes, std::string_view decimalSeparator = ".");

}  // namespace jobs
