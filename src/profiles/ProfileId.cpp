#include "profiles/ProfileId.h"

#include <stdexcept>

#include "profiles/Categories.h"

namespace profiles {

namespace {

void requireValid(ProfileId id) {
    if (!isValid(id)) {
        throw std::out_of_range("no profile " + std::to_string(id.profileIndex) + " in category " +
                                std::to_string(id.categoryIndex));
    }
}

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of the code point that starts `count` code points before
// `end`, or npos when the text is shorter.
std::size_t codePointsBefore(std::string_view text, std::size_t end, int count) {
    std::size_t pos = end;
    for (int i = 0; i < count; ++i) {
        if (pos == 0) return std::string_view::npos;
        --pos;
        while (pos > 0 && isContinuationByte(text[pos])) --pos;
    }
    return pos;
}

}  // namespace

bool isValid(ProfileId id) {
    const auto cats = categories();
    if (id.categoryIndex < 0 || id.categoryIndex >= static_cast<int>(cats.size())) return false;
    const auto& captions = cats[id.categoryIndex].profileCaptions;
    return id.profileIndex >= 0 && id.profileIndex < static_cast<int>(captions.size());
}

int categoryCodeOf(int categoryIndex) {
    const auto cats = categories();
    if (categoryIndex < 0 || categoryIndex >= static_cast<int>(cats.size())) {
        throw std::out_of_range("no category " + std::to_string(categoryIndex));
    }
    return cats[categoryIndex].code;
}

int profileCodeOf(ProfileId id) {
    requireValid(id);
    return (categoryCodeOf(id.categoryIndex) + 1) * 100 + id.profileIndex;
}

int rowProfileNumberOf(ProfileId id) {
    requireValid(id);
    return (id.categoryIndex + 1) * 100 + id.profileIndex;
}

ProfileId decodeRowProfileNumber(int rowProfileNumber) {
    const int q = rowProfileNumber / 100;
    return {q - 1, rowProfileNumber - 100 * q};
}

std::optional<ProfileId> profileOfRowNumber(int rowProfileNumber) {
    const ProfileId id = decodeRowProfileNumber(rowProfileNumber);
    if (!isValid(id)) return std::nullopt;
    return id;
}

std::string_view captionOf(ProfileId id) {
    requireValid(id);
    return categories()[id.categoryIndex].profileCaptions[id.profileIndex];
}

std::vector<ProfileId> allProfiles() {
    std::vector<ProfileId> result;
    const auto cats = categories();
    for (int c = 0; c < static_cast<int>(cats.size()); ++c) {
        for (int p = 0; p < static_cast<int>(cats[c].profileCaptions.size()); ++p) result.push_back({c, p});
    }
    return result;
}

std::string outputExtensionOf(std::string_view caption) {
    const std::size_t last = codePointsBefore(caption, caption.size(), 1);
    const std::size_t first = codePointsBefore(caption, caption.size(), 5);
    if (first == std::string_view::npos) return {};
    const std::string_view four = caption.substr(first, last - first);
    if (four == "flac") return ".flac";
    if (four == "aiff") return ".aiff";
    if (four == "*.rm") return ".rm";
    if (four == "*.ra") return ".ra";
    return std::string(four);
}

}  // namespace profiles
