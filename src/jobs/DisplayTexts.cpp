#include "jobs/DisplayTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace jobs {

std::string secToDate(int32_t seconds) {
    const int32_t s = std::max<int32_t>(seconds, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%.2d:%.2d:%.2d", (s / 3600) % 24, (s / 60) % 60, s % 60);
    return text;
}

std::string megabyteText(int64_t bytes, std::string_view decimalSeparator) {
    const double hundredths = static_cast<double>(std::max<int64_t>(bytes, 0)) / 1024 / 1024 * 100;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const auto v = static_cast<int64_t>(std::nearbyint(hundredths));
    std::string text = std::to_string(v / 100);
    const int64_t fraction = v % 100;
    if (fraction != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text + "MB";
}

}  // namespace jobs
