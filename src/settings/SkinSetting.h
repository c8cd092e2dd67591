#pragma once
// The stored main skin: key SetSkin of section [Skin] in option.ini, the
// decimal index of the main skin.

#include "settings/OptionFile.h"

#include <optional>
#include <stdexcept>

namespace settings {

// SetSkin holds a text that is not an integer. what() names the value:
// "'abc' is not a valid integer value".
class SkinIndexError : public std::runtime_error {
public:
    explicit SkinIndexError(const QString& value);
};

// The main skin index to apply. Without option.ini, "0" is written and
// nothing is to be applied (nullopt). A missing value writes "0" and gives
// 0. A stored integer is given as it is, whether or not it names a skin.
// Throws SkinIndexError (nothing written) and OptionWriteError.
std::optional<int> readSkinIndex(const OptionFile& file);

}  // namespace settings
